// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace tavelo {

// Asks the window manager to show no taskbar or pager entry for a window
// that no other window owns. Call it once the native window exists and before
// it is mapped; Qt keeps these states when it maps the window. Does nothing on
// platforms other than X11.
void keepOffTaskbar(QWidget *window);

}  // namespace tavelo
