// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace tavelo {

// A word-wrapped note whose Japanese lines stand one em apart, as the face the
// screens were laid out for sets them. The stand-in faces put a pixel more
// between lines, which would push the last line of a tight note out of its
// box. A note in another language takes the font's own line spacing.
class NoteLabel : public QLabel {
public:
    explicit NoteLabel(QWidget *parent) : QLabel(parent) {}

    // The height its lines take, broken at the width of its text area: it
    // fits when this is no more than that area's height.
    int linesHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The Japanese notes pad each of their lines with ideographic spaces, so that
// the text after a run of spaces starts a new line. This narrows the label's
// text area (not the label) so that lines break exactly at those runs,
// whatever the widths of the font in use. Labels whose pieces do not allow
// it, and notes without padding (as translations are written), are left as
// they are: their lines break between words at the label's width.
void breakAtPadding(QLabel *note);

// Condenses the letters of a one-line label slightly when its text would
// otherwise run past the right edge of its window.
void keepInsideWindow(QLabel *label, int windowWidth);

// Narrows the letters of a one-line label whose text is wider than the label,
// down to 80 % of their width, so that a short word stays whole in a box laid
// out for one Japanese character (a unit such as "min" beside a box). A text
// that fits is left as it is; one that fits even narrowed is narrowed as far
// as it goes.
void fitToBox(QLabel *label);

}  // namespace tavelo
