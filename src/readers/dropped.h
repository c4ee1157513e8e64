// SPDX-License-Identifier: MIT
#pragma once

#include "core/foundsong.h"
#include "readers/stopflag.h"

#include <QStringList>

// What a user dropped onto an entry screen, read into song lengths.
namespace tavelo {

// Reads dropped paths in order:
// - a folder: its audio files, one level deep (no subfolders, no playlists),
//   in natural name order ("2" before "10"); a folder without any is unreadable;
// - a playlist (.m3u, .m3u8, .pls, .xspf, the music app's .xml export): its
//   entries in order, each with the length the playlist gives, or else the
//   listed file's own; a broken XML file is named as unreadable after the
//   entries read before the break;
// - a CSV or TSV export (.csv, .tsv): its rows, by the columns its header
//   names; a row without a length (nor a file to read it from) goes to
//   `unreadableItems`, a table without a length column to `withoutLengths`;
//   a file without a header of a table is read as a tracklist;
// - a CUE sheet (.cue): its audio tracks, the files it names found beside it
//   (readers/cuefiles.h); a track whose length cannot be known goes to
//   `unreadableItems`;
// - a file with an audio suffix: its tracks when a sheet beside it is for it
//   (a single-file rip with its .cue), else read as audio. An audio file that
//   a sheet read in the same drop has given already is passed over, and so is
//   a sheet already used for its audio file;
// - any other file: read as a tracklist when its bytes are text (UTF-8,
//   UTF-16 with a byte order mark, or Shift_JIS), otherwise tried as audio.
//   A .txt file is always read as text; a text whose header names a length
//   column and a title or artist column (the music app's text export) is read
//   as a table. Text without any time is unreadable.
// The suffixes of each reader are in readers/suffixes.h (any case). An entry
// of a playlist that names a file giving no song is unreadable by that
// file's name; one without a file goes to `unreadableItems`.
// Once `wanted` songs are found, nothing more is opened: the names of the
// files still to come go to `leftOver`, the entries, rows and tracks of lists
// to `leftOverItems` (a folder of thousands of
// files is listed and sorted, and only read until enough are found). Only
// regular files are opened: FIFOs, devices, sockets, dangling links and link
// loops are unreadable without being opened. Once `stop` is set, nothing more
// is read (a file being read stops inside its scan) and what was found so
// far is returned, to be dropped by the caller. No state is kept between
// calls; safe to run off the GUI thread.
DroppedSongs readDropped(const QStringList &paths, int wanted, const StopFlag &stop = kNeverStop);

}  // namespace tavelo
