// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// Telling text from other bytes, and the two encodings Japanese text files
// come in: UTF-8 and Shift_JIS.
namespace tavelo {

// How bytes are told to be text, where the readers differ.
struct TextRules {
    // UTF-16 with a byte order mark is text too.
    bool utf16 = true;
    // Control characters other than tab, line feed, carriage return, form
    // feed and vertical tab make the bytes no text.
    bool refuseControls = true;
    // Bytes that are neither UTF-8 nor Shift_JIS are still read, as UTF-8 with
    // U+FFFD where they break, instead of giving no text.
    bool replaceBroken = false;
};

// A file dropped as a tracklist: UTF-8, UTF-16 with a byte order mark or
// Shift_JIS, without control characters, else no text file at all.
inline constexpr TextRules kTextFile{};
// A playlist: UTF-8 or Shift_JIS only; whatever else its bytes are becomes
// U+FFFD and names no file.
inline constexpr TextRules kPlaylistText{false, false, true};
// An exported table or a CUE sheet: UTF-8, UTF-16 with a byte order mark or
// Shift_JIS, else no text; what the text holds is for the reader to judge.
inline constexpr TextRules kListText{true, false, false};
// A tag that names no encoding (a WAV's RIFF INFO): UTF-8 or Shift_JIS,
// control characters kept; what is neither is for the caller to read as
// Latin-1.
inline constexpr TextRules kTagText{false, false, false};

// Bytes that must be Latin-1 by their label but may be Shift_JIS written by
// older Japanese tools: Shift_JIS (as decodeText reads it) when the bytes are
// not plain ASCII and are valid Shift_JIS, otherwise Latin-1.
QString decodeLatin1OrShiftJis(QByteArrayView bytes);

// The bytes as text: UTF-8 (a byte order mark is skipped), UTF-16 with a byte
// order mark (when the rules take it), or else Shift_JIS: single bytes
// 0x00-0x7F and the half-width katakana 0xA1-0xDF, and pairs of a lead byte
// of the JIS X 0208 rows (0x81-0x9F, 0xE0-0xEF) and a trail byte 0x40-0x7E or
// 0x80-0xFC, decoded by Qt without error. The vendor rows (lead 0xF0-0xFC) are
// refused, so that Latin-1 text with ö or ü is not taken for Shift_JIS. No
// value when the bytes are none of these (unless the rules replace what
// breaks), or hold control characters the rules refuse: then they are no text.
std::optional<QString> decodeText(QByteArrayView bytes, TextRules rules);

}  // namespace tavelo
