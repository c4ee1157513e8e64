// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

// Arithmetic of song times: checked sums and the split of a number of
// seconds into minutes and seconds (as text: core/timetext.h). No widgets here.
namespace tavelo {

// The running sums of one calculation.
class TimeSum {
public:
    // Adds one row; false when a sum would leave 32 bits (nothing is changed then).
    bool add(std::int16_t minutes, std::int16_t seconds);
    // minutes sum * 60 + seconds sum, or no value when it leaves 32 bits.
    std::optional<std::int32_t> totalSeconds() const;
    std::int32_t minutes() const { return minutes_; }
    std::int32_t seconds() const { return seconds_; }

private:
    std::int32_t minutes_ = 0;
    std::int32_t seconds_ = 0;
};

// Seconds of tape for a capacity in minutes: minutes * 60 rounded to the
// nearest whole second, ties to even; no value beyond 32 bits.
std::optional<std::int32_t> capacitySeconds(double minutes);

struct MinutesSeconds {
    std::int16_t minutes = 0;
    std::int16_t seconds = 0;
};

// Splits seconds into whole minutes (truncated toward zero) and the seconds
// left over, which carry the sign. The minutes times 60 must fit in 16 bits,
// so only -32819..32819 seconds can be split; anything else gives no value.
std::optional<MinutesSeconds> splitSeconds(std::int32_t seconds);

// Largest number of seconds that splitSeconds can show.
inline constexpr std::int32_t kLargestShownSeconds = 546 * 60 + 59;

}  // namespace tavelo
