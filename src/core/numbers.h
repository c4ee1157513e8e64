// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>
#include <string>

// Reading the numbers that users type into the boxes. Nothing here knows
// about widgets.
namespace tavelo {

// The text with the full-width forms that a Japanese input method types
// (digits, signs, decimal point, the exponent letter and the ideographic
// space) turned into ASCII, one character for each UTF-16 unit. Any other
// character beyond ASCII becomes DEL, which can be no part of a number.
std::string asciiForm(QStringView text);

// The whole text must be one number: optional sign, digits, optional decimal
// fraction and exponent, with blanks around it. Empty text, anything else in
// it, or a value beyond the range of a double gives no value.
std::optional<double> strictNumber(QStringView text);

// Nearest whole number, ties to even, when it fits in 16 or 32 bits.
std::optional<std::int16_t> roundToInt16(double value);
std::optional<std::int32_t> roundToInt32(double value);

}  // namespace tavelo
