// SPDX-License-Identifier: MIT
#include "core/rowcheck.h"

#include "core/numbers.h"

namespace tavelo {

CheckedRow checkRow(QStringView minutes, QStringView seconds)
{
    const auto m = strictNumber(minutes);
    if (!m || *m < 0)
        return {RowFault::Minutes, std::nullopt};
    const auto s = strictNumber(seconds);
    if (!s || *s < 0 || *s > 59)
        return {RowFault::Seconds, std::nullopt};
    // The seconds are at most 59 here, so only the minutes can be too large.
    const auto wholeMinutes = roundToInt16(*m);
    const auto wholeSeconds = roundToInt16(*s);
    if (!wholeMinutes || !wholeSeconds)
        return {RowFault::None, std::nullopt};
    return {RowFault::None, RowValues{*wholeMinutes, *wholeSeconds}};
}

}  // namespace tavelo
