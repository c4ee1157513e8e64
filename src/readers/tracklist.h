// SPDX-License-Identifier: MIT
#pragma once

#include "core/foundsong.h"

#include <QStringView>

#include <optional>
#include <vector>

// Song lengths read from a tracklist: text typed or copied by a user, a text
// file, or the program's own saved list.
namespace tavelo {

// One line gives one song when it holds a time; the LAST time on the line is
// the length, so that "Title · Artist 3:27" and "1. [3:00] Title 4:30" work.
// Times: m:ss, mm:ss, h:mm:ss (minutes and hours of any number of digits,
// the other fields two digits 00-59, an optional fraction of a second after
// the seconds: "3:27.5"), 3分27秒, 3分 and 27秒 (seconds 0-59); ASCII or
// full-width digits, ":" or "：". A run of digits and colons of any other shape
// ("12:345", "1:2:3:4") is no time. A length beyond 64 bits of milliseconds
// gives no song, never a wrapped one.
// The title is the text around the time without separators at its ends and
// without a leading track number ("1.", "01 ", "1)", "1 -"). A line that
// starts with "#" (after blanks) is a note and gives nothing; so is a line
// without a time. The program's own saved line "N. [m:ss] ..." gives the time
// after the bracket (the bracket holds the start on the tape).
std::optional<FoundSong> readTracklistLine(QStringView line);

// Every line of a text, in order (line feeds, carriage returns or both end a
// line). Linear in the length of the text.
std::vector<FoundSong> readTracklist(QStringView text);

}  // namespace tavelo
