// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

// M3U and M3U8 playlists.
namespace tavelo {

struct PlaylistEntry {
    QString path;                   // absolute, or as listed when it names no local file
    std::int64_t milliseconds = 0;  // from #EXTINF; 0 when not given or not above 0
    QString title;                  // from #EXTINF, without the artist
    QString artist;                 // from #EXTINF "Artist - Title"
    bool operator==(const PlaylistEntry &) const = default;
};

// What a playlist in XML gives: the entries read, and whether the file was
// broken (not well-formed, of another kind, or declaring entities) at some
// point; the entries before that point are kept.
struct PlaylistRead {
    std::vector<PlaylistEntry> entries;
    bool broken = false;
};

// The entries of a playlist in order. The bytes are UTF-8 (a byte order mark
// is skipped), or Shift_JIS where they are not valid UTF-8. Each line that is
// no comment names a file: relative paths are taken from `folder` (the
// playlist's own folder), absolute paths are kept, "file://" URLs become
// their local paths, and backslashes count as folder separators (playlists
// written on Windows). Other URLs ("http://...") are kept as they stand and
// name no file. "#EXTINF:<seconds>,<title>" before an entry gives its length
// and title; other lines starting with "#" are ignored.
std::vector<PlaylistEntry> readPlaylist(QByteArrayView bytes, const QString &folder);

// What the other playlist formats share with M3U:
// - a file as a playlist lists it (a path relative to `folder`, an absolute
//   path, a "file://" URL, with backslashes for folder separators), as an
//   absolute clean path; other URLs and Windows drive paths as they stand;
QString resolvePlaylistPath(const QString &listed, const QString &folder);
// - seconds as milliseconds, 0 for no number, one not above 0 or beyond
//   reason (-1 stands for "unknown" in several formats);
std::int64_t listedSeconds(QStringView seconds);
// - a title "Artist - Title" split in two, any other kept whole.
void setListedTitle(QStringView text, PlaylistEntry &entry);
// - a URI's scheme ("http", "file", "svn+ssh"): a letter, then letters,
//   digits, "+", "-" or ".".
bool isUriScheme(QStringView text);

}  // namespace tavelo
