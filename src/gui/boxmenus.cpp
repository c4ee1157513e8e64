// SPDX-License-Identifier: MIT
#include "gui/boxmenus.h"

#include "core/tapes.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>

#include <memory>

namespace tavelo {

void showBoxMenu(QLineEdit *box, const QPoint &pos, const std::function<void(QMenu *)> &addEntries)
{
    const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    menu->addSeparator();
    addEntries(menu.get());
    menu->exec(box->mapToGlobal(pos));
}

QString tapeLengthEntry(const char *name, int sideMinutes)
{
    return QCoreApplication::translate("Menus", "%1（片面%2分）")
        .arg(QLatin1String(name), QString::number(sideMinutes));
}

void offerTapeLengths(QLineEdit *box)
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box](const QPoint &pos) {
        showBoxMenu(box, pos, [box](QMenu *menu) {
            QMenu *tapes = menu->addMenu(QCoreApplication::translate("Menus", "テープの長さ"));
            for (const TapeLength &tape : kTapeLengths) {
                QObject::connect(tapes->addAction(tapeLengthEntry(tape.name, tape.sideMinutes)),
                                 &QAction::triggered, box, [box, minutes = tape.sideMinutes] {
                                     // Typed over the whole text, so that undo brings it back.
                                     box->selectAll();
                                     box->insert(QString::number(minutes));
                                     box->setFocus(Qt::OtherFocusReason);
                                 });
            }
        });
    });
}

}  // namespace tavelo
