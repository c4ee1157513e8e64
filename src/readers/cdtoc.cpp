// SPDX-License-Identifier: MIT
#include "readers/cdtoc.h"

#include <QStringDecoder>

#include <algorithm>

namespace tavelo {
namespace {

constexpr int kLeadOut = 0xAA;
constexpr qsizetype kEntrySize = 8;
constexpr qsizetype kPackSize = 18;
constexpr int kTitlePack = 0x80;
constexpr int kPerformerPack = 0x81;
constexpr int kSizePack = 0x8F;
constexpr int kBlocks = 8;
constexpr int kJapanese = 0x69;  // the block's language code for Japanese
// Character codes of a block.
constexpr int kLatin1 = 0x00;
constexpr int kAscii = 0x01;
constexpr int kMsJis = 0x80;

int byteAt(QByteArrayView bytes, qsizetype at) { return static_cast<unsigned char>(bytes[at]); }

int be16(QByteArrayView bytes, qsizetype at)
{
    return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
}

std::int32_t be32(QByteArrayView bytes, qsizetype at)
{
    const std::uint32_t value =
        std::uint32_t(byteAt(bytes, at)) << 24 | std::uint32_t(byteAt(bytes, at + 1)) << 16 |
        std::uint32_t(byteAt(bytes, at + 2)) << 8 | std::uint32_t(byteAt(bytes, at + 3));
    return static_cast<std::int32_t>(value);
}

struct Entry {
    int number = 0;
    bool data = false;
    std::int32_t start = 0;
};

// The entries of a table, the lead-out last, or none when the bytes are no
// table.
std::optional<std::vector<Entry>> entriesOf(QByteArrayView table)
{
    if (table.size() < 4)
        return std::nullopt;
    const qsizetype length = be16(table, 0);
    if (length < 2 || length + 2 > table.size() || (length - 2) % kEntrySize != 0)
        return std::nullopt;
    const int first = byteAt(table, 2);
    const int last = byteAt(table, 3);
    if (first < 1 || last > 99 || first > last)
        return std::nullopt;
    const qsizetype count = (length - 2) / kEntrySize;
    if (count != last - first + 2)
        return std::nullopt;
    std::vector<Entry> entries;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = 4 + i * kEntrySize;
        const int number = byteAt(table, at + 2);
        const std::int32_t start = be32(table, at + 4);
        const bool leadOut = i == count - 1;
        if (number != (leadOut ? kLeadOut : first + int(i)) || start < 0 || start > kLastFrame ||
            (!entries.empty() && start <= entries.back().start))
            return std::nullopt;
        entries.push_back({number, (byteAt(table, at + 1) & 0x04) != 0, start});
    }
    return entries;
}

// Frames as milliseconds, to the nearest one (a frame is 13⅓ ms).
std::int64_t millisecondsOf(std::int64_t frames)
{
    return (frames * 1000 * 3 / kFramesPerSecond + 1) / 3;
}

// Whether `next`, a data track after the audio track `track`, opens a later
// session.
bool opensLaterSession(const std::vector<Entry> &entries, std::size_t track,
                       std::optional<std::int32_t> lastSession)
{
    const Entry &next = entries.at(track + 1);
    if (!next.data || next.number == kLeadOut)
        return false;
    if (lastSession)
        return entries.at(track).start < *lastSession && *lastSession <= next.start;
    return track + 2 == entries.size() - 1;  // the data track is the last track
}

// ---- CD-TEXT ----

struct Pack {
    QByteArrayView bytes;
    int type() const { return byteAt(bytes, 0); }
    int track() const { return byteAt(bytes, 1) & 0x7F; }
    bool extension() const { return (byteAt(bytes, 1) & 0x80) != 0; }
    int sequence() const { return byteAt(bytes, 2); }
    bool doubleByte() const { return (byteAt(bytes, 3) & 0x80) != 0; }
    int block() const { return (byteAt(bytes, 3) >> 4) & 0x07; }
    int position() const { return byteAt(bytes, 3) & 0x0F; }
    QByteArrayView text() const { return bytes.sliced(4, 12); }
};

// The packs of the bytes whose CRC is right, or all of them where the drive
// gave every CRC as zero.
std::vector<Pack> packsOf(QByteArrayView bytes)
{
    std::vector<Pack> packs;
    if (bytes.size() < 4)
        return packs;
    const qsizetype end = std::min<qsizetype>(be16(bytes, 0) + 2, bytes.size());
    for (qsizetype at = 4; at + kPackSize <= end; at += kPackSize)
        packs.push_back({bytes.sliced(at, kPackSize)});
    const bool noCrcs = std::all_of(packs.begin(), packs.end(),
                                    [](const Pack &p) { return be16(p.bytes, 16) == 0; });
    if (!noCrcs)
        std::erase_if(packs, [](const Pack &p) { return cdTextCrc(p.bytes) != be16(p.bytes, 16); });
    return packs;
}

struct Block {
    int characterCode = -1;  // from its size information; -1 where none came
    int language = -1;
    bool hasText = false;
    bool doubleByte = false;  // a text pack says so
};

std::array<Block, kBlocks> blocksOf(const std::vector<Pack> &packs)
{
    std::array<Block, kBlocks> blocks;
    for (const Pack &pack : packs) {
        Block &block = blocks.at(std::size_t(pack.block()));
        if (pack.type() == kSizePack && pack.track() == 0) {
            block.characterCode = byteAt(pack.text(), 0);
        } else if (pack.type() == kSizePack && pack.track() == 2) {
            // The third pack of the size information names every block's language.
            for (int b = 0; b < kBlocks; ++b)
                blocks.at(std::size_t(b)).language = byteAt(pack.text(), 4 + b);
        } else if (pack.type() == kTitlePack || pack.type() == kPerformerPack) {
            block.hasText = true;
            block.doubleByte = block.doubleByte || pack.doubleByte();
        }
    }
    return blocks;
}

using RawTexts = std::array<std::optional<QByteArray>, 100>;

// The strings of one pack type in one block, by track, as bytes. Where a pack
// is missing (its CRC was wrong), the string it broke is dropped and the
// next pack's own track number and character position say where the run goes
// on.
RawTexts stringsOf(const std::vector<Pack> &packs, int type, int block, bool doubleByte)
{
    RawTexts strings;
    int track = 0;
    QByteArray current;
    bool whole = false;
    int previousSequence = -2;
    const auto finish = [&] {
        if (doubleByte)
            current.chop(1);  // the first NUL of the pair
        const bool repeat = current == (doubleByte ? QByteArray("\t\t") : QByteArray("\t"));
        if (whole && track < 100) {
            if (!repeat)
                strings.at(std::size_t(track)) = current;
            else if (track > 0)
                strings.at(std::size_t(track)) = strings.at(std::size_t(track - 1));
        }
        ++track;
        current.clear();
        whole = true;
    };
    for (const Pack &pack : packs) {
        if (pack.type() != type || pack.block() != block || pack.extension())
            continue;
        if (pack.sequence() != previousSequence + 1) {
            track = pack.track();
            current.clear();
            whole = pack.position() == 0;
        }
        previousSequence = pack.sequence();
        for (const char byte : pack.text()) {
            if (byte == '\0' && (!doubleByte || current.endsWith('\0')))
                finish();
            else
                current.append(byte);
        }
    }
    return strings;
}

// A string of the disc's character set, MS-JIS being Shift_JIS; a string
// whose bytes are no Shift_JIS gives none.
QString decoded(const std::optional<QByteArray> &bytes, bool shiftJis)
{
    if (!bytes)
        return {};
    QString text = QString::fromLatin1(*bytes);
    if (shiftJis) {
        QStringDecoder decoder("Shift_JIS", QStringDecoder::Flag::Stateless);
        text = decoder.decode(*bytes);
        if (decoder.hasError())
            return {};
    }
    text.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
    return text.trimmed();
}

}  // namespace

