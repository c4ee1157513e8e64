// SPDX-License-Identifier: MIT
#include "app/program.h"

#include "calc/operations.h"
#include "calc/placesongs.h"
#include "core/listtext.h"
#include "dialogs/capacitydialog.h"
#include "entry/entryscreen.h"
#include "gui/errorbox.h"
#include "gui/filechooser.h"
#include "mainwindow/mainwindow.h"
#include "readers/dropped.h"
#include "readers/tracklist.h"
#include "sides/sideswindow.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <memory>

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

std::optional<int> rowOf(int slot) { return slot >= 0 ? std::optional<int>(slot) : std::nullopt; }

// Readings at the same time; one more gets the note that a reading is under
// way (dropWhileReading, or cdWhileReading for a CD).
constexpr std::size_t kMostReadings = 4;

// How long ending the program waits for the readings it stopped: each looks
// at its flag at least every 128 KiB it reads, so they end within
// milliseconds.
constexpr int kEndWait = 500;

}  // namespace

Program::Program()
    : dropReader_([](const QStringList &paths, int wanted, const StopFlag &stop) {
        return readDropped(paths, wanted, stop);
    })
{
}

Program::~Program()
{
    closeAll();
    stopReadings(kEndWait);
}

bool Program::stopReadings(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    bool allEnded = true;
    for (Reading &reading : readings_) {
        reading.stop->store(true);
        // The end of a reading is never handled now: its thread goes here,
        // or, when it has not ended in time, deletes itself once it has.
        QObject::disconnect(reading.thread, &QThread::finished, this, nullptr);
        if (reading.thread->wait(deadline)) {
            delete reading.thread;
        } else {
            allEnded = false;
            connect(reading.thread, &QThread::finished, reading.thread, &QObject::deleteLater);
            if (reading.thread->isFinished())  // it ended just now, before the connection
                reading.thread->deleteLater();
        }
    }
    readings_.clear();
    return allEnded;
}

void Program::stopReadingsFor(const EntryScreen *screen)
{
    for (Reading &reading : readings_)
        if (reading.screen == screen || !reading.screen)
            reading.stop->store(true);
}

MainWindow *Program::start()
{
    closeAll();
    auto *main = new MainWindow;
    main_ = main;
    connect(this, &Program::stateChanged, main, &MainWindow::render);
    connect(main, &MainWindow::buttonPressed, this, &Program::onMainButton);
    // The capacity box is the one part of the state the user edits in place;
    // each change of it goes through the state to every view, as any other.
    connect(main, &MainWindow::capacityEdited, this,
            [this](const QString &text) { carryOut(editCapacity(state_, text), main_); });
    // Closing the main window ends the program, as 閉じる does, also while
    // other windows are open.
    connect(main, &FormWindow::closed, this, &Program::endProgram);
    connect(main, &MainWindow::listCopyRequested, this, &Program::copyList);
    connect(main, &MainWindow::listSaveRequested, this, &Program::saveList);
    connect(main, &MainWindow::sidesRequested, this, &Program::showSidesWindow);
    setState(MainState{});
    return bringForward(main);
}

MainWindow *Program::mainWindow() const { return main_; }

CapacityDialog *Program::capacityDialog() const { return capacityDialog_; }

EntryScreen *Program::screen(ScreenId id) const { return screens_.at(indexOf(id)); }

SidesWindow *Program::sidesWindow() const { return sides_; }

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
    QPointer<EntryScreen> &entry = screens_.at(indexOf(id));
    if (!entry) {
        auto *created = new EntryScreen(id);
        forgetOnClose(this, created, entry);
        // What is read for a screen that closes is never placed: stop it.
        connect(created, &FormWindow::closed, this, [this, created] { stopReadingsFor(created); });
        connect(created, &EntryScreen::actionRequested, this,
                [this, created](Action action) { onScreenAction(created, action); });
        connect(created, &EntryScreen::filesDropped, this,
                [this, created](const QStringList &paths, int slot) {
                    onFilesDropped(created, paths, slot);
                });
        connect(created, &EntryScreen::tracklistPasted, this,
                [this, created](const QString &text, int slot) {
                    onTracklistPasted(created, text, slot);
                });
        connect(created, &EntryScreen::cdRequested, this, [this, created](int slot) {
            readDisc(created, CdRequest{}, slot, cdWhileReading);
        });
        connect(created, &EntryScreen::discDropped, this,
                [this, created](const QStringList &urls, int slot) {
                    if (const auto request = cdRequest(urls))
                        readDisc(created, *request, slot, dropWhileReading);
                });
    }
    return bringForward(entry.data());
}

