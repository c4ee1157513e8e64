#include "entry/errorbox.h"

#include "entry/messages.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace tavelo {
namespace {

ErrorBoxHandler &handler()
{
    static ErrorBoxHandler current;
    return current;
}

}  // namespace

void showErrorBox(QWidget *parent, const QString &text)
{
    if (handler()) {
        handler()(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(message::kTitle), text,
                    QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void reportError(QWidget *parent, const char *text, QWidget *focusTarget)
{
    // The box runs its own event loop; the target may be gone afterwards.
    QPointer<QWidget> target(focusTarget);
    showErrorBox(parent, QString::fromUtf8(text));
    if (target) {
        target->window()->raise();
        target->window()->activateWindow();
        target->setFocus(Qt::OtherFocusReason);
    }
}

ErrorBoxHandler setErrorBoxHandler(ErrorBoxHandler newHandler)
{
    return std::exchange(handler(), std::move(newHandler));
}

}  // namespace tavelo
