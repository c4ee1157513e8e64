// SPDX-License-Identifier: MIT
// The reader of CSV and TSV exports: entries pass the playlist checks; no
// more entries than line ends; a text with a length column is a table; a
// byte order mark in front changes nothing; the same table with its rows
// doubled gives the entries twice.
#include "listcommon.h"

#include "readers/csvexport.h"

using fuzzing::hexOf;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = fuzzing::textOf(bytes, tavelo::kListText);
    const QString folder = QStringLiteral("/base/list");
    const tavelo::TableRead read = tavelo::readTable(text, folder);
    fuzzing::checkEntries(read.entries, bytes);
    FUZZ_CHECK(qsizetype(read.entries.size()) <= text.count(u'\n') + text.count(u'\r'),
               hexOf(bytes));
    FUZZ_CHECK(!read.lengths || read.table, hexOf(bytes));
    FUZZ_CHECK(read.table || read.entries.empty(), hexOf(bytes));
    const tavelo::TableRead marked = tavelo::readTable(QChar(0xFEFF) + text, folder);
    FUZZ_CHECK(marked.entries == read.entries && marked.table == read.table, hexOf(bytes));
    return 0;
}
