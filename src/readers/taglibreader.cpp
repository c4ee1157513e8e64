// SPDX-License-Identifier: MIT
// The part of the audio reader that uses TagLib. It is built as a module of
// its own that the program loads at the first drop of files (see
// taglibmodule.h), so that nothing of TagLib is loaded at start.
#include "readers/audiofile.h"
#include "readers/regularfile.h"
#include "readers/taglibmodule.h"
#include "readers/textcodec.h"

#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/mpegheader.h>
#include <taglib/mpegproperties.h>
#include <taglib/tag.h>
#include <taglib/tfilestream.h>

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

// TagLib keeps one handler of each kind for the whole process; they are set
// once, before the first file is read, and hold no state.
void installStringHandlers()
{
    static std::once_flag once;
    std::call_once(once, [] {
        static const Id3v2Latin1 id3v2;
        static const Id3v1Latin1 id3v1;
        TagLib::ID3v2::Tag::setLatin1StringHandler(&id3v2);
        TagLib::ID3v1::Tag::setStringHandler(&id3v1);
    });
}

// The length of an MP3 from its frames: the samples of every frame from the
// first to the last, at the first frame's sample rate. Frames of another
// version, layer or rate are false syncs and are passed over.
std::int64_t countedMpegLength(TagLib::MPEG::File &file)
{
    long offset = file.firstFrameOffset();
    const long last = file.lastFrameOffset();
    if (offset < 0 || last < offset)
        return 0;
    const TagLib::MPEG::Header first(&file, offset, false);
    if (!first.isValid() || first.sampleRate() <= 0)
        return 0;
    std::int64_t samples = 0;
    while (offset >= 0 && offset <= last) {
        const TagLib::MPEG::Header header(&file, offset, false);
        if (!header.isValid() || header.frameLength() <= 0 || header.version() != first.version() ||
            header.layer() != first.layer() || header.sampleRate() != first.sampleRate()) {
            offset = file.nextFrameOffset(offset + 1);
            continue;
        }
        samples += header.samplesPerFrame();
        offset += header.frameLength();
    }
    return samples * 1000 / first.sampleRate();
}

}  // namespace

std::optional<FoundSong> readWithTagLib(const QString &path)
{
    installStringHandlers();
    const int fd = openRegularFile(path);
    if (fd < 0)
        return std::nullopt;
    // The stream owns the descriptor from here on and closes it. Without a
    // file name TagLib tells the format by the content.
    TagLib::FileStream stream(fd, true);
    if (!stream.isOpen())
        return std::nullopt;
    const TagLib::FileRef file(&stream, true, TagLib::AudioProperties::Average);
    if (file.isNull() || !file.audioProperties())
        return std::nullopt;
    std::int64_t milliseconds = file.audioProperties()->lengthInMilliseconds();
    if (auto *mpeg = dynamic_cast<TagLib::MPEG::File *>(file.file())) {
        if (mpeg->audioProperties() && !mpeg->audioProperties()->xingHeader())
            milliseconds = countedMpegLength(*mpeg);
    }
    // Compressed audio takes at least a kilobit a second: a header claiming
    // more time than the file's bytes could hold at that rate is corrupt
    // (a few kilobytes that say they play for days).
    const std::int64_t bits = std::int64_t{stream.length()} * 8;
    if (milliseconds <= 0 || milliseconds > bits)
        return std::nullopt;
    FoundSong song{milliseconds, {}, {}};
    if (const TagLib::Tag *tag = file.tag()) {
        song.title = toQString(tag->title());
        song.artist = toQString(tag->artist());
    }
    return song;
}

}  // namespace tavelo

// The entry point the program looks up in the module, of the type
// taglibmodule.h declares.
extern "C" Q_DECL_EXPORT void tavelo_readAudioFile(const QString &path,
                                                   std::optional<tavelo::FoundSong> &song)
{
    song = tavelo::readWithTagLib(path);
}
