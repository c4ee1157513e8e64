// SPDX-License-Identifier: MIT
#include "sides/sideswindow.h"

#include "core/foundsong.h"
#include "core/model.h"
#include "core/tapes.h"
#include "gui/boxmenus.h"
#include "gui/errorbox.h"
#include "gui/filechooser.h"
#include "plan/card.h"
#include "sides/cardprint.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <iterator>

namespace tavelo {

SidesWindow::SidesWindow()
    : FormWindow(QStringLiteral("SidesForm"), QStringLiteral("A面・B面"), QSize(460, 372),
                 Frame::Tool)
{
    buildControls();
    refresh();
}

void SidesWindow::buildControls()
{
    setFont(screenFont(false));
    // Captions beside a box stand as high as the box, their text centred on it.
    const auto label = [this](const char *name, const char *text, QRect geometry) {
        QLabel *l = addLabel(QString::fromLatin1(name), QString::fromUtf8(text), geometry);
        if (geometry.height() == 22)
            l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return l;
    };
    const auto spin = [this](const char *name, int most, const char *suffix, const char *accessible,
                             QRect geometry, QLabel *caption) {
        auto *box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(0, most);
        box->setSuffix(QString::fromUtf8(suffix));
        box->setGeometry(geometry);
        box->setAccessibleName(QString::fromUtf8(accessible));
        caption->setBuddy(box);
        connect(box, &QSpinBox::valueChanged, this, &SidesWindow::refresh);
        return box;
    };

    QLabel *lengthCaption = label("LengthLabel", "片面の録音時間", {12, 12, 96, 22});
    lengthBox_ = addLineEdit(QStringLiteral("SideMinutes"), {110, 12, 44, 22});
    label("LengthUnit", "分", {158, 12, 20, 22});
    lengthBox_->setAccessibleName(QStringLiteral("片面の録音時間（分）"));
    lengthCaption->setBuddy(lengthBox_);
    offerTapeLengths(lengthBox_);
    connect(lengthBox_, &QLineEdit::textChanged, this, &SidesWindow::refresh);

    QLabel *titleCaption = label("TitleLabel", "カードの題", {196, 12, 66, 22});
    titleBox_ = addLineEdit(QStringLiteral("CardTitle"), {264, 12, 184, 22});
    titleBox_->setAccessibleName(QStringLiteral("インデックスカードの題"));
    titleCaption->setBuddy(titleBox_);

    gapBox_ = spin("GapSeconds", kMaxGapSeconds, "秒", "曲間の空白（秒）", {48, 44, 64, 22},
                   label("GapLabel", "曲間", {12, 44, 34, 22}));
    leaderBox_ = spin("LeaderSeconds", kMaxLeaderSeconds, "秒", "面の始めのリーダー（秒）",
                      {178, 44, 64, 22}, label("LeaderLabel", "リーダー", {124, 44, 52, 22}));
    extraBox_ = spin("ExtraSeconds", kMaxExtraSeconds, "秒", "表示より長い分（片面、秒）",
                     {364, 44, 84, 22}, label("ExtraLabel", "テープの余裕", {282, 44, 80, 22}));
    extraBox_->setSingleStep(5);
    extraBox_->setToolTip(QStringLiteral("テープが表示より長く録音できる時間（片面あたり）"));
    gapBox_->setToolTip(QStringLiteral("同じ面の曲と曲の間の空白"));
    leaderBox_->setToolTip(QStringLiteral("各面の始めの録音できない部分"));

    const auto list = [this](const char *name, const char *accessible, QRect geometry) {
        auto *w = new QListWidget(this);
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(geometry);
        w->setAccessibleName(QString::fromUtf8(accessible));
        w->setSelectionMode(QAbstractItemView::SingleSelection);
        return w;
    };
    label("SideALabel", "A面", {12, 78, 60, 18});
    label("SideBLabel", "B面", {236, 78, 60, 18});
    sideAList_ = list("SideAList", "A面の曲", {12, 98, 212, 160});
    sideBList_ = list("SideBList", "B面の曲", {236, 98, 212, 160});
    // A double click or Enter on a song asks for its title.
    connect(sideAList_, &QListWidget::activated, this,
            [this](const QModelIndex &index) { editTitle(view_.split.a, index.row()); });
    connect(sideBList_, &QListWidget::activated, this,
            [this](const QModelIndex &index) { editTitle(view_.split.b, index.row()); });
    for (QListWidget *w : {sideAList_, sideBList_})
        w->setToolTip(QStringLiteral("曲をダブルクリックすると曲名を入力できます"));
    sideASummary_ = label("SideATotal", "", {12, 262, 212, 34});
    sideBSummary_ = label("SideBTotal", "", {236, 262, 212, 34});
    flipLabel_ = label("FlipPoint", "", {12, 300, 436, 20});
    for (QLabel *l : {sideASummary_, sideBSummary_, flipLabel_})
        l->setWordWrap(true);

    saveButton_ = addButton(QStringLiteral("SaveCard"),
                            QStringLiteral("インデックスカードをPDFに保存…"), {12, 334, 216, 28});
    printButton_ =
        addButton(QStringLiteral("PrintCard"), QStringLiteral("印刷…"), {236, 334, 100, 28});
    QPushButton *closeButton =
        addButton(QStringLiteral("CloseSides"), QStringLiteral("閉じる"), {348, 334, 100, 28});
    connect(saveButton_, &QPushButton::clicked, this, &SidesWindow::saveCard);
    connect(printButton_, &QPushButton::clicked, this, &SidesWindow::printCard);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    // Every change shows at once, so Enter has nothing to confirm: it only
    // presses a button that has the focus. Esc closes.
    setCancelButton(closeButton);

    QWidget *order[] = {lengthBox_, titleBox_,  gapBox_,     leaderBox_,   extraBox_,
                        sideAList_, sideBList_, saveButton_, printButton_, closeButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    lengthBox_->setFocus();
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
    for (SideSong &song : songs_) {
        if (const auto edit = titleEdits_.find(song.slot); edit != titleEdits_.end())
            song.title = edit->second;
    }
    refresh();
}

void SidesWindow::editTitle(const Side &side, int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= side.songs.size())
        return;
    const SideSong song = view_.songs.at(static_cast<std::size_t>(side.songs.at(row)));
    const auto title = askLine(this, QStringLiteral("曲名"),
                               QStringLiteral("%1曲目の曲名").arg(song.slot + 1), song.title);
    if (!title)
        return;
    titleEdits_[song.slot] = clippedTitle(title->simplified());
    setSongs(songs_);
}

void SidesWindow::refresh()
{
    view_ = sidesView(songs_, lengthBox_->text(),
                      {gapBox_->value(), leaderBox_->value(), extraBox_->value()});
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

QString SidesWindow::cardTitle() const
{
    QString typed = clippedTitle(titleBox_->text().simplified());
    if (!typed.isEmpty())
        return typed;
    // Without a title the spine names the tape: "C60" for a side of 30
    // minutes, otherwise the side's minutes.
    const SideLength length = sideLength(lengthBox_->text());
    if (length.seconds) {
        const auto *tape = std::find_if(
            std::begin(kTapeLengths), std::end(kTapeLengths),
            [&length](const TapeLength &t) { return *length.seconds == t.sideMinutes * 60; });
        if (tape != std::end(kTapeLengths))
            return QString::fromLatin1(tape->name);
    }
    return QStringLiteral("片面") + lengthBox_->text().trimmed() + QStringLiteral("分");
}

void SidesWindow::saveCard()
{
    const QString path =
        chooseSaveFile(this, QStringLiteral("インデックスカードをPDFに保存"),
                       QStringLiteral("インデックスカード.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!writeCardPdf(path, layoutCard(cardContentOf(view_, cardTitle()))))
        showErrorBox(this, Message::CardSaveFailed);
}

void SidesWindow::printCard()
{
    if (tavelo::printCard(this, layoutCard(cardContentOf(view_, cardTitle()))) ==
        PrintResult::Failed)
        showErrorBox(this, Message::PrintFailed);
}

}  // namespace tavelo
