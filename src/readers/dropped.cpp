// SPDX-License-Identifier: MIT
#include "readers/dropped.h"

#include "readers/audiofile.h"
#include "readers/folder.h"
#include "readers/playlist.h"
#include "readers/regularfile.h"
#include "readers/suffixes.h"
#include "readers/textcodec.h"
#include "readers/tracklist.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tavelo {
namespace {

QString displayName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

class DropReader {
public:
    DropReader(int wanted, const StopFlag &stop) : wanted_(wanted), stop_(stop) {}

    void readPath(const QString &path)
    {
        if (stopped())
            return;
        if (enough()) {
            found_.leftOver << displayName(path);
            return;
        }
        // Which files are opened at all (regular files only: never a FIFO,
        // device or socket) is the opener's rule (readers/regularfile.h).
        if (isFolder(path)) {
            readFolder(path);
            return;
        }
        const std::optional<FileReader> reader = readerFor(path);
        if (!reader) {
            readTextFile(path, Otherwise::TryAudio);
            return;
        }
        switch (*reader) {
        case FileReader::Audio: readAudio(path, {}); break;
        case FileReader::Playlist: readPlaylistFile(path); break;
        case FileReader::Text: readTextFile(path, Otherwise::Unreadable); break;
        }
    }

    DroppedSongs take() { return std::move(found_); }

private:
    // What a file that holds no text is: unreadable (a .txt file), or tried
    // as audio (a file whose name tells nothing).
    enum class Otherwise { Unreadable, TryAudio };

    bool stopped() const { return stop_.load(std::memory_order_relaxed); }

    bool enough() const
    {
        return found_.songs.size() >= static_cast<std::size_t>(std::max(wanted_, 0));
    }

    void readAudio(const QString &path, const QString &nameForNote)
    {
        if (auto song = readAudioFile(path, stop_))
            found_.songs.push_back(std::move(*song));
        else if (!stopped())
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
            if (stopped())
                return;
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
        const auto bytes = readRegularFile(path);
        const auto entries = bytes ? readPlaylist(*bytes, QFileInfo(path).absolutePath())
                                   : std::vector<PlaylistEntry>{};
        if (entries.empty()) {
            found_.unreadable << displayName(path);
            return;
        }
        for (const PlaylistEntry &entry : entries) {
            if (stopped())
                return;
            if (enough()) {
                found_.leftOver << displayName(entry.path);
            } else if (entry.milliseconds > 0) {
                found_.songs.push_back({entry.milliseconds, entry.title, entry.artist});
            } else if (auto song = readAudioFile(entry.path, stop_)) {
                if (!entry.title.isEmpty()) {
                    song->title = entry.title;
                    song->artist = entry.artist;
                }
                found_.songs.push_back(std::move(*song));
            } else if (!stopped()) {
                found_.unreadable << displayName(entry.path);
            }
        }
    }

    void readTextFile(const QString &path, Otherwise otherwise)
    {
        const auto bytes = readRegularFile(path);
        const auto text = bytes ? decodeText(*bytes, kTextFile) : std::nullopt;
        if (text) {
            const std::vector<FoundSong> songs = readTracklist(*text);
            if (songs.empty())
                found_.unreadable << displayName(path);
            found_.songs.insert(found_.songs.end(), songs.begin(), songs.end());
        } else if (otherwise == Otherwise::Unreadable) {
            found_.unreadable << displayName(path);
        } else {
            readAudio(path, {});
        }
    }

    int wanted_;
    const StopFlag &stop_;
    DroppedSongs found_;
};

}  // namespace

DroppedSongs readDropped(const QStringList &paths, int wanted, const StopFlag &stop)
{
    DropReader reader(wanted, stop);
    for (const QString &path : paths)
        reader.readPath(path);
    return reader.take();
}

}  // namespace tavelo
