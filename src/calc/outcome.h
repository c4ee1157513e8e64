// SPDX-License-Identifier: MIT
#pragma once

#include "core/messages.h"
#include "core/model.h"

#include <variant>
#include <vector>

// What a button press must do, in order. The order is part of the behaviour:
// each slot is copied before it is checked, the first failing row stops
// everything after it and nothing done before it is undone, and a negative
// remaining time stands in the main window while its message is shown.
namespace tavelo {

// Shows an entry screen: creates it empty, or brings the open one to the front.
struct ShowScreen {
    ScreenId screen;
};
// Writes both texts of one slot of an open screen (a row or a carry slot).
struct WriteSlot {
    ScreenId screen;
    int slot;
    SongTime time;
};
// The main window's whole lasting state from now on.
struct UpdateMain {
    MainState state;
};
// The modal error box; the effects after it wait until it is closed.
struct ShowMessage {
    Message message;
};
// The keyboard focus into one box of a screen, its window brought to the front.
struct FocusSlot {
    ScreenId screen;
    int slot;
    Field field;
};
// The keyboard focus into the main window's capacity box.
struct FocusCapacity {};
// The keyboard focus into the capacity dialog's box.
struct FocusDialog {};
// Closes (and so empties) an entry screen.
struct CloseScreen {
    ScreenId screen;
};
// Closes the capacity dialog.
struct CloseDialog {};
// A note over a screen that does not wait for the user (no modal box): what
// a drop or paste of song times could not read or could not place.
struct ShowNote {
    ScreenId screen;
    QString text;
};

using Effect = std::variant<ShowScreen, WriteSlot, UpdateMain, ShowMessage, FocusSlot,
                            FocusCapacity, FocusDialog, CloseScreen, CloseDialog, ShowNote>;
using Outcome = std::vector<Effect>;

}  // namespace tavelo
