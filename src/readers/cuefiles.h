// SPDX-License-Identifier: MIT
#pragma once

#include "readers/cue.h"
#include "readers/stopflag.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

// CUE sheets on disk: where the files they name are, how long those files
// are, and which sheet beside an audio file is that file's.
namespace tavelo {

// The file a sheet in `folder` names: as listed (relative to the sheet, or
// absolute; backslashes as folder separators), else a file of that name in
// the sheet's folder (the sheet was written on another machine), else one of
// the same base name with an audio suffix there ("album.wav" ripped, then
// compressed to "album.flac"). When none of these is a file, the path as
// listed, which names nothing.
QString cueFilePath(const QString &folder, const QString &listed);

// The length of a sheet's file in milliseconds: read as audio, or for a
// BINARY file (raw CD sectors of 2,352 bytes, 75 a second) from its size.
// None when it cannot be read, or names no regular file, or the reading was
// stopped.
std::optional<std::int64_t> cueFileLength(const QString &path, const StopFlag &stop, bool binary);

// Finds the sheets beside audio files. Each folder is listed once, and its
// sheets (files ending in .cue, of at most a megabyte, the first 64 in name
// order) read once.
class SheetsBeside {
public:
    struct Sheet {
        QString path;
        CueSheet sheet;
    };

    // The sheet for a single-file rip: a sheet in the audio file's folder
    // with one FILE and an audio track, whose FILE names the audio file, or
    // else named after it ("album.cue" or "album.flac.cue" for
    // "album.flac"). Sheets in `used` are passed over. Null when there is none.
    const Sheet *sheetFor(const QString &audioPath, const std::vector<QString> &used);

private:
    std::map<QString, std::vector<Sheet>> folders_;
};

// A path made absolute and clean, to tell whether two paths name one file.
QString samePath(const QString &path);

}  // namespace tavelo
