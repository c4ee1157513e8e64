// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <vector>

// The audio files of a dropped folder, in the order a user reads their names.
namespace tavelo {

// Whether the path names a folder (links followed).
bool isFolder(const QString &path);

struct FolderEntry {
    QString name;
    bool reachable = true;  // false: the name is not valid in the file name encoding
};

// The entries of a folder with an audio suffix (readers/suffixes.h) that are
// no folders, one level deep, in natural order. Read with readdir rather than
// QDir, which leaves out names that are not valid UTF-8: those are kept here
// (with U+FFFD where the bytes were) so that a note can name them. Nothing is
// opened but the folder itself.
std::vector<FolderEntry> audioFilesIn(const QString &path);

// Natural order of file names: runs of digits by their value ("track 2" before
// "track 10"), other text without regard to case, then by the plain text.
bool naturalLess(const QString &a, const QString &b);

}  // namespace tavelo
