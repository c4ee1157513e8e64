// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace tavelo {

// Asks the window manager to show no taskbar or pager entry for a window
// that no other window owns. Call it once the native window exists and before
// it is mapped; Qt keeps these states when it maps the window. Does nothing on
// platforms other than X11.
void keepOffTaskbar(QWidget *window);

// The borders the window manager will put around a window, in device
// pixels, known before the window is mapped, so that it can be placed once,
// frame included, and never moved. Asked of the window manager where it answers
// _NET_REQUEST_FRAME_EXTENTS (openbox, mutter, kwin and xfwm4 do); otherwise
// taken from another window of ours that it has framed already. Nothing on
// platforms other than X11, or when neither way tells. Call it once the
// native window exists and before it is mapped.
std::optional<QMargins> deviceFrameBeforeMap(QWidget *window);

}  // namespace tavelo
