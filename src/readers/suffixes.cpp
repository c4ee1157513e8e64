// SPDX-License-Identifier: MIT
#include "readers/suffixes.h"

namespace tavelo {
namespace {

struct SuffixRow {
    QStringView suffix;  // lower case, without the dot
    FileReader reader;
};

// One row for each suffix a reader takes.
// clang-format off
constexpr SuffixRow kSuffixes[] = {
    {u"mp3", FileReader::Audio},
    {u"mp2", FileReader::Audio},
    {u"flac", FileReader::Audio},
    {u"ogg", FileReader::Audio},
    {u"oga", FileReader::Audio},
    {u"opus", FileReader::Audio},
    {u"spx", FileReader::Audio},
    {u"wav", FileReader::Audio},
    {u"aif", FileReader::Audio},
    {u"aiff", FileReader::Audio},
    {u"aifc", FileReader::Audio},
    {u"m4a", FileReader::Audio},
    {u"mp4", FileReader::Audio},
    {u"aac", FileReader::Audio},
    {u"wma", FileReader::Audio},
    {u"asf", FileReader::Audio},
    {u"ape", FileReader::Audio},
    {u"mpc", FileReader::Audio},
    {u"wv", FileReader::Audio},
    {u"tta", FileReader::Audio},
    {u"m3u", FileReader::Playlist},
    {u"m3u8", FileReader::Playlist},
    {u"txt", FileReader::Text},
    {u"pls", FileReader::Pls},
    {u"xspf", FileReader::Xspf},
    {u"xml", FileReader::Xml},
    {u"csv", FileReader::Table},
    {u"tsv", FileReader::Table},
    {u"cue", FileReader::Cue},
};
// clang-format on

}  // namespace

std::optional<FileReader> readerFor(QStringView fileName)
{
    const QStringView name = fileName.mid(fileName.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return std::nullopt;
    const QStringView suffix = name.mid(dot + 1);
    for (const SuffixRow &row : kSuffixes) {
        if (suffix.compare(row.suffix, Qt::CaseInsensitive) == 0)
            return row.reader;
    }
    return std::nullopt;
}

QStringList suffixesOf(FileReader reader)
{
    QStringList suffixes;
    for (const SuffixRow &row : kSuffixes) {
        if (row.reader == reader)
            suffixes << row.suffix.toString();
    }
    return suffixes;
}

}  // namespace tavelo
