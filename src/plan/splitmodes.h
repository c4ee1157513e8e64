// SPDX-License-Identifier: MIT
#pragma once

#include "plan/sides.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The ways of splitting the songs over the two sides. Every way keeps the
// songs in their order: side A takes the first ones, side B the rest, and
// only the flip point between them differs. Gaps, leader and extra length
// count in every way, as splitSides counts them.
namespace tavelo {

enum class SplitMode {
    InOrder,  // 順番どおり: whole songs on side A while they fit, the rest on B
    Even,     // 両面を均等に: the flip point where the longer side is shortest
    OwnFlip,  // the user says which song ends side A
};

struct SplitChoice {
    SplitMode mode = SplitMode::InOrder;
    // For OwnFlip: the place in the song list (0 for the first song) of the
    // song that ends side A. Past the last song it means the last song, so
    // that a shorter song list keeps a flip; below 0, the first song.
    int lastOnA = 0;
};

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
