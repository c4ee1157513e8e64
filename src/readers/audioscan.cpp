// SPDX-License-Identifier: MIT
#include "readers/audioscan.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <vector>

namespace tavelo {

std::int64_t MemorySource::readAt(std::int64_t offset, char *to, std::int64_t length)
{
    if (offset < 0 || offset >= bytes_.size() || length <= 0)
        return 0;
    const std::int64_t n = std::min<std::int64_t>(length, bytes_.size() - offset);
    std::memcpy(to, bytes_.constData() + offset, static_cast<std::size_t>(n));
    return n;
}

std::int64_t DescriptorSource::readAt(std::int64_t offset, char *to, std::int64_t length)
{
    std::int64_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd_, to + done, static_cast<std::size_t>(length - done),
                                  static_cast<off_t>(offset + done));
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

namespace {

// How far each scan looks: the junk before an MPEG file's first frame, and
// the gap between two runs of frames that still counts as one stream.
constexpr std::int64_t kLongestJunk = std::int64_t{1} << 20;
constexpr std::int64_t kLongestGap = std::int64_t{64} << 10;
// Frame headers in a row that make a run (fewer when the file ends first).
constexpr int kRun = 4;
// The bytes read at once; an Ogg page (at most 65,307 bytes) fits.
constexpr std::int64_t kWindow = std::int64_t{128} << 10;

// A window onto a source. A view it gives stays valid until the next call.
class Reader {
public:
    Reader(ScanSource &source, const std::atomic<bool> &stop)
        : source_(source), stop_(stop), size_(source.size())
    {
    }

    std::int64_t size() const { return size_; }
    bool stopped() const { return stop_.load(std::memory_order_relaxed); }

    // Up to `length` (at most kWindow) bytes at `offset`; fewer at the end.
    // A scan going backwards asks with `backward`, so that the window is
    // filled with the bytes before the offset.
    QByteArrayView at(std::int64_t offset, std::int64_t length, bool backward = false)
    {
        length = std::min(length, kWindow);
        if (offset < 0 || offset >= size_ || length <= 0)
            return {};
        length = std::min(length, size_ - offset);
        if (offset < start_ || offset + length > start_ + filled_) {
            start_ = backward ? std::max<std::int64_t>(0, offset + length - kWindow) : offset;
            buffer_.resize(kWindow);
            filled_ = source_.readAt(start_, buffer_.data(), std::min(kWindow, size_ - start_));
            if (offset + length > start_ + filled_)
                length = std::max<std::int64_t>(0, start_ + filled_ - offset);
        }
        return {buffer_.constData() + (offset - start_), length};
    }

