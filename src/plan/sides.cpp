// SPDX-License-Identifier: MIT
#include "plan/sides.h"

#include "core/foundsong.h"
#include "core/listtext.h"
#include "core/numbers.h"
#include "core/rowcheck.h"
#include "core/timemath.h"

#include <algorithm>
#include <cstdlib>

namespace tavelo {

std::vector<SideSong> songsOfTable(const Slots &table)
{
    std::vector<SideSong> songs;
    std::size_t lastLong = 0;  // songs up to here end with one of some length
    for (int i = 0; i < kSlotCount; ++i) {
        const SongTime &slot = table.at(i);
        if (isBlankRow(slot.minutes, slot.seconds))
            break;
        const CheckedRow row = checkRow(slot.minutes, slot.seconds);
        if (row.fault != RowFault::None || !row.values)
            break;
        const std::int64_t seconds =
            std::int64_t{row.values->minutes} * 60 + std::int64_t{row.values->seconds};
        songs.push_back({i, seconds, clippedTitle(slot.title)});
        if (seconds != 0)
            lastLong = songs.size();
    }
    songs.resize(lastLong);
    return songs;
}

std::vector<SideSong> withTitleEdits(std::vector<SideSong> songs, const TitleEdits &edits)
{
    for (SideSong &song : songs) {
        if (const auto edit = edits.find(song.slot); edit != edits.end())
            song.title = edit->second;
    }
    return songs;
}

namespace {

// What a side uses with `count` songs of `songSeconds` in all.
std::int64_t usedBy(std::int64_t songSeconds, std::size_t count, const SideExtras &extras)
{
    const std::int64_t gaps = count > 1 ? std::int64_t(count - 1) * extras.gap : 0;
    return extras.leader + songSeconds + gaps;
}

}  // namespace

SidesSplit splitSides(const std::vector<SideSong> &songs, std::int64_t sideSeconds,
                      SideExtras extras)
{
    extras.gap = std::clamp(extras.gap, 0, kMaxGapSeconds);
    extras.leader = std::clamp(extras.leader, 0, kMaxLeaderSeconds);
    extras.extra = std::clamp(extras.extra, 0, kMaxExtraSeconds);
    // Song lengths come from 16-bit minutes and seconds and the side from 32
    // bits, so no sum of 30 songs comes near the 64-bit limits.
    const std::int64_t room = sideSeconds + extras.extra;

    SidesSplit split;
    std::int64_t aSongs = 0, bSongs = 0;
    bool turned = false;
    for (std::size_t i = 0; i < songs.size(); ++i) {
        const std::int64_t length = std::max<std::int64_t>(songs[i].seconds, 0);
        if (!turned && usedBy(aSongs + length, split.a.songs.size() + 1, extras) <= room) {
            split.a.songs.push_back(int(i));
            aSongs += length;
            continue;
        }
        turned = true;
        split.b.songs.push_back(int(i));
        bSongs += length;
    }
    split.a.used = usedBy(aSongs, split.a.songs.size(), extras);
    split.b.used = usedBy(bSongs, split.b.songs.size(), extras);
    split.a.left = room - split.a.used;
    split.b.left = room - split.b.used;
    return split;
}

SideLength sideLength(const QString &minutesText)
{
    const auto minutes = strictNumber(minutesText);
    if (!minutes || *minutes < 0)
        return {std::nullopt, Message::BadCapacity};
    const auto seconds = capacitySeconds(*minutes);
    if (!seconds)
        return {std::nullopt, Message::CapacityTooLarge};
    return {seconds, std::nullopt};
}

namespace {

// The total and what is left or over, within the limits the main window's
// result keeps (546:59).
QString summaryOf(const Side &side)
{
    const QString total = side.used > kLargestShownSeconds
                              ? messageText(Message::TotalTooLarge)
                              : QStringLiteral("合計 ") + clockText(side.used);
    if (std::llabs(side.left) > kLargestShownSeconds)
        return total + QStringLiteral("　") + messageText(Message::RemainingTooLarge);
    if (side.left < 0)
        return total + QStringLiteral("　") + clockText(-side.left) +
               QStringLiteral(" はみ出します");
    return total + QStringLiteral("　残り ") + clockText(side.left);
}

SideView viewOf(const Side &side, const std::vector<SideSong> &songs)
{
    SideView view;
    for (const int i : side.songs) {
        const SideSong &song = songs.at(std::size_t(i));
        QString line =
            QString::number(song.slot + 1) + QStringLiteral(". ") + clockText(song.seconds);
        if (!song.title.isEmpty())
            line += QStringLiteral("  ") + song.title;
        view.lines << line;
    }
    view.summary = summaryOf(side);
    view.over = side.left < 0;
    return view;
}

QString songNumber(const SideSong &song)
{
    return QString::number(song.slot + 1) + QStringLiteral("曲目");
}

}  // namespace

SidesView sidesView(const std::vector<SideSong> &songs, const SidesInputs &inputs)
{
    SidesView view;
    const SideLength length = sideLength(inputs.sideMinutes);
    if (!length.seconds) {
        view.refusal = length.refusal;
        return view;
    }
    const bool noSongs = songs.empty();
    view.songs = songs;
    view.split = splitSides(songs, *length.seconds, inputs.extras);
    view.a = viewOf(view.split.a, songs);
    view.b = viewOf(view.split.b, songs);
    const Side &a = view.split.a, &b = view.split.b;
    if (noSongs)
        view.flip = QStringLiteral("計算した曲がありません。");
    else if (a.songs.empty())
        view.flip = QStringLiteral("A面に入る曲がありません。全曲がB面です。");
    else if (b.songs.empty())
        view.flip = QStringLiteral("全曲がA面に入ります（A面の最後は") +
                    songNumber(songs.at(std::size_t(a.songs.back()))) + QStringLiteral("）。");
    else
        view.flip = QStringLiteral("A面の最後は") +
                    songNumber(songs.at(std::size_t(a.songs.back()))) + QStringLiteral("、B面は") +
                    songNumber(songs.at(std::size_t(b.songs.front()))) + QStringLiteral("から。");
    return view;
}

}  // namespace tavelo
