// SPDX-License-Identifier: MIT
#pragma once

#include "readers/playlist.h"

#include <QByteArrayView>

// The XML playlist and library exports of the music app: a property list
// whose "Tracks" dictionary holds each track by its ID, and whose "Playlists"
// array holds the playlists, each with its "Playlist Items".
namespace tavelo {

// The tracks in the order of the first playlist that has items (an exported
// playlist has just one), else in the order of "Tracks": "Name" is the
// title, "Artist" the artist, "Total Time" the length in milliseconds,
// "Location" a file:// URL (file://localhost/ too), resolved as an M3U entry
// is. Items naming no track are passed over. Broken: not well-formed, no
// property list at the root, nesting beyond reason, or entities declared.
PlaylistRead readMusicXml(QByteArrayView bytes, const QString &folder);

}  // namespace tavelo
