#pragma once

#include "app/formwindow.h"
#include "app/songtable.h"

#include <QPixmap>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavelo {

// The main window: the tape line, the list of song times, the result line,
// the six buttons, and the song table. Its enabled and visible states are the
// program's only notion of mode (remaining mode or total mode).
class TaveloForm : public FormWindow {
    Q_OBJECT
public:
    static inline const QString kName = QStringLiteral("TaveloForm");

    TaveloForm();

    SongTable &songTable() { return songs_; }
    const SongTable &songTable() const { return songs_; }

    // A tape capacity accepted in the capacity dialog: stored as typed, and
    // the window returns to remaining mode with an empty list and result.
    void acceptCapacity(const QString &typed);

    // The changes a calculation makes before it reads any row. A change of
    // mode also empties the old result, so that a result never stands under
    // the other mode's caption.
    void enterRemainingMode(bool fromCorrectionScreen);
    void enterTotalMode();

    bool isTotalMode() const;
    void clearList();
    void appendListLine(const QString &line);
    void setResult(const QString &minutes, const QString &seconds);

    // The controls, named as their object names.
    QPushButton *total, *nyuryoku, *teisei, *goukei, *goteisei, *command3;
    QLabel *label1, *label2, *label3, *nokori, *gokei, *label5, *label6;
    QLineEdit *totaltxt, *text3, *text4;
    QListWidget *list1;

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void connectButtons();

    SongTable songs_;
    QPixmap background_;  // drawn for the screen the window is on
};

}  // namespace tavelo
