// SPDX-License-Identifier: MIT
#pragma once

#include "readers/playlist.h"

#include <QByteArrayView>

class QXmlStreamReader;

// XSPF playlists (XML: <playlist><trackList><track>...).
namespace tavelo {

// Each <track> of the <trackList> in order: its first <location> (a file:
// URL, or a URI relative to `folder`, percent-encoded; other URLs as they
// stand), <title>, <creator> (the artist) and <duration> in milliseconds
// (none or not above 0: the listed file's own length is wanted). Elements are
// matched by their local names, in any namespace. The bytes are XML in
// whatever encoding their declaration names (UTF-8 without one).
PlaylistRead readXspf(QByteArrayView bytes, const QString &folder);

// Makes `xml` refuse what could make a small file large: a document type
// that declares entities (the "billion laughs") is taken as broken, so no
// entity of it is ever expanded. Call for every token; true when the reading
// must stop.
bool refusedXmlToken(QXmlStreamReader &xml);

// The text of the element whose start was just read, up to its end: its own
// text, without that of elements inside it, which are passed over. Qt's
// readElementText recurses into inner elements, so a million of them nested
// would overflow the stack; this does not.
QString xmlElementText(QXmlStreamReader &xml);

}  // namespace tavelo
