// SPDX-License-Identifier: MIT
#include "dialogs/totalform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavelo {

TotalForm::TotalForm()
    : FormWindow(kName, QStringLiteral("片面タベロ可能時間"), QSize(339, 106), Frame::Tool)
{
    setBackgroundColour(QColor(0xFF, 0xFF, 0x00));
    QLabel *label1 =
        addLabel(QStringLiteral("Label1"), QStringLiteral("録音可能時間を入力してください"),
                 twipsRect(480, 120, 3975, 255));
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text1_ = addLineEdit(QStringLiteral("Text1"), twipsRect(1800, 600, 615, 270));
    QLabel *label2 =
        addLabel(QStringLiteral("Label2"), QStringLiteral("分"), twipsRect(2640, 600, 255, 255));
    auto *ok = addButton(QStringLiteral("Command1"), QStringLiteral("OK"),
                         twipsRect(960, 1080, 1335, 375));
    auto *cancel = addButton(QStringLiteral("Command2"), QStringLiteral("キャンセル"),
                             twipsRect(2640, 1080, 1335, 375));

    for (QLabel *label : {label1, label2}) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
        label->setPalette(pal);
    }
    label1->setBuddy(text1_);
    text1_->setAccessibleName(QStringLiteral("録音可能時間（分）"));
    setTabOrder(text1_, ok);
    setTabOrder(ok, cancel);
    setDefaultButton(ok);
    setCancelButton(cancel);

    connect(ok, &QPushButton::clicked, this, &TotalForm::okPressed);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    text1_->setFocus();
}

QString TotalForm::minutesText() const { return text1_->text(); }

void TotalForm::focusMinutes() { focusBox(text1_); }

}  // namespace tavelo
