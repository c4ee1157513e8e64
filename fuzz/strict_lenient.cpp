// SPDX-License-Identifier: MIT
// The strict reading against the reference grammar, and the lenient reading
// against the strict one wherever the strict one accepts the text.
#include "fuzzcommon.h"

#include "core/numbers.h"

using fuzzing::describe;

namespace {

void check(const QString &text)
{
    const auto strict = tavelo::strictNumber(text);
    const fuzzing::Reading reference = fuzzing::readStrict(text);
    FUZZ_CHECK(strict.has_value() == reference.value.has_value(), describe(text));

    // Whatever the text, the lenient whole number is the leading number rounded.
    const double leading = tavelo::leadingNumber(text);
    const auto lenient = tavelo::lenientInt16(text);
    FUZZ_CHECK(lenient == tavelo::roundToInt16(leading), describe(text));
    if (!strict)
        return;

    FUZZ_CHECK(reference.allows(*strict), describe(text));
    FUZZ_CHECK(leading == *strict, describe(text));
    // Ties to even; beyond 16 bits both sides refuse together.
    const double rounded = std::nearbyint(*strict);
    const bool fits = rounded >= -32768.0 && rounded <= 32767.0;
    FUZZ_CHECK(lenient.has_value() == fits, describe(text));
    FUZZ_CHECK(!fits || *lenient == rounded, describe(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const QString &text : fuzzing::textsOf(data, size))
        check(text);
    return 0;
}
