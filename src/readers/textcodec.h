// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// Telling text from other bytes, and the two encodings Japanese text files
// come in: UTF-8 and Shift_JIS.
namespace tavelo {

bool isAscii(QByteArrayView bytes);

// Bytes that Shift_JIS can hold: single bytes 0x00-0x7F and the half-width
// katakana 0xA1-0xDF, and pairs of a lead byte of the JIS X 0208 rows
// (0x81-0x9F, 0xE0-0xEF) and a trail byte 0x40-0x7E or 0x80-0xFC, decoded by
// Qt without error. The vendor rows (lead 0xF0-0xFC) are refused, so that
// Latin-1 text with ö or ü is not taken for Shift_JIS.
std::optional<QString> decodeShiftJis(QByteArrayView bytes);

// Bytes that must be Latin-1 by their label but may be Shift_JIS written by
// older Japanese tools: Shift_JIS when the bytes are not plain ASCII and are
// valid Shift_JIS, otherwise Latin-1.
QString decodeLatin1OrShiftJis(QByteArrayView bytes);

// The bytes as text: UTF-8 (a byte order mark is skipped), UTF-16 with a byte
// order mark, or else Shift_JIS. No value when they are none of these, or
// hold control characters other than tab, line feed, carriage return, form
// feed and vertical tab: then they are no text file.
std::optional<QString> decodeText(QByteArrayView bytes);

}  // namespace tavelo
