// SPDX-License-Identifier: MIT
// The PLS reader: entries pass the playlist checks; no more entries than
// lines; a text that is a PLS by its first line reads the same with blank
// lines before it.
#include "listcommon.h"

#include "readers/pls.h"

using fuzzing::hexOf;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = fuzzing::textOf(bytes, tavelo::kPlaylistText);
    const QString folder = QStringLiteral("/base/list");
    const auto entries = tavelo::readPls(text, folder);
    fuzzing::checkEntries(entries, bytes);
    FUZZ_CHECK(qsizetype(entries.size()) <= text.count(u'\n') + text.count(u'\r') + 1,
               hexOf(bytes));
    if (tavelo::isPls(text)) {
        FUZZ_CHECK(tavelo::isPls(QStringLiteral("\r\n \n") + text), hexOf(bytes));
        FUZZ_CHECK(tavelo::readPls(QStringLiteral("\n") + text, folder) == entries, hexOf(bytes));
    }
    return 0;
}
