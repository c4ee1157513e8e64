// SPDX-License-Identifier: MIT
#include "readers/dropped.h"

#include "readers/audiofile.h"
#include "readers/csvexport.h"
#include "readers/cuefiles.h"
#include "readers/folder.h"
#include "readers/musicxml.h"
#include "readers/playlist.h"
#include "readers/pls.h"
#include "readers/regularfile.h"
#include "readers/suffixes.h"
#include "readers/textcodec.h"
#include "readers/tracklist.h"
#include "readers/xspf.h"

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

// How a note names an entry of a playlist or a row of a table: by its file,
// else by its title or artist; empty when it has none of them.
QString entryName(const PlaylistEntry &entry)
{
    if (!entry.path.isEmpty())
        return displayName(entry.path);
    return entry.title.isEmpty() ? entry.artist : entry.title;
}

// Whether a text is a table with a length column and a title or artist
// column, as the music app's text export is: then a .txt file is read as one.
bool isSongTable(const TableRead &table)
{
    return table.lengths &&
           std::any_of(table.entries.begin(), table.entries.end(), [](const PlaylistEntry &e) {
               return !e.title.isEmpty() || !e.artist.isEmpty();
           });
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
        case FileReader::Audio: readAudioOrSheet(path, {}); break;
        case FileReader::Playlist: readPlaylistFile(path); break;
        case FileReader::Text: readTextFile(path, Otherwise::Unreadable); break;
        case FileReader::Pls: readPlsFile(path); break;
        case FileReader::Xspf:
        case FileReader::Xml: readXmlFile(path, *reader); break;
        case FileReader::Table: readTableFile(path); break;
        case FileReader::Cue: readCueFile(path); break;
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
                readAudioOrSheet(folder.filePath(entry.name), entry.name);
        }
    }

    void readPlaylistFile(const QString &path)
    {
        const auto bytes = readRegularFile(path);
        readEntries(path, bytes ? readPlaylist(*bytes, QFileInfo(path).absolutePath())
                                : std::vector<PlaylistEntry>{});
    }

    void readPlsFile(const QString &path)
    {
        const auto bytes = readRegularFile(path);
        const auto text = bytes ? decodeText(*bytes, kPlaylistText) : std::nullopt;
        readEntries(path, text ? readPls(*text, QFileInfo(path).absolutePath())
                               : std::vector<PlaylistEntry>{});
    }

    // An .xspf is an XSPF; an .xml the music app's export, or else an XSPF.
    void readXmlFile(const QString &path, FileReader reader)
    {
        const auto bytes = readRegularFile(path);
        if (!bytes) {
            found_.unreadable << displayName(path);
            return;
        }
        const QString folder = QFileInfo(path).absolutePath();
        PlaylistRead read;
        if (reader == FileReader::Xml)
            read = readMusicXml(*bytes, folder);
        if (reader == FileReader::Xspf || read.entries.empty()) {
            PlaylistRead xspf = readXspf(*bytes, folder);
            if (reader == FileReader::Xspf || !xspf.entries.empty())
                read = std::move(xspf);
        }
        readEntries(path, read.entries);
        if (read.broken && !read.entries.empty())
            found_.unreadable << displayName(path);
    }

    void readTableFile(const QString &path)
    {
        const auto bytes = readRegularFile(path);
        const auto text = bytes ? decodeText(*bytes, kListText) : std::nullopt;
        if (!text) {
            found_.unreadable << displayName(path);
            return;
        }
        readRows(path, *text, tavelo::readTable(*text, QFileInfo(path).absolutePath()));
    }

    // The rows of a table; a text that is no table is a tracklist.
    void readRows(const QString &path, const QString &text, const TableRead &table)
    {
        if (!table.table) {
            readTracklistText(path, text);
            return;
        }
        const bool files = std::any_of(table.entries.begin(), table.entries.end(),
                                       [](const PlaylistEntry &e) { return !e.path.isEmpty(); });
        if (!table.lengths && !files) {
            found_.withoutLengths << displayName(path);
            return;
        }
        readEntries(path, table.entries, ListedItem::Kind::Row);
    }

    // The entries of a playlist or the rows of a table, in order: each with
    // the length listed, or else the listed file's own. One that names a file
    // which gives no song is named as that file; one without a file, by its
    // name or its place in the list.
    void readEntries(const QString &list, const std::vector<PlaylistEntry> &entries,
                     ListedItem::Kind kind = ListedItem::Kind::Entry)
    {
        if (entries.empty()) {
            found_.unreadable << displayName(list);
            return;
        }
        const QString listName = displayName(list);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const PlaylistEntry &entry = entries[i];
            if (stopped())
                return;
            const auto item = [&] {
                return ListedItem{kind, entryName(entry), listName, QString::number(i + 1)};
            };
            if (enough()) {
                found_.leftOverItems.push_back(item());
            } else if (entry.milliseconds > 0) {
                found_.songs.push_back({entry.milliseconds, entry.title, entry.artist});
            } else if (auto song =
                           entry.path.isEmpty() ? std::nullopt : readAudioFile(entry.path, stop_)) {
                if (!entry.title.isEmpty()) {
                    song->title = entry.title;
                    song->artist = entry.artist;
                }
                found_.songs.push_back(std::move(*song));
            } else if (stopped()) {
                return;
            } else if (!entry.path.isEmpty()) {
                found_.unreadable << displayName(entry.path);
            } else {
                found_.unreadableItems.push_back(item());
            }
        }
    }

    void readCueFile(const QString &path)
    {
        if (isUsed(path))
            return;
        const auto bytes = readRegularFile(path);
        const auto text = bytes ? decodeText(*bytes, kListText) : std::nullopt;
        if (!text) {
            found_.unreadable << displayName(path);
            return;
        }
        readSheet(path, readCueSheet(*text), {});
    }

    // The tracks of a sheet, its files found beside it, or its one file
    // `audio` when it is read for that file.
    void readSheet(const QString &path, const CueSheet &sheet, const QString &audio)
    {
        usedSheets_.push_back(samePath(path));
        const QString folder = QFileInfo(path).absolutePath();
        std::vector<QString> files;
        for (const CueFile &file : sheet.files) {
            files.push_back(audio.isEmpty() ? cueFilePath(folder, file.name) : audio);
            takenAudio_.push_back(samePath(files.back()));
        }
        const std::vector<CueSong> songs = cueSongs(sheet, [&](int index) {
            return cueFileLength(files.at(std::size_t(index)), stop_,
                                 sheet.files.at(std::size_t(index)).binary);
        });
        if (stopped())
            return;
        if (songs.empty()) {
            found_.unreadable << displayName(path);
            return;
        }
        for (const CueSong &track : songs) {
            const ListedItem item{ListedItem::Kind::Track, track.song.title, displayName(path),
                                  track.number};
            if (enough())
                found_.leftOverItems.push_back(item);
            else if (track.song.milliseconds > 0)
                found_.songs.push_back(track.song);
            else
                found_.unreadableItems.push_back(item);
        }
    }

    bool isUsed(const QString &sheet) const
    {
        return std::find(usedSheets_.begin(), usedSheets_.end(), samePath(sheet)) !=
               usedSheets_.end();
    }

    // An audio file: the tracks of the sheet beside it that is for it, else
    // the file itself; nothing when a sheet of this drop has given it.
    void readAudioOrSheet(const QString &path, const QString &nameForNote)
    {
        const QString same = samePath(path);
        if (std::find(takenAudio_.begin(), takenAudio_.end(), same) != takenAudio_.end())
            return;
        if (const SheetsBeside::Sheet *sheet = sheets_.sheetFor(path, usedSheets_)) {
            readSheet(sheet->path, sheet->sheet, path);
            return;
        }
        readAudio(path, nameForNote);
    }

    void readTextFile(const QString &path, Otherwise otherwise)
    {
        const auto bytes = readRegularFile(path);
        const auto text = bytes ? decodeText(*bytes, kTextFile) : std::nullopt;
        if (text) {
            const QString folder = QFileInfo(path).absolutePath();
            if (isPls(*text)) {
                readEntries(path, readPls(*text, folder));
                return;
            }
            const TableRead table = tavelo::readTable(*text, folder);
            if (isSongTable(table))
                readRows(path, *text, table);
            else
                readTracklistText(path, *text);
        } else if (otherwise == Otherwise::Unreadable) {
            found_.unreadable << displayName(path);
        } else {
            readAudio(path, {});
        }
    }

    void readTracklistText(const QString &path, const QString &text)
    {
        const std::vector<FoundSong> songs = readTracklist(text);
        if (songs.empty())
            found_.unreadable << displayName(path);
        found_.songs.insert(found_.songs.end(), songs.begin(), songs.end());
    }

    int wanted_;
    const StopFlag &stop_;
    DroppedSongs found_;
    SheetsBeside sheets_;
    std::vector<QString> usedSheets_;  // the sheets read, as samePath gives them
    std::vector<QString> takenAudio_;  // the files those sheets have given
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
