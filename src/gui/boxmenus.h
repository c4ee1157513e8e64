// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QLineEdit;
class QMenu;
class QPoint;

namespace tavelo {

// Shows a box's standard context menu (undo, cut, copy, paste…) with the
// program's own entries added below it by `addEntries`.
void showBoxMenu(QLineEdit *box, const QPoint &pos, const std::function<void(QMenu *)> &addEntries);

// The capacity boxes offer the common cassettes in their context menu:
// choosing one types the minutes of one side into the box, as if typed, and
// nothing is calculated until the user asks.
void offerTapeLengths(QLineEdit *box);

// The menu's text for a cassette, such as "C46（片面23分）".
QString tapeLengthEntry(const char *name, int sideMinutes);

}  // namespace tavelo
