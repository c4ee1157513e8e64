#include "app/taveloform.h"

#include "app/appicon.h"
#include "app/correction.h"
#include "app/windows.h"
#include "entry/screentable.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace tavelo {

TaveloForm::TaveloForm()
    : FormWindow(kName, QStringLiteral("タベロサポータVer2.85"), QSize(479, 282), Frame::Main)
{
    buildControls();
    connectButtons();
    total->setFocus();
}

void TaveloForm::buildControls()
{
    total = addButton(QStringLiteral("Total"), QStringLiteral("録音可能時間入力"), twipsRect(720, 3240, 1935, 375));
    nyuryoku = addButton(QStringLiteral("Nyuryoku"), QStringLiteral("録音時間入力"), twipsRect(2880, 3240, 1575, 375));
    teisei = addButton(QStringLiteral("Teisei"), QStringLiteral("訂正"), twipsRect(4680, 3240, 1455, 375));
    goukei = addButton(QStringLiteral("Goukei"), QStringLiteral("収録時間の合計を入力"), twipsRect(720, 3720, 1935, 375));
    goteisei = addButton(QStringLiteral("Goteisei"), QStringLiteral("合計の訂正"), twipsRect(2880, 3720, 1575, 375));
    command3 = addButton(QStringLiteral("Command3"), QStringLiteral("閉じる"), twipsRect(4680, 3720, 1455, 375));
    nyuryoku->setEnabled(false);
    teisei->setEnabled(false);
    goteisei->setEnabled(false);
    setCancelButton(command3);

    label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("テープの片面の録音時間は"), twipsRect(1800, 360, 2175, 255));
    totaltxt = addLineEdit(QStringLiteral("Totaltxt"), twipsRect(4080, 360, 375, 270));
    label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("分です。"), twipsRect(4560, 360, 735, 255));
    label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("これまで録音した曲数とテープの時間"), twipsRect(2040, 840, 2895, 255));

    list1 = new QListWidget(this);
    list1->setObjectName(QStringLiteral("List1"));
    list1->setGeometry(twipsRect(2880, 1320, 1215, 1140));
    list1->setSortingEnabled(false);
    list1->setSelectionMode(QAbstractItemView::SingleSelection);
    list1->setAccessibleName(label3->text());

    nokori = addLabel(QStringLiteral("Nokori"), QStringLiteral("テープの残り時間は"), twipsRect(1680, 2760, 1695, 255));
    gokei = addLabel(QStringLiteral("Gokei"), QStringLiteral("収録時間の合計は"), twipsRect(1800, 2760, 1575, 255));
    gokei->hide();
    text3 = addLineEdit(QStringLiteral("Text3"), twipsRect(3360, 2760, 375, 270));
    label5 = addLabel(QStringLiteral("Label5"), QStringLiteral("分"), twipsRect(3960, 2760, 255, 255));
    text4 = addLineEdit(QStringLiteral("Text4"), twipsRect(4320, 2760, 375, 270));
    label6 = addLabel(QStringLiteral("Label6"), QStringLiteral("秒です。"), twipsRect(4800, 2760, 735, 255));
    text3->setReadOnly(true);
    text4->setReadOnly(true);

    label1->setBuddy(totaltxt);
    totaltxt->setAccessibleName(QStringLiteral("テープの片面の録音時間（分）"));
    text3->setAccessibleName(QStringLiteral("結果の分"));
    text4->setAccessibleName(QStringLiteral("結果の秒"));

    // Tab order: the buttons, then the tape box, the result boxes and the list.
    QWidget *order[] = {total, nyuryoku, teisei, goukei, goteisei, command3, totaltxt, text3, text4, list1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TaveloForm::connectButtons()
{
    connect(total, &QPushButton::clicked, this, [] { windows::showTotalForm(); });
    connect(nyuryoku, &QPushButton::clicked, this, [] { windows::showScreen(ScreenId::Entry); });
    connect(goukei, &QPushButton::clicked, this, [] { windows::showScreen(ScreenId::TotalEntry); });
    connect(teisei, &QPushButton::clicked, this, [] { openCorrectionScreen(ScreenId::Correction); });
    connect(goteisei, &QPushButton::clicked, this,
            [] { openCorrectionScreen(ScreenId::TotalCorrection); });
    connect(command3, &QPushButton::clicked, this, [] { windows::endProgram(); });
}

void TaveloForm::acceptCapacity(const QString &typed)
{
    totaltxt->setText(typed);
    nyuryoku->setEnabled(true);
    goukei->setEnabled(true);
    gokei->hide();
    nokori->show();
    label1->show();
    label2->show();
    totaltxt->show();
    goteisei->setEnabled(false);
    list1->clear();
    setResult(QString(), QString());
}

void TaveloForm::enterRemainingMode(bool fromCorrectionScreen)
{
    // A result is never left under the other mode's caption.
    if (isTotalMode())
        setResult(QString(), QString());
    teisei->setEnabled(true);
    goukei->setEnabled(true);
    gokei->hide();
    if (fromCorrectionScreen)
        goteisei->setEnabled(false);
    // The result line keeps its caption and the capacity stays in view, also
    // after a total was calculated while this screen stood open.
    nokori->show();
    label1->show();
    totaltxt->show();
    label2->show();
}

void TaveloForm::enterTotalMode()
{
    if (!isTotalMode())
        setResult(QString(), QString());
    goteisei->setEnabled(true);
    total->setEnabled(true);
    nyuryoku->setEnabled(false);
    teisei->setEnabled(false);
    nokori->hide();
    label1->hide();
    label2->hide();
    totaltxt->hide();
    gokei->show();
}

bool TaveloForm::isTotalMode() const
{
    return !gokei->isHidden();
}

void TaveloForm::clearList()
{
    list1->clear();
}

void TaveloForm::appendListLine(const QString &line)
{
    list1->addItem(line);
}

void TaveloForm::setResult(const QString &minutes, const QString &seconds)
{
    text3->setText(minutes);
    text4->setText(seconds);
}

void TaveloForm::paintEvent(QPaintEvent *event)
{
    // The lattice is drawn anew when the window moves to a screen of another
    // pixel ratio, never stretched from a picture made for another ratio.
    const qreal ratio = devicePixelRatioF();
    if (background_.isNull() || background_.devicePixelRatio() != ratio)
        background_ = latticePicture(size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    FormWindow::paintEvent(event);
}

void TaveloForm::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, as 閉じる does, also while
    // other windows are open.
    FormWindow::closeEvent(event);
    windows::endProgram();
}

}  // namespace tavelo
