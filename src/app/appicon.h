#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures the windows carry: the window icon shared by every window and
// the main window's background picture. Both need a QGuiApplication.
namespace tavelo {

// Two beamed eighth notes and a sharp on a five-line staff. Holds the
// hand-drawn 16 and 32 pixel versions and smooth painted ones at 48, 64,
// 128 and 256 pixels. Built on the first call; later calls return the same icon.
QIcon appIcon();

// The lattice of pink and pale green diamonds outlined in thin orange-red
// lines that fills the main window behind its labels, drawn for a screen of
// the given device pixel ratio so that its lines stay sharp at any ratio.
QPixmap latticePicture(QSize size, qreal ratio);

} // namespace tavelo
