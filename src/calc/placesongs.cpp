// SPDX-License-Identifier: MIT
#include "calc/placesongs.h"

#include "core/timetext.h"

#include <QCoreApplication>

#include <algorithm>

namespace tavelo {
namespace {

constexpr qsizetype kNamesShown = 3;
// A name in a note is cut to this many characters: the note names three, and
// a title of 200 characters would make it a page.
constexpr qsizetype kLongestNoteName = 40;

bool isEmptyRow(const SongTime &time) { return time.minutes.isEmpty() && time.seconds.isEmpty(); }

// How a song is named in a note: as its row names it, or by its length as
// its row shows it when it has no name.
QString nameOf(const FoundSong &song)
{
    QString title = cleanTitle(songTitle(song));
    return title.isEmpty() ? lengthText(song.milliseconds) : title;
}

QString shortName(const QString &name)
{
    if (name.size() <= kLongestNoteName)
        return name;
    return name.left(kLongestNoteName - 1) + QChar(0x2026);  // …
}

// The names in a note: at most three, each cut short, then "ほか N件" for
// the rest.
QString noteNames(const QStringList &names)
{
    QStringList shown;
    for (qsizetype i = 0; i < std::min(names.size(), kNamesShown); ++i)
        shown << shortName(names.at(i));
    QString text = shown.join(QCoreApplication::translate("Notes", "、"));
    if (names.size() <= kNamesShown)
        return text;
    return QCoreApplication::translate("Notes", "%1 ほか %n件", nullptr,
                                       int(names.size() - kNamesShown))
        .arg(text);
}

// How a note names a row, track or entry of a list: by its own name, or by
// the list's name and its place there.
QString itemName(const ListedItem &item)
{
    if (!item.name.isEmpty())
        return item.name;
    switch (item.kind) {
    case ListedItem::Kind::Entry:
        return QCoreApplication::translate("Notes", "%1 %2曲目").arg(item.list, item.number);
    case ListedItem::Kind::Row:
        return QCoreApplication::translate("Notes", "%1 %2行目").arg(item.list, item.number);
    case ListedItem::Kind::Track:
        return QCoreApplication::translate("Notes", "%1 トラック%2").arg(item.list, item.number);
    }
    return item.name;
}

QStringList itemNames(const std::vector<ListedItem> &items, std::optional<ListedItem::Kind> kind)
{
    QStringList names;
    for (const ListedItem &item : items)
        if (!kind || item.kind == *kind)
            names << itemName(item);
    return names;
}

QString withoutLengthsName(const QString &table)
{
    return QCoreApplication::translate("Notes", "%1（長さの列がありません）").arg(table);
}

// The notes, each one line and a whole sentence with its count, so that a
// translation can count in its own way ("1 song", "2 songs").
QString unreadableNote(const QStringList &names)
{
    return QCoreApplication::translate("Notes", "%n件を読めませんでした：%1", nullptr,
                                       int(names.size()))
        .arg(noteNames(names));
}

// Rows of a table and tracks of a CUE sheet are counted as such.
QString unreadableRowsNote(const QStringList &names)
{
    return QCoreApplication::translate("Notes", "%n行を読めませんでした：%1", nullptr,
                                       int(names.size()))
        .arg(noteNames(names));
}

QString unreadableTracksNote(const QStringList &names)
{
    return QCoreApplication::translate("Notes", "%nトラックを読めませんでした：%1", nullptr,
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
    const bool onlySongs = found.leftOver.isEmpty() && found.leftOverItems.empty();
    notPlaced += found.leftOver;
    notPlaced += itemNames(found.leftOverItems, std::nullopt);

    QStringList unreadable = found.unreadable;
    for (const QString &table : found.withoutLengths)
        unreadable << withoutLengthsName(table);
    unreadable += itemNames(found.unreadableItems, ListedItem::Kind::Entry);
    const QStringList rows = itemNames(found.unreadableItems, ListedItem::Kind::Row);
    const QStringList tracks = itemNames(found.unreadableItems, ListedItem::Kind::Track);

    QStringList lines;
    if (!unreadable.isEmpty())
        lines << unreadableNote(unreadable);
    if (!rows.isEmpty())
        lines << unreadableRowsNote(rows);
    if (!tracks.isEmpty())
        lines << unreadableTracksNote(tracks);
    if (!notPlaced.isEmpty())
        lines << notPlacedNote(notPlaced, onlySongs, noRoom);
    if (found.songs.empty() && unreadable.isEmpty() && rows.isEmpty() && tracks.isEmpty() &&
        notPlaced.isEmpty())
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
