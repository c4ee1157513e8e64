// SPDX-License-Identifier: MIT
#include "app/program.h"

#include "calc/operations.h"
#include "dialogs/capacitydialog.h"
#include "entry/entryscreen.h"
#include "gui/errorbox.h"
#include "mainwindow/mainwindow.h"

#include <QCoreApplication>

namespace tavelo {
namespace {

template <typename Window>
Window *bringForward(Window *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// A window is forgotten the moment it starts to close, so that showing it
// again creates a fresh one even before the closed one is deleted.
template <typename Window>
void forgetOnClose(Program *program, Window *window, QPointer<Window> &slot)
{
    slot = window;
    QObject::connect(window, &FormWindow::closed, program, [&slot] { slot = nullptr; });
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

std::size_t indexOf(ScreenId id) { return static_cast<std::size_t>(id); }

}  // namespace

Program::Program() = default;

Program::~Program() { closeAll(); }

MainWindow *Program::start()
{
    closeAll();
    state_ = MainState{};
    auto *main = new MainWindow;
    main_ = main;
    connect(this, &Program::stateChanged, main, &MainWindow::render);
    connect(main, &MainWindow::buttonPressed, this, &Program::onMainButton);
    // The capacity box is the one part of the state the user edits in place.
    connect(main, &MainWindow::capacityEdited, this,
            [this](const QString &text) { state_.capacity = text; });
    // Closing the main window ends the program, as 閉じる does, also while
    // other windows are open.
    connect(main, &FormWindow::closed, this, &Program::endProgram);
    main->render(state_);
    return bringForward(main);
}

MainWindow *Program::mainWindow() const { return main_; }

CapacityDialog *Program::capacityDialog() const { return capacityDialog_; }

EntryScreen *Program::screen(ScreenId id) const { return screens_.at(indexOf(id)); }

CapacityDialog *Program::showCapacityDialog()
{
    if (!capacityDialog_) {
        auto *dialog = new CapacityDialog;
        forgetOnClose(this, dialog, capacityDialog_);
        connect(dialog, &CapacityDialog::okPressed, this, [this, dialog] {
            carryOut(acceptCapacity(state_, dialog->minutesText()), dialog);
        });
    }
    return bringForward(capacityDialog_.data());
}

EntryScreen *Program::showScreen(ScreenId id)
{
    QPointer<EntryScreen> &slot = screens_.at(indexOf(id));
    if (!slot) {
        auto *screen = new EntryScreen(id);
        forgetOnClose(this, screen, slot);
        connect(screen, &EntryScreen::actionRequested, this,
                [this, screen](Action action) { onScreenAction(screen, action); });
    }
    return bringForward(slot.data());
}

void Program::closeAll()
{
    for (QPointer<EntryScreen> &screen : screens_)
        delete screen.data();
    delete capacityDialog_.data();
    delete main_.data();
}

void Program::setState(const MainState &state)
{
    state_ = state;
    emit stateChanged(state_);
}

// Carries out what an operation returned, in order. `origin` is the window
// whose button was pressed; error boxes stand over it.
void Program::carryOut(const Outcome &outcome, QWidget *origin)
{
    const QPointer<QWidget> parent(origin);
    const auto withScreen = [this](ScreenId id, auto action) {
        if (EntryScreen *open = screen(id))
            action(open);
    };
    for (const Effect &effect : outcome) {
        std::visit(
            Overloaded{
                [this](const ShowScreen &e) { showScreen(e.screen); },
                [&](const WriteSlot &e) {
                    withScreen(e.screen, [&](EntryScreen *s) { s->setSlot(e.slot, e.time); });
                },
                [this](const UpdateMain &e) { setState(e.state); },
                [&parent](const ShowMessage &e) { showErrorBox(parent, e.message); },
                [&](const FocusSlot &e) {
                    withScreen(e.screen, [&](EntryScreen *s) { s->focusSlot(e.slot, e.field); });
                },
                [this](const FocusCapacity &) {
                    if (main_)
                        main_->focusCapacity();
                },
                [this](const FocusDialog &) {
                    if (capacityDialog_)
                        capacityDialog_->focusMinutes();
                },
                [&](const CloseScreen &e) {
                    withScreen(e.screen, [](EntryScreen *s) { s->close(); });
                },
                [this](const CloseDialog &) {
                    if (capacityDialog_)
                        capacityDialog_->close();
                },
            },
            effect);
    }
}

void Program::onMainButton(MainButton button)
{
    switch (button) {
    case MainButton::Capacity: showCapacityDialog(); break;
    case MainButton::Entry: showScreen(ScreenId::Entry); break;
    case MainButton::TotalEntry: showScreen(ScreenId::TotalEntry); break;
    case MainButton::Correction:
        carryOut(openCorrection(state_, ScreenId::Correction), main_);
        break;
    case MainButton::TotalCorrection:
        carryOut(openCorrection(state_, ScreenId::TotalCorrection), main_);
        break;
    case MainButton::Close: endProgram(); break;
    }
}

void Program::onScreenAction(EntryScreen *screen, Action action)
{
    const ScreenId id = screen->id();
    switch (action) {
    case Action::Continue: carryOut(continueOnPageTwo(state_, id, screen->texts()), screen); break;
    case Action::NextPage: carryOut(correctOnPageTwo(id, screen->texts()), screen); break;
    case Action::Calculate: carryOut(calculate(state_, id, screen->texts()), screen); break;
    case Action::Cancel: break;  // the screen closes itself
    }
}

void Program::endProgram()
{
    if (endHandler_)
        endHandler_();
    else
        QCoreApplication::exit(0);
}

}  // namespace tavelo