    bool startsWith(std::int64_t offset, QByteArrayView mark)
    {
        return at(offset, mark.size()) == mark;
    }

private:
    ScanSource &source_;
    const std::atomic<bool> &stop_;
    std::int64_t size_;
    QByteArray buffer_;
    std::int64_t start_ = 0;
    std::int64_t filled_ = 0;
};

std::uint32_t byteAt(QByteArrayView b, qsizetype i) { return static_cast<std::uint8_t>(b[i]); }

std::uint32_t be16(QByteArrayView b, qsizetype i) { return byteAt(b, i) << 8 | byteAt(b, i + 1); }

std::uint32_t be24(QByteArrayView b, qsizetype i) { return be16(b, i) << 8 | byteAt(b, i + 2); }

std::uint32_t be32(QByteArrayView b, qsizetype i) { return be16(b, i) << 16 | be16(b, i + 2); }

std::uint32_t le32(QByteArrayView b, qsizetype i)
{
    return byteAt(b, i) | byteAt(b, i + 1) << 8 | byteAt(b, i + 2) << 16 | byteAt(b, i + 3) << 24;
}

std::int64_t le64(QByteArrayView b, qsizetype i)
{
    return static_cast<std::int64_t>(std::uint64_t{le32(b, i)} | std::uint64_t{le32(b, i + 4)}
                                                                     << 32);
}

std::int64_t toMilliseconds(std::int64_t samples, std::int64_t rate)
{
    if (samples <= 0 || rate <= 0)
        return 0;
    // Whole seconds and the rest apart, so that no sample count overflows.
    return samples / rate * 1000 + (samples % rate * 1000 + rate / 2) / rate;
}

// The offset after any ID3v2 tags at `offset` (some taggers write a second
// one after the first).
std::int64_t afterId3v2(Reader &file, std::int64_t offset)
{
    for (int tags = 0; tags < 64; ++tags) {
        const QByteArrayView h = file.at(offset, 10);
        if (h.size() < 10 || !h.startsWith("ID3") || byteAt(h, 3) == 0xFF || byteAt(h, 4) == 0xFF)
            break;
        if ((byteAt(h, 6) | byteAt(h, 7) | byteAt(h, 8) | byteAt(h, 9)) & 0x80)
            break;
        const std::int64_t size =
            byteAt(h, 6) << 21 | byteAt(h, 7) << 14 | byteAt(h, 8) << 7 | byteAt(h, 9);
        offset += 10 + size + ((byteAt(h, 5) & 0x10) ? 10 : 0);
    }
    return offset;
}

// --- MPEG audio ---------------------------------------------------------

struct MpegHeader {
    int version = 0;  // 0: MPEG-1, 1: MPEG-2, 2: MPEG-2.5
    int layer = 0;    // 1 to 3
    int rate = 0;     // samples a second
    int bitrateIndex = 0;
    bool mono = false;
    bool crc = false;
    int length = 0;   // bytes of the frame, header included
    int samples = 0;  // per frame
};

constexpr std::array<std::array<int, 16>, 6> kBitrates{{
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},  // 1, I
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},     // 1, II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},      // 1, III
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},     // 2, I
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},          // 2, II
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},          // 2, III
}};
constexpr std::array<std::array<int, 3>, 3> kMpegRates{{
    {44100, 48000, 32000},
    {22050, 24000, 16000},
    {11025, 12000, 8000},
}};

int frameBytes(int version, int layer, int bitrate, int rate, bool padding)
{
    const int bits = bitrate * 1000;
    if (layer == 1)
        return (12 * bits / rate + (padding ? 1 : 0)) * 4;
    const int perSample = (layer == 3 && version != 0) ? 72 : 144;
    return perSample * bits / rate + (padding ? 1 : 0);
}

std::optional<MpegHeader> mpegHeader(QByteArrayView b)
{
    if (b.size() < 4 || byteAt(b, 0) != 0xFF || (byteAt(b, 1) & 0xE0) != 0xE0)
        return std::nullopt;
    const std::uint32_t versionBits = byteAt(b, 1) >> 3 & 3;
    const std::uint32_t layerBits = byteAt(b, 1) >> 1 & 3;
    const std::uint32_t bitrateBits = byteAt(b, 2) >> 4;
    const std::uint32_t rateBits = byteAt(b, 2) >> 2 & 3;
    if (versionBits == 1 || layerBits == 0 || bitrateBits == 0 || bitrateBits == 15 ||
        rateBits == 3 || (byteAt(b, 3) & 3) == 2)
        return std::nullopt;
    MpegHeader h;
    h.version = versionBits == 3 ? 0 : versionBits == 2 ? 1 : 2;
    h.layer = 4 - static_cast<int>(layerBits);
    h.rate = kMpegRates[h.version][rateBits];
    h.bitrateIndex = static_cast<int>(bitrateBits);
    h.mono = (byteAt(b, 3) >> 6) == 3;
    h.crc = (byteAt(b, 1) & 1) == 0;
    const int bitrate = kBitrates[(h.version == 0 ? 0 : 3) + h.layer - 1][bitrateBits];
    h.length = frameBytes(h.version, h.layer, bitrate, h.rate, (byteAt(b, 2) >> 1 & 1) != 0);
    h.samples = h.layer == 1 ? 384 : (h.layer == 3 && h.version != 0) ? 576 : 1152;
    return h;
}

bool sameStream(const MpegHeader &a, const MpegHeader &b)
{
    return a.version == b.version && a.layer == b.layer && a.rate == b.rate;
}

// The frame at `offset` of the same stream as `like` (or of any, when null).
std::optional<MpegHeader> frameAt(Reader &file, std::int64_t offset, const MpegHeader *like)
{
    auto h = mpegHeader(file.at(offset, 4));
    if (h && like && !sameStream(*h, *like))
        return std::nullopt;
    return h;
}

