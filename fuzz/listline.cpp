// SPDX-License-Identifier: MIT
// The list line: the minutes as typed, ":", and the seconds either as typed
// (no number) or as a whole number of at least two digits, halves away from 0.
#include "fuzzcommon.h"

#include "core/timetext.h"

using fuzzing::describe;

namespace {

void check(const QString &row)
{
    const auto [minutes, seconds] = fuzzing::splitRow(row);
    const QString line = tavelo::listLine(minutes, seconds);
    const QString head = minutes + u':';
    FUZZ_CHECK(line.startsWith(head), describe(row));
    const QString shown = line.mid(head.size());

    const fuzzing::Reading reading = fuzzing::readStrict(seconds);
    if (!reading.value) {
        FUZZ_CHECK(shown == seconds, describe(row));
        return;
    }
    const double whole = std::round(*reading.value);
    const bool negative = shown.startsWith(u'-');
    FUZZ_CHECK(negative == (whole < 0), describe(row));
    const QString digits = shown.mid(negative ? 1 : 0);
    bool allDigits = digits.size() >= 2 && (digits.size() == 2 || digits[0] != u'0');
    for (const QChar c : digits)
        allDigits = allDigits && c >= u'0' && c <= u'9';
    FUZZ_CHECK(allDigits, describe(row));
    FUZZ_CHECK(std::strtod(digits.toLatin1().constData(), nullptr) == std::fabs(whole),
               describe(row));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const QString &row : fuzzing::textsOf(data, size))
        check(row);
    return 0;
}
