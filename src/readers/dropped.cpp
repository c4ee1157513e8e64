// SPDX-License-Identifier: MIT
#include "readers/dropped.h"

#include "readers/audiofile.h"
#include "readers/playlist.h"
#include "readers/textcodec.h"
#include "readers/tracklist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace tavelo {
namespace {

// Tracklists and playlists larger than this are not read as text.
constexpr qint64 kLargestText = qint64{16} * 1024 * 1024;

QString displayName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

// The bytes of a regular file of at most kLargestText bytes, or none. Like
// the audio reader, it looks before it opens and never waits on opening.
std::optional<QByteArray> readSmallFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    if (::stat(name.constData(), &before) != 0 || !S_ISREG(before.st_mode) ||
        before.st_size > kLargestText)
        return std::nullopt;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    struct stat after {};
    if (::fstat(fd, &after) != 0 || !S_ISREG(after.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes = file.read(kLargestText + 1);
    if (bytes.size() > kLargestText || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool isPlaylist(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("m3u"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("m3u8"), Qt::CaseInsensitive) == 0;
}

bool isTextSuffix(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

struct FolderEntry {
    QString name;
    bool reachable = true;  // false: the name is not valid in the file name encoding
};

// The entries of a folder with an audio suffix that are no folders, in
// natural order. Read with readdir rather than QDir, which leaves out names
// that are not valid UTF-8: those are kept here (with U+FFFD where the bytes
// were) so that a note can name them.
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
        if (!hasAudioSuffix(name))
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

class DropReader {
public:
    explicit DropReader(int wanted) : wanted_(wanted) {}

    void readPath(const QString &path)
    {
        if (enough()) {
            found_.leftOver << displayName(path);
            return;
        }
        // A path that cannot be looked at (missing, a dangling link, a link
        // loop) or names no regular file (a FIFO, device or socket: never
        // opened) is unreadable.
        struct stat info {};
        const bool found = ::stat(QFile::encodeName(path).constData(), &info) == 0;
        if (found && S_ISDIR(info.st_mode))
            readFolder(path);
        else if (!found || !S_ISREG(info.st_mode))
            found_.unreadable << displayName(path);
        else if (isPlaylist(path))
            readPlaylistFile(path);
        else if (hasAudioSuffix(path))
            readAudio(path, {});
        else
            readOtherFile(path);
    }

    DroppedSongs take() { return std::move(found_); }

private:
    bool enough() const
    {
        return found_.songs.size() >= static_cast<std::size_t>(std::max(wanted_, 0));
    }

    void readAudio(const QString &path, const QString &nameForNote)
    {
        if (auto song = readAudioFile(path))
            found_.songs.push_back(std::move(*song));
        else
            found_.unreadable << (nameForNote.isEmpty() ? displayName(path) : nameForNote);
    }

    void readFolder(const QString &path)
    {
        const auto entries = audioFilesIn(path);
        if (entries.empty()) {
            found_.unreadable << displayName(path);
            return;
        }
        const QDir folder(path);
        for (const FolderEntry &entry : entries) {
            if (enough())
                found_.leftOver << entry.name;
            else if (!entry.reachable)
                found_.unreadable << entry.name;
            else
                readAudio(folder.filePath(entry.name), entry.name);
        }
    }

    void readPlaylistFile(const QString &path)
    {
        const auto bytes = readSmallFile(path);
        const auto entries = bytes ? readPlaylist(*bytes, QFileInfo(path).absolutePath())
                                   : std::vector<PlaylistEntry>{};
        if (entries.empty()) {
            found_.unreadable << displayName(path);
            return;
        }
        for (const PlaylistEntry &entry : entries) {
            if (enough()) {
                found_.leftOver << displayName(entry.path);
            } else if (entry.milliseconds > 0) {
                found_.songs.push_back({entry.milliseconds, entry.title, entry.artist});
            } else if (auto song = readAudioFile(entry.path)) {
                if (!entry.title.isEmpty()) {
                    song->title = entry.title;
                    song->artist = entry.artist;
                }
                found_.songs.push_back(std::move(*song));
            } else {
                found_.unreadable << displayName(entry.path);
            }
        }
    }

    void readOtherFile(const QString &path)
    {
        const auto bytes = readSmallFile(path);
        const auto text = bytes ? decodeText(*bytes) : std::nullopt;
        if (text) {
            const std::vector<FoundSong> songs = readTracklist(*text);
            if (songs.empty())
                found_.unreadable << displayName(path);
            found_.songs.insert(found_.songs.end(), songs.begin(), songs.end());
        } else if (isTextSuffix(path)) {
            found_.unreadable << displayName(path);
        } else {
            readAudio(path, {});
        }
    }

    int wanted_;
    DroppedSongs found_;
};

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

DroppedSongs readDropped(const QStringList &paths, int wanted)
{
    DropReader reader(wanted);
    for (const QString &path : paths)
        reader.readPath(path);
    return reader.take();
}

}  // namespace tavelo
