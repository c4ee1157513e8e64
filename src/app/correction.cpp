#include "app/correction.h"

#include "app/songtable.h"
#include "app/taveloform.h"
#include "app/windows.h"
#include "entry/conversion.h"
#include "entry/entryscreen.h"

namespace tavelo {

void openCorrectionScreen(ScreenId id)
{
    EntryScreen *screen = windows::showScreen(id);
    const SongTable &songs = windows::mainWindow()->songTable();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        screen->setSlot(slot, songs.minutes(slot), songs.seconds(slot));
        // Texts that are no number (the table starts empty) are copied as
        // they are; the screen's own row check deals with them later.
        const auto minutes = strictNumber(songs.minutes(slot).toStdString());
        const auto seconds = strictNumber(songs.seconds(slot).toStdString());
        if (minutes && seconds && *minutes == 0 && *seconds == 0)
            screen->setSlot(slot, QString(), QString());
    }
}

}  // namespace tavelo
