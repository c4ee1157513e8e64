// SPDX-License-Identifier: MIT
#include "mainwindow/mainwindow.h"

#include "core/model.h"
#include "gui/boxmenus.h"
#include "gui/labelfit.h"
#include "gui/pictures.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

namespace tavelo {

MainWindow::MainWindow()
    : FormWindow(QStringLiteral("TaveloForm"), tr("タベロサポータVer2.85"), QSize(479, 282),
                 Frame::Main)
{
    buildControls();
    render(MainState{});
}

void MainWindow::buildControls()
{
    const auto button = [this](const char *name, const QString &caption, QRect geometry,
                               MainButton id) {
        QPushButton *b = addButton(QString::fromLatin1(name), caption, geometry);
        connect(b, &QPushButton::clicked, this, [this, id] { emit buttonPressed(id); });
        return b;
    };
    QPushButton *capacityButton = button("Total", tr("録音可能時間入力"),
                                         twipsRect(720, 3240, 1935, 375), MainButton::Capacity);
    entryButton_ =
        button("Nyuryoku", tr("録音時間入力"), twipsRect(2880, 3240, 1575, 375), MainButton::Entry);
    correctionButton_ =
        button("Teisei", tr("訂正"), twipsRect(4680, 3240, 1455, 375), MainButton::Correction);
    QPushButton *totalEntryButton = button("Goukei", tr("収録時間の合計を入力"),
                                           twipsRect(720, 3720, 1935, 375), MainButton::TotalEntry);
    totalCorrectionButton_ = button("Goteisei", tr("合計の訂正"), twipsRect(2880, 3720, 1575, 375),
                                    MainButton::TotalCorrection);
    QPushButton *closeButton =
        button("Command3", tr("閉じる"), twipsRect(4680, 3720, 1455, 375), MainButton::Close);
    setCancelButton(closeButton);

    capacityCaption_ = addLabel(QStringLiteral("Label1"), tr("テープの片面の録音時間は"),
                                twipsRect(1800, 360, 2175, 255));
    capacityBox_ = addLineEdit(QStringLiteral("Totaltxt"), twipsRect(4080, 360, 375, 270));
    capacityUnit_ =
        addLabel(QStringLiteral("Label2"), tr("分です。"), twipsRect(4560, 360, 735, 255));
    QLabel *listCaption =
        addLabel(QStringLiteral("Label3"), tr("これまで録音した曲数とテープの時間"),
                 twipsRect(2040, 840, 2895, 255));

    songList_ = new QListWidget(this);
    songList_->setObjectName(QStringLiteral("List1"));
    songList_->setGeometry(twipsRect(2880, 1320, 1215, 1140));
    songList_->setSelectionMode(QAbstractItemView::SingleSelection);
    songList_->setAccessibleName(listCaption->text());
    songList_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(songList_, &QWidget::customContextMenuRequested, this, &MainWindow::showListMenu);
    songList_->installEventFilter(this);
    // One action for the menu entry and the window's shortcut, so that the
    // menu shows the shortcut.
    sidesAction_ = new QAction(tr("A面・B面に分ける…"), this);
    sidesAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(sidesAction_, &QAction::triggered, this, &MainWindow::sidesRequested);
    addAction(sidesAction_);

    remainingCaption_ = addLabel(QStringLiteral("Nokori"), tr("テープの残り時間は"),
                                 twipsRect(1680, 2760, 1695, 255));
    totalCaption_ =
        addLabel(QStringLiteral("Gokei"), tr("収録時間の合計は"), twipsRect(1800, 2760, 1575, 255));
    resultMinutesBox_ = addLineEdit(QStringLiteral("Text3"), twipsRect(3360, 2760, 375, 270));
    fitToBox(addLabel(QStringLiteral("Label5"), tr("分"), twipsRect(3960, 2760, 255, 255)));
    resultSecondsBox_ = addLineEdit(QStringLiteral("Text4"), twipsRect(4320, 2760, 375, 270));
    addLabel(QStringLiteral("Label6"), tr("秒です。"), twipsRect(4800, 2760, 735, 255));
    resultMinutesBox_->setReadOnly(true);
    resultSecondsBox_->setReadOnly(true);

    capacityCaption_->setBuddy(capacityBox_);
    connect(capacityBox_, &QLineEdit::textChanged, this, &MainWindow::capacityEdited);
    offerTapeLengths(capacityBox_);
    capacityBox_->setAccessibleName(tr("テープの片面の録音時間（分）"));
    resultMinutesBox_->setAccessibleName(tr("結果の分"));
    resultSecondsBox_->setAccessibleName(tr("結果の秒"));

    // Tab order: the buttons, then the tape box, the result boxes and the list.
    QWidget *order[] = {capacityButton,         entryButton_, correctionButton_, totalEntryButton,
                        totalCorrectionButton_, closeButton,  capacityBox_,      resultMinutesBox_,
                        resultSecondsBox_,      songList_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    capacityButton->setFocus();
}

void MainWindow::render(const MainState &state)
{
    // Texts are only set when they change, so that the cursor in the capacity
    // box and the list's selection stay where they are.
    if (capacityBox_->text() != state.capacity)
        capacityBox_->setText(state.capacity);
    entryButton_->setEnabled(state.entryEnabled);
    correctionButton_->setEnabled(state.correctionEnabled);
    totalCorrectionButton_->setEnabled(state.totalCorrectionEnabled);
    for (QWidget *w : std::initializer_list<QWidget *>{capacityCaption_, capacityBox_,
                                                       capacityUnit_, remainingCaption_})
        w->setHidden(state.totalMode);
    totalCaption_->setVisible(state.totalMode);
    QStringList shown;
    for (int i = 0; i < songList_->count(); ++i)
        shown << songList_->item(i)->text();
    if (shown != state.list) {
        songList_->clear();
        songList_->addItems(state.list);
    }
    resultMinutesBox_->setText(state.resultMinutes);
    resultSecondsBox_->setText(state.resultSeconds);
}

void MainWindow::showListMenu(const QPoint &pos)
{
    QMenu menu;
    const bool empty = songList_->count() == 0;
    QAction *copy = menu.addAction(tr("一覧をコピー"), QKeySequence::Copy, this,
                                   &MainWindow::listCopyRequested);
    QAction *save = menu.addAction(tr("テキストに保存…"), this, &MainWindow::listSaveRequested);
    copy->setEnabled(!empty);
    save->setEnabled(!empty);
    menu.addSeparator();
    menu.addAction(sidesAction_);
    menu.exec(songList_->viewport()->mapToGlobal(pos));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+C in the list copies the whole list, not only the current line.
    if (watched == songList_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        if (event->type() == QEvent::KeyPress && songList_->count() > 0)
            emit listCopyRequested();
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

void MainWindow::focusCapacity() { focusBox(capacityBox_); }

void MainWindow::paintEvent(QPaintEvent *)
{
    // The lattice repeats every 40 x 28 pixels: one repeat, drawn anew for
    // the screen's pixel ratio (never stretched from another ratio's), is
    // tiled over the window. Where a repeat is no whole number of device
    // pixels, the lattice is drawn at the window's size instead. The tiles
    // start at the window's corner whatever part is repainted: tiles started
    // at a repainted part's corner land between device pixels at ratios such
    // as 1.25 and no longer meet the lattice around them.
    const qreal ratio = devicePixelRatioF();
    const QSizeF repeat = QSizeF(40, 28) * ratio;
    const bool tiled = repeat == QSizeF(repeat.toSize());
    if (background_.isNull() || background_.devicePixelRatio() != ratio)
        background_ = latticePicture(tiled ? QSize(40, 28) : size(), ratio);
    QPainter(this).drawTiledPixmap(rect(), background_);
}

}  // namespace tavelo
