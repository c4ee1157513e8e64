// SPDX-License-Identifier: MIT
#include "sides/sideswindow.h"

#include "core/model.h"
#include "gui/boxmenus.h"
#include "gui/errorbox.h"
#include "gui/filechooser.h"
#include "gui/labelfit.h"
#include "plan/card.h"
#include "sides/cardprint.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <iterator>

namespace tavelo {

SidesWindow::SidesWindow()
    : FormWindow(QStringLiteral("SidesForm"), tr("A面・B面"), QSize(460, 372), Frame::Tool)
{
    buildControls();
    refresh();
}

void SidesWindow::buildControls()
{
    setFont(screenFont(false));
    buildLengthAndTitle();
    buildWhatIfs();
    buildSideLists();
    QPushButton *closeButton = buildButtons();
    QWidget *order[] = {lengthBox_, titleBox_,  gapBox_,     leaderBox_,   extraBox_,
                        sideAList_, sideBList_, saveButton_, printButton_, closeButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    lengthBox_->setFocus();
}

namespace {

// Captions beside a box stand as high as the box, their text centred on it.
QLabel *caption(QLabel *label)
{
    if (label->height() == 22)
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

// The top line: the side length and the card's title.
void SidesWindow::buildLengthAndTitle()
{
    const auto label = [this](const char *name, const QString &text, QRect geometry) {
        return caption(addLabel(QString::fromLatin1(name), text, geometry));
    };
    QLabel *lengthCaption = label("LengthLabel", tr("片面の録音時間"), {12, 12, 96, 22});
    lengthBox_ = addLineEdit(QStringLiteral("SideMinutes"), {110, 12, 44, 22});
    fitToBox(label("LengthUnit", tr("分"), {158, 12, 20, 22}));
    lengthBox_->setAccessibleName(tr("片面の録音時間（分）"));
    lengthCaption->setBuddy(lengthBox_);
    offerTapeLengths(lengthBox_);
    connect(lengthBox_, &QLineEdit::textChanged, this, &SidesWindow::refresh);

    QLabel *titleCaption = label("TitleLabel", tr("カードの題"), {196, 12, 66, 22});
    titleBox_ = addLineEdit(QStringLiteral("CardTitle"), {264, 12, 184, 22});
    titleBox_->setAccessibleName(tr("インデックスカードの題"));
    titleCaption->setBuddy(titleBox_);
}

// The second line: the what-ifs, each a spin box with its caption.
void SidesWindow::buildWhatIfs()
{
    const auto spin = [this](const char *name, int most, const QString &accessible, QRect geometry,
                             const char *labelName, const QString &text, QRect labelGeometry) {
        QLabel *l = caption(addLabel(QString::fromLatin1(labelName), text, labelGeometry));
        auto *box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(0, most);
        box->setSuffix(tr("秒"));
        box->setGeometry(geometry);
        box->setAccessibleName(accessible);
        l->setBuddy(box);
        connect(box, &QSpinBox::valueChanged, this, &SidesWindow::refresh);
        return box;
    };
    gapBox_ = spin("GapSeconds", kMaxGapSeconds, tr("曲間の空白（秒）"), {48, 44, 64, 22},
                   "GapLabel", tr("曲間"), {12, 44, 34, 22});
    leaderBox_ = spin("LeaderSeconds", kMaxLeaderSeconds, tr("面の始めのリーダー（秒）"),
                      {178, 44, 64, 22}, "LeaderLabel", tr("リーダー"), {124, 44, 52, 22});
    extraBox_ = spin("ExtraSeconds", kMaxExtraSeconds, tr("表示より長い分（片面、秒）"),
                     {364, 44, 84, 22}, "ExtraLabel", tr("テープの余裕"), {282, 44, 80, 22});
    extraBox_->setSingleStep(5);
    extraBox_->setToolTip(tr("テープが表示より長く録音できる時間（片面あたり）"));
    gapBox_->setToolTip(tr("同じ面の曲と曲の間の空白"));
    leaderBox_->setToolTip(tr("各面の始めの録音できない部分"));
}

// The two sides side by side: a heading, the songs, the total; and the flip
// point under both.
void SidesWindow::buildSideLists()
{
    const auto list = [this](const char *name, const QString &accessible, QRect geometry) {
        auto *w = new QListWidget(this);
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(geometry);
        w->setAccessibleName(accessible);
        w->setSelectionMode(QAbstractItemView::SingleSelection);
        w->setToolTip(tr("曲をダブルクリックすると曲名を入力できます"));
        return w;
    };
    addLabel(QStringLiteral("SideALabel"), tr("A面"), {12, 78, 60, 18});
    addLabel(QStringLiteral("SideBLabel"), tr("B面"), {236, 78, 60, 18});
    sideAList_ = list("SideAList", tr("A面の曲"), {12, 98, 212, 160});
    sideBList_ = list("SideBList", tr("B面の曲"), {236, 98, 212, 160});
    // A double click or Enter on a song asks for its title.
    connect(sideAList_, &QListWidget::activated, this,
            [this](const QModelIndex &index) { editTitle(view_.split.a, index.row()); });
    connect(sideBList_, &QListWidget::activated, this,
            [this](const QModelIndex &index) { editTitle(view_.split.b, index.row()); });
    sideASummary_ = addLabel(QStringLiteral("SideATotal"), QString(), {12, 262, 212, 34});
    sideBSummary_ = addLabel(QStringLiteral("SideBTotal"), QString(), {236, 262, 212, 34});
    flipLabel_ = addLabel(QStringLiteral("FlipPoint"), QString(), {12, 300, 436, 20});
    for (QLabel *l : {sideASummary_, sideBSummary_, flipLabel_})
        l->setWordWrap(true);
}

// The bottom line: the card saved or printed, and 閉じる, which it returns.
QPushButton *SidesWindow::buildButtons()
{
    saveButton_ = addButton(QStringLiteral("SaveCard"), tr("インデックスカードをPDFに保存…"),
                            {12, 334, 216, 28});
    printButton_ = addButton(QStringLiteral("PrintCard"), tr("印刷…"), {236, 334, 100, 28});
    QPushButton *closeButton =
        addButton(QStringLiteral("CloseSides"), tr("閉じる"), {348, 334, 100, 28});
    connect(saveButton_, &QPushButton::clicked, this, &SidesWindow::saveCard);
    connect(printButton_, &QPushButton::clicked, this, &SidesWindow::printCard);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    // Every change shows at once, so Enter has nothing to confirm: it only
    // presses a button that has the focus. Esc closes.
    setCancelButton(closeButton);
    return closeButton;
}

void SidesWindow::setState(const MainState &state)
{
    if (!haveState_ || state.capacity != mainCapacity_) {
        haveState_ = true;
        mainCapacity_ = state.capacity;
        lengthBox_->setText(state.capacity);
    }
    // Titles typed here belong to the songs they were typed for: a new
    // calculation starts without them.
    if (state.songs != table_) {
        table_ = state.songs;
        titleEdits_.clear();
    }
    setSongs(songsOfTable(state.songs));
}

void SidesWindow::setSongs(std::vector<SideSong> songs)
{
    songs_ = std::move(songs);
    refresh();
}

SidesInputs SidesWindow::inputs() const
{
    return {lengthBox_->text(),
            titleBox_->text(),
            {gapBox_->value(), leaderBox_->value(), extraBox_->value()}};
}

void SidesWindow::editTitle(const Side &side, int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= side.songs.size())
        return;
    const SideSong song = view_.songs.at(static_cast<std::size_t>(side.songs.at(row)));
    const auto title =
        askLine(this, tr("曲名"), tr("%1の曲名").arg(songNumber(song.slot)), song.title);
    if (!title)
        return;
    titleEdits_[song.slot] = cleanTitle(*title);
    refresh();
}

void SidesWindow::refresh()
{
    view_ = sidesView(withTitleEdits(songs_, titleEdits_), inputs());
    const auto fill = [](QListWidget *list, const QStringList &lines) {
        list->clear();
        list->addItems(lines);
    };
    fill(sideAList_, view_.a.lines);
    fill(sideBList_, view_.b.lines);
    sideASummary_->setText(view_.a.summary);
    sideBSummary_->setText(view_.b.summary);
    // A side that runs over says so in red, as well as in words.
    sideBSummary_->setStyleSheet(view_.b.over ? QStringLiteral("color: #b00000;") : QString());
    sideASummary_->setStyleSheet(view_.a.over ? QStringLiteral("color: #b00000;") : QString());
    flipLabel_->setText(view_.refusal ? messageText(*view_.refusal) : view_.flip);
    const bool card = !view_.refusal && !view_.songs.empty();
    saveButton_->setEnabled(card);
    printButton_->setEnabled(card);
}

void SidesWindow::saveCard()
{
    const QString path = chooseSaveFile(this, tr("インデックスカードをPDFに保存"),
                                        tr("インデックスカード.pdf"), tr("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!writeCardPdf(path, sidesCard(view_, inputs())))
        showErrorBox(this, Message::CardSaveFailed);
}

void SidesWindow::printCard()
{
    if (tavelo::printCard(this, sidesCard(view_, inputs())) == PrintResult::Failed)
        showErrorBox(this, Message::PrintFailed);
}

}  // namespace tavelo
