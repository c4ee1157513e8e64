// SPDX-License-Identifier: MIT
// The XML playlist readers (XSPF and the music app's export): entries pass
// the playlist checks; an XSPF gives no more entries than it has "<track"
// tags, and a music app export gives none without a "<dict" tag.
#include "listcommon.h"

#include "readers/musicxml.h"
#include "readers/xspf.h"

using fuzzing::hexOf;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString folder = QStringLiteral("/base/list");
    const tavelo::PlaylistRead xspf = tavelo::readXspf(bytes, folder);
    fuzzing::checkEntries(xspf.entries, bytes);
    const QByteArray all = bytes.toByteArray();
    FUZZ_CHECK(qsizetype(xspf.entries.size()) <= all.count("<track") + all.count(":track"),
               hexOf(bytes));
    const tavelo::PlaylistRead music = tavelo::readMusicXml(bytes, folder);
    fuzzing::checkEntries(music.entries, bytes);
    FUZZ_CHECK(music.entries.empty() || all.contains("<dict") || all.contains(":dict"),
               hexOf(bytes));
    return 0;
}
