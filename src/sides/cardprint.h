// SPDX-License-Identifier: MIT
#pragma once

#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace tavelo {

struct CardLayout;

// Paints a card laid out in millimetres onto a device whose origin is the
// paper's top left corner, at `dotsPerMm` device units to the millimetre.
void paintCard(QPainter &painter, const CardLayout &layout, double dotsPerMm);

// Writes the card as a one-page PDF at real size, the Japanese font embedded.
// False when the file cannot be written (nothing is left half written then).
bool writeCardPdf(const QString &path, const CardLayout &layout);

enum class PrintResult { Printed, Cancelled, Failed };

// The card laid out on a paper of this size (mm, as the printer turns it).
using CardLayoutFor = std::function<CardLayout(QSizeF page)>;

// Prints the card through the platform's print dialog, at 100 %: the card is
// placed in millimetres from the paper's corner, never scaled to the page.
// The dialog opens on `page` (mm); the card is laid out for the paper chosen
// there once it closes, so that it stands centred on any paper.
// Printing is a module loaded the first time (see printmodule.h), so that
// starting the program maps nothing of Qt's print support; without it the
// card cannot be printed (Failed), and can still be saved as a PDF.
PrintResult printCard(QWidget *parent, QSizeF page, const CardLayoutFor &layoutFor);

// Tests answer in place of the print dialog: the handler gets the printer
// set up for the card and returns whether to print. An empty handler brings
// the dialog back. Returns the old one.
using PrintDialogHandler = std::function<bool(QPrinter &printer)>;
PrintDialogHandler setPrintDialogHandler(PrintDialogHandler handler);

}  // namespace tavelo
