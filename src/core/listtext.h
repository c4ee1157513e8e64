// SPDX-License-Identifier: MIT
#pragma once

#include "core/model.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The song list as plain text, for the clipboard and for saving to a file.
namespace tavelo {

// Whole seconds as "m:ss": the minutes without leading zeros and of any size
// ("75:00"), the seconds always two digits. Negative values show as "0:00".
QString clockText(std::int64_t seconds);

// The length of one line of the song list ("4:30": the minutes as typed, ":",
// the seconds in two digits) in whole seconds. The minutes are rounded the
// way the calculation rounds them (to the nearest, ties to even) and must fit
// its 16 bits; the seconds must be 0 to 59. Anything else gives no value.
std::optional<std::int64_t> listLineSeconds(const QString &line);

// The text of the list: a heading line starting with "#", one line per song
// "N. [start] length", where start is the song's start on the tape summed
// from the lines above it, then the result line in the main window's mode:
//   # テープの残り時間は M分S秒です。  or  # 収録時間の合計は M分S秒です。
// with the result texts as they stand (left out when both are empty). A list
// line that does not read as a time is written as it stands and adds nothing
// to the start of the songs after it. Lines end in "\n"; written to a file or
// the clipboard as UTF-8.
// A song's title, where it has one, stands between its start and its length:
// "N. [start] title  length", so that the length stays the last time on the
// line however the title reads.
QString listText(const QStringList &list, const QStringList &titles, bool totalMode,
                 const QString &resultMinutes, const QString &resultSeconds);

// The text of the main window's list, with the titles of the song table.
QString listText(const MainState &state);

}  // namespace tavelo