SidesWindow *Program::showSidesWindow()
{
    if (!sides_) {
        auto *window = new SidesWindow;
        forgetOnClose(this, window, sides_);
        window->setState(state_);
        connect(this, &Program::stateChanged, window, &SidesWindow::setState);
    }
    return bringForward(sides_.data());
}

void Program::closeAll()
{
    for (Reading &reading : readings_)
        reading.stop->store(true);
    delete sides_.data();
    for (QPointer<EntryScreen> &open : screens_)
        delete open.data();
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
                [&](const ShowNote &e) {
                    withScreen(e.screen, [&](EntryScreen *s) { s->showNote(e.text); });
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

void Program::onFilesDropped(EntryScreen *screen, const QStringList &paths, int slot)
{
    if (readings_.size() >= kMostReadings) {
        carryOut(dropWhileReading(screen->id()), screen);
        return;
    }
    // Only what fits on the screen is read: a folder of thousands of files
    // is listed, not read whole.
    readInBackground(screen, slot, false,
                     [read = dropReader_, paths](const StopFlag &stop) -> Placing {
                         const DroppedSongs found = read(paths, kRowsPerPage, stop);
                         return [found](ScreenId id, const Slots &texts, std::optional<int> row) {
                             return placeSongs(id, texts, row, found);
                         };
                     });
}

void Program::readDisc(EntryScreen *screen, const CdRequest &request, int slot,
                       Outcome (*whileReading)(ScreenId))
{
    // One disc at a time: a second reading of the drive would only repeat
    // the first.
    const bool discRead =
        std::any_of(readings_.begin(), readings_.end(), [](const Reading &r) { return r.disc; });
    if (discRead || readings_.size() >= kMostReadings) {
        carryOut(whileReading(screen->id()), screen);
        return;
    }
    readInBackground(
        screen, slot, true, [opener = cdDrives_, request](const StopFlag &) -> Placing {
            const std::unique_ptr<CdDrive> drive = opener ? opener(request.drive) : nullptr;
            CdSongs found;
            if (drive)
                found = readCd(*drive, request);
            else
                found.trouble = CdTrouble::NoDrive;
            return [found](ScreenId id, const Slots &texts, std::optional<int> row) {
                return placeCdSongs(id, texts, row, found.trouble,
                                    {found.songs, found.unreadable, {}});
            };
        });
}

void Program::readInBackground(EntryScreen *screen, int slot, bool disc,
                               std::function<Placing(const StopFlag &)> read)
{
    auto placing = std::make_shared<Placing>();
    auto stop = std::make_shared<StopFlag>(false);
    QThread *thread =
        QThread::create([read = std::move(read), placing, stop] { *placing = read(*stop); });
    const QPointer<EntryScreen> target(screen);
    const std::uint64_t id = ++lastReading_;
    readings_.push_back({id, thread, stop, target, disc});
    connect(thread, &QThread::finished, this, [this, id, target, slot, placing, stop] {
        // A reading stopped and let go meanwhile is no longer listed.
        const auto reading = std::find_if(readings_.begin(), readings_.end(),
                                          [id](const Reading &r) { return r.id == id; });
        if (reading == readings_.end())
            return;
        reading->thread->deleteLater();
        readings_.erase(reading);
        // A screen closed meanwhile takes nothing; a fresh one opened since
        // is another screen.
        if (target && !stop->load() && *placing)
            carryOut((*placing)(target->id(), target->texts(), rowOf(slot)), target);
    });
    thread->start();
}

void Program::onTracklistPasted(EntryScreen *screen, const QString &text, int slot)
{
    carryOut(placeSongs(screen->id(), screen->texts(), rowOf(slot), {readTracklist(text), {}, {}}),
             screen);
}

void Program::copyList() { QGuiApplication::clipboard()->setText(listText(state_)); }

void Program::saveList()
{
    const QString path =
        chooseSaveFile(main_, QCoreApplication::translate("Program", "一覧をテキストに保存"),
                       QCoreApplication::translate("Program", "テープの曲目.txt"),
                       QCoreApplication::translate("Program", "テキスト (*.txt)"));
    if (path.isEmpty())
        return;
    const QByteArray text = listText(state_).toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        showErrorBox(main_, Message::SaveFailed);
}

void Program::endProgram()
{
    if (endHandler_)
        endHandler_();
    else
        QCoreApplication::exit(0);
}

}  // namespace tavelo
