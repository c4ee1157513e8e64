#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace tavelo {

class EntryScreen;
class TaveloForm;
class TotalForm;
enum class ScreenId;

// Every window of the program exists at most once. The registry creates a
// window the first time it is shown, brings it to the front while it is open,
// and forgets it when it closes (closing destroys it).
namespace windows {

// The open window of that name, or nullptr.
QWidget *find(const QString &name);

// Shows the named window: creates it with `create` when it is not open,
// otherwise brings it to the front unchanged.
QWidget *show(const QString &name, const std::function<QWidget *()> &create);

// Called by a window that is closing.
void forget(QWidget *window);

// The main window; created and shown on first use.
TaveloForm *mainWindow();

TotalForm *showTotalForm();
EntryScreen *showScreen(ScreenId id);
EntryScreen *findScreen(ScreenId id);

// Ends the program at once, whatever is open. Tests replace it to observe it.
void endProgram();
using EndProgramHandler = std::function<void()>;
EndProgramHandler setEndProgramHandler(EndProgramHandler handler);

}  // namespace windows
}  // namespace tavelo
