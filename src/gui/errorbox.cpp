// SPDX-License-Identifier: MIT
#include "gui/errorbox.h"

#include <QMessageBox>

#include <utility>

namespace tavelo {
namespace {

ErrorBoxHandler &handler()
{
    static ErrorBoxHandler current;
    return current;
}

}  // namespace

void showErrorBox(QWidget *parent, Message message)
{
    if (handler()) {
        handler()(parent, message);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, errorTitle(), messageText(message), QMessageBox::Ok,
                    parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

ErrorBoxHandler setErrorBoxHandler(ErrorBoxHandler newHandler)
{
    return std::exchange(handler(), std::move(newHandler));
}

}  // namespace tavelo
