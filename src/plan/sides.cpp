// SPDX-License-Identifier: MIT
#include "plan/sides.h"

#include "core/numbers.h"
#include "core/rowcheck.h"
#include "core/timetext.h"
#include "plan/cassette.h"
#include "plan/splitmodes.h"

#include <QCoreApplication>

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
        songs.push_back({i, seconds, slot.title});
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
// result keeps (546:59). Each case is one whole sentence, so that a
// translation can put its words in its own order.
QString summaryOf(const Side &side)
{
    const bool totalShown = side.used <= kLargestShownSeconds;
    const bool leftShown = std::llabs(side.left) <= kLargestShownSeconds;
    const QString total = clockText(side.used);
    if (totalShown && leftShown) {
        return side.left < 0 ? QCoreApplication::translate("Sides", "合計 %1　%2 はみ出します")
                                   .arg(total, clockText(-side.left))
                             : QCoreApplication::translate("Sides", "合計 %1　残り %2")
                                   .arg(total, clockText(side.left));
    }
    const QString totalPart = totalShown
                                  ? QCoreApplication::translate("Sides", "合計 %1").arg(total)
                                  : messageText(Message::TotalTooLarge);
    if (!leftShown)
        return QCoreApplication::translate("Sides", "%1　%2")
            .arg(totalPart, messageText(Message::RemainingTooLarge));
    return side.left < 0 ? QCoreApplication::translate("Sides", "%1　%2 はみ出します")
                               .arg(totalPart, clockText(-side.left))
                         : QCoreApplication::translate("Sides", "%1　残り %2")
                               .arg(totalPart, clockText(side.left));
}

QString songLine(const SideSong &song)
{
    QString line = QString::number(song.slot + 1) + QStringLiteral(". ") + clockText(song.seconds);
    if (!song.title.isEmpty())
        line += QStringLiteral("  ") + song.title;
    return line;
}

SideView viewOf(const Side &side, const std::vector<SideSong> &songs)
{
    SideView view;
    for (const int i : side.songs)
        view.lines << songLine(songs.at(std::size_t(i)));
    view.summary = summaryOf(side);
    view.over = side.left < 0;
    return view;
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
    view.split = splitBy(songs, *length.seconds, inputs.extras, inputs.split);
    if (!noSongs)
        view.cassette = cassetteText(shortestCassette(songs, inputs.extras, inputs.split));
    view.a = viewOf(view.split.a, songs);
    view.b = viewOf(view.split.b, songs);
    const Side &a = view.split.a, &b = view.split.b;
    if (noSongs)
        view.flip = QCoreApplication::translate("Sides", "計算した曲がありません。");
    else if (a.songs.empty())
        view.flip =
            QCoreApplication::translate("Sides", "A面に入る曲がありません。全曲がB面です。");
    else if (b.songs.empty())
        // The user's own flip and the even split may put every song on a
        // side A that cannot hold them.
        view.flip =
            (a.left < 0
                 ? QCoreApplication::translate("Sides", "全曲がA面です（A面の最後は%1）。")
                 : QCoreApplication::translate("Sides", "全曲がA面に入ります（A面の最後は%1）。"))
                .arg(songNumber(songs.at(std::size_t(a.songs.back())).slot));
    else
        view.flip = QCoreApplication::translate("Sides", "A面の最後は%1、B面は%2から。")
                        .arg(songNumber(songs.at(std::size_t(a.songs.back())).slot),
                             songNumber(songs.at(std::size_t(b.songs.front())).slot));
    return view;
}

QStringList songLines(const std::vector<SideSong> &songs)
{
    QStringList lines;
    for (const SideSong &song : songs)
        lines << songLine(song);
    return lines;
}

}  // namespace tavelo
