// SPDX-License-Identifier: MIT
#pragma once

#include "calc/outcome.h"
#include "core/foundsong.h"

#include <optional>

// Song times dropped or pasted onto an entry screen, written into its rows,
// and every note a screen shows about them.
namespace tavelo {

// Writes one song per row into the 15 rows the screen shows (never into the
// hidden carry slots), from `row` downwards: the slot under the drop point or
// the focused row. Without a row (a drop outside the rows, or a slot the
// screen does not show) the songs start at the first shown row whose boxes are
// both empty. Each song becomes one WriteSlot, in slot order, with its length
// rounded to whole seconds (halves up; a length of 0 writes "0" and "0", as a
// tracklist may list it) and its title cleaned (cleanTitle). Then, when
// anything could not be read (`unreadable`: files are left out there by the
// readers; tables without a length column; rows, tracks and entries of
// lists), did not fit below the start row, or was left unread because
// enough had been found (`leftOver`), one ShowNote says how many and which,
// a line for each: files and entries, rows of a table, tracks of a CUE sheet,
// what did not fit. A song is named by its title (with its artist), or by its
// length as its row would show it; a row, track or entry without a name by
// its list and its place there; every name is cut to 40 characters. A drop
// that found nothing at all gets a note saying so. Nothing else is emitted;
// the boxes are checked only when a button is pressed.
Outcome placeSongs(ScreenId screen, const Slots &texts, std::optional<int> row,
                   const DroppedSongs &found);

// Songs read from an audio CD, placed as placeSongs places them; a CD that
// gave none for a `trouble` gets one ShowNote saying why, and nothing else.
Outcome placeCdSongs(ScreenId screen, const Slots &texts, std::optional<int> row, CdTrouble trouble,
                     const DroppedSongs &found);

// A drop, or a CD asked for, while what came before is still being read:
// one ShowNote asking to try again when that is done.
Outcome dropWhileReading(ScreenId screen);
Outcome cdWhileReading(ScreenId screen);

}  // namespace tavelo
