// SPDX-License-Identifier: MIT
// Printing the index card: a module of its own that the program loads the
// first time 印刷… is pressed (see printmodule.h), so that starting the
// program maps nothing of Qt's print support.
#include "sides/printmodule.h"

#include "plan/card.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

// The entry point the program looks up in the module, of the type
// printmodule.h declares.
extern "C" Q_DECL_EXPORT tavelo::PrintResult
tavelo_printCard(QWidget *parent, QSizeF page, const tavelo::CardLayoutFor &layoutFor,
                 const tavelo::PrintDialogHandler &handler, tavelo::PrintModule::Painter *paint)
{
    using tavelo::PrintResult;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::translate("Card", "インデックスカード"));
    printer.setPageSize(QPageSize(page, QPageSize::Millimeter));
    // The painter's origin is the paper's corner, and nothing is scaled.
    printer.setFullPage(true);
    bool accepted = false;
    if (handler) {
        accepted = handler(printer);
    } else {
        QPrintDialog dialog(&printer, parent);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted)
        return PrintResult::Cancelled;
    // The paper chosen in the dialog, as it is turned: the card is laid out
    // again for it.
    const tavelo::CardLayout layout =
        layoutFor(printer.pageLayout().fullRect(QPageLayout::Millimeter).size());
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::Failed;
    paint(painter, layout, printer.resolution() / 25.4);
    return painter.end() ? PrintResult::Printed : PrintResult::Failed;
}
