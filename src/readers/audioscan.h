// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <atomic>
#include <cstdint>
#include <optional>

// Exact lengths of MP3, FLAC and Ogg files, read from the frames and pages
// themselves rather than from what a header promises. Nothing here uses
// TagLib: the audio module runs these scans and asks TagLib for the tags only.
//
// Every scan reads a file forward or backward through a small window, never
// the whole file at once, checks the stop flag between windows, and ends
// where the frames end: zeros and junk after the audio are no frames, so a
// file of a minute of frames and gigabytes of zeros costs a minute of frames.
namespace tavelo {

// The bytes of a file (or of a test's buffer), read a window at a time.
class ScanSource {
public:
    virtual ~ScanSource() = default;
    virtual std::int64_t size() const = 0;
    // Up to `length` bytes from `offset` into `to`; the number read (fewer at
    // the end of the file, 0 on an error).
    virtual std::int64_t readAt(std::int64_t offset, char *to, std::int64_t length) = 0;
};

// A source over bytes in memory.
class MemorySource : public ScanSource {
public:
    explicit MemorySource(QByteArray bytes) : bytes_(std::move(bytes)) {}
    std::int64_t size() const override { return bytes_.size(); }
    std::int64_t readAt(std::int64_t offset, char *to, std::int64_t length) override;

private:
    QByteArray bytes_;
};

// A source over an open file descriptor (read with pread; not owned).
class DescriptorSource : public ScanSource {
public:
    DescriptorSource(int fd, std::int64_t size) : fd_(fd), size_(size) {}
    std::int64_t size() const override { return size_; }
    std::int64_t readAt(std::int64_t offset, char *to, std::int64_t length) override;

private:
    int fd_;
    std::int64_t size_;
};

// The container a file's first bytes show, after any ID3v2 tags before them.
enum class AudioShape {
    Mpeg,   // MPEG audio frames (MP3, MP2)
    Flac,   // "fLaC"
    Ogg,    // "OggS"
    Other,  // anything else: left to TagLib
};

// The shape of a file: FLAC or Ogg by their marks, MPEG when a run of frames
// starts within the first megabyte after any ID3v2 tags and no other
// container's mark (RIFF, AIFF, MP4, ASF, APE, WavPack, Musepack, TrueAudio)
// is at the start, as decoders probe; whatever its name says.
AudioShape audioShape(ScanSource &source);

// The scans, each for one shape: the length in milliseconds, or 0 when none
// can be known or reading was stopped.
//
// MPEG: the first frame is the start of a run of frame headers that follow
// each other (same version, layer and rate, each where the one before ends),
// looked for after any number of ID3v2 tags and up to a megabyte of junk;
// a single sync-like pair of bytes is not taken. A Xing/Info or VBRI header
// in that frame gives the number of frames, and the LAME tag after an
// Xing/Info header the encoder delay and padding, which are taken off as
// decoders do. That frame count is trusted unless the bytes contradict it
// (fewer bytes than the header's byte count, or than its frames could take
// at the smallest bit rate): then, as without such a header, the frames are
// walked and counted until they stop (a gap of more than 64 KiB without a
// run of frames, the end, or a tag at the end). A file cut short therefore
// reads as the frames it holds.
std::int64_t mpegLength(ScanSource &source, const std::atomic<bool> &stop);

// FLAC: STREAMINFO's sample count, checked against the last frame's header
// (found from the end, its CRC-8 right, its number following the frame
// before it): a file whose frames end before that count (cut short) reads as
// what its whole frames hold, one whose count is 0 ("unknown", as encoders
// writing to a pipe leave it) as its frames; no frame found, no length.
std::int64_t flacLength(ScanSource &source, const std::atomic<bool> &stop);

// Ogg (Vorbis, Opus, Speex, FLAC): the last page's granule position over the
// stream's rate (less Opus's pre-skip). When the last page belongs to
// another stream than the first (a chained file), every page is walked and
// each stream's length is added. Granules that go backwards, or claim more
// samples than the pages could carry, give no length.
std::int64_t oggLength(ScanSource &source, const std::atomic<bool> &stop);

}  // namespace tavelo
