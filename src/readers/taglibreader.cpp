// SPDX-License-Identifier: MIT
// The part of the audio reader that uses TagLib. It is built as a module of
// its own that the program loads at the first drop of files (see
// taglibmodule.h), so that nothing of TagLib is loaded at start.
#include "readers/audiofile.h"

#include "readers/audioscan.h"
#include "readers/regularfile.h"
#include "readers/taglibmodule.h"
#include "readers/textcodec.h"

#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>
#include <taglib/tiostream.h>
#include <taglib/wavfile.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace tavelo {
namespace {

TagLib::String fromQString(const QString &text)
{
    return {text.toStdString(), TagLib::String::UTF8};
}

QString toQString(const TagLib::String &text)
{
    return QString::fromStdString(text.to8Bit(true)).trimmed();
}

// ID3v2 text frames marked Latin-1.
class Id3v2Latin1 : public TagLib::ID3v2::Latin1StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector &data) const override
    {
        return fromQString(decodeLatin1OrShiftJis(QByteArrayView(data.data(), data.size())));
    }
};

// ID3v1 fields: Latin-1 by the format, padded with NULs or blanks.
class Id3v1Latin1 : public TagLib::ID3v1::StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector &data) const override
    {
        QByteArrayView bytes(data.data(), data.size());
        if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
            bytes = bytes.first(nul);
        return fromQString(decodeLatin1OrShiftJis(bytes).trimmed());
    }
};

// RIFF INFO fields of a WAV: no encoding is named; programs write UTF-8,
// Latin-1 or (on Japanese systems) Shift_JIS, ended by a NUL.
class InfoText : public TagLib::RIFF::Info::StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector &data) const override
    {
        QByteArrayView bytes(data.data(), data.size());
        if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
            bytes = bytes.first(nul);
        return fromQString(decodeText(bytes, kTagText).value_or(QString::fromLatin1(bytes)));
    }
};

// TagLib keeps one handler of each kind for the whole process; they are set
// once, before the first file is read, and hold no state.
void installStringHandlers()
{
    static std::once_flag once;
    std::call_once(once, [] {
        static const Id3v2Latin1 id3v2;
        static const Id3v1Latin1 id3v1;
        static const InfoText info;
        TagLib::ID3v2::Tag::setLatin1StringHandler(&id3v2);
        TagLib::ID3v1::Tag::setStringHandler(&id3v1);
        TagLib::RIFF::Info::Tag::setStringHandler(&info);
    });
}

// TagLib reads through this stream: the open descriptor under the file's
// name (so that TagLib tells the format by the suffix first, and reads an
// MP3 by its own rules rather than from its first kilobyte), read-only, and
// empty from the moment reading is to stop, which ends any loop of TagLib's.
class CheckedStream : public TagLib::IOStream {
public:
    CheckedStream(int fd, std::int64_t size, QByteArray name, const std::atomic<bool> &stop)
        : fd_(fd), size_(size), name_(std::move(name)), stop_(stop)
    {
    }

    TagLib::FileName name() const override { return name_.constData(); }
    TagLib::ByteVector readBlock(unsigned long length) override
    {
        if (stop_.load(std::memory_order_relaxed) || position_ >= size_)
            return {};
        const auto wanted = static_cast<unsigned int>(std::min<std::int64_t>(
            {static_cast<std::int64_t>(length), size_ - position_, std::int64_t{1} << 30}));
        TagLib::ByteVector bytes(wanted, '\0');
        DescriptorSource source(fd_, size_);
        const std::int64_t read = source.readAt(position_, bytes.data(), wanted);
        bytes.resize(static_cast<unsigned int>(read));
        position_ += read;
        return bytes;
    }
    void writeBlock(const TagLib::ByteVector &) override {}
    void insert(const TagLib::ByteVector &, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return true; }
    void seek(long offset, Position from) override
    {
        const std::int64_t base = from == Beginning ? 0 : from == Current ? position_ : size_;
        position_ = std::max<std::int64_t>(0, base + offset);
    }
    long tell() const override { return static_cast<long>(position_); }
    long length() override { return static_cast<long>(size_); }
    void truncate(long) override {}

private:
    int fd_;
    std::int64_t size_;
    QByteArray name_;
    const std::atomic<bool> &stop_;
    std::int64_t position_ = 0;
};

