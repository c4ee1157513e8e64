// SPDX-License-Identifier: MIT
#include "readers/cuefiles.h"

#include "readers/audiofile.h"
#include "readers/regularfile.h"
#include "readers/suffixes.h"
#include "readers/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

namespace tavelo {
namespace {

constexpr qint64 kLargestSheet = qint64{1024} * 1024;
constexpr std::size_t kMostSheets = 64;
constexpr qint64 kSectorBytes = 2352;

// The size of a file the one opener would open (readers/regularfile.h),
// looked at without opening it.
std::optional<qint64> regularFileSize(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 ||
        !isReadableFile(info.st_mode, info.st_size, kAnySize))
        return std::nullopt;
    return qint64(info.st_size);
}

bool isSheetName(const QString &name)
{
    return readerFor(name) == FileReader::Cue && name.size() > 4;
}

// The names of the sheets in a folder, in name order, at most kMostSheets.
QStringList sheetNamesIn(const QString &folder)
{
    QStringList names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (isSheetName(name) && QFile::encodeName(name) == entry->d_name)
            names << name;
    }
    ::closedir(dir);
    names.sort();
    return names.mid(0, qsizetype(kMostSheets));
}

}  // namespace

QString samePath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString cueFilePath(const QString &folder, const QString &listed)
{
    QString name = listed;
    name.replace(u'\\', u'/');
    const QDir dir(folder);
    QString asListed = QDir::cleanPath(dir.filePath(name));
    if (name.isEmpty() || regularFileSize(asListed))
        return asListed;
    const QString fileName = QFileInfo(name).fileName();
    if (fileName.isEmpty())
        return asListed;
    QString beside = dir.filePath(fileName);
    if (regularFileSize(beside))
        return beside;
    const QString base = QFileInfo(fileName).completeBaseName();
    for (const QString &suffix : suffixesOf(FileReader::Audio)) {
        for (const QString &spelled : {suffix, suffix.toUpper()}) {
            QString other = dir.filePath(base + u'.' + spelled);
            if (regularFileSize(other))
                return other;
        }
    }
    return asListed;
}

std::optional<std::int64_t> cueFileLength(const QString &path, const StopFlag &stop, bool binary)
{
    if (!binary) {
        const auto song = readAudioFile(path, stop);
        return song ? std::optional(song->milliseconds) : std::nullopt;
    }
    const auto size = regularFileSize(path);
    if (!size || *size < kSectorBytes)
        return std::nullopt;
    // Frames of 1/75 s in milliseconds, to the nearest.
    return (*size / kSectorBytes * 40 + 1) / 3;
}

const SheetsBeside::Sheet *SheetsBeside::sheetFor(const QString &audioPath,
                                                  const std::vector<QString> &used)
{
    const QString audio = samePath(audioPath);
    const QFileInfo info(audio);
    const QString folder = info.absolutePath();
    auto found = folders_.find(folder);
    if (found == folders_.end()) {
        std::vector<Sheet> sheets;
        for (const QString &name : sheetNamesIn(folder)) {
            const QString path = QDir(folder).filePath(name);
            const auto bytes = readRegularFile(path, kLargestSheet);
            const auto text = bytes ? decodeText(*bytes, kListText) : std::nullopt;
            if (!text)
                continue;
            CueSheet sheet = readCueSheet(*text);
            const bool audioTrack = std::any_of(sheet.tracks.begin(), sheet.tracks.end(),
                                                [](const CueTrack &t) { return t.audio; });
            if (sheet.files.size() == 1 && audioTrack)
                sheets.push_back({path, std::move(sheet)});
        }
        found = folders_.emplace(folder, std::move(sheets)).first;
    }
    const auto isUsed = [&](const Sheet &s) {
        return std::find(used.begin(), used.end(), s.path) != used.end();
    };
    for (const Sheet &s : found->second) {
        if (!isUsed(s) && samePath(cueFilePath(folder, s.sheet.files.front().name)) == audio)
            return &s;
    }
    for (const Sheet &s : found->second) {
        const QFileInfo sheet(s.path);
        if (!isUsed(s) && (sheet.completeBaseName() == info.completeBaseName() ||
                           sheet.fileName() == info.fileName() + QLatin1String(".cue")))
            return &s;
    }
    return nullptr;
}

}  // namespace tavelo
