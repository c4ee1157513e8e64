// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace tavelo {

// A word-wrapped note whose lines stand one em apart, as the face the screens
// were laid out for sets them. The stand-in faces put a pixel more between
// lines, which would push the last line of a tight note out of its box.
class NoteLabel : public QLabel {
public:
    explicit NoteLabel(QWidget *parent) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The notes pad each of their lines with ideographic spaces, so that the text
// after a run of spaces starts a new line. This narrows the label's text area
// (not the label) so that lines break exactly at those runs, whatever the
// widths of the font in use. Labels whose pieces do not allow it are left as
// they are.
void breakAtPadding(QLabel *note);

// Condenses the letters of a one-line label slightly when its text would
// otherwise run past the right edge of its window.
void keepInsideWindow(QLabel *label, int windowWidth);

}  // namespace tavelo
