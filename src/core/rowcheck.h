// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

// The check that every song row must pass before it is counted or handed on.
namespace tavelo {

enum class RowFault {
    None,
    Minutes,  // the minutes are no number or below 0
    Seconds,  // the seconds are no number, below 0 or above 59
};

// A row is blank when either of its texts is empty (blanks alone are not empty).
inline bool isBlankRow(QStringView minutes, QStringView seconds)
{
    return minutes.isEmpty() || seconds.isEmpty();
}

// Minutes are tested first, so a row wrong in both reports its minutes.
RowFault checkRow(QStringView minutes, QStringView seconds);

}  // namespace tavelo
