// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

// The check that every song row must pass before it is counted or handed on,
// and the values a passing row counts with: one reading of the row's texts.
namespace tavelo {

enum class RowFault {
    None,
    Minutes,  // the minutes are no number or below 0
    Seconds,  // the seconds are no number, below 0 or above 59
};

// What a row counts with: each text rounded to the nearest whole number,
// ties to even.
struct RowValues {
    std::int16_t minutes = 0;
    std::int16_t seconds = 0;
};

struct CheckedRow {
    RowFault fault = RowFault::None;
    // The values of a row that passes. A passing row whose minutes need more
    // than 16 bits has none: it can be handed on, but not counted.
    std::optional<RowValues> values;
};

// A row is blank when either of its texts is empty (blanks alone are not empty).
inline bool isBlankRow(QStringView minutes, QStringView seconds)
{
    return minutes.isEmpty() || seconds.isEmpty();
}

// Minutes are tested first, so a row wrong in both reports its minutes.
CheckedRow checkRow(QStringView minutes, QStringView seconds);

}  // namespace tavelo
