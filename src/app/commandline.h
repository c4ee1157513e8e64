// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <ostream>

namespace tavelo {

// Reads the command line before any window exists, so that --help and
// --version work without a display. Returns the exit status when the program
// must end here (0 after --help or --version, 2 after an argument it does not
// know), or nothing when it should start as usual.
std::optional<int> handleCommandLine(int argc, const char *const *argv, std::ostream &out,
                                     std::ostream &err);

}  // namespace tavelo
