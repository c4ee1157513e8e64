// SPDX-License-Identifier: MIT
#pragma once

#include "core/model.h"
#include "core/timemath.h"

#include <QString>

#include <cstdint>

// Times as text: every way the program writes a length or a result. No
// widgets here.
namespace tavelo {

// Milliseconds rounded to the nearest whole second, halves up (2,500 ms is 3 s,
// 1,499 ms is 1 s). Negative lengths count as 0.
inline std::int64_t wholeSeconds(std::int64_t milliseconds)
{
    if (milliseconds <= 0)
        return 0;
    return milliseconds / 1000 + (milliseconds % 1000 >= 500 ? 1 : 0);
}

// Whole seconds as "m:ss": the minutes without leading zeros and of any size
// ("75:00"), the seconds always two digits. Negative values show as "0:00".
QString clockText(std::int64_t seconds);

// A song's length in milliseconds as "m:ss", rounded as its row is
// (wholeSeconds).
inline QString lengthText(std::int64_t milliseconds)
{
    return clockText(wholeSeconds(milliseconds));
}

// The texts of the minute and second boxes for a length, rounded as
// wholeSeconds rounds: plain decimals without leading zeros, as the program
// writes numbers; the minutes may go beyond 59 (75 minutes give "75" and
// "0"). The title is cleaned as it enters the song time (cleanTitle).
inline SongTime boxTexts(std::int64_t milliseconds, const QString &title = {})
{
    const std::int64_t seconds = wholeSeconds(milliseconds);
    return {QString::number(seconds / 60), QString::number(seconds % 60), cleanTitle(title)};
}

// A number in the pattern "00": a whole number of at least two digits,
// halves rounded away from zero (7 -> "07", 30.5 -> "31", -5 -> "-05").
QString twoDigitPattern(double value);

// A result as the main window's result boxes show it: the minutes and the
// seconds as plain decimal numbers, the sign on both when it is negative.
struct ResultTexts {
    QString minutes;
    QString seconds;
};
ResultTexts resultTexts(const MinutesSeconds &result);

// One line of the song list: the minutes text as typed, ":", and the seconds
// text in the pattern "00". A seconds text that is no number stays as it is.
QString listLine(const QString &minutesText, const QString &secondsText);

}  // namespace tavelo
