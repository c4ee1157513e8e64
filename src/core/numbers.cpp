// SPDX-License-Identifier: MIT
#include "core/numbers.h"

#include <algorithm>

#include <charconv>
#include <cmath>
#include <limits>

namespace tavelo {
namespace {

// The ASCII form of a character a Japanese input method types in full width
// (digits, signs, decimal point, the exponent letter and the ideographic
// space), the character itself when it is ASCII, and otherwise DEL, which no
// number contains and no reading skips.
char asciiFor(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return static_cast<char>(u);
    if (u >= u'\uFF10' && u <= u'\uFF19')
        return static_cast<char>('0' + (u - u'\uFF10'));
    switch (u) {
    case u'\uFF0B': return '+';
    case u'\uFF0D':
    case u'\u2212': return '-';
    case u'\uFF0E': return '.';
    case u'\uFF45': return 'e';
    case u'\uFF25': return 'E';
    case u'\u3000': return ' ';
    default: return '\x7f';
    }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of a decimal number as scanned from the text.
struct Scanned {
    bool negative = false;
    std::string intDigits;
    std::string fracDigits;
    bool expNegative = false;
    std::string expDigits;
    bool hasMantissa() const { return !intDigits.empty() || !fracDigits.empty(); }
};

// Scans sign, mantissa and exponent from pos onward, with nothing between
// the parts.
Scanned scanNumber(const std::string &s, std::size_t &pos)
{
    Scanned n;
    const auto peek = [&]() -> char { return pos < s.size() ? s[pos] : '\0'; };
    if (char c = peek(); c == '+' || c == '-') {
        n.negative = c == '-';
        ++pos;
    }
    while (isDigit(peek()))
        n.intDigits += s[pos++];
    // A lone point only belongs to the number if digits stand on either side.
    if (peek() == '.' && (!n.intDigits.empty() || (pos + 1 < s.size() && isDigit(s[pos + 1])))) {
        ++pos;
        while (isDigit(peek()))
            n.fracDigits += s[pos++];
    }
    if (!n.hasMantissa())
        return n;
    const std::size_t beforeExp = pos;
    if (char c = peek(); c == 'e' || c == 'E') {
        ++pos;
        bool negative = false;
        if (char sign = peek(); sign == '+' || sign == '-') {
            negative = sign == '-';
            ++pos;
        }
        std::string digits;
        while (isDigit(peek()))
            digits += s[pos++];
        if (digits.empty()) {
            pos = beforeExp;  // "5e" is just 5
        } else {
            n.expNegative = negative;
            n.expDigits = digits;
        }
    }
    return n;
}

// Turns scanned parts into a double. Returns +-infinity when the value is
// beyond the range of a double and +-0 when it is too small to represent.
double toDouble(const Scanned &n)
{
    if (!n.hasMantissa())
        return 0.0;
    std::string text = n.intDigits.empty() ? "0" : n.intDigits;
    if (!n.fracDigits.empty())
        text += "." + n.fracDigits;
    if (!n.expDigits.empty())
        text += std::string("e") + (n.expNegative ? "-" : "") + n.expDigits;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the decimal magnitude.
        long long magnitude = 0;
        const auto firstNonZero = n.intDigits.find_first_not_of('0');
        if (firstNonZero != std::string::npos) {
            magnitude = static_cast<long long>(n.intDigits.size() - firstNonZero);
        } else {
            const auto frac = n.fracDigits.find_first_not_of('0');
            magnitude = frac == std::string::npos ? -1 : -static_cast<long long>(frac);
        }
        long long exponent = 0;
        for (char c : n.expDigits) {
            exponent = exponent * 10 + (c - '0');
            if (exponent > 1'000'000'000)
                break;
        }
        magnitude += n.expNegative ? -exponent : exponent;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return n.negative ? -value : value;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string asciiForm(QStringView text)
{
    std::string out(static_cast<std::size_t>(text.size()), '\0');
    std::transform(text.begin(), text.end(), out.begin(), asciiFor);
    return out;
}

std::optional<double> strictNumber(QStringView text)
{
    const std::string s = asciiForm(text);
    std::size_t pos = 0;
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    const Scanned n = scanNumber(s, pos);
    if (!n.hasMantissa())
        return std::nullopt;
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    if (pos != s.size())
        return std::nullopt;
    const double value = toDouble(n);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> roundToInt16(double value)
{
    const double r = std::nearbyint(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> roundToInt32(double value)
{
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

}  // namespace tavelo
