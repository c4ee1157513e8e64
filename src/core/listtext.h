// SPDX-License-Identifier: MIT
#pragma once

#include "core/model.h"

#include <QString>

// The song list as plain text, for the clipboard and for saving to a file.
namespace tavelo {

// The text of the main window's list: a heading line starting with "#", one
// line per song "N. [start] length", where start is the song's start on the
// tape summed from the lines above it, then the result line in the main
// window's mode:
//   # テープの残り時間は M分S秒です。  or  # 収録時間の合計は M分S秒です。
// with the result texts as they stand (left out when both are empty).
// A list line ("4:30": the minutes as typed, ":", the seconds in two digits)
// counts as long as the calculation counted it: the minutes rounded to the
// nearest, ties to even, within 16 bits, the seconds 0 to 59. A list line
// that does not read so is written as it stands and adds nothing to the
// start of the songs after it. Lines end in "\n"; written to a file or the
// clipboard as UTF-8.
// Line i of the list is slot i of the song table: a song's title, where it
// has one, stands between its start and its length:
// "N. [start] title  length", so that the length stays the last time on the
// line however the title reads.
QString listText(const MainState &state);

}  // namespace tavelo