// Whether a run of frames starts at `offset`: kRun headers of one stream,
// each where the one before ends, or fewer that reach `end`.
bool runAt(Reader &file, std::int64_t offset, std::int64_t end, const MpegHeader *like)
{
    const auto first = frameAt(file, offset, like);
    if (!first)
        return false;
    std::int64_t next = offset + first->length;
    for (int count = 1; count < kRun; ++count) {
        if (next + 4 > end)
            return next <= end;
        const auto h = frameAt(file, next, &*first);
        if (!h)
            return false;
        next += h->length;
    }
    return true;
}

// The first offset in [from, to) where a run of frames starts, or -1.
std::int64_t findRun(Reader &file, std::int64_t from, std::int64_t to, std::int64_t end,
                     const MpegHeader *like)
{
    std::int64_t at = from;
    while (at < to) {
        if (file.stopped())
            return -1;
        const QByteArrayView view = file.at(at, std::min(kWindow, to - at));
        if (view.isEmpty())
            return -1;
        const void *sync = std::memchr(view.data(), 0xFF, static_cast<std::size_t>(view.size()));
        if (!sync) {
            at += view.size();
            continue;
        }
        at += static_cast<const char *>(sync) - view.data();
        if (runAt(file, at, end, like))
            return at;
        ++at;
    }
    return -1;
}

// Where the audio of an MPEG file ends: before an ID3v1 tag and an APE tag
// at its end.
std::int64_t mpegAudioEnd(Reader &file)
{
    std::int64_t end = file.size();
    if (end >= 128 && file.startsWith(end - 128, "TAG"))
        end -= 128;
    if (end >= 32 && file.startsWith(end - 32, "APETAGEX")) {
        const QByteArrayView footer = file.at(end - 32, 32);
        const std::int64_t size = le32(footer, 12) + ((le32(footer, 20) & 0x80000000U) ? 32 : 0);
        if (size >= 32 && size <= end)
            end -= size;
    }
    return end;
}

// What the first frame's Xing/Info or VBRI header and its LAME tag say.
struct MpegInfo {
    std::int64_t frames = 0;   // audio frames after this one; 0: not given
    std::int64_t bytes = 0;    // bytes of the stream, this frame included; 0: not given
    std::int64_t delay = 0;    // samples the encoder added at the start
    std::int64_t padding = 0;  // and at the end
};

std::optional<MpegInfo> infoFrame(Reader &file, std::int64_t offset, const MpegHeader &h)
{
    const QByteArrayView frame = file.at(offset, h.length);
    if (frame.size() < h.length)
        return std::nullopt;
    const int sideInfo = h.version == 0 ? (h.mono ? 17 : 32) : (h.mono ? 9 : 17);
    const qsizetype xing = 4 + (h.crc ? 2 : 0) + sideInfo;
    MpegInfo info;
    if (frame.size() >= xing + 8 &&
        (frame.sliced(xing, 4) == "Xing" || frame.sliced(xing, 4) == "Info")) {
        const std::uint32_t flags = be32(frame, xing + 4);
        qsizetype at = xing + 8;
        if ((flags & 1) && frame.size() >= at + 4)
            info.frames = be32(frame, at), at += 4;
        if ((flags & 2) && frame.size() >= at + 4)
            info.bytes = be32(frame, at), at += 4;
        at += ((flags & 4) ? 100 : 0) + ((flags & 8) ? 4 : 0);
        // The LAME tag: the encoder's name, then 12 bytes, then the delay and
        // padding as 12 bits each. Encoders that write it name themselves.
        if (frame.size() >= at + 24) {
            const QByteArrayView encoder = frame.sliced(at, 4);
            if (encoder == "LAME" || encoder == "Lavc" || encoder == "Lavf" || encoder == "L3.9") {
                const std::uint32_t d = be24(frame, at + 21);
                info.delay = d >> 12;
                info.padding = d & 0xFFF;
            }
        }
        return info;
    }
    const qsizetype vbri = 4 + 32;
    if (frame.size() >= vbri + 18 && frame.sliced(vbri, 4) == "VBRI") {
        info.bytes = be32(frame, vbri + 10);
        info.frames = be32(frame, vbri + 14);
        return info;
    }
    return std::nullopt;
}

