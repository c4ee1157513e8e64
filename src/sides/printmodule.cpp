// SPDX-License-Identifier: MIT
// Printing the index card: a module of its own that the program loads the
// first time 印刷… is pressed (see core/modules.h), so that starting the
// program maps nothing of Qt's print support.
#include "core/card.h"
#include "sides/cardprint.h"

#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

// The entry point the program looks up in the module. The dialog handler
// and the painting come from the program, so that the module holds no state
// of its own; the result is a PrintResult.
extern "C" Q_DECL_EXPORT int tavelo_printCard(QWidget *parent, const tavelo::CardLayout &layout,
                                              const tavelo::PrintDialogHandler &handler,
                                              tavelo::CardPainter paint)
{
    using tavelo::PrintResult;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("インデックスカード"));
    printer.setPageSize(QPageSize(layout.page, QPageSize::Millimeter));
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
        return static_cast<int>(PrintResult::Cancelled);
    QPainter painter;
    if (!painter.begin(&printer))
        return static_cast<int>(PrintResult::Failed);
    paint(painter, layout, printer.resolution() / 25.4);
    return static_cast<int>(painter.end() ? PrintResult::Printed : PrintResult::Failed);
}
