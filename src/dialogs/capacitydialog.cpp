// SPDX-License-Identifier: MIT
#include "dialogs/capacitydialog.h"

#include "gui/boxmenus.h"
#include "gui/labelfit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavelo {

CapacityDialog::CapacityDialog()
    : FormWindow(QStringLiteral("TotalForm"), tr("片面タベロ可能時間"), QSize(339, 106),
                 Frame::Tool)
{
    setBackgroundColour(QColor(0xFF, 0xFF, 0x00));
    QLabel *prompt = addLabel(QStringLiteral("Label1"), tr("録音可能時間を入力してください"),
                              twipsRect(480, 120, 3975, 255));
    prompt->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    minutesBox_ = addLineEdit(QStringLiteral("Text1"), twipsRect(1800, 600, 615, 270));
    QLabel *unit = addLabel(QStringLiteral("Label2"), tr("分"), twipsRect(2640, 600, 255, 255));
    auto *ok = addButton(QStringLiteral("Command1"), tr("OK"), twipsRect(960, 1080, 1335, 375));
    auto *cancel =
        addButton(QStringLiteral("Command2"), tr("キャンセル"), twipsRect(2640, 1080, 1335, 375));

    for (QLabel *label : {prompt, unit}) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
        label->setPalette(pal);
    }
    fitToBox(unit);
    prompt->setBuddy(minutesBox_);
    offerTapeLengths(minutesBox_);
    minutesBox_->setAccessibleName(tr("録音可能時間（分）"));
    setTabOrder(minutesBox_, ok);
    setTabOrder(ok, cancel);
    setDefaultButton(ok);
    setCancelButton(cancel);

    connect(ok, &QPushButton::clicked, this, &CapacityDialog::okPressed);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    minutesBox_->setFocus();
}

QString CapacityDialog::minutesText() const { return minutesBox_->text(); }

void CapacityDialog::focusMinutes() { focusBox(minutesBox_); }

}  // namespace tavelo
