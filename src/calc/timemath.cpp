#include "calc/timemath.h"

#include "entry/conversion.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace tavelo {
namespace {

template <typename T>
std::optional<T> narrowed(long long value)
{
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(value);
}

}  // namespace

std::optional<std::int32_t> checkedAdd32(std::int32_t a, std::int32_t b)
{
    return narrowed<std::int32_t>(static_cast<long long>(a) + b);
}

std::optional<std::int32_t> checkedSub32(std::int32_t a, std::int32_t b)
{
    return narrowed<std::int32_t>(static_cast<long long>(a) - b);
}

std::optional<std::int32_t> checkedMul32(std::int32_t a, std::int32_t b)
{
    return narrowed<std::int32_t>(static_cast<long long>(a) * b);
}

std::optional<std::int16_t> checkedMul16(std::int16_t a, std::int16_t b)
{
    return narrowed<std::int16_t>(static_cast<long long>(a) * b);
}

std::optional<std::int16_t> checkedSub16(std::int16_t a, std::int16_t b)
{
    return narrowed<std::int16_t>(static_cast<long long>(a) - b);
}

bool TimeSum::add(std::int16_t minutes, std::int16_t seconds)
{
    const auto m = checkedAdd32(minutes_, minutes);
    const auto s = checkedAdd32(seconds_, seconds);
    if (!m || !s)
        return false;
    minutes_ = *m;
    seconds_ = *s;
    return true;
}

std::optional<std::int32_t> TimeSum::totalSeconds() const
{
    const auto minuteSeconds = checkedMul32(minutes_, 60);
    if (!minuteSeconds)
        return std::nullopt;
    return checkedAdd32(*minuteSeconds, seconds_);
}

std::optional<std::int32_t> capacitySeconds(double minutes)
{
    return roundToInt32(minutes * 60.0);
}

std::optional<MinutesSeconds> splitSeconds(std::int32_t seconds)
{
    const auto minutes = narrowed<std::int16_t>(seconds / 60);
    if (!minutes)
        return std::nullopt;
    const auto minuteSeconds = checkedMul16(*minutes, 60);
    if (!minuteSeconds)
        return std::nullopt;
    const auto rest = narrowed<std::int16_t>(static_cast<long long>(seconds) - *minuteSeconds);
    if (!rest)
        return std::nullopt;
    return MinutesSeconds{*minutes, *rest};
}

std::string twoDigitPattern(double value)
{
    double whole = std::round(value);
    if (whole == 0.0)
        whole = 0.0;  // no "-0"
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%0*.0f", whole < 0 ? 3 : 2, whole);
    return buffer;
}

std::string listLine(std::string_view minutesText, std::string_view secondsText)
{
    std::string line(minutesText);
    line += ':';
    if (const auto seconds = strictNumber(secondsText))
        line += twoDigitPattern(*seconds);
    else
        line.append(secondsText);
    return line;
}

}  // namespace tavelo
