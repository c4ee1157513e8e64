// SPDX-License-Identifier: MIT
#include "app/windows.h"

#include "calc/operations.h"
#include "dialogs/totalform.h"
#include "entry/entryscreen.h"
#include "gui/errorbox.h"
#include "mainwindow/taveloform.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>

#include <utility>

namespace tavelo::windows {
namespace {

QHash<QString, QPointer<QWidget>> &registry()
{
    static QHash<QString, QPointer<QWidget>> open;
    return open;
}

MainState &state()
{
    static MainState main;
    return main;
}

EndProgramHandler &endHandler()
{
    static EndProgramHandler handler;
    return handler;
}

// Registers a new window; it is forgotten the moment it starts to close, so
// that showing it again creates a fresh one.
template <typename Window>
Window *enrol(Window *window)
{
    registry().insert(window->objectName(), window);
    QObject::connect(window, &FormWindow::closed,
                     [name = window->objectName()] { registry().remove(name); });
    return window;
}

template <typename Window>
Window *bringForward(Window *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// Carries out what an operation returned, in order. `origin` is the window
// whose button was pressed; error boxes stand over it.
void carryOut(const Outcome &outcome, QWidget *origin)
{
    const QPointer<QWidget> parent(origin);
    for (const Effect &effect : outcome) {
        std::visit(Overloaded{
                       [](const ShowScreen &e) { showScreen(e.screen); },
                       [](const WriteSlot &e) {
                           if (EntryScreen *screen = findScreen(e.screen))
                               screen->setSlot(e.slot, e.time);
                       },
                       [](const UpdateMain &e) {
                           state() = e.state;
                           if (TaveloForm *main = mainWindow())
                               main->render(e.state);
                       },
                       [&parent](const ShowMessage &e) { showErrorBox(parent, e.message); },
                       [](const FocusSlot &e) {
                           if (EntryScreen *screen = findScreen(e.screen))
                               screen->focusSlot(e.slot, e.field);
                       },
                       [](const FocusCapacity &) {
                           if (TaveloForm *main = mainWindow())
                               main->focusCapacity();
                       },
                       [](const FocusDialog &) {
                           if (auto *dialog = qobject_cast<TotalForm *>(find(TotalForm::kName)))
                               dialog->focusMinutes();
                       },
                       [](const CloseScreen &e) {
                           if (EntryScreen *screen = findScreen(e.screen))
                               screen->close();
                       },
                       [](const CloseDialog &) {
                           if (QWidget *dialog = find(TotalForm::kName))
                               dialog->close();
                       },
                   },
                   effect);
    }
}

void onMainButton(MainButton button)
{
    switch (button) {
    case MainButton::Capacity: showTotalForm(); break;
    case MainButton::Entry: showScreen(ScreenId::Entry); break;
    case MainButton::TotalEntry: showScreen(ScreenId::TotalEntry); break;
    case MainButton::Correction:
        carryOut(openCorrection(mainState(), ScreenId::Correction), mainWindow());
        break;
    case MainButton::TotalCorrection:
        carryOut(openCorrection(mainState(), ScreenId::TotalCorrection), mainWindow());
        break;
    case MainButton::Close: endProgram(); break;
    }
}

void onScreenAction(EntryScreen *screen, Action action)
{
    switch (action) {
    case Action::Continue:
        carryOut(continueOnPageTwo(mainState(), screen->id(), screen->texts()), screen);
        break;
    case Action::NextPage: carryOut(correctOnPageTwo(screen->id(), screen->texts()), screen); break;
    case Action::Calculate:
        carryOut(calculate(mainState(), screen->id(), screen->texts()), screen);
        break;
    case Action::Cancel: break;  // the screen closes itself
    }
}

}  // namespace

TaveloForm *openMainWindow()
{
    state() = MainState{};
    auto *main = enrol(new TaveloForm);
    QObject::connect(main, &TaveloForm::buttonPressed, onMainButton);
    // Closing the main window ends the program, as 閉じる does, also while
    // other windows are open.
    QObject::connect(main, &FormWindow::closed, endProgram);
    return bringForward(main);
}

QWidget *find(const QString &name) { return registry().value(name); }

TaveloForm *mainWindow() { return qobject_cast<TaveloForm *>(find(TaveloForm::kName)); }

EntryScreen *findScreen(ScreenId id)
{
    return qobject_cast<EntryScreen *>(find(QString::fromLatin1(screenDescription(id).name)));
}

TotalForm *showTotalForm()
{
    auto *dialog = qobject_cast<TotalForm *>(find(TotalForm::kName));
    if (!dialog) {
        dialog = enrol(new TotalForm);
        QObject::connect(dialog, &TotalForm::okPressed, [dialog] {
            carryOut(acceptCapacity(mainState(), dialog->minutesText()), dialog);
        });
    }
    return bringForward(dialog);
}

EntryScreen *showScreen(ScreenId id)
{
    EntryScreen *screen = findScreen(id);
    if (!screen) {
        screen = enrol(new EntryScreen(id));
        QObject::connect(screen, &EntryScreen::actionRequested,
                         [screen](Action action) { onScreenAction(screen, action); });
    }
    return bringForward(screen);
}

const MainState &mainState()
{
    // The capacity box is the one part of the state the user edits in place.
    if (TaveloForm *main = mainWindow())
        state().capacity = main->capacityText();
    return state();
}

void endProgram()
{
    if (endHandler()) {
        endHandler()();
        return;
    }
    QCoreApplication::exit(0);
}

EndProgramHandler setEndProgramHandler(EndProgramHandler handler)
{
    return std::exchange(endHandler(), std::move(handler));
}

}  // namespace tavelo::windows
