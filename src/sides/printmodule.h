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
    // Sets a printer up for a card on `page` (mm), asks the handler (or the
    // print dialog when there is none), lays the card out for the paper
    // chosen with `layoutFor` and paints it with `paint`. The handler, the
    // layout and the painting (paintCard) come from the program, so that the
    // module holds no state of its own.
    using Painter = void(QPainter &painter, const CardLayout &layout, double dotsPerMm);
    using Entry = PrintResult(QWidget *parent, QSizeF page, const CardLayoutFor &layoutFor,
                              const PrintDialogHandler &handler, Painter *paint);
};

}  // namespace tavelo

extern "C" tavelo::PrintModule::Entry tavelo_printCard;
