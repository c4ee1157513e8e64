// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures the windows carry. Both need a QGuiApplication.
namespace tavelo {

// The window icon shared by every window: two beamed eighth notes and a sharp
// on a five-line staff, from 16 to 64 pixels, read from the files built into
// the program.
QIcon appIcon();

// The lattice of pink and pale green diamonds outlined in thin orange-red
// lines that fills the main window behind its labels, drawn for a screen of
// the given device pixel ratio so that its lines stay sharp at any ratio.
QPixmap latticePicture(QSize size, qreal ratio);

}  // namespace tavelo
