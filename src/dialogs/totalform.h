#pragma once

#include "app/formwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavelo {

// The tape capacity dialog: asks for the recordable minutes of one tape side.
class TotalForm : public FormWindow {
    Q_OBJECT
public:
    static inline const QString kName = QStringLiteral("TotalForm");

    TotalForm();

    QLabel *label1, *label2;
    QLineEdit *text1;
    QPushButton *command1, *command2;

private:
    void accept();
};

}  // namespace tavelo
