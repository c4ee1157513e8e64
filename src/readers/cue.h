// SPDX-License-Identifier: MIT
#pragma once

#include "core/foundsong.h"

#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// CUE sheets: the tracks of an album ripped to one audio file (or to a few),
// with their places in the files as MM:SS:FF, 75 frames a second.
namespace tavelo {

struct CueTrack {
    QString number;                     // as written after TRACK
    QString title;                      // its own TITLE
    QString performer;                  // its own PERFORMER
    bool audio = true;                  // false: a data track (MODE1/2352 and the like), no song
    int file = -1;                      // the FILE its INDEX 01 lies in, or -1
    std::optional<std::int64_t> start;  // INDEX 01 in frames from the start of that file
    std::int64_t pregap = 0;            // PREGAP in frames: silence in no file
    std::int64_t postgap = 0;           // POSTGAP in frames
    bool operator==(const CueTrack &) const = default;
};

struct CueFile {
    QString name;         // as written: a path relative to the sheet, or absolute
    bool binary = false;  // BINARY or MOTOROLA: raw CD sectors of 2,352 bytes
    bool operator==(const CueFile &) const = default;
};

struct CueSheet {
    std::vector<CueFile> files;
    std::vector<CueTrack> tracks;  // in the order the sheet lists them
    QString performer;             // the sheet's PERFORMER, before any TRACK
    bool operator==(const CueSheet &) const = default;
};

// The FILE, TRACK, INDEX 01, PREGAP, POSTGAP, TITLE and PERFORMER lines of a
// sheet, commands in any case, names quoted or not; every other line (REM,
// CATALOG, FLAGS, INDEX 00 and above 01...) is passed over. Times are
// MM:SS:FF with seconds below 60 and frames below 75; a time of another shape
// is no time. Linear in the length of the text.
CueSheet readCueSheet(QStringView text);

// The length of the sheet's file `index` in milliseconds, or none when it
// cannot be read. Asked for once for each file a track lies in.
using CueFileLength = std::function<std::optional<std::int64_t>(int index)>;

// One song for each audio track, in order, as a player plays the sheet: a
// track runs from its INDEX 01 to the next track's INDEX 01, so the gap before
// a track (its INDEX 00) counts with the track before, and so does its PREGAP;
// its own POSTGAP counts with it. Where the next track starts in a later file,
// the track runs to the end of its own file and on through the files between.
// The last track runs to the end of its file. Audio before the first track's
// INDEX 01 is not played. A track whose length cannot be known has a length
// of 0: one without INDEX 01, in a file that cannot be read where its end
// depends on it, starting at or beyond the end of its file, or at or before
// the track before it (times going backwards; that track then runs on to the
// next track in order). No track runs beyond the end of its file, so the
// songs never add up to more than the files hold (gaps aside).
// Titles from each track's TITLE, artists from its PERFORMER or the sheet's
// (the sheet's only when the track has a title of its own).
struct CueSong {
    FoundSong song;
    QString number;  // the track's number as written, to name it when its length is 0
};
std::vector<CueSong> cueSongs(const CueSheet &sheet, const CueFileLength &fileLength);

}  // namespace tavelo
