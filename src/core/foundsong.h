// SPDX-License-Identifier: MIT
#pragma once

#include "core/model.h"

#include <QString>

#include <cstdint>

// A song found in a dropped file, a playlist or a pasted tracklist: its length
// and whatever names came with it. Nothing here knows about files or widgets.
namespace tavelo {

struct FoundSong {
    // The length in milliseconds, as exact as the source gives it; a song is
    // only worth placing when it is above 0.
    std::int64_t milliseconds = 0;
    QString title;
    QString artist;
    bool operator==(const FoundSong &) const = default;
};

// Why an audio CD gave no songs: no drive, a drive the user may not open, no
// disc, the tray open, a drive not ready yet (spinning up, or held by another
// program), a disc without any audio track, or a table of contents that could
// not be read (also a disc taken out while it was read).
enum class CdTrouble {
    None,
    NoDrive,
    NoPermission,
    NoDisc,
    TrayOpen,
    NotReady,
    DataDisc,
    Unreadable,
};

// Milliseconds rounded to the nearest whole second, halves up (2,500 ms is 3 s,
// 1,499 ms is 1 s). Negative lengths count as 0.
inline std::int64_t wholeSeconds(std::int64_t milliseconds)
{
    if (milliseconds <= 0)
        return 0;
    return milliseconds / 1000 + (milliseconds % 1000 >= 500 ? 1 : 0);
}

// The texts of the minute and second boxes for a length: plain decimals
// without leading zeros, as the program writes numbers; the minutes may go
// beyond 59 (75 minutes give "75" and "0").
inline SongTime boxTexts(std::int64_t milliseconds, const QString &title = {})
{
    const std::int64_t seconds = wholeSeconds(milliseconds);
    return {QString::number(seconds / 60), QString::number(seconds % 60), title};
}

// Titles are names, not texts: a title longer than this (a broken tag, a
// line of a megabyte) is cut, so that lists, notes and the card stay quick.
inline constexpr qsizetype kLongestTitle = 200;

inline QString clippedTitle(const QString &title)
{
    if (title.size() <= kLongestTitle)
        return title;
    return title.left(kLongestTitle - 1) + QChar(0x2026);  // …
}

// The one line a song is known by: its title, and its artist after a slash
// when the tags name one.
inline QString songTitle(const FoundSong &song)
{
    if (song.artist.isEmpty())
        return clippedTitle(song.title);
    if (song.title.isEmpty())
        return clippedTitle(song.artist);
    return clippedTitle(song.title + QStringLiteral(" / ") + song.artist);
}

}  // namespace tavelo
