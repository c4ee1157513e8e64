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
// - an .m3u or .m3u8 playlist: its entries in order, each with the length its
//   #EXTINF gives, or else the listed file's own;
// - a file with an audio suffix: read as audio (the suffixes of each reader
//   are in readers/suffixes.h; any case);
// - any other file: read as a tracklist when its bytes are text (UTF-8,
//   UTF-16 with a byte order mark, or Shift_JIS), otherwise tried as audio.
//   A .txt file is always read as text. Text without any time is unreadable.
// Once `wanted` songs are found, nothing more is opened: the names of the
// files and entries still to come go to `leftOver` (a folder of thousands of
// files is listed and sorted, and only read until enough are found). Only
// regular files are opened: FIFOs, devices, sockets, dangling links and link
// loops are unreadable without being opened. Once `stop` is set, nothing more
// is read (a file being read stops inside its scan) and what was found so
// far is returned, to be dropped by the caller. No state is kept between
// calls; safe to run off the GUI thread.
DroppedSongs readDropped(const QStringList &paths, int wanted, const StopFlag &stop = kNeverStop);

}  // namespace tavelo
