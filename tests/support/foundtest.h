// SPDX-License-Identifier: MIT
#pragma once

// The one notation of the readers' tests for what a reader found: songs as
// "3168 Sine/Tavelo; 2500 Flac tone/" (the length in milliseconds, the title
// and the artist), playlist entries the same with the path in front when
// there is one ("/m/a.flac 207000 Song/Artist; 1000 Other/").

#include "core/foundsong.h"
#include "readers/playlist.h"

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

inline QString describe(const std::vector<tavelo::PlaylistEntry> &entries)
{
    QStringList items;
    for (const tavelo::PlaylistEntry &e : entries)
        items << (e.path.isEmpty() ? QString() : e.path + u' ') +
                     QStringLiteral("%1 %2/%3").arg(e.milliseconds).arg(e.title, e.artist);
    return items.join(QStringLiteral("; "));
}

}  // namespace foundtest
