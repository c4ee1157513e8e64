// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace tavelo {

// A short note beside a place on the screen, like a tooltip that does not go
// when the pointer moves or another window becomes active: it takes no focus
// and blocks nothing, and goes after ten seconds or on a click. A window has
// at most one; a new note replaces the one it shows. The note is a child of
// `owner` named "Note" and goes with it.
void showNote(QWidget *owner, QPoint globalPos, const QString &text);

}  // namespace tavelo
