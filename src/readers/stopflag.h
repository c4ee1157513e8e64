// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>

// Reading can be stopped: the program sets the flag (a new drop that replaces
// the one being read, a screen closed, the program ending) and the readers
// look at it between files and inside every long scan, then return at once
// with nothing for what they had not finished.
namespace tavelo {

using StopFlag = std::atomic<bool>;

// For callers that never stop a reading.
inline const StopFlag kNeverStop{false};

}  // namespace tavelo
