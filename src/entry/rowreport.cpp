#include "entry/rowreport.h"

#include "entry/entryscreen.h"
#include "entry/errorbox.h"
#include "entry/messages.h"

#include <QLineEdit>
#include <QPushButton>

namespace tavelo {

void reportRowFault(EntryScreen &screen, int slot, RowFault fault, const char *text,
                    QPushButton *pressed)
{
    QWidget *box = fault == RowFault::Minutes ? screen.minuteBox(slot) : screen.secondBox(slot);
    reportError(&screen, text, box ? box : static_cast<QWidget *>(pressed));
}

bool checkScreenRow(EntryScreen &screen, int slot, QPushButton *pressed)
{
    const RowFault fault = checkRow(screen.minuteText(slot).toStdString(),
                                    screen.secondText(slot).toStdString());
    if (fault == RowFault::None)
        return true;
    reportRowFault(screen, slot, fault,
                   fault == RowFault::Minutes ? message::kBadMinutes : message::kBadSeconds, pressed);
    return false;
}

}  // namespace tavelo