// The whole frames of one stream from `offset` on, until they stop; no value
// when stopped.
std::optional<std::int64_t> countFrames(Reader &file, std::int64_t offset, std::int64_t end,
                                        const MpegHeader &like)
{
    std::int64_t frames = 0;
    while (offset + 4 <= end) {
        if ((frames & 1023) == 0 && file.stopped())
            return std::nullopt;
        if (const auto h = frameAt(file, offset, &like)) {
            if (offset + h->length > end)
                break;  // a frame cut off
            ++frames;
            offset += h->length;
            continue;
        }
        if (file.startsWith(offset, "ID3")) {
            // A tag between two runs of frames (files joined together).
            const std::int64_t after = afterId3v2(file, offset);
            if (after > offset) {
                offset = after;
                continue;
            }
        }
        offset = findRun(file, offset + 1, std::min(end, offset + kLongestGap), end, &like);
        if (offset < 0)
            break;
    }
    if (file.stopped())
        return std::nullopt;
    return frames;
}

// --- FLAC -----------------------------------------------------------------

struct StreamInfo {
    std::int64_t minBlock = 0;
    std::int64_t maxBlock = 0;
    std::int64_t maxFrame = 0;
    std::int64_t rate = 0;
    int channels = 0;
    int bits = 0;
    std::int64_t samples = 0;
};

// STREAMINFO's 34 bytes.
StreamInfo streamInfo(QByteArrayView b)
{
    StreamInfo info;
    info.minBlock = be16(b, 0);
    info.maxBlock = be16(b, 2);
    info.maxFrame = be24(b, 7);
    info.rate = byteAt(b, 10) << 12 | byteAt(b, 11) << 4 | byteAt(b, 12) >> 4;
    info.channels = static_cast<int>(byteAt(b, 12) >> 1 & 7) + 1;
    info.bits = static_cast<int>((byteAt(b, 12) & 1) << 4 | byteAt(b, 13) >> 4) + 1;
    info.samples =
        static_cast<std::int64_t>(std::uint64_t{byteAt(b, 13) & 0x0F} << 32 | be32(b, 14));
    return info;
}

