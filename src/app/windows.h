// SPDX-License-Identifier: MIT
#pragma once

#include "core/model.h"

#include <QString>

#include <functional>

class QWidget;

namespace tavelo {

class EntryScreen;
class TaveloForm;
class TotalForm;

// The running program: every window exists at most once; the registry
// creates a window the first time it is shown, wires its buttons to their
// operations, brings it to the front while it is open, and forgets it when it
// closes (closing destroys it). The main window shows the one main state.
namespace windows {

// Starts the program: the start state and the main window, shown. Closing
// the main window ends the program.
TaveloForm *openMainWindow();

// The open window of that name, or nullptr.
QWidget *find(const QString &name);
TaveloForm *mainWindow();
EntryScreen *findScreen(ScreenId id);

// Shows a window: creates it when it is not open, otherwise brings it to the
// front unchanged.
TotalForm *showTotalForm();
EntryScreen *showScreen(ScreenId id);

// What the main window shows, its capacity box as the user left it.
const MainState &mainState();

// Ends the program at once, whatever is open. Tests replace it to observe it.
void endProgram();
using EndProgramHandler = std::function<void()>;
EndProgramHandler setEndProgramHandler(EndProgramHandler handler);

}  // namespace windows
}  // namespace tavelo
