// SPDX-License-Identifier: MIT
#include "sides/sideswindow.h"

#include "core/model.h"
#include "gui/boxmenus.h"
#include "gui/errorbox.h"
#include "gui/filechooser.h"
#include "gui/labelfit.h"
#include "plan/card.h"
#include "sides/cardprint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <iterator>

namespace tavelo {

SidesWindow::SidesWindow()
    : FormWindow(QStringLiteral("SidesForm"), tr("A面・B面"), QSize(460, 444), Frame::Tool)
{
    buildControls();
    refresh();
}

void SidesWindow::buildControls()
{
    setFont(screenFont(false));
    buildLengthAndTitle();
    buildWhatIfs();
    buildSplitChoice();
    buildSideLists();
    buildCardChoices();
    QPushButton *closeButton = buildButtons();
    QWidget *order[] = {lengthBox_,   titleBox_,  gapBox_,     leaderBox_,   extraBox_,
                        modeBox_,     flipBox_,   sideAList_,  sideBList_,   paperBox_,
                        cardSizeBox_, guidesBox_, saveButton_, printButton_, closeButton};
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

// Rows of the window below the what-ifs, from the top.
constexpr int kSplitTop = 76;
constexpr int kSidesTop = 108;
constexpr int kCardTop = 376;
constexpr int kButtonsTop = 408;

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
    const int top = kSidesTop;
    addLabel(QStringLiteral("SideALabel"), tr("A面"), {12, top + 2, 60, 18});
    addLabel(QStringLiteral("SideBLabel"), tr("B面"), {236, top + 2, 60, 18});
    sideAList_ = list("SideAList", tr("A面の曲"), {12, top + 22, 212, 160});
    sideBList_ = list("SideBList", tr("B面の曲"), {236, top + 22, 212, 160});
    // A double click or Enter on a song asks for its title.
    connect(sideAList_, &QListWidget::activated, this,
            [this](const QModelIndex &index) { editTitle(view_.split.a, index.row()); });
    connect(sideBList_, &QListWidget::activated, this,
            [this](const QModelIndex &index) { editTitle(view_.split.b, index.row()); });
    sideASummary_ = addLabel(QStringLiteral("SideATotal"), QString(), {12, top + 186, 212, 34});
    sideBSummary_ = addLabel(QStringLiteral("SideBTotal"), QString(), {236, top + 186, 212, 34});
    flipLabel_ = addLabel(QStringLiteral("FlipPoint"), QString(), {12, top + 224, 436, 20});
    cassetteLabel_ = addLabel(QStringLiteral("ShortestTape"), QString(), {12, top + 244, 436, 20});
    cassetteLabel_->setAccessibleName(tr("曲が収まる最短のカセット"));
    for (QLabel *l : {sideASummary_, sideBSummary_, flipLabel_, cassetteLabel_})
        l->setWordWrap(true);
}

// The third line: the way of splitting, and the song that ends side A when
// the user chooses it.
void SidesWindow::buildSplitChoice()
{
    QLabel *modeCaption =
        caption(addLabel(QStringLiteral("SplitModeLabel"), tr("分け方"), {12, kSplitTop, 46, 22}));
    modeBox_ = new QComboBox(this);
    modeBox_->setObjectName(QStringLiteral("SplitMode"));
    modeBox_->setGeometry(60, kSplitTop, 150, 22);
    modeBox_->setAccessibleName(tr("A面とB面の分け方"));
    // In the order of SplitMode.
    modeBox_->addItems({tr("順番どおり"), tr("両面を均等に"), tr("A面の最後の曲を選ぶ")});
    modeBox_->setToolTip(tr("曲順は変えずに、どこで裏返すかを決めます"));
    modeCaption->setBuddy(modeBox_);
    connect(modeBox_, &QComboBox::currentIndexChanged, this, &SidesWindow::refresh);

    QLabel *flipCaption = caption(
        addLabel(QStringLiteral("FlipSongLabel"), tr("A面の最後"), {222, kSplitTop, 62, 22}));
    flipBox_ = new QComboBox(this);
    flipBox_->setObjectName(QStringLiteral("FlipSong"));
    flipBox_->setGeometry(286, kSplitTop, 162, 22);
    flipBox_->setAccessibleName(tr("A面の最後の曲"));
    flipBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    flipCaption->setBuddy(flipBox_);
    connect(flipBox_, &QComboBox::currentIndexChanged, this, &SidesWindow::refresh);
}

// The line above the buttons: the paper of the PDF, the card's size and its
// guides.
void SidesWindow::buildCardChoices()
{
    const auto combo = [this](const char *name, const QString &accessible, QRect geometry,
                              const char *labelName, const QString &text, QRect labelGeometry) {
        QLabel *l = caption(addLabel(QString::fromLatin1(labelName), text, labelGeometry));
        auto *box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(geometry);
        box->setAccessibleName(accessible);
        l->setBuddy(box);
        return box;
    };
    paperBox_ = combo("CardPaper", tr("PDFの用紙"), {54, kCardTop, 70, 22}, "CardPaperLabel",
                      tr("用紙"), {12, kCardTop, 40, 22});
    // In the order of Paper; the user's own paper comes first chosen.
    paperBox_->addItems({tr("A4"), tr("レター")});
    paperBox_->setCurrentIndex(int(systemPaper()));
    paperBox_->setToolTip(tr("PDFの用紙。印刷では印刷ダイアログで選んだ用紙に合わせます"));
    cardSizeBox_ = combo("CardSize", tr("カードの大きさ"), {172, kCardTop, 146, 22},
                         "CardSizeLabel", tr("カード"), {134, kCardTop, 36, 22});
    // In the order of CardSize.
    cardSizeBox_->addItems({tr("標準（背12.7 mm）"), tr("短め（背10.2 mm）")});
    cardSizeBox_->setToolTip(tr("標準：裏の折り返し25.4 mm・背12.7 mm／"
                                "短め：裏の折り返し15.2 mm・背10.2 mm"));
    guidesBox_ = new QCheckBox(tr("切り取り線・折り線"), this);
    guidesBox_->setObjectName(QStringLiteral("CardGuides"));
    guidesBox_->setGeometry(326, kCardTop, 122, 22);
    guidesBox_->setChecked(true);
    guidesBox_->setAccessibleName(tr("切り取り線と折り線を印刷する"));
}

// The bottom line: the card saved or printed, and 閉じる, which it returns.
QPushButton *SidesWindow::buildButtons()
{
    const int top = kButtonsTop;
    saveButton_ = addButton(QStringLiteral("SaveCard"), tr("インデックスカードをPDFに保存…"),
                            {12, top, 216, 28});
    printButton_ = addButton(QStringLiteral("PrintCard"), tr("印刷…"), {236, top, 100, 28});
    QPushButton *closeButton =
        addButton(QStringLiteral("CloseSides"), tr("閉じる"), {348, top, 100, 28});
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
    SidesInputs in;
    in.sideMinutes = lengthBox_->text();
    in.title = titleBox_->text();
    in.extras = {gapBox_->value(), leaderBox_->value(), extraBox_->value()};
    in.split = {SplitMode(modeBox_->currentIndex()), std::max(0, flipBox_->currentIndex())};
    in.paper = Paper(paperBox_->currentIndex());
    in.card = {CardSize(cardSizeBox_->currentIndex()), guidesBox_->isChecked()};
    return in;
}

// The songs offered as the end of side A, as the sides list them, each cut
// with "…" to the box's width (whole in its tooltip). The list is built
// again only when the songs change; the song chosen stays chosen by its
// place, or becomes the last song when the list got shorter.
void SidesWindow::offerFlipSongs(const QStringList &lines)
{
    QStringList offered;
    for (int i = 0; i < flipBox_->count(); ++i)
        offered << flipBox_->itemData(i, Qt::ToolTipRole).toString();
    if (offered == lines)
        return;
    QStyleOptionComboBox option;
    option.initFrom(flipBox_);
    const int room =
        style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, flipBox_)
            .width() -
        4;
    const QSignalBlocker quiet(flipBox_);
    const int chosen = flipBox_->currentIndex();
    flipBox_->clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        flipBox_->addItem(flipBox_->fontMetrics().elidedText(lines.at(i), Qt::ElideRight, room));
        flipBox_->setItemData(int(i), lines.at(i), Qt::ToolTipRole);
    }
    if (!lines.isEmpty())
        flipBox_->setCurrentIndex(std::clamp(chosen, 0, int(lines.size()) - 1));
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
    const std::vector<SideSong> songs = withTitleEdits(songs_, titleEdits_);
    offerFlipSongs(songLines(songs));
    flipBox_->setEnabled(SplitMode(modeBox_->currentIndex()) == SplitMode::OwnFlip &&
                         !songs.empty());
    view_ = sidesView(songs, inputs());
    // In the other ways the box shows the song that ends side A, so that
    // choosing the own flip starts from the flip shown and nothing moves
    // until the user picks another song.
    if (SplitMode(modeBox_->currentIndex()) != SplitMode::OwnFlip && !view_.split.a.songs.empty()) {
        const QSignalBlocker quiet(flipBox_);
        flipBox_->setCurrentIndex(view_.split.a.songs.back());
    }
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
    cassetteLabel_->setText(view_.cassette);
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
    const SidesInputs in = inputs();
    const SidesView shown = view_;
    const auto layoutFor = [&shown, &in](QSizeF page) { return sidesCard(shown, in, page); };
    if (tavelo::printCard(this, paperSize(in.paper), layoutFor) == PrintResult::Failed)
        showErrorBox(this, Message::PrintFailed);
}

}  // namespace tavelo
