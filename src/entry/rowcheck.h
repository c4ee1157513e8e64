#pragma once

#include <string_view>

// The check that every song row must pass before it is counted or handed on.
namespace tavelo {

enum class RowFault {
    None,
    Minutes,  // the minutes are no number or below 0
    Seconds,  // the seconds are no number, below 0 or above 59
};

// A row is blank when either of its texts is empty (blanks alone are not empty).
inline bool isBlankRow(std::string_view minutes, std::string_view seconds)
{
    return minutes.empty() || seconds.empty();
}

// Minutes are tested first, so a row wrong in both reports its minutes.
RowFault checkRow(std::string_view minutes, std::string_view seconds);

}  // namespace tavelo
