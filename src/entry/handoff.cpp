#include "entry/handoff.h"

#include "app/songtable.h"
#include "app/taveloform.h"
#include "app/windows.h"
#include "entry/entryscreen.h"
#include "entry/rowreport.h"

namespace tavelo {
void continueOnPageTwo(EntryScreen &source, QPushButton *pressed)
{
    EntryScreen *target = windows::showScreen(pageTwoOf(source.description()));
    SongTable &songs = windows::mainWindow()->songTable();
    for (int slot = 0; slot < kRowsPerPage; ++slot) {
        target->setSlot(slot, source.minuteText(slot), source.secondText(slot));
        if (source.isBlankRow(slot)) {
            // A half-empty row goes on as 0:00; the page-1 boxes keep what
            // the user typed, and the row passes.
            target->setZeroRow(slot);
            songs.setZero(slot);
            continue;
        }
        if (!checkScreenRow(source, slot, pressed))
            return;
    }
    source.close();
}

void correctOnPageTwo(EntryScreen &source, QPushButton *pressed)
{
    EntryScreen *target = windows::showScreen(pageTwoOf(source.description()));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        target->setSlot(slot, source.minuteText(slot), source.secondText(slot));
        // Blank rows show "0" on the correction screen; page 2 keeps the copy.
        if (source.isBlankRow(slot))
            source.setZeroRow(slot);
        if (!checkScreenRow(source, slot, pressed))
            return;
    }
    source.close();
}

}  // namespace tavelo
