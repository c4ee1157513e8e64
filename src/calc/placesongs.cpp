// SPDX-License-Identifier: MIT
#include "calc/placesongs.h"

#include "core/listtext.h"

namespace tavelo {
namespace {

constexpr qsizetype kNamesShown = 3;

bool isEmptyRow(const SongTime &time) { return time.minutes.isEmpty() && time.seconds.isEmpty(); }

// How a song is named in a note: its title, or its length when it has none.
QString nameOf(const FoundSong &song)
{
    return song.title.isEmpty() ? clockText(wholeSeconds(song.milliseconds))
                                : clippedTitle(song.title);
}

}  // namespace

QString noteNames(const QStringList &names)
{
    QString text = names.mid(0, kNamesShown).join(QStringLiteral("、"));
    if (names.size() > kNamesShown)
        text += QStringLiteral(" ほか %1件").arg(names.size() - kNamesShown);
    return text;
}

Outcome placeSongs(ScreenId screen, const Slots &texts, std::optional<int> row,
                   const std::vector<FoundSong> &songs, const QStringList &unreadable,
                   const QStringList &leftOver)
{
    const int first = firstVisibleSlot(screen);
    const int end = first + kRowsPerPage;
    int slot = end;
    if (row && *row >= first && *row < end) {
        slot = *row;
    } else {
        for (int k = first; k < end; ++k) {
            if (isEmptyRow(texts.at(k))) {
                slot = k;
                break;
            }
        }
    }
    const bool noRoom = slot == end;

    Outcome out;
    QStringList notPlaced;
    for (const FoundSong &song : songs) {
        if (slot < end)
            out.emplace_back(
                WriteSlot{screen, slot++, boxTexts(song.milliseconds, songTitle(song))});
        else
            notPlaced << nameOf(song);
    }
    const bool onlySongs = leftOver.isEmpty();
    notPlaced += leftOver;

    QStringList lines;
    if (!unreadable.isEmpty())
        lines << QStringLiteral("%1件を読めませんでした：%2")
                     .arg(QString::number(unreadable.size()), noteNames(unreadable));
    if (!notPlaced.isEmpty()) {
        const QString count = QString::number(notPlaced.size()) +
                              (onlySongs ? QStringLiteral("曲") : QStringLiteral("件"));
        lines << (noRoom ? QStringLiteral("空いている行がないため、%1は入りませんでした：%2")
                         : QStringLiteral("%1は入りきりませんでした：%2"))
                     .arg(count, noteNames(notPlaced));
    }
    if (songs.empty() && unreadable.isEmpty() && leftOver.isEmpty())
        lines << QStringLiteral("時間が見つかりませんでした。");
    if (!lines.isEmpty())
        out.emplace_back(ShowNote{screen, lines.join(QLatin1Char('\n'))});
    return out;
}

QString cdTroubleText(CdTrouble trouble)
{
    switch (trouble) {
    case CdTrouble::None: return {};
    case CdTrouble::NoDrive: return QStringLiteral("CDドライブが見つかりませんでした。");
    case CdTrouble::NoPermission: return QStringLiteral("CDドライブを使う権限がありません。");
    case CdTrouble::NoDisc: return QStringLiteral("CDドライブにディスクが入っていません。");
    case CdTrouble::TrayOpen: return QStringLiteral("CDドライブのトレイが開いています。");
    case CdTrouble::NotReady:
        return QStringLiteral(
            "CDドライブの準備ができていません。少し待ってから、もう一度お試しください。");
    case CdTrouble::DataDisc: return QStringLiteral("このディスクには音楽のトラックがありません。");
    case CdTrouble::Unreadable: return QStringLiteral("CDを読み込めませんでした。");
    }
    return {};
}

Outcome placeCdSongs(ScreenId screen, const Slots &texts, std::optional<int> row, CdTrouble trouble,
                     const std::vector<FoundSong> &songs, const QStringList &unreadable)
{
    if (trouble != CdTrouble::None)
        return {ShowNote{screen, cdTroubleText(trouble)}};
    return placeSongs(screen, texts, row, songs, unreadable);
}

}  // namespace tavelo
