// SPDX-License-Identifier: MIT
// The playlist reader and the text decoding: no more entries than lines;
// lengths of 0 or more; every path that is no URL or drive path is absolute
// and clean below the playlist's folder or the root; titles and artists of one
// line; a byte order mark in front changes nothing; text accepted as text
// holds no control characters but blanks and line ends.
#include "fuzzcommon.h"

#include "readers/playlist.h"
#include "readers/textcodec.h"

#include <QDir>

using fuzzing::describe;

namespace {

std::string hexOf(QByteArrayView bytes) { return bytes.toByteArray().toHex().toStdString(); }

bool isUrlOrDrive(const QString &path)
{
    return path.contains(QLatin1String("://")) || path.startsWith(QLatin1String("file:")) ||
           (path.size() >= 2 && path[1] == u':');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString folder = QStringLiteral("/base/list");
    const auto entries = tavelo::readPlaylist(bytes, folder);
    FUZZ_CHECK(qsizetype(entries.size()) <= bytes.count('\n') + 1, hexOf(bytes));
    for (const tavelo::PlaylistEntry &entry : entries) {
        FUZZ_CHECK(entry.milliseconds >= 0, hexOf(bytes));
        FUZZ_CHECK(!entry.path.isEmpty(), hexOf(bytes));
        if (!isUrlOrDrive(entry.path)) {
            FUZZ_CHECK(QDir::isAbsolutePath(entry.path), hexOf(bytes) + " " + describe(entry.path));
            FUZZ_CHECK(QDir::cleanPath(entry.path) == entry.path, hexOf(bytes));
        }
        for (const QString &name : {entry.title, entry.artist})
            FUZZ_CHECK(!name.contains(u'\n'), hexOf(bytes));
    }
    if (!bytes.startsWith("\xEF\xBB\xBF")) {
        const QByteArray marked = QByteArray("\xEF\xBB\xBF") + bytes.toByteArray();
        FUZZ_CHECK(tavelo::readPlaylist(marked, folder) == entries, hexOf(bytes));
    }
    if (const auto text = tavelo::decodeText(bytes, tavelo::kTextFile)) {
        for (const QChar c : *text)
            FUZZ_CHECK(c.unicode() >= 0x20 || QStringView(u"\t\n\r\f\v").contains(c), hexOf(bytes));
    }
    return 0;
}