std::uint8_t crc8(QByteArrayView b)
{
    std::uint8_t crc = 0;
    for (const char c : b) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint8_t>((crc & 0x80) ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return crc;
}

struct FlacFrame {
    std::int64_t offset = 0;
    bool variable = false;    // numbered by sample, not by frame
    std::int64_t number = 0;  // its first sample, or its frame number
    std::int64_t block = 0;   // its samples
};

constexpr std::array<std::int64_t, 12> kFlacRates{0,     88200, 176400, 192000, 8000,  16000,
                                                  22050, 24000, 32000,  44100,  48000, 96000};
constexpr std::array<int, 8> kFlacBits{0, 8, 12, 0, 16, 20, 24, 32};

// A frame header at `offset` that fits the stream: sync, no reserved
// values, the stream's rate, channels and sample size, and its CRC-8.
std::optional<FlacFrame> flacFrameAt(Reader &file, std::int64_t offset, const StreamInfo &info)
{
    const QByteArrayView b = file.at(offset, 16);
    if (b.size() < 6 || byteAt(b, 0) != 0xFF || (byteAt(b, 1) & 0xFE) != 0xF8)
        return std::nullopt;
    const std::uint32_t blockCode = byteAt(b, 2) >> 4, rateCode = byteAt(b, 2) & 15;
    const std::uint32_t channelCode = byteAt(b, 3) >> 4, bitsCode = byteAt(b, 3) >> 1 & 7;
    if (blockCode == 0 || rateCode == 15 || channelCode >= 11 || bitsCode == 3 ||
        (byteAt(b, 3) & 1))
        return std::nullopt;
    if ((channelCode < 8 ? static_cast<int>(channelCode) + 1 : 2) != info.channels ||
        (bitsCode != 0 && kFlacBits[bitsCode] != info.bits) ||
        (rateCode != 0 && rateCode < 12 && kFlacRates[rateCode] != info.rate))
        return std::nullopt;
    FlacFrame frame;
    frame.offset = offset;
    frame.variable = (byteAt(b, 1) & 1) != 0;
    // The number, coded as UTF-8 is (up to 7 bytes).
    const std::uint32_t lead = byteAt(b, 4);
    int extra = 0;
    if (lead < 0x80)
        frame.number = lead;
    else if (lead >= 0xC0 && lead < 0xFF) {
        while (extra < 6 && (lead << (extra + 2) & 0x80))
            ++extra;
        ++extra;
        frame.number = lead & (0x3F >> extra);
    } else
        return std::nullopt;
    qsizetype at = 5;
    for (int i = 0; i < extra; ++i, ++at) {
        if (at >= b.size() || (byteAt(b, at) & 0xC0) != 0x80)
            return std::nullopt;
        frame.number = frame.number << 6 | (byteAt(b, at) & 0x3F);
    }
    // The sizes written out, then the CRC-8: all within the bytes read.
    const qsizetype written = (blockCode == 6   ? 1
                               : blockCode == 7 ? 2
                                                : 0) +
                              (rateCode == 12   ? 1
                               : rateCode >= 13 ? 2
                                                : 0);
    if (at + written >= b.size())
        return std::nullopt;
    if (blockCode == 1)
        frame.block = 192;
    else if (blockCode <= 5)
        frame.block = std::int64_t{576} << (blockCode - 2);
    else if (blockCode == 6)
        frame.block = byteAt(b, at) + 1, at += 1;
    else if (blockCode == 7)
        frame.block = be16(b, at) + 1, at += 2;
    else
        frame.block = std::int64_t{256} << (blockCode - 8);
    std::int64_t rate = info.rate;
    if (rateCode == 12)
        rate = std::int64_t{byteAt(b, at)} * 1000, at += 1;
    else if (rateCode == 13)
        rate = be16(b, at), at += 2;
    else if (rateCode == 14)
        rate = std::int64_t{be16(b, at)} * 10, at += 2;
    if (rate != info.rate || crc8(b.first(at)) != byteAt(b, at))
        return std::nullopt;
    return frame;
}

// Whether the frame at `offset` is whole: somewhere before `end` its bytes
// end with their CRC-16 (the register is then 0).
bool flacFrameWhole(Reader &file, std::int64_t offset, std::int64_t end, std::int64_t longest)
{
    std::uint16_t crc = 0;
    const std::int64_t last = std::min(end, offset + longest);
    for (std::int64_t at = offset; at < last;) {
        const QByteArrayView view = file.at(at, last - at);
        if (view.isEmpty())
            return false;
        for (qsizetype i = 0; i < view.size(); ++i) {
            crc ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(view[i]) << 8);
            for (int bit = 0; bit < 8; ++bit)
                crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x8005 : crc << 1);
            if (crc == 0 && at + i >= offset + 8)
                return true;
        }
        at += view.size();
    }
    return false;
}

// The offset of the last frame header at or before `before` (and after
// `start`), or -1: candidates are the sync bytes found going backwards.
std::int64_t previousFlacFrame(Reader &file, std::int64_t start, std::int64_t before,
                               const StreamInfo &info)
{
    std::int64_t to = before + 1;  // candidates lie in [start, to)
    while (to > start) {
        if (file.stopped())
            return -1;
        const std::int64_t from = std::max(start, to - (kWindow - 16));
        std::int64_t candidate = -1;
        {
            const QByteArrayView view = file.at(from, to - from + 1, true);
            qsizetype length = std::min<qsizetype>(view.size(), to - from);
            while (length > 0) {
                const void *found = ::memrchr(view.data(), 0xFF, static_cast<std::size_t>(length));
                if (!found)
                    break;
                const qsizetype i = static_cast<const char *>(found) - view.data();
                if (i + 1 < view.size() && (byteAt(view, i + 1) & 0xFE) == 0xF8) {
                    candidate = from + i;
                    break;
                }
                length = i;
            }
        }
        if (candidate < 0) {
            to = from;
            continue;
        }
        if (flacFrameAt(file, candidate, info))
            return candidate;
        to = candidate;
    }
    return -1;
}

std::int64_t firstSample(const FlacFrame &frame, std::int64_t fixedBlock)
{
    return frame.variable ? frame.number : frame.number * fixedBlock;
}

// --- Ogg ------------------------------------------------------------------

struct OggPage {
    std::int64_t offset = 0;
    std::int64_t size = 0;  // header and body
    std::int64_t granule = -1;
    std::uint32_t serial = 0;
    bool first = false;  // the first page of its stream
    qsizetype header = 0;
};

