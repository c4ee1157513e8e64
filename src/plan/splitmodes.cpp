// SPDX-License-Identifier: MIT
#include "plan/splitmodes.h"

#include <algorithm>
#include <numeric>

namespace tavelo {

namespace {

SideExtras clamped(SideExtras extras)
{
    extras.gap = std::clamp(extras.gap, 0, kMaxGapSeconds);
    extras.leader = std::clamp(extras.leader, 0, kMaxLeaderSeconds);
    extras.extra = std::clamp(extras.extra, 0, kMaxExtraSeconds);
    return extras;
}

// What a side uses with `count` songs of `songSeconds` in all: its leader,
// the songs and the gaps between them.
std::int64_t usedBy(std::int64_t songSeconds, std::size_t count, const SideExtras &extras)
{
    const std::int64_t gaps = count > 1 ? std::int64_t(count - 1) * extras.gap : 0;
    return extras.leader + songSeconds + gaps;
}

std::int64_t lengthOf(const SideSong &song) { return std::max<std::int64_t>(song.seconds, 0); }

}  // namespace

SidesSplit splitAfter(const std::vector<SideSong> &songs, std::size_t onA, std::int64_t sideSeconds,
                      SideExtras extras)
{
    extras = clamped(extras);
    onA = std::min(onA, songs.size());
    SidesSplit split;
    std::int64_t aSongs = 0, bSongs = 0;
    for (std::size_t i = 0; i < songs.size(); ++i) {
        Side &side = i < onA ? split.a : split.b;
        side.songs.push_back(int(i));
        (i < onA ? aSongs : bSongs) += lengthOf(songs[i]);
    }
    const std::int64_t room = sideSeconds + extras.extra;
    split.a.used = usedBy(aSongs, split.a.songs.size(), extras);
    split.b.used = usedBy(bSongs, split.b.songs.size(), extras);
    split.a.left = room - split.a.used;
    split.b.left = room - split.b.used;
    return split;
}

SidesSplit splitEvenly(const std::vector<SideSong> &songs, std::int64_t sideSeconds,
                       SideExtras extras)
{
    const SideExtras e = clamped(extras);
    const std::int64_t all = std::accumulate(
        songs.begin(), songs.end(), std::int64_t{0},
        [](std::int64_t sum, const SideSong &song) { return sum + lengthOf(song); });
    // Both sides have the same room, so the flip with the shortest longer
    // side is also the one that fits, or runs over the least.
    std::size_t best = std::min<std::size_t>(1, songs.size());
    std::int64_t bestLonger = -1;
    std::int64_t aSongs = 0;
    for (std::size_t onA = 1; onA <= songs.size(); ++onA) {
        aSongs += lengthOf(songs[onA - 1]);
        const std::int64_t longer =
            std::max(usedBy(aSongs, onA, e), usedBy(all - aSongs, songs.size() - onA, e));
        if (bestLonger < 0 || longer < bestLonger) {
            best = onA;
            bestLonger = longer;
        }
    }
    return splitAfter(songs, best, sideSeconds, extras);
}

SidesSplit splitBy(const std::vector<SideSong> &songs, std::int64_t sideSeconds, SideExtras extras,
                   SplitChoice choice)
{
    switch (choice.mode) {
    case SplitMode::InOrder: break;
    case SplitMode::Even: return splitEvenly(songs, sideSeconds, extras);
    case SplitMode::OwnFlip:
        if (songs.empty())
            break;
        return splitAfter(songs,
                          std::size_t(std::clamp(choice.lastOnA, 0, int(songs.size()) - 1)) + 1,
                          sideSeconds, extras);
    }
    return splitSides(songs, sideSeconds, extras);
}

}  // namespace tavelo
