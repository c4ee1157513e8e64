// SPDX-License-Identifier: MIT
#pragma once

#include "gui/formwindow.h"
#include "plan/sides.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace tavelo {

struct MainState;

// The A面・B面 window: the songs of the last calculation split over the two
// sides of a tape, with the side length, the what-ifs (gap, leader, extra
// length) and the way of splitting in boxes of its own, and the shortest
// cassette that holds the songs. It shows what plan/sides.h works out at
// every change and writes or prints the index card in the style chosen
// here; it never changes the main state.
class SidesWindow : public FormWindow {
    Q_OBJECT
public:
    SidesWindow();

    // Takes the songs of the state's song table. The side length box takes
    // the state's capacity when the window opens and whenever the capacity
    // changes there; otherwise what the user typed here stays.
    void setState(const MainState &state);
    // The songs to split, with their titles when known; a title typed in
    // this window stands over the one the song brings.
    void setSongs(std::vector<SideSong> songs);

    const SidesView &view() const { return view_; }
    // What the boxes hold now.
    SidesInputs inputs() const;

private:
    void buildControls();
    void buildLengthAndTitle();
    void buildWhatIfs();
    void buildSplitChoice();
    void buildSideLists();
    void buildCardChoices();
    QPushButton *buildButtons();
    void offerFlipSongs(const QStringList &lines);
    void refresh();
    void saveCard();
    void printCard();
    void editTitle(const Side &side, int row);

    std::vector<SideSong> songs_;  // as they came, without the titles typed here
    // Titles typed here: they name the songs in this window and on the card
    // only, and go with the window.
    TitleEdits titleEdits_;
    Slots table_;  // the song table the titles were typed for
    QString mainCapacity_;
    bool haveState_ = false;
    SidesView view_;

    QLineEdit *lengthBox_, *titleBox_;
    QSpinBox *gapBox_, *leaderBox_, *extraBox_;
    QComboBox *modeBox_, *flipBox_, *paperBox_, *cardSizeBox_;
    QCheckBox *guidesBox_;
    QListWidget *sideAList_, *sideBList_;
    QLabel *sideASummary_, *sideBSummary_, *flipLabel_, *cassetteLabel_;
    QPushButton *saveButton_, *printButton_;
};

}  // namespace tavelo
