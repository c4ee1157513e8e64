// SPDX-License-Identifier: MIT
#pragma once

#include "readers/playlist.h"

#include <QStringView>

#include <vector>

// PLS playlists ("[playlist]" with FileN=, TitleN=, LengthN=).
namespace tavelo {

// The entries in the order of their numbers (not of their lines): FileN is
// resolved as an M3U entry is, LengthN is seconds (-1 or none: the listed
// file's own length is wanted), TitleN "Artist - Title" or a title. Keys in
// any case; lines outside the [playlist] section (when the text has one) and
// other keys are passed over. An entry without a file is kept only when it
// has a length or a title. Whether `text` is a PLS at all: see isPls.
std::vector<PlaylistEntry> readPls(QStringView text, const QString &folder);

// Whether the first line that is not blank is "[playlist]", in any case.
bool isPls(QStringView text);

}  // namespace tavelo
