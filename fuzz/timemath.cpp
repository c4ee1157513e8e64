// SPDX-License-Identifier: MIT
// The sums, the capacity in seconds and the split into minutes and seconds
// against plain 64-bit arithmetic. The bytes give a capacity (8 bytes, a
// double), a number of seconds (4 bytes), then rows of minutes and seconds
// (2 bytes each) with a repeat count (1 byte: 0xf0 to 0xff add the row
// 1, 2, 4 ... 32768 times, anything else once), so that the sums can reach
// the edges of 32 bits.
#include "fuzzcommon.h"

#include "core/timemath.h"

#include <algorithm>
#include <limits>

namespace {

struct Bytes {
    const std::uint8_t *data;
    std::size_t size;
    // The next sizeof(T) bytes, zeros past the end.
    template <typename T>
    T take()
    {
        T value{};
        const std::size_t n = std::min(sizeof value, size);
        if (n > 0)
            std::memcpy(&value, data, n);
        data += n;
        size -= n;
        return value;
    }
};

bool fits32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

std::string named(const char *what, double value, double other = 0)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%s %.17g %.17g", what, value, other);
    return buffer;
}

void checkCapacity(double minutes)
{
    const auto seconds = tavelo::capacitySeconds(minutes);
    const double product = minutes * 60.0;
    // Ties to even in the default rounding mode; NaN and huge values stay out.
    const std::optional<std::int64_t> expected =
        std::fabs(product) < 0x1p62 ? std::optional(std::llrint(product)) : std::nullopt;
    const bool fits = expected && fits32(*expected);
    FUZZ_CHECK(seconds.has_value() == fits, named("capacity", minutes));
    FUZZ_CHECK(!fits || *seconds == *expected, named("capacity", minutes));
}

void checkSplit(std::int32_t seconds)
{
    const auto split = tavelo::splitSeconds(seconds);
    const std::int64_t x = seconds;
    FUZZ_CHECK(split.has_value() == (std::abs(x) <= 32819), named("split", double(x)));
    if (!split)
        return;
    const std::int64_t m = split->minutes, s = split->seconds;
    FUZZ_CHECK(m * 60 + s == x && std::abs(s) < 60, named("split", double(x)));
    FUZZ_CHECK(s == 0 || (s < 0) == (x < 0), named("split", double(x)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Bytes in{data, size};
    const double capacity = in.take<double>();
    const std::int32_t seconds = in.take<std::int32_t>();
    checkCapacity(capacity);
    checkCapacity(seconds / 8.0);  // exact, and ties come up often
    checkSplit(seconds);
    checkSplit(seconds % 40000);

    tavelo::TimeSum sum;
    std::int64_t minutesSum = 0, secondsSum = 0;
    int budget = 1 << 17;  // additions per input, so that one input stays fast
    while (in.size > 0 && budget > 0) {
        const auto m = in.take<std::int16_t>();
        const auto s = in.take<std::int16_t>();
        const auto count = in.take<std::uint8_t>();
        const int repeat = count >= 0xf0 ? 1 << (count - 0xf0) : 1;
        for (int k = 0; k < repeat && budget-- > 0; ++k) {
            const std::int64_t nextMinutes = minutesSum + m, nextSeconds = secondsSum + s;
            const bool fits = fits32(nextMinutes) && fits32(nextSeconds);
            FUZZ_CHECK(sum.add(m, s) == fits, named("row", m, s));
            if (fits) {
                minutesSum = nextMinutes;
                secondsSum = nextSeconds;
            }
            FUZZ_CHECK(sum.minutes() == minutesSum && sum.seconds() == secondsSum,
                       named("sums", double(minutesSum), double(secondsSum)));
        }
        // Step by step, as every product and sum must fit: minutes * 60 first.
        const std::int64_t minuteSeconds = minutesSum * 60, total = minuteSeconds + secondsSum;
        const bool totalFits = fits32(minuteSeconds) && fits32(total);
        const auto shown = sum.totalSeconds();
        FUZZ_CHECK(shown.has_value() == totalFits && (!shown || *shown == total),
                   named("sums", double(minutesSum), double(secondsSum)));
        if (shown)
            checkSplit(*shown);
    }
    return 0;
}
