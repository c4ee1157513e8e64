#pragma once

#include "entry/rowcheck.h"

class QPushButton;

namespace tavelo {

class EntryScreen;

// Checks slot k of the screen and, when it fails, shows the row's message and
// moves the focus to the failing box. A carry slot has no box the user can
// see, so there the focus goes back to the button that was pressed instead.
// Returns true when the row passed.
bool checkScreenRow(EntryScreen &screen, int slot, QPushButton *pressed);

// Shows `text` for slot k and moves the focus to its minute or second box
// (or to the pressed button for a carry slot).
void reportRowFault(EntryScreen &screen, int slot, RowFault fault, const char *text,
                    QPushButton *pressed);

}  // namespace tavelo
