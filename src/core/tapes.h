// SPDX-License-Identifier: MIT
#pragma once

// The cassettes sold in shops, shortest first, by the minutes of both sides
// together; one side holds half of that. The capacity boxes' menus offer
// them, and the A面・B面 window names the shortest that holds the songs.
namespace tavelo {

struct TapeLength {
    const char *name;  // as printed on the cassette
    int sideMinutes;
};

inline constexpr TapeLength kTapeLengths[] = {
    {"C40", 20}, {"C46", 23}, {"C50", 25}, {"C54", 27}, {"C60", 30},  {"C64", 32},  {"C70", 35},
    {"C74", 37}, {"C80", 40}, {"C84", 42}, {"C90", 45}, {"C100", 50}, {"C110", 55}, {"C120", 60},
};

}  // namespace tavelo
