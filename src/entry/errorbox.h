#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tavelo {

// Shows the modal error box: title "エラー", the text, an OK button, no icon.
// Returns once the user has closed it.
void showErrorBox(QWidget *parent, const QString &text);

// Shows the error box, then puts the keyboard focus on `focusTarget` (and
// brings its window to the front).
void reportError(QWidget *parent, const char *text, QWidget *focusTarget);

// Tests replace the box with a handler that records the message instead of
// blocking; an empty handler brings the real box back. Returns the old one.
using ErrorBoxHandler = std::function<void(QWidget *parent, const QString &text)>;
ErrorBoxHandler setErrorBoxHandler(ErrorBoxHandler handler);

}  // namespace tavelo
