// SPDX-License-Identifier: MIT
#include "core/timemath.h"

#include "core/numbers.h"

#include <QtNumeric>

#include <cmath>

namespace tavelo {

bool TimeSum::add(std::int16_t minutes, std::int16_t seconds)
{
    std::int32_t m = 0, s = 0;
    if (qAddOverflow<std::int32_t>(minutes_, minutes, &m) ||
        qAddOverflow<std::int32_t>(seconds_, seconds, &s))
        return false;
    minutes_ = m;
    seconds_ = s;
    return true;
}

std::optional<std::int32_t> TimeSum::totalSeconds() const
{
    std::int32_t minuteSeconds = 0, total = 0;
    if (qMulOverflow<std::int32_t>(minutes_, 60, &minuteSeconds) ||
        qAddOverflow(minuteSeconds, seconds_, &total))
        return std::nullopt;
    return total;
}

std::optional<std::int32_t> capacitySeconds(double minutes) { return roundToInt32(minutes * 60.0); }

std::optional<MinutesSeconds> splitSeconds(std::int32_t seconds)
{
    // Both parts are 16-bit, and so is the product minutes * 60.
    const std::int32_t minutes = seconds / 60;
    std::int16_t minuteSeconds = 0;
    if (minutes < -32768 || minutes > 32767 ||
        qMulOverflow<std::int16_t>(static_cast<std::int16_t>(minutes), 60, &minuteSeconds))
        return std::nullopt;
    return MinutesSeconds{static_cast<std::int16_t>(minutes),
                          static_cast<std::int16_t>(seconds - minuteSeconds)};
}

}  // namespace tavelo
