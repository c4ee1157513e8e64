// SPDX-License-Identifier: MIT
#pragma once

#include "core/messages.h"

#include <functional>

class QWidget;

namespace tavelo {

// Shows the modal error box: title "エラー", the message, an OK button, no
// icon. Returns once the user has closed it.
void showErrorBox(QWidget *parent, Message message);

// Tests replace the box with a handler that records the message instead of
// blocking; an empty handler brings the real box back. Returns the old one.
using ErrorBoxHandler = std::function<void(QWidget *parent, Message message)>;
ErrorBoxHandler setErrorBoxHandler(ErrorBoxHandler handler);

}  // namespace tavelo
