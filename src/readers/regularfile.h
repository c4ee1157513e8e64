// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <limits>
#include <optional>

// Opening a dropped path: the one guard every reader goes through, so that a
// FIFO, a device or a socket is never opened and nothing ever waits on one.
// Header-only, because the TagLib module (built apart from the readers layer)
// opens its files through it too.
namespace tavelo {

// Tracklists, playlists and other text files larger than this are not read.
inline constexpr qint64 kLargestText = qint64{16} * 1024 * 1024;
// No limit: audio files are read by the audio module, which reads only what
// it needs (frames until they stop, the tags).
inline constexpr qint64 kAnySize = std::numeric_limits<qint64>::max();

// Whether a file of this type and size is opened: a regular file that is not
// empty and at most `largest` bytes long. Nothing else is.
inline bool isReadableFile(mode_t mode, qint64 size, qint64 largest)
{
    return S_ISREG(mode) && size > 0 && size <= largest;
}

// An open descriptor of a readable file (isReadableFile), or -1. The path is
// looked at first, so that a FIFO or device is never opened, and the file
// again once open, in case the path was changed in between; the opening does
// not wait (a FIFO put in its place cannot block). Links are followed: a
// dangling link or a link loop gives -1.
inline int openRegularFile(const QString &path, qint64 largest = kAnySize)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    if (::stat(name.constData(), &before) != 0 ||
        !isReadableFile(before.st_mode, before.st_size, largest))
        return -1;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat after {};
    if (::fstat(fd, &after) != 0 || !isReadableFile(after.st_mode, after.st_size, largest)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The bytes of a readable file of at most `largest` bytes, or none (also
// when it grew beyond that while it was read).
inline std::optional<QByteArray> readRegularFile(const QString &path, qint64 largest = kLargestText)
{
    const int fd = openRegularFile(path, largest);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes = file.read(largest + 1);
    if (bytes.size() > largest || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

}  // namespace tavelo
