// SPDX-License-Identifier: MIT
#pragma once

#include "plan/sides.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The ways of splitting the songs over the two sides (SplitMode, in
// plan/sides.h). Gaps, leader and extra length count in every way, as
// splitSides counts them.
namespace tavelo {

// The first `onA` songs on side A and the rest on side B; `onA` is cut to
// the number of songs.
SidesSplit splitAfter(const std::vector<SideSong> &songs, std::size_t onA, std::int64_t sideSeconds,
                      SideExtras extras);

// The flip point where the longer side is shortest; of flips that tie, the
// earlier one. Side A holds at least one song whenever there are songs. Both
// sides have the same room, so the flip found fits whenever any flip does,
// and otherwise runs over the least.
SidesSplit splitEvenly(const std::vector<SideSong> &songs, std::int64_t sideSeconds,
                       SideExtras extras);

// The split the choice asks for.
SidesSplit splitBy(const std::vector<SideSong> &songs, std::int64_t sideSeconds, SideExtras extras,
                   SplitChoice choice);

}  // namespace tavelo
