// SPDX-License-Identifier: MIT
#pragma once

#include "gui/formwindow.h"

class QLineEdit;

namespace tavelo {

// The tape capacity dialog: asks for the recordable minutes of one tape side.
// OK hands the typed text on; キャンセル, Esc and the close box close it.
class CapacityDialog : public FormWindow {
    Q_OBJECT
public:
    CapacityDialog();

    QString minutesText() const;
    void focusMinutes();

signals:
    void okPressed();

private:
    QLineEdit *minutesBox_;
};

}  // namespace tavelo
