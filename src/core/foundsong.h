// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

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

// The one line a song is known by: its title, and its artist after a slash
// when the tags name one (cleaned where it enters a song time: cleanTitle).
inline QString songTitle(const FoundSong &song)
{
    if (song.artist.isEmpty())
        return song.title;
    if (song.title.isEmpty())
        return song.artist;
    return song.title + QStringLiteral(" / ") + song.artist;
}

// Something listed in a playlist, an exported table or a CUE sheet that gave
// no song, or was left unread: a note names it by its own name (its title, or
// its file), and one without a name by the list and its place there. The
// wording is the notes' own (calc/placesongs.cpp).
struct ListedItem {
    enum class Kind {
        Entry,  // an entry of a playlist
        Row,    // a row of an exported table
        Track,  // a track of a CUE sheet
    };
    Kind kind = Kind::Entry;
    QString name;    // its title, artist or file name; empty when it has none
    QString list;    // the file name of the playlist, table or sheet
    QString number;  // its place in the list from 1, or a track's number as written
    bool operator==(const ListedItem &) const = default;
};

// What a user dropped onto an entry screen, read into song lengths, or what a
// pasted text gave.
struct DroppedSongs {
    std::vector<FoundSong> songs;  // in the order found
    QStringList unreadable;        // names (for a note) of what gave no song
    QStringList leftOver;          // names of what was not read: enough songs were found
    // Rows, tracks and entries without a file of their own that gave no song,
    // and those left unread once enough songs were found; the names of tables
    // whose header names no length column. (Initialised here, so that a drop
    // of files may be written with the first three alone.)
    std::vector<ListedItem> unreadableItems = {};
    std::vector<ListedItem> leftOverItems = {};
    QStringList withoutLengths = {};
};

}  // namespace tavelo
