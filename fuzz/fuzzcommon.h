// SPDX-License-Identifier: MIT
#pragma once

// What the fuzz targets share: the texts made from the raw bytes, a reading of
// the strict number rule of our own that does not use the program's scanner,
// and the check that stops the run with the failing input.

#include <QString>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace fuzzing {

// The input file being replayed, named when a check fails (libFuzzer saves
// the input itself).
inline const char *currentInput = nullptr;

// The text with every character that is not printable ASCII as \uXXXX.
inline std::string describe(QStringView text)
{
    std::string out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        char buffer[8];
        if (u >= 0x20 && u < 0x7f && u != '\\')
            out += char(u);
        else
            out += (std::snprintf(buffer, sizeof buffer, "\\u%04X", unsigned(u)), buffer);
    }
    return '"' + out + '"';
}

[[noreturn]] inline void fail(const char *condition, int line, const std::string &input)
{
    std::fprintf(stderr, "property failed at line %d: %s\n  input %s\n", line, condition,
                 input.c_str());
    if (currentInput)
        std::fprintf(stderr, "  file %s\n", currentInput);
    std::abort();
}

#define FUZZ_CHECK(condition, input)                                                               \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzing::fail(#condition, __LINE__, input);                                            \
    } while (false)

// The bytes read as UTF-8 (broken sequences become U+FFFD) and as UTF-16
// units in the machine's byte order, which reaches lone surrogates and the
// full-width forms with two bytes each.
inline std::array<QString, 2> textsOf(const std::uint8_t *data, std::size_t size)
{
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    if (size >= 2)
        std::memcpy(units.data(), data, size / 2 * 2);
    return {QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)), units};
}

// A row typed as "minutes:seconds"; without a colon the seconds are empty.
inline std::pair<QString, QString> splitRow(const QString &row)
{
    const qsizetype colon = row.indexOf(u':');
    if (colon < 0)
        return {row, QString()};
    return {row.left(colon), row.mid(colon + 1)};
}

// The reference reading of the strict rule.
struct Reading {
    std::optional<double> value;
    // Below the normal range of a double, where the program may give 0 or
    // the subnormal value: both count as right.
    bool tiny() const { return value && std::fabs(*value) < DBL_MIN; }
    // The values the program may give: none, the value, or also 0.
    std::vector<std::optional<double>> allowed() const
    {
        if (tiny())
            return {value, 0.0};
        return {value};
    }
    bool allows(double actual) const { return actual == *value || (tiny() && actual == 0.0); }
};

// Full-width digits, signs, point, exponent letters, the ideographic space
// and the minus sign U+2212 as ASCII; other characters beyond ASCII as '?'.
inline std::string narrowed(QStringView text)
{
    static const std::u16string wide = u"０１２３４５６７８９＋－．ｅＥ\u3000\u2212";
    static const std::string ascii = "0123456789+-.eE -";
    std::string out;
    for (const QChar c : text) {
        const auto at = wide.find(c.unicode());
        out += c.unicode() < 0x80           ? char(c.unicode())
               : at != std::u16string::npos ? ascii[at]
                                            : '?';
    }
    return out;
}

// blanks* sign? (digits '.'? digits* | '.' digits+) (e sign? digits+)? blanks*,
// where blanks are spaces and tabs; the value from strtod in the C locale,
// refused when it overflows.
inline Reading readStrict(QStringView text)
{
    const std::string s = narrowed(text);
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const std::string core = s.substr(first, s.find_last_not_of(" \t") - first + 1);
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < core.size() && core[i] >= '0' && core[i] <= '9')
            ++i;
        return i - from;
    };
    const auto sign = [&] { i += i < core.size() && (core[i] == '+' || core[i] == '-'); };
    sign();
    std::size_t mantissa = digits();
    if (i < core.size() && core[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return {};
    if (i < core.size() && (core[i] == 'e' || core[i] == 'E')) {
        ++i;
        sign();
        if (digits() == 0)
            return {};
    }
    if (i != core.size())
        return {};
    const double value = std::strtod(core.c_str(), nullptr);
    if (std::isinf(value))
        return {};
    return {value};
}

}  // namespace fuzzing
