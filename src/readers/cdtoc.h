// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// An audio CD's table of contents and its CD-TEXT, read from the bytes a
// drive gives. Nothing here touches a drive: the bytes come from one (see
// readers/cddrive.h) or from a test.
namespace tavelo {

// A CD holds 75 frames a second; a frame is one sector.
inline constexpr std::int64_t kFramesPerSecond = 75;
// On a disc with a data session after the audio one (an "enhanced" CD), the
// last audio track ends this many frames before the data track starts: the
// first session's lead-out (6,750), the second one's lead-in (4,500) and the
// data track's pregap (150).
inline constexpr std::int32_t kSessionGapFrames = 11400;
// No disc is longer than 100 minutes (of 75 frames a second); a table beyond
// that is no table.
inline constexpr std::int32_t kLastFrame = 100 * 60 * 75;

// The table of contents as a drive answers READ TOC in its first format: two
// bytes of length (big-endian, the bytes after them), the first and the last
// track number, then eight bytes a track: reserved, ADR and control (the
// control in the low four bits, 0x04 for a data track), the track number
// (0xAA for the lead-out), reserved, and the start as a logical block address
// (LBA, big-endian; LBA 0 is the time 00:02:00 on the disc).
struct CdToc {
    QByteArray table;
    // Where the last session starts (LBA of its first track); the start of
    // the first track for a disc of one session; none when the drive could
    // not say.
    std::optional<std::int32_t> lastSession;
    bool operator==(const CdToc &) const = default;
};

struct CdTrack {
    int number = 0;
    std::int64_t milliseconds = 0;
    bool operator==(const CdTrack &) const = default;
};

// The audio tracks of a table in order, each as long as a player plays it:
// from its start to the next track's start or the lead-out. Data tracks are
// left out; the audio track before a data track that opens a later session
// ends kSessionGapFrames before it, and when the drive could not say where
// the last session starts, a data track that comes last after audio is
// taken for such a session, as it always is on enhanced CDs. Audio before
// track 1's start (a hidden first track) belongs to no track and is not
// counted. No value when the bytes are no table: short or cut, track
// numbers outside 1 to 99 or out of order, a track missing, no lead-out,
// starts that do not rise or lie beyond 100 minutes. A table without any
// audio track gives an empty list.
std::optional<std::vector<CdTrack>> audioTracks(const CdToc &toc);

// The titles and performers of a disc's CD-TEXT: index 0 is the album,
// 1 to 99 its tracks; empty where the disc has none.
struct CdText {
    std::array<QString, 100> titles;
    std::array<QString, 100> performers;
    bool operator==(const CdText &) const = default;
};

// Decodes the CD-TEXT as a drive answers READ TOC in its CD-TEXT format: a
// four-byte header (two bytes of length, two reserved) and packs of 18 bytes:
// the pack type (0x80 titles, 0x81 performers, 0x8F the block's size
// information with its character code and language), the track number,
// a sequence number, the block number and character position, twelve bytes
// of text and a CRC. The text of a pack type is one run of strings, each
// ended by a NUL (two NULs in double-byte text), one for each track in
// turn; a tab (two in double-byte text) repeats the track before. Packs
// whose CRC is wrong are left out, and so is what they held: a string is
// only taken whole (where every CRC is zero, the drive left them out, and
// the packs are taken as they are). Of the eight blocks (languages) the
// Japanese one is taken where there is one, else the first; its text is
// ISO-8859-1 or ASCII, or MS-JIS (Shift_JIS); a block in another character
// set gives no text. Whatever the bytes, this ends and gives some CdText.
CdText decodeCdText(QByteArrayView bytes);

// The CRC of a CD-TEXT pack: CRC-16 with the polynomial x^16 + x^12 + x^5 + 1
// over its first 16 bytes, every bit inverted (stored big-endian in the
// last two bytes).
std::uint16_t cdTextCrc(QByteArrayView pack);

}  // namespace tavelo
