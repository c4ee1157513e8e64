// SPDX-License-Identifier: MIT
#pragma once

#include "core/foundsong.h"
#include "readers/stopflag.h"

#include <QString>

#include <optional>

// Audio files: their length, measured from the frames where the format
// allows, and their title and artist read with TagLib. Both run in a module
// loaded at the first call (taglibmodule.h).
namespace tavelo {

// The length, title and artist of an audio file, told by its content (its
// name's suffix is a hint TagLib uses first). The length is the decoded one,
// to the millisecond: MP3, FLAC and Ogg files are measured from their frames
// and pages (readers/audioscan.h), so that encoder delay and padding, junk
// and repeated ID3v2 tags before the first frame, a FLAC without a sample
// count, chained Ogg streams and files cut short all read as a player plays
// them; other formats give the length TagLib reads from their header. No
// value when the length cannot be known: the path names no regular file,
// the file is empty or no audio read here, its length is 0, the header of
// a format TagLib measures claims more than a second of sound per byte of
// the file (no frame of those formats holds that much), reading was
// stopped, or the module cannot be loaded. The path is checked before it is
// opened and opened without waiting, so a FIFO or a device is never read.
// Tags that claim Latin-1 (ID3v1, ID3v2, RIFF INFO) are read as Shift_JIS
// when their bytes are valid Shift_JIS and not plain ASCII; a WAV's title
// comes from its ID3v2 tag, else from its INFO list. Safe to call from any
// thread.
std::optional<FoundSong> readAudioFile(const QString &path, const StopFlag &stop = kNeverStop);

}  // namespace tavelo
