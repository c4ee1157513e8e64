// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace tavelo {

// The Qt platform plugin to ask for, from the values of QT_QPA_PLATFORM,
// WAYLAND_DISPLAY and DISPLAY (empty when unset, as Qt reads them); empty to
// leave the choice to Qt. In a Wayland session that also offers X11
// (Xwayland), the program runs on X11: there the window manager keeps the
// secondary windows off the taskbar, centres every window and brings a
// window forward when a refused entry puts the focus into it, which Wayland
// leaves to the compositor. A platform the user names always wins, and with
// Wayland alone the program runs on Wayland.
QByteArray chosenPlatform(const QByteArray &qtPlatform, const QByteArray &waylandDisplay,
                          const QByteArray &display);

// Puts that choice into QT_QPA_PLATFORM. Call it before the QApplication
// exists.
void choosePlatform();

}  // namespace tavelo
