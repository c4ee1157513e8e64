// SPDX-License-Identifier: MIT
#pragma once

#include "core/foundsong.h"

#include <QString>

#include <optional>

// Audio files read with TagLib: their length, title and artist. TagLib is
// in a module loaded at the first call (taglibmodule.h).
namespace tavelo {

// The length, title and artist of an audio file, told by its content (not by
// its name). No value when the path names no regular file, the file is empty
// or no audio TagLib can read, it reads as 0 ms, or it claims more time
// than its bytes could hold at a kilobit a second (a corrupt header), and
// when the module cannot be loaded. The path is checked
// before it is opened and opened without waiting, so a FIFO or a device is
// never read. For an MP3 without a Xing or VBRI header the frames are counted
// (TagLib would guess from the first frame's bit rate). Tags that claim
// Latin-1 are read as Shift_JIS when their bytes are valid Shift_JIS and not
// plain ASCII. Safe to call from any thread.
std::optional<FoundSong> readAudioFile(const QString &path);

}  // namespace tavelo