std::uint32_t oggCrc(QByteArrayView page)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t r = i << 24;
            for (int bit = 0; bit < 8; ++bit)
                r = (r & 0x80000000U) ? (r << 1) ^ 0x04C11DB7U : r << 1;
            t[i] = r;
        }
        return t;
    }();
    std::uint32_t crc = 0;
    for (qsizetype i = 0; i < page.size(); ++i) {
        const std::uint32_t byte = (i >= 22 && i < 26) ? 0 : byteAt(page, i);
        crc = (crc << 8) ^ table[((crc >> 24) ^ byte) & 0xFF];
    }
    return crc;
}

// A page at `offset` whose header is sound and that fits in the file; with
// `checked`, its CRC must be right too.
std::optional<OggPage> oggPageAt(Reader &file, std::int64_t offset, bool checked)
{
    const QByteArrayView h = file.at(offset, 27);
    if (h.size() < 27 || !h.startsWith("OggS") || byteAt(h, 4) != 0)
        return std::nullopt;
    OggPage page;
    page.offset = offset;
    page.granule = le64(h, 6);
    page.serial = le32(h, 14);
    page.first = (byteAt(h, 5) & 2) != 0;
    const std::uint32_t segments = byteAt(h, 26);
    const QByteArrayView lacing = file.at(offset + 27, segments);
    if (lacing.size() < static_cast<qsizetype>(segments))
        return std::nullopt;
    page.header = 27 + segments;
    page.size = page.header;
    for (const char c : lacing)
        page.size += static_cast<std::uint8_t>(c);
    if (offset + page.size > file.size())
        return std::nullopt;
    if (checked) {
        const QByteArrayView whole = file.at(offset, page.size);
        if (whole.size() < page.size || oggCrc(whole) != le32(whole, 22))
            return std::nullopt;
    }
    return page;
}

// What a stream's first packet says: its rate and the samples to skip.
struct OggCodec {
    std::int64_t rate = 0;
    std::int64_t preSkip = 0;
    std::int64_t mostPerPacket = 0;
};

std::optional<OggCodec> oggCodec(Reader &file, const OggPage &page)
{
    const QByteArrayView p = file.at(page.offset + page.header, 64);
    OggCodec codec;
    if (p.size() >= 16 && p.startsWith("\x01vorbis")) {
        codec.rate = le32(p, 12);
        codec.mostPerPacket = 8192;
    } else if (p.size() >= 12 && p.startsWith("OpusHead")) {
        codec.rate = 48000;
        codec.preSkip = byteAt(p, 10) | byteAt(p, 11) << 8;
        codec.mostPerPacket = 5760;
    } else if (p.size() >= 40 && p.startsWith("Speex   ")) {
        codec.rate = le32(p, 36);
        codec.mostPerPacket = 65536;
    } else if (p.size() >= 17 + 34 &&
               p.startsWith("\x7F"
                            "FLAC") &&
               p.sliced(9, 4) == "fLaC") {
        codec.rate = streamInfo(p.sliced(17)).rate;
        codec.mostPerPacket = 65536;
    } else {
        return std::nullopt;
    }
    if (codec.rate <= 0)
        return std::nullopt;
    return codec;
}

// The last whole page with a granule position, looked for from the end.
std::optional<OggPage> lastOggPage(Reader &file, std::int64_t start)
{
    std::int64_t to = file.size();
    while (to > start) {
        if (file.stopped())
            return std::nullopt;
        const std::int64_t from = std::max(start, to - (kWindow - 4));
        std::int64_t candidate = -1;
        {
            const QByteArrayView view = file.at(from, to - from + 3, true);
            const qsizetype i = view.first(std::min<qsizetype>(view.size(), to - from + 3))
                                    .lastIndexOf(QByteArrayView("OggS"));
            if (i >= 0 && from + i < to)
                candidate = from + i;
        }
        if (candidate < 0) {
            to = from;
            continue;
        }
        // The page that ends the file is taken as it is (a byte gone bad in
        // its body does not change its granule); one before junk at the end
        // must have its CRC right, so that "OggS" inside a packet is not
        // taken for a page.
        auto page = oggPageAt(file, candidate, false);
        if (page && page->offset + page->size != file.size())
            page = oggPageAt(file, candidate, true);
        if (page && page->granule != -1)
            return page;
        to = candidate;
    }
    return std::nullopt;
}

