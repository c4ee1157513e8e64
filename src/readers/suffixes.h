// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

#include <optional>

// Which reader a dropped file goes to, told by the suffix of its name.
namespace tavelo {

enum class FileReader {
    Audio,     // an audio file, read with TagLib (readers/audiofile.h)
    Playlist,  // an M3U or M3U8 playlist (readers/playlist.h)
    Text,      // a tracklist and nothing else: never tried as audio
};

// The reader of a file name or path by the suffix after the last dot of its
// name, in any case ("TRACK.MP3" is audio). Audio: MP3, MP2, FLAC, Ogg
// Vorbis, Opus, Speex, WAV, AIFF, MP4/M4A/AAC, WMA/ASF, APE, Musepack,
// WavPack, TrueAudio; playlists: .m3u, .m3u8; text: .txt. No value for any
// other name: such a file is read as a tracklist when its bytes are text,
// otherwise tried as audio.
std::optional<FileReader> readerFor(QStringView fileName);

}  // namespace tavelo
