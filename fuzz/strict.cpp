// SPDX-License-Identifier: MIT
// The strict reading against the reference grammar, and its value rounded
// to 16 bits (as a row counts it) against the reference value rounded.
#include "fuzzcommon.h"

#include "core/numbers.h"

using fuzzing::describe;

namespace {

void check(const QString &text)
{
    const auto strict = tavelo::strictNumber(text);
    const fuzzing::Reading reference = fuzzing::readStrict(text);
    FUZZ_CHECK(strict.has_value() == reference.value.has_value(), describe(text));
    if (!strict)
        return;

    FUZZ_CHECK(reference.allows(*strict), describe(text));
    // Ties to even; beyond 16 bits the rounding refuses.
    const double rounded = std::nearbyint(*reference.value);
    const bool fits = rounded >= -32768.0 && rounded <= 32767.0;
    const auto whole = tavelo::roundToInt16(*strict);
    FUZZ_CHECK(whole.has_value() == fits, describe(text));
    FUZZ_CHECK(!fits || *whole == rounded, describe(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const QString &text : fuzzing::textsOf(data, size))
        check(text);
    return 0;
}
