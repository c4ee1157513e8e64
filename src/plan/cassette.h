// SPDX-License-Identifier: MIT
#pragma once

#include "core/tapes.h"
#include "plan/splitmodes.h"

#include <QString>

#include <cstdint>
#include <vector>

// Which cassette to buy: the shortest of the shop lengths (core/tapes.h)
// whose two sides hold the songs when they are split the chosen way on it.
namespace tavelo {

struct CassetteFit {
    const TapeLength *tape = nullptr;  // none when no cassette holds the songs
    std::int64_t leftA = 0;            // what is left on each side of it
    std::int64_t leftB = 0;
};

// Each cassette is tried shortest first with the songs split on its sides
// (the user's own flip stays where it is); the extra length counts on every
// cassette alike. An exact fit fits.
CassetteFit shortestCassette(const std::vector<SideSong> &songs, SideExtras extras,
                             SplitChoice choice);

// "C54なら収まります（A面 残り0:40、B面 残り1:10）", or that none does.
QString cassetteText(const CassetteFit &fit);

}  // namespace tavelo