// The length of a file the scans do not read, as TagLib gives it from the
// header. Their containers hold nothing cheap to check it against; no frame
// of these formats holds a second of sound in a byte, so a header that
// claims more than that is corrupt.
std::int64_t headerLength(const TagLib::FileRef &file, std::int64_t bytes)
{
    const TagLib::AudioProperties *properties = file.audioProperties();
    const std::int64_t milliseconds = properties ? properties->lengthInMilliseconds() : 0;
    return milliseconds <= bytes * 1000 ? milliseconds : 0;
}

void readTags(const TagLib::FileRef &file, FoundSong &song)
{
    if (const TagLib::Tag *tag = file.tag()) {
        song.title = toQString(tag->title());
        song.artist = toQString(tag->artist());
    }
    // A WAV's ID3v2 tag first, else its RIFF INFO list.
    auto *wav = dynamic_cast<TagLib::RIFF::WAV::File *>(file.file());
    if (wav && wav->hasInfoTag() && song.title.isEmpty() && song.artist.isEmpty()) {
        song.title = toQString(wav->InfoTag()->title());
        song.artist = toQString(wav->InfoTag()->artist());
    }
}

}  // namespace

std::optional<FoundSong> readWithTagLib(const QString &path, const std::atomic<bool> &stop)
{
    installStringHandlers();
    const int fd = openRegularFile(path);
    if (fd < 0)
        return std::nullopt;
    const std::unique_ptr<int, void (*)(int *)> closing(new int(fd), [](int *d) {
        ::close(*d);
        delete d;
    });
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return std::nullopt;
    const std::int64_t size = info.st_size;
    DescriptorSource source(fd, size);
    const AudioShape shape = audioShape(source);
    std::int64_t milliseconds = 0;
    switch (shape) {
    case AudioShape::Mpeg: milliseconds = mpegLength(source, stop); break;
    case AudioShape::Flac: milliseconds = flacLength(source, stop); break;
    case AudioShape::Ogg: milliseconds = oggLength(source, stop); break;
    case AudioShape::Other: break;
    }
    if (stop.load() || (shape != AudioShape::Other && milliseconds <= 0))
        return std::nullopt;
    // TagLib reads the tags; the lengths of the scanned shapes are not asked
    // of it, so that no file is scanned twice.
    CheckedStream stream(fd, size, QFile::encodeName(path), stop);
    const bool scanned = shape != AudioShape::Other;
    TagLib::FileRef file;
    if (shape == AudioShape::Mpeg)
        file = TagLib::FileRef(
            new TagLib::MPEG::File(&stream, TagLib::ID3v2::FrameFactory::instance(), false));
    else if (shape == AudioShape::Flac)
        file = TagLib::FileRef(
            new TagLib::FLAC::File(&stream, TagLib::ID3v2::FrameFactory::instance(), false));
    else
        file = TagLib::FileRef(&stream, !scanned, TagLib::AudioProperties::Average);
    if (!scanned)
        milliseconds = file.isNull() ? 0 : headerLength(file, size);
    if (stop.load() || milliseconds <= 0)
        return std::nullopt;
    FoundSong song{milliseconds, {}, {}};
    if (!file.isNull())
        readTags(file, song);
    return song;
}

}  // namespace tavelo

// The entry point the program looks up in the module, of the type
// taglibmodule.h declares.
extern "C" Q_DECL_EXPORT void tavelo_readAudioFile(const QString &path,
                                                   const std::atomic<bool> &stop,
                                                   std::optional<tavelo::FoundSong> &song)
{
    song = tavelo::readWithTagLib(path, stop);
}
