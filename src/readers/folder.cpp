// SPDX-License-Identifier: MIT
#include "readers/folder.h"

#include "readers/suffixes.h"

#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

namespace tavelo {
namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The next run of a name: all ASCII digits, or none.
QStringView runAt(QStringView s, qsizetype from)
{
    qsizetype to = from;
    const bool digits = isDigit(s[from]);
    while (to < s.size() && isDigit(s[to]) == digits)
        ++to;
    return s.mid(from, to - from);
}

// Compares two runs of digits by value: without leading zeros, the longer is
// larger, else the first differing digit decides.
int compareDigits(QStringView a, QStringView b)
{
    const auto strip = [](QStringView s) {
        qsizetype zeros = 0;
        while (zeros < s.size() - 1 && s[zeros] == u'0')
            ++zeros;
        return s.mid(zeros);
    };
    a = strip(a);
    b = strip(b);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

}  // namespace

bool isFolder(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<FolderEntry> audioFilesIn(const QString &path)
{
    std::vector<FolderEntry> entries;
    DIR *dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return entries;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw == "." || raw == ".." || entry->d_type == DT_DIR)
            continue;
        const QString name = QFile::decodeName(raw);
        if (readerFor(name) != FileReader::Audio)
            continue;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            const QByteArray full = QFile::encodeName(path) + '/' + raw;
            if (::stat(full.constData(), &info) == 0 && S_ISDIR(info.st_mode))
                continue;
        }
        entries.push_back({name, QFile::encodeName(name) == raw});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const FolderEntry &a, const FolderEntry &b) {
        return naturalLess(a.name, b.name);
    });
    return entries;
}

bool naturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const QStringView x = runAt(a, i), y = runAt(b, j);
        const bool xDigits = isDigit(x.front()), yDigits = isDigit(y.front());
        int order = 0;
        if (xDigits && yDigits)
            order = compareDigits(x, y);
        else
            order = x.compare(y, Qt::CaseInsensitive);
        if (order != 0)
            return order < 0;
        i += x.size();
        j += y.size();
    }
    if (i < a.size() || j < b.size())
        return j < b.size();  // the shorter name first
    return a < b;
}

}  // namespace tavelo
