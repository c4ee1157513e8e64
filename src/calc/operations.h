// SPDX-License-Identifier: MIT
#pragma once

#include "calc/outcome.h"

// What each button of the program works out, as functions over plain data:
// the main window's state and the texts of the screen whose button was
// pressed. None of them touches a window; each returns what must happen.
namespace tavelo {

// OK in the capacity dialog with the typed minutes.
Outcome acceptCapacity(const MainState &main, const QString &typed);

// A key typed into the main window's capacity box (Totaltxt): the box's text
// is the state's capacity from now on, as typed, read by nothing until a
// calculation; the rest of the state stays. The views follow it like any
// other change of the state.
Outcome editCapacity(const MainState &main, const QString &text);

// 残り時間を出す (remaining-mode screens) and 合計時間を出す (total-mode screens):
// stores the screen's rows in the song table, checks and lists every row, and
// shows the remaining tape time or the total of the times.
Outcome calculate(const MainState &main, ScreenId screen, const Slots &texts);

// 続けて入力: carries rows 1-15 of a page-1 screen into the carry texts of the
// page-2 screen, checking each row, and closes the page-1 screen when all pass.
Outcome continueOnPageTwo(const MainState &main, ScreenId screen, const Slots &texts);

// 次画面を訂正: copies all thirty texts of a correction screen into the page-2
// screen, checking each row, and closes the correction screen when all pass.
Outcome correctOnPageTwo(ScreenId screen, const Slots &texts);

// 訂正 and 合計の訂正: shows the correction screen and fills all thirty texts
// from the song table, leaving a slot empty when both its texts read as 0.
Outcome openCorrection(const MainState &main, ScreenId screen);

}  // namespace tavelo
