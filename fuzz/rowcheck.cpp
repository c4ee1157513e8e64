// SPDX-License-Identifier: MIT
// The row check against the reference reading of both texts: minutes first,
// then seconds, and what a passing row gives when it is added up.
#include "fuzzcommon.h"

#include "core/rowcheck.h"

using fuzzing::describe;
using tavelo::RowFault;

namespace {

RowFault expectedFault(std::optional<double> minutes, std::optional<double> seconds)
{
    if (!minutes || *minutes < 0)
        return RowFault::Minutes;
    if (!seconds || *seconds < 0 || *seconds > 59)
        return RowFault::Seconds;
    return RowFault::None;
}

void check(const QString &row)
{
    const auto [minutes, seconds] = fuzzing::splitRow(row);
    const tavelo::CheckedRow checked = tavelo::checkRow(minutes, seconds);
    const RowFault fault = checked.fault;
    const fuzzing::Reading m = fuzzing::readStrict(minutes);
    const fuzzing::Reading s = fuzzing::readStrict(seconds);

    // Unreadable or negative minutes fail on the minutes, whatever the seconds.
    if (!m.value || (*m.value < 0 && !m.tiny()))
        FUZZ_CHECK(fault == RowFault::Minutes, describe(row));

    // Only a number too small for a double may be read either as itself or as 0.
    bool explained = false;
    for (const auto &mv : m.allowed())
        for (const auto &sv : s.allowed())
            explained = explained || fault == expectedFault(mv, sv);
    FUZZ_CHECK(explained, describe(row));

    if (fault == RowFault::None) {
        FUZZ_CHECK(m.value && (*m.value >= 0 || m.tiny()), describe(row));
        FUZZ_CHECK(s.value && (*s.value >= 0 || s.tiny()) && *s.value <= 59, describe(row));
        // The values the row counts with are the reference values rounded to
        // the nearest whole number, ties to even; minutes beyond 16 bits give none.
        const double wholeMinutes = std::nearbyint(*m.value);
        const double wholeSeconds = std::nearbyint(*s.value);
        FUZZ_CHECK(wholeMinutes >= 0 && wholeSeconds >= 0 && wholeSeconds <= 59, describe(row));
        FUZZ_CHECK(checked.values.has_value() == (wholeMinutes <= 32767.0), describe(row));
        FUZZ_CHECK(!checked.values || (checked.values->minutes == wholeMinutes &&
                                       checked.values->seconds == wholeSeconds),
                   describe(row));
    } else {
        FUZZ_CHECK(!checked.values, describe(row));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const QString &row : fuzzing::textsOf(data, size))
        check(row);
    return 0;
}
