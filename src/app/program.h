// SPDX-License-Identifier: MIT
#pragma once

#include "calc/outcome.h"
#include "core/model.h"
#include "entry/screentable.h"
#include "readers/cddrive.h"
#include "readers/dropped.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QThread;
class QWidget;

namespace tavelo {

class CapacityDialog;
class EntryScreen;
class MainWindow;
class SidesWindow;
enum class MainButton;

// The running program: the main state and the nine windows. Every window
// exists at most once: it is created the first time it is shown, brought to
// the front while it is open, and forgotten when it closes (closing destroys
// it). Each button is wired to its operation, and what the operation returns
// is carried out here, in order. The views follow the state through
// stateChanged.
class Program : public QObject {
    Q_OBJECT
public:
    Program();
    ~Program() override;

    // Shows the main window in the start state. Closing it, or 閉じる, ends
    // the program.
    MainWindow *start();

    const MainState &state() const { return state_; }

    // The open windows, or null.
    MainWindow *mainWindow() const;
    CapacityDialog *capacityDialog() const;
    EntryScreen *screen(ScreenId id) const;
    SidesWindow *sidesWindow() const;

    // Creates the window when it is not open, otherwise brings it to the
    // front unchanged.
    CapacityDialog *showCapacityDialog();
    EntryScreen *showScreen(ScreenId id);
    // The A面・B面 window follows the state; it never changes it.
    SidesWindow *showSidesWindow();

    // Destroys every window at once, the main window last, without ending
    // the program. Readings under way are stopped: their screens are gone.
    void closeAll();

    // True while files dropped on a screen, or a CD, are being read.
    bool isReading() const { return !readings_.empty(); }

    // Stops every reading under way and waits for them, up to `milliseconds`
    // in all. True when none is left running: a reading stuck where it
    // cannot look at its stop flag (a hung disk) is left to end on its own.
    bool stopReadings(int milliseconds);

    // What reads a drop on a thread of its own: readDropped, unless a test
    // sets its own to read slowly.
    using DropReader = std::function<DroppedSongs(const QStringList &, int, const StopFlag &)>;
    void setDropReader(DropReader reader) { dropReader_ = std::move(reader); }

    // What opens a CD drive; by default the kernel's drives. Tests set a
    // drive of their own.
    void setCdDriveOpener(CdDriveOpener opener) { cdDrives_ = std::move(opener); }

    // What ending the program does; by default the event loop stops. Tests
    // set their own to observe it.
    void setEndHandler(std::function<void()> handler) { endHandler_ = std::move(handler); }

signals:
    void stateChanged(const tavelo::MainState &state);

private:
    void setState(const MainState &state);
    void carryOut(const Outcome &outcome, QWidget *origin);
    void onMainButton(MainButton button);
    void onScreenAction(EntryScreen *screen, Action action);
    void onFilesDropped(EntryScreen *screen, const QStringList &paths, int slot);
    void onTracklistPasted(EntryScreen *screen, const QString &text, int slot);
    // Reads an audio CD for a screen: the disc, or the tracks of `request`.
    // While another reading is under way, `whileReading` gives the note.
    void readDisc(EntryScreen *screen, const CdRequest &request, int slot,
                  Outcome (*whileReading)(ScreenId));
    // What a reading found, made into effects once it is done, for the
    // screen as it is then: its id, its texts and the row to start at.
    using Placing = std::function<Outcome(ScreenId, const Slots &, std::optional<int>)>;
    // Runs `read` on a thread of its own and carries out what it gives on
    // the screen, unless the screen is closed, or the reading stopped, by
    // then. `read` looks at the flag it is given to stop early.
    // `disc`: it reads a CD.
    void readInBackground(EntryScreen *screen, int slot, bool disc,
                          std::function<Placing(const StopFlag &)> read);
    void stopReadingsFor(const EntryScreen *screen);
    void copyList();
    void saveList();
    void endProgram();

    MainState state_;
    QPointer<MainWindow> main_;
    QPointer<CapacityDialog> capacityDialog_;
    std::array<QPointer<EntryScreen>, std::size(kAllScreens)> screens_;
    QPointer<SidesWindow> sides_;
    std::function<void()> endHandler_;
    CdDriveOpener cdDrives_ = openCdDrive;
    DropReader dropReader_;
    // Each drop, and each CD, is read on a thread of its own, so that a drop
    // never waits for the one before; each is placed when it is read.
    struct Reading {
        std::uint64_t id = 0;
        QThread *thread = nullptr;
        std::shared_ptr<StopFlag> stop;
        QPointer<EntryScreen> screen;
        bool disc = false;
    };
    std::vector<Reading> readings_;
    std::uint64_t lastReading_ = 0;
};

}  // namespace tavelo
