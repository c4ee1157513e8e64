// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QStringView>

#include <optional>

// Which reader a dropped file goes to, told by the suffix of its name.
namespace tavelo {

enum class FileReader {
    Audio,     // an audio file, read with TagLib (readers/audiofile.h)
    Playlist,  // an M3U or M3U8 playlist (readers/playlist.h)
    Text,      // a tracklist and nothing else: never tried as audio (or the
               // music app's text export, told by its header)
    Pls,       // a PLS playlist (readers/pls.h)
    Xspf,      // an XSPF playlist (readers/xspf.h)
    Xml,       // the music app's XML export, or else an XSPF (readers/musicxml.h)
    Table,     // a CSV or TSV export (readers/csvexport.h)
    Cue,       // a CUE sheet (readers/cue.h)
};

// The reader of a file name or path by the suffix after the last dot of its
// name, in any case ("TRACK.MP3" is audio). Audio: MP3, MP2, FLAC, Ogg
// Vorbis, Opus, Speex, WAV, AIFF, MP4/M4A/AAC, WMA/ASF, APE, Musepack,
// WavPack, TrueAudio; playlists: .m3u, .m3u8, .pls, .xspf, .xml; tables:
// .csv, .tsv; CUE sheets: .cue; text: .txt. No value for any
// other name: such a file is read as a tracklist when its bytes are text,
// otherwise tried as audio.
std::optional<FileReader> readerFor(QStringView fileName);

// The suffixes a reader takes, lower case, without the dot, in the order of
// the table (for audio: MP3 first, then MP2, FLAC, Ogg...).
QStringList suffixesOf(FileReader reader);

}  // namespace tavelo
