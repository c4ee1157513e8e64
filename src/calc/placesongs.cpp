// SPDX-License-Identifier: MIT
#include "calc/placesongs.h"

#include "core/timetext.h"

#include <QCoreApplication>

namespace tavelo {
namespace {

constexpr qsizetype kNamesShown = 3;

bool isEmptyRow(const SongTime &time) { return time.minutes.isEmpty() && time.seconds.isEmpty(); }

// How a song is named in a note: as its row names it, or by its length as
// its row shows it when it has no name.
QString nameOf(const FoundSong &song)
{
    QString title = cleanTitle(songTitle(song));
    return title.isEmpty() ? lengthText(song.milliseconds) : title;
}

// The names in a note: at most three, then "ほか N件" for the rest.
QString noteNames(const QStringList &names)
{
    QString text = names.mid(0, kNamesShown).join(QCoreApplication::translate("Notes", "、"));
    if (names.size() <= kNamesShown)
        return text;
    return QCoreApplication::translate("Notes", "%1 ほか %n件", nullptr,
                                       int(names.size() - kNamesShown))
        .arg(text);
}

// The notes, each one line and a whole sentence with its count, so that a
// translation can count in its own way ("1 song", "2 songs").
QString unreadableNote(const QStringList &names)
{
    return QCoreApplication::translate("Notes", "%n件を読めませんでした：%1", nullptr,
                                       int(names.size()))
        .arg(noteNames(names));
}

// `onlySongs`: every name is a song found (counted in 曲), else some are files.
QString notPlacedNote(const QStringList &names, bool onlySongs, bool noRoom)
{
    const int n = int(names.size());
    const QString sentence =
        noRoom
            ? (onlySongs
                   ? QCoreApplication::translate(
                         "Notes", "空いている行がないため、%n曲は入りませんでした：%1", nullptr, n)
                   : QCoreApplication::translate(
                         "Notes", "空いている行がないため、%n件は入りませんでした：%1", nullptr, n))
            : (onlySongs ? QCoreApplication::translate("Notes", "%n曲は入りきりませんでした：%1",
                                                       nullptr, n)
                         : QCoreApplication::translate("Notes", "%n件は入りきりませんでした：%1",
                                                       nullptr, n));
    return sentence.arg(noteNames(names));
}

QString nothingFoundNote()
{
    return QCoreApplication::translate("Notes", "時間が見つかりませんでした。");
}

QString stillReadingNote()
{
    return QCoreApplication::translate(
        "Notes", "前のファイルを読み込み中です。終わってから、もう一度ドロップしてください。");
}

QString cdWhileReadingNote()
{
    return QCoreApplication::translate("Notes",
                                       "前の読み込みが終わってから、もう一度お試しください。");
}

// Why a CD gave no songs; empty for none.
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

}  // namespace

Outcome placeSongs(ScreenId screen, const Slots &texts, std::optional<int> row,
                   const DroppedSongs &found)
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
    for (const FoundSong &song : found.songs) {
        if (slot < end)
            out.emplace_back(
                WriteSlot{screen, slot++, boxTexts(song.milliseconds, songTitle(song))});
        else
            notPlaced << nameOf(song);
    }
    const bool onlySongs = found.leftOver.isEmpty();
    notPlaced += found.leftOver;

    QStringList lines;
    if (!found.unreadable.isEmpty())
        lines << unreadableNote(found.unreadable);
    if (!notPlaced.isEmpty())
        lines << notPlacedNote(notPlaced, onlySongs, noRoom);
    if (found.songs.empty() && found.unreadable.isEmpty() && found.leftOver.isEmpty())
        lines << nothingFoundNote();
    if (!lines.isEmpty())
        out.emplace_back(ShowNote{screen, lines.join(QLatin1Char('\n'))});
    return out;
}

Outcome placeCdSongs(ScreenId screen, const Slots &texts, std::optional<int> row, CdTrouble trouble,
                     const DroppedSongs &found)
{
    if (trouble != CdTrouble::None)
        return {ShowNote{screen, cdTroubleText(trouble)}};
    return placeSongs(screen, texts, row, found);
}

Outcome dropWhileReading(ScreenId screen) { return {ShowNote{screen, stillReadingNote()}}; }

Outcome cdWhileReading(ScreenId screen) { return {ShowNote{screen, cdWhileReadingNote()}}; }

}  // namespace tavelo
