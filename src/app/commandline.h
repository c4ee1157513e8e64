// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <optional>

namespace tavelo {

// Reads the command line before any window exists, so that --help and
// --version work without a display. Returns the exit status when the program
// must end here (0 after --help or --version, 2 after an argument it does not
// know), or nothing when it should start as usual.
std::optional<int> handleCommandLine(int argc, const char *const *argv, std::FILE *out,
                                     std::FILE *err);

}  // namespace tavelo
