// SPDX-License-Identifier: MIT
#pragma once

#include "gui/formwindow.h"

#include <QPixmap>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavelo {

struct MainState;

// The main window's buttons, by what they do.
enum class MainButton {
    Capacity,         // Total 録音可能時間入力
    Entry,            // Nyuryoku 録音時間入力
    Correction,       // Teisei 訂正
    TotalEntry,       // Goukei 収録時間の合計を入力
    TotalCorrection,  // Goteisei 合計の訂正
    Close,            // Command3 閉じる
};

// The main window: the tape line, the list of song times, the result line and
// the six buttons. It shows the main state it is given and owns no rule; the
// capacity box is the one place where the user edits that state directly.
class TaveloForm : public FormWindow {
    Q_OBJECT
public:
    static inline const QString kName = QStringLiteral("TaveloForm");

    TaveloForm();

    void render(const MainState &state);
    QString capacityText() const;
    void focusCapacity();

signals:
    void buttonPressed(tavelo::MainButton button);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();

    QPushButton *nyuryoku_, *teisei_, *goteisei_;
    QLabel *label1_, *label2_, *nokori_, *gokei_;
    QLineEdit *totaltxt_, *text3_, *text4_;
    QListWidget *list1_;
    QPixmap background_;  // drawn for the screen the window is on
};

}  // namespace tavelo
