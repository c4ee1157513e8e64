#include "dialogs/totalform.h"

#include "app/taveloform.h"
#include "app/windows.h"
#include "entry/conversion.h"
#include "entry/errorbox.h"
#include "entry/messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavelo {

TotalForm::TotalForm()
    : FormWindow(kName, QStringLiteral("片面タベロ可能時間"), QSize(339, 106), Frame::Tool)
{
    setBackgroundColour(QColor(0xFF, 0xFF, 0x00));
    label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("録音可能時間を入力してください"),
                      twipsRect(480, 120, 3975, 255));
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text1 = addLineEdit(QStringLiteral("Text1"), twipsRect(1800, 600, 615, 270));
    label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("分"), twipsRect(2640, 600, 255, 255));
    command1 = addButton(QStringLiteral("Command1"), QStringLiteral("OK"), twipsRect(960, 1080, 1335, 375));
    command2 = addButton(QStringLiteral("Command2"), QStringLiteral("キャンセル"), twipsRect(2640, 1080, 1335, 375));

    for (QLabel *label : {label1, label2}) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
        label->setPalette(pal);
    }
    label1->setBuddy(text1);
    text1->setAccessibleName(QStringLiteral("録音可能時間（分）"));
    setTabOrder(text1, command1);
    setTabOrder(command1, command2);
    setDefaultButton(command1);
    setCancelButton(command2);

    connect(command1, &QPushButton::clicked, this, &TotalForm::accept);
    connect(command2, &QPushButton::clicked, this, &QWidget::close);
    text1->setFocus();
}

void TotalForm::accept()
{
    // Text that is no number is refused like a negative value.
    const auto minutes = strictNumber(text1->text().toStdString());
    if (!minutes || *minutes < 0) {
        reportError(this, message::kBadMinutes, text1);
        return;
    }
    windows::mainWindow()->acceptCapacity(text1->text());
    close();
}

}  // namespace tavelo
