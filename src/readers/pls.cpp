// SPDX-License-Identifier: MIT
#include "readers/pls.h"

#include <map>

namespace tavelo {
namespace {

// "File12" → ("file", 12); numbers of up to nine digits, from 1.
std::optional<std::pair<QString, int>> keyOf(QStringView key)
{
    qsizetype digits = key.size();
    while (digits > 0 && key[digits - 1] >= u'0' && key[digits - 1] <= u'9')
        --digits;
    const qsizetype count = key.size() - digits;
    if (digits == 0 || count == 0 || count > 9)
        return std::nullopt;
    const int number = key.sliced(digits).toInt();
    if (number < 1)
        return std::nullopt;
    return std::pair(key.left(digits).toString().toLower(), number);
}

template <typename Lines>
void forEachLine(QStringView text, Lines &&lines)
{
    qsizetype from = 0;
    while (from <= text.size()) {
        qsizetype end = from;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        if (!lines(text.sliced(from, end - from).trimmed()))
            return;
        from = end + 1;
    }
}

}  // namespace

bool isPls(QStringView text)
{
    bool found = false;
    forEachLine(text, [&](QStringView line) {
        if (line.isEmpty())
            return true;
        found = line.compare(QLatin1String("[playlist]"), Qt::CaseInsensitive) == 0;
        return false;
    });
    return found;
}

std::vector<PlaylistEntry> readPls(QStringView text, const QString &folder)
{
    struct Listed {
        QString file;
        PlaylistEntry entry;
    };
    std::map<int, Listed> listed;
    bool sectioned = false;
    bool inPlaylist = true;
    forEachLine(text, [&](QStringView line) {
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            inPlaylist = line.compare(QLatin1String("[playlist]"), Qt::CaseInsensitive) == 0;
            // Keys before the first section count only when there is none.
            if (!sectioned)
                listed.clear();
            sectioned = true;
            return true;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inPlaylist || equals <= 0)
            return true;
        const auto key = keyOf(line.left(equals).trimmed());
        if (!key)
            return true;
        const QStringView value = line.sliced(equals + 1).trimmed();
        Listed &entry = listed[key->second];
        if (key->first == QLatin1String("file"))
            entry.file = value.toString();
        else if (key->first == QLatin1String("title"))
            setListedTitle(value, entry.entry);
        else if (key->first == QLatin1String("length"))
            entry.entry.milliseconds = listedSeconds(value);
        return true;
    });
    std::vector<PlaylistEntry> entries;
    for (auto &[number, item] : listed) {
        if (!item.file.isEmpty())
            item.entry.path = resolvePlaylistPath(item.file, folder);
        else if (item.entry.milliseconds <= 0 && item.entry.title.isEmpty())
            continue;
        entries.push_back(std::move(item.entry));
    }
    return entries;
}

}  // namespace tavelo
