// SPDX-License-Identifier: MIT
#include "core/timetext.h"

#include "core/numbers.h"

#include <cmath>

namespace tavelo {

QString clockText(std::int64_t seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QString::number(seconds / 60) + QLatin1Char(':') +
           QString::number(seconds % 60).rightJustified(2, QLatin1Char('0'));
}

QString twoDigitPattern(double value)
{
    const double whole = std::round(value);
    const QString digits =
        QString::number(std::fabs(whole), 'f', 0).rightJustified(2, QLatin1Char('0'));
    return whole < 0 ? QLatin1Char('-') + digits : digits;  // -0 shows as 00
}

ResultTexts resultTexts(const MinutesSeconds &result)
{
    return {QString::number(result.minutes), QString::number(result.seconds)};
}

QString listLine(const QString &minutesText, const QString &secondsText)
{
    const auto seconds = strictNumber(secondsText);
    return minutesText + QLatin1Char(':') + (seconds ? twoDigitPattern(*seconds) : secondsText);
}

}  // namespace tavelo
