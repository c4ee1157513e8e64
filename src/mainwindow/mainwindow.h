// SPDX-License-Identifier: MIT
#pragma once

#include "gui/formwindow.h"

#include <QPixmap>

class QLabel;
class QLineEdit;
class QAction;
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
class MainWindow : public FormWindow {
    Q_OBJECT
public:
    MainWindow();

    void render(const MainState &state);
    void focusCapacity();

signals:
    void buttonPressed(tavelo::MainButton button);
    // The user changed the capacity box, the one place where the main
    // state is edited in place.
    void capacityEdited(const QString &text);
    // From the song list's menu (and Ctrl+C in the list): the whole list
    // onto the clipboard, or into a text file.
    void listCopyRequested();
    void listSaveRequested();
    // The A面・B面 window, from the list's menu or Ctrl+B anywhere in the window.
    void sidesRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void showListMenu(const QPoint &pos);

    QPushButton *entryButton_, *correctionButton_, *totalCorrectionButton_;
    QLabel *capacityCaption_, *capacityUnit_, *remainingCaption_, *totalCaption_;
    QLineEdit *capacityBox_, *resultMinutesBox_, *resultSecondsBox_;
    QListWidget *songList_;
    QAction *sidesAction_;
    QPixmap background_;  // drawn for the screen the window is on
};

}  // namespace tavelo
