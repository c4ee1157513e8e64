// SPDX-License-Identifier: MIT
#include "calc/placesongs.h"

#include "core/listtext.h"

#include <QCoreApplication>

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
    QString text = names.mid(0, kNamesShown).join(QCoreApplication::translate("Notes", "、"));
    if (names.size() <= kNamesShown)
        return text;
    return QCoreApplication::translate("Notes", "%1 ほか %n件", nullptr,
                                       int(names.size() - kNamesShown))
        .arg(text);
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

    // Whole sentences with the count in them, so that a translation can
    // count in its own way ("1 song", "2 songs").
    QStringList lines;
    if (!unreadable.isEmpty())
        lines << QCoreApplication::translate("Notes", "%n件を読めませんでした：%1", nullptr,
                                             int(unreadable.size()))
                     .arg(noteNames(unreadable));
    if (!notPlaced.isEmpty()) {
        const int n = int(notPlaced.size());
        const QString sentence =
            noRoom ? (onlySongs ? QCoreApplication::translate(
                                      "Notes", "空いている行がないため、%n曲は入りませんでした：%1",
                                      nullptr, n)
                                : QCoreApplication::translate(
                                      "Notes", "空いている行がないため、%n件は入りませんでした：%1",
                                      nullptr, n))
                   : (onlySongs ? QCoreApplication::translate(
                                      "Notes", "%n曲は入りきりませんでした：%1", nullptr, n)
                                : QCoreApplication::translate(
                                      "Notes", "%n件は入りきりませんでした：%1", nullptr, n));
        lines << sentence.arg(noteNames(notPlaced));
    }
    if (songs.empty() && unreadable.isEmpty() && leftOver.isEmpty())
        lines << QCoreApplication::translate("Notes", "時間が見つかりませんでした。");
    if (!lines.isEmpty())
        out.emplace_back(ShowNote{screen, lines.join(QLatin1Char('\n'))});
    return out;
}

QString cdTroubleText(CdTrouble trouble)
{
    switch (trouble) {
    case CdTrouble::None: return {};
    case CdTrouble::NoDrive:
        return QCoreApplication::translate("Notes", "CDドライブが見つかりませんでした。");
    case CdTrouble::NoPermission:
        return QCoreApplication::translate("Notes", "CDドライブを使う権限がありません。");
    case CdTrouble::NoDisc:
        return QCoreApplication::translate("Notes", "CDドライブにディスクが入っていません。");
    case CdTrouble::TrayOpen:
        return QCoreApplication::translate("Notes", "CDドライブのトレイが開いています。");
    case CdTrouble::NotReady:
        return QCoreApplication::translate(
            "Notes", "CDドライブの準備ができていません。少し待ってから、もう一度お試しください。");
    case CdTrouble::DataDisc:
        return QCoreApplication::translate("Notes", "このディスクには音楽のトラックがありません。");
    case CdTrouble::Unreadable:
        return QCoreApplication::translate("Notes", "CDを読み込めませんでした。");
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
