// SPDX-License-Identifier: MIT
#pragma once

// The one notation of the tests for found songs (readers, placing): songs as
// "3168 Sine/Tavelo; 2500 Flac tone/" (the length in milliseconds, the title
// and the artist), playlist entries the same with the path in front when
// there is one ("/m/a.flac 207000 Song/Artist; 1000 Other/"). songsFrom
// reads songs written so back, the length alone standing for an untitled
// song: songsFrom("207000 Song/Band; 1000 /Band; 2500").

#include "core/foundsong.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace foundtest {

inline QString describe(const std::vector<tavelo::FoundSong> &songs)
{
    QStringList items;
    for (const tavelo::FoundSong &song : songs)
        items << QStringLiteral("%1 %2/%3").arg(song.milliseconds).arg(song.title, song.artist);
    return items.join(QStringLiteral("; "));
}

inline std::vector<tavelo::FoundSong> songsFrom(const QString &written)
{
    std::vector<tavelo::FoundSong> songs;
    for (const QString &item : written.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString names = item.section(u' ', 1);
        const qsizetype slash = names.lastIndexOf(u'/');
        songs.push_back({item.section(u' ', 0, 0).toLongLong(), names.left(slash),
                         slash < 0 ? QString() : names.mid(slash + 1)});
    }
    return songs;
}

// Playlist entries (any entry with a path, a length and names, so that the
// tests of the bottom layers can share this header without the readers').
template <typename Entry>
QString describe(const std::vector<Entry> &entries)
{
    QStringList items;
    for (const Entry &e : entries)
        items << (e.path.isEmpty() ? QString() : e.path + u' ') +
                     QStringLiteral("%1 %2/%3").arg(e.milliseconds).arg(e.title, e.artist);
    return items.join(QStringLiteral("; "));
}

}  // namespace foundtest
