// SPDX-License-Identifier: MIT
// The row check against the reference reading of both texts: minutes first,
// then seconds, and what a passing row gives when it is added up.
#include "fuzzcommon.h"

#include "core/numbers.h"
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
        const auto lenientSeconds = tavelo::lenientInt16(seconds);
        FUZZ_CHECK(lenientSeconds && *lenientSeconds >= 0 && *lenientSeconds <= 59, describe(row));
        // Passing minutes never add up as a negative number.
        const auto lenientMinutes = tavelo::lenientInt16(minutes);
        FUZZ_CHECK(!lenientMinutes || *lenientMinutes >= 0, describe(row));
        // The values the row counts with are its lenient readings.
        FUZZ_CHECK(checked.values.has_value() == lenientMinutes.has_value(), describe(row));
        FUZZ_CHECK(!checked.values || (checked.values->minutes == *lenientMinutes &&
                                       checked.values->seconds == *lenientSeconds),
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
