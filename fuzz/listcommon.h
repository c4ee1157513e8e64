// SPDX-License-Identifier: MIT
#pragma once

// What the fuzz targets of the exported playlists share: the bytes as the
// text a drop would give them (Latin-1 when they are no text), and the
// checks every entry of any playlist must pass.

#include "fuzzcommon.h"

#include "readers/playlist.h"
#include "readers/textcodec.h"

#include <QDir>

namespace fuzzing {

inline std::string hexOf(QByteArrayView bytes) { return bytes.toByteArray().toHex().toStdString(); }

inline QString textOf(QByteArrayView bytes, tavelo::TextRules rules)
{
    return tavelo::decodeText(bytes, rules).value_or(QString::fromLatin1(bytes));
}

// A length of 0 or more, names of one line, and a path that is empty, a URL
// or drive path kept as listed, or absolute and clean (".." never climbs
// above the playlist's folder or the root).
inline void checkEntries(const std::vector<tavelo::PlaylistEntry> &entries, QByteArrayView bytes)
{
    for (const tavelo::PlaylistEntry &entry : entries) {
        FUZZ_CHECK(entry.milliseconds >= 0, hexOf(bytes));
        for (const QString &name : {entry.title, entry.artist}) {
            FUZZ_CHECK(!name.contains(u'\n') && !name.contains(u'\r'), hexOf(bytes));
        }
        const QString &path = entry.path;
        if (path.isEmpty() || path.contains(QLatin1String("://")) ||
            path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) ||
            (path.size() >= 2 && path[1] == u':'))
            continue;
        FUZZ_CHECK(QDir::isAbsolutePath(path), hexOf(bytes) + " " + describe(path));
        FUZZ_CHECK(QDir::cleanPath(path) == path, hexOf(bytes) + " " + describe(path));
    }
}

}  // namespace fuzzing