// The next sound page at or after `offset`, within the longest gap.
std::optional<OggPage> nextOggPage(Reader &file, std::int64_t offset)
{
    if (auto page = oggPageAt(file, offset, false))
        return page;
    const std::int64_t to = std::min(file.size(), offset + kLongestGap);
    for (std::int64_t at = offset + 1; at < to;) {
        const QByteArrayView view = file.at(at, to - at + 3);
        const qsizetype i = view.indexOf(QByteArrayView("OggS"));
        if (i < 0) {
            at += std::max<qsizetype>(1, view.size() - 3);
            continue;
        }
        if (auto page = oggPageAt(file, at + i, true))
            return page;
        at += i + 1;
    }
    return std::nullopt;
}

struct OggStream {
    OggCodec codec;
    std::int64_t granule = -1;
};

std::int64_t streamMilliseconds(const OggStream &s)
{
    return toMilliseconds(s.granule - s.codec.preSkip, s.codec.rate);
}

}  // namespace

// --- the scans ---------------------------------------------------------------

AudioShape audioShape(ScanSource &source)
{
    const std::atomic<bool> never{false};
    Reader file(source, never);
    const std::int64_t start = afterId3v2(file, 0);
    const QByteArrayView head = file.at(start, 12);
    if (head.startsWith("fLaC"))
        return AudioShape::Flac;
    if (head.startsWith("OggS"))
        return AudioShape::Ogg;
    // The marks of the containers TagLib reads.
    static const std::array<QByteArrayView, 8> others{"RIFF", "FORM", "MAC ", "wvpk",
                                                      "MPCK", "MP+",  "TTA1", "\x30\x26\xB2\x75"};
    for (const QByteArrayView mark : others)
        if (head.startsWith(mark))
            return AudioShape::Other;
    if (head.size() >= 8 && head.sliced(4, 4) == "ftyp")
        return AudioShape::Other;
    const std::int64_t end = mpegAudioEnd(file);
    return findRun(file, start, std::min(end, start + kLongestJunk), end, nullptr) >= 0
               ? AudioShape::Mpeg
               : AudioShape::Other;
}

std::int64_t mpegLength(ScanSource &source, const std::atomic<bool> &stop)
{
    Reader file(source, stop);
    const std::int64_t end = mpegAudioEnd(file);
    const std::int64_t start = afterId3v2(file, 0);
    const std::int64_t first =
        findRun(file, start, std::min(end, start + kLongestJunk), end, nullptr);
    if (first < 0)
        return {};
    const MpegHeader h = *frameAt(file, first, nullptr);
    const auto info = infoFrame(file, first, h);
    std::int64_t delay = info ? info->delay : 0;
    std::int64_t padding = info ? info->padding : 0;
    std::int64_t frames = info ? info->frames : 0;
    bool cut = false;
    if (frames > 0) {
        // The fewest bytes a frame of this stream can take: the lowest bit rate.
        const int bitrate = kBitrates[(h.version == 0 ? 0 : 3) + h.layer - 1][1];
        const std::int64_t smallest = frameBytes(h.version, h.layer, bitrate, h.rate, false);
        const std::int64_t available = end - first;
        cut = info->bytes > available || frames > (available - h.length) / smallest;
    }
    if (frames <= 0 || cut) {
        const auto counted = countFrames(file, info ? first + h.length : first, end, h);
        if (!counted)
            return {};
        frames = *counted;
        // Only the start of a file cut short is there: its delay, not its padding.
        padding = cut ? 0 : padding;
        if (!info)
            delay = padding = 0;
    }
    const std::int64_t samples = frames * h.samples - delay - padding;
    return toMilliseconds(samples, h.rate);
}

