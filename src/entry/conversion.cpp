#include "entry/conversion.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tavelo {
namespace {

// Decodes one UTF-8 code point starting at text[i]; advances i. Malformed
// bytes (bad lead or continuation bytes, truncated or overlong sequences,
// surrogates, values beyond U+10FFFF) come back one by one as themselves, so
// that nothing is lost and no broken sequence passes for a digit.
char32_t nextCodePoint(std::string_view text, std::size_t &i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int extra = 0;
    char32_t cp = lead;
    char32_t smallest = 0;
    if (lead >= 0xC0 && lead < 0xE0) { extra = 1; cp = lead & 0x1F; smallest = 0x80; }
    else if (lead >= 0xE0 && lead < 0xF0) { extra = 2; cp = lead & 0x0F; smallest = 0x800; }
    else if (lead >= 0xF0 && lead < 0xF8) { extra = 3; cp = lead & 0x07; smallest = 0x10000; }
    if (extra == 0 || i + extra >= text.size()) {
        ++i;
        return lead;
    }
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return lead;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return lead;
    }
    i += extra + 1;
    return cp;
}

char asciiFor(char32_t cp)
{
    if (cp >= U'\uFF10' && cp <= U'\uFF19')
        return static_cast<char>('0' + (cp - U'\uFF10'));
    switch (cp) {
    case U'\uFF0B': return '+';
    case U'\uFF0D': return '-';
    case U'\u2212': return '-';
    case U'\uFF0E': return '.';
    case U'\uFF45': return 'e';
    case U'\uFF25': return 'E';
    case U'\u3000': return ' ';
    default: return 0;
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

// Scans sign, mantissa and exponent from pos onward. `skip` says which
// characters are passed over between the parts (none for the strict reading).
template <typename Skip>
Scanned scanNumber(const std::string &s, std::size_t &pos, Skip skip)
{
    Scanned n;
    const auto peek = [&]() -> char {
        while (pos < s.size() && skip(s[pos]))
            ++pos;
        return pos < s.size() ? s[pos] : '\0';
    };
    if (char c = peek(); c == '+' || c == '-') {
        n.negative = c == '-';
        ++pos;
    }
    while (isDigit(peek()))
        n.intDigits += s[pos++];
    if (peek() == '.') {
        const std::size_t afterPoint = pos + 1;
        std::size_t probe = afterPoint;
        while (probe < s.size() && skip(s[probe]))
            ++probe;
        // A lone point only belongs to the number if digits stand on either side.
        if (!n.intDigits.empty() || (probe < s.size() && isDigit(s[probe]))) {
            pos = afterPoint;
            while (isDigit(peek()))
                n.fracDigits += s[pos++];
        }
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
// Blanks, tabs and line feeds; a carriage return ends the number.
bool isSkippedByLenient(char c) { return c == ' ' || c == '\t' || c == '\n'; }

}  // namespace

std::string normaliseWidth(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        const char32_t cp = nextCodePoint(text, i);
        if (const char ascii = asciiFor(cp))
            out += ascii;
        else
            out.append(text.substr(start, i - start));
    }
    return out;
}

std::optional<double> strictNumber(std::string_view text)
{
    const std::string s = normaliseWidth(text);
    std::size_t pos = 0;
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    const Scanned n = scanNumber(s, pos, [](char) { return false; });
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

double leadingNumber(std::string_view text)
{
    const std::string s = normaliseWidth(text);
    std::size_t pos = 0;
    return toDouble(scanNumber(s, pos, isSkippedByLenient));
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

std::optional<std::int16_t> lenientInt16(std::string_view text)
{
    return roundToInt16(leadingNumber(text));
}

}  // namespace tavelo
