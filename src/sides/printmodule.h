// SPDX-License-Identifier: MIT
#pragma once

#include "sides/cardprint.h"

class QPainter;
class QWidget;

// The module tavelo_print (printmodule.cpp): the printing of the index card
// with Qt's print support. cardprint.cpp looks its entry function up through
// moduleEntry<PrintModule>() (modules/loader.h).
namespace tavelo {

struct PrintModule {
    static constexpr const char *file = "tavelo_print";
    static constexpr const char *entry = "tavelo_printCard";
    // Sets a printer up for the card, asks the handler (or the print dialog
    // when there is none) and paints the card with `paint`. The handler and
    // the painting (paintCard) come from the program, so that the module holds no state
    // of its own.
    using Painter = void(QPainter &painter, const CardLayout &layout, double dotsPerMm);
    using Entry = PrintResult(QWidget *parent, const CardLayout &layout,
                              const PrintDialogHandler &handler, Painter *paint);
};

}  // namespace tavelo

extern "C" tavelo::PrintModule::Entry tavelo_printCard;