std::int64_t flacLength(ScanSource &source, const std::atomic<bool> &stop)
{
    Reader file(source, stop);
    std::int64_t at = afterId3v2(file, 0);
    if (!file.startsWith(at, "fLaC"))
        return {};
    at += 4;
    std::optional<StreamInfo> info;
    for (bool last = false; !last;) {
        const QByteArrayView block = file.at(at, 4);
        if (block.size() < 4 || file.stopped())
            return {};
        last = (byteAt(block, 0) & 0x80) != 0;
        const std::int64_t length = be24(block, 1);
        if ((byteAt(block, 0) & 0x7F) == 0 && length >= 34) {
            const QByteArrayView body = file.at(at + 4, 34);
            if (body.size() < 34)
                return {};
            info = streamInfo(body);
        }
        at += 4 + length;
    }
    if (!info || info->rate <= 0 || at >= file.size())
        return {};
    const std::int64_t audio = at;
    std::int64_t end = file.size();
    if (end - 128 >= audio && file.startsWith(end - 128, "TAG"))
        end -= 128;
    // The block size of a stream numbered by frames: all frames but the last
    // have it.
    const std::int64_t fixedBlock = info->maxBlock;
    std::int64_t candidate = end - 1;
    std::optional<FlacFrame> last;
    while (!last) {
        const std::int64_t offset = previousFlacFrame(file, audio, candidate, *info);
        if (offset < 0)
            return {};
        const FlacFrame frame = *flacFrameAt(file, offset, *info);
        if (offset == audio) {
            last = frame;
            break;
        }
        // Taken when the frame before it leads up to it, so that sync-like
        // bytes inside a frame are not taken for its last header.
        const std::int64_t before = previousFlacFrame(file, audio, offset - 1, *info);
        if (before >= 0) {
            const FlacFrame prior = *flacFrameAt(file, before, *info);
            const bool follows = prior.variable == frame.variable &&
                                 (frame.variable ? prior.number + prior.block == frame.number
                                                 : prior.number + 1 == frame.number);
            if (follows)
                last = frame;
        } else if (file.stopped()) {
            return {};
        }
        candidate = offset - 1;
    }
    const std::int64_t longest = info->maxFrame > 0 ? info->maxFrame : std::int64_t{16} << 20;
    const bool whole = flacFrameWhole(file, last->offset, end, longest);
    if (file.stopped())
        return {};
    const std::int64_t begin = firstSample(*last, fixedBlock);
    const std::int64_t held = whole ? begin + last->block : begin;
    // A file whose frames end before its sample count was cut short.
    return toMilliseconds(info->samples > 0 ? std::min(held, info->samples) : held, info->rate);
}

std::int64_t oggLength(ScanSource &source, const std::atomic<bool> &stop)
{
    Reader file(source, stop);
    const std::int64_t start = afterId3v2(file, 0);
    const auto first = oggPageAt(file, start, false);
    if (!first || !first->first)
        return {};
    // The first stream the file carries sound in (a file may begin with
    // other streams' first pages, such as a skeleton or video).
    std::optional<OggCodec> codec;
    std::uint32_t serial = 0;
    for (auto page = first; page && page->first && !codec;
         page = oggPageAt(file, page->offset + page->size, false)) {
        codec = oggCodec(file, *page);
        serial = page->serial;
    }
    if (!codec)
        return {};
    const auto last = lastOggPage(file, start);
    if (!last)
        return {};
    if (last->serial == serial) {
        // At most 255 packets a page, and a page takes at least 28 bytes.
        const std::int64_t most = (file.size() / 28 + 1) * 255 * codec->mostPerPacket;
        if (last->granule < 0 || last->granule > most)
            return {};
        return streamMilliseconds({*codec, last->granule});
    }
    // A chained file: every stream one after the other, each counted.
    std::map<std::uint32_t, OggStream> streams;
    std::int64_t total = 0;
    for (auto page = first; page; page = nextOggPage(file, page->offset + page->size)) {
        if (file.stopped())
            return {};
        if (page->first) {
            if (const auto found = streams.find(page->serial); found != streams.end()) {
                total += streamMilliseconds(found->second);
                streams.erase(found);
            }
            if (const auto c = oggCodec(file, *page))
                streams[page->serial] = {*c, -1};
            continue;
        }
        const auto stream = streams.find(page->serial);
        if (stream == streams.end() || page->granule == -1)
            continue;
        const std::int64_t before = stream->second.granule;
        if (before >= 0 && (page->granule < before ||
                            page->granule - before > 255 * stream->second.codec.mostPerPacket))
            return {};
        stream->second.granule = page->granule;
    }
    if (file.stopped())
        return {};
    for (const auto &[id, stream] : streams)
        total += streamMilliseconds(stream);
    return total;
}

}  // namespace tavelo