std::optional<std::vector<CdTrack>> audioTracks(const CdToc &toc)
{
    const auto entries = entriesOf(toc.table);
    if (!entries)
        return std::nullopt;
    std::vector<CdTrack> tracks;
    for (std::size_t i = 0; i + 1 < entries->size(); ++i) {
        const Entry &track = entries->at(i);
        if (track.data)
            continue;
        std::int32_t end = entries->at(i + 1).start;
        if (opensLaterSession(*entries, i, toc.lastSession))
            end -= kSessionGapFrames;
        if (end <= track.start)
            return std::nullopt;
        tracks.push_back({track.number, millisecondsOf(end - track.start)});
    }
    return tracks;
}

std::uint16_t cdTextCrc(QByteArrayView pack)
{
    std::uint16_t crc = 0;
    for (qsizetype i = 0; i < std::min<qsizetype>(pack.size(), 16); ++i) {
        crc ^= std::uint16_t(byteAt(pack, i) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = std::uint16_t((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return std::uint16_t(~crc);
}

CdText decodeCdText(QByteArrayView bytes)
{
    CdText text;
    const std::vector<Pack> packs = packsOf(bytes);
    const std::array<Block, kBlocks> blocks = blocksOf(packs);
    int chosen = -1;
    for (int b = 0; b < kBlocks; ++b) {
        const Block &block = blocks.at(std::size_t(b));
        if (block.hasText && (chosen < 0 || (block.language == kJapanese &&
                                             blocks.at(std::size_t(chosen)).language != kJapanese)))
            chosen = b;
    }
    if (chosen < 0)
        return text;
    const Block &block = blocks.at(std::size_t(chosen));
    const int code = block.characterCode >= 0 ? block.characterCode
                     : block.doubleByte       ? kMsJis
                                              : kLatin1;
    if (code != kLatin1 && code != kAscii && code != kMsJis)
        return text;
    const bool shiftJis = code == kMsJis;
    const RawTexts titles = stringsOf(packs, kTitlePack, chosen, shiftJis);
    const RawTexts performers = stringsOf(packs, kPerformerPack, chosen, shiftJis);
    for (std::size_t track = 0; track < text.titles.size(); ++track) {
        text.titles.at(track) = decoded(titles.at(track), shiftJis);
        text.performers.at(track) = decoded(performers.at(track), shiftJis);
    }
    return text;
}

}  // namespace tavelo
