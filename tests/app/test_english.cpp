// SPDX-License-Identifier: MIT
// Every window in English: once the translation is installed no visible
// text, accessible name, tooltip or menu entry keeps a Japanese character,
// and every text fits the control it stands in, at the window's fixed size
// and with the program's fonts. The test runs at pixel ratios 1 and 2.

#include "app/language.h"
#include "calc/placesongs.h"
#include "core/listtext.h"
#include "gui/labelfit.h"
#include "plan/card.h"
#include "plan/sides.h"
#include "support/guitest.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTimer>

using namespace guitest;
using tavelo::ScreenId;

namespace {

bool hasJapanese(const QString &text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{303f}\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-"
                       "\\x{ffef}]"));
    return text.contains(japanese);
}

// The width the text of a button has inside its frame, with two pixels of
// air on either side so that no letter touches the frame.
int buttonRoom(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width() -
           4;
}

// Why the text of a control does not fit it, or nothing.
QString misfit(const QWidget *w)
{
    if (const auto *note = dynamic_cast<const tavelo::NoteLabel *>(w)) {
        if (note->linesHeight() > note->contentsRect().height())
            return QStringLiteral("its lines take %1 of %2 pixels")
                .arg(note->linesHeight())
                .arg(note->contentsRect().height());
    } else if (const auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                return QStringLiteral("its lines take %1 of %2 pixels")
                    .arg(label->heightForWidth(label->width()))
                    .arg(label->height());
        } else if (const int width = QFontMetrics(label->font()).horizontalAdvance(label->text());
                   width > label->contentsRect().width()) {
            return QStringLiteral("%1 of %2 pixels wide").arg(width).arg(label->width());
        }
    } else if (const auto *button = qobject_cast<const QPushButton *>(w)) {
        const int width = QFontMetrics(button->font()).horizontalAdvance(button->text());
        if (width > buttonRoom(button))
            return QStringLiteral("%1 of %2 pixels wide").arg(width).arg(buttonRoom(button));
    } else if (const auto *combo = qobject_cast<const QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const int room =
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                .width() -
            4;
        for (int i = 0; i < combo->count(); ++i)
            if (const int width = QFontMetrics(combo->font()).horizontalAdvance(combo->itemText(i));
                width > room)
                return QStringLiteral("%1 takes %2 of %3 pixels")
                    .arg(combo->itemText(i))
                    .arg(width)
                    .arg(room);
    } else if (const auto *spin = qobject_cast<const QSpinBox *>(w)) {
        const auto *edit = spin->findChild<QLineEdit *>();
        const QString longest = spin->prefix() + QString::number(spin->maximum()) + spin->suffix();
        const int width = QFontMetrics(spin->font()).horizontalAdvance(longest);
        // The box's text keeps a margin of two pixels on either side.
        if (edit && width > edit->width() - 4)
            return QStringLiteral("%1 takes %2 of %3 pixels")
                .arg(longest)
                .arg(width)
                .arg(edit->width() - 4);
    }
    return {};
}

// The entries of a context menu, its submenus' included, as the menu shows
// them when it opens; empty when no menu opened.
QStringList menuEntries(QWidget *widget)
{
    QStringList entries;
    bool looked = false;
    QTimer::singleShot(0, widget, [&] {
        if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 5000))
            qWarning("no menu opened");
        const std::function<void(const QMenu *)> read = [&](const QMenu *menu) {
            for (const QAction *action : menu->actions()) {
                entries << action->text();
                if (action->menu())
                    read(action->menu());
            }
        };
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            read(menu);
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        looked = true;
    });
    // A list takes the click on its viewport.
    QWidget *target = widget;
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        target = area->viewport();
    const QPoint pos(2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QCoreApplication::sendEvent(target, &event);
    if (!QTest::qWaitFor([&] { return looked; }, 10000))
        return {};
    return entries;
}

// Everything in a window that is still Japanese or does not fit, one line
// each.
QStringList faultsOf(QWidget *window)
{
    QStringList faults;
    const auto check = [&faults](const QWidget *w, const char *what, const QString &text) {
        if (hasJapanese(text))
            faults << QStringLiteral("%1 %2: %3").arg(w->objectName(), QLatin1String(what), text);
    };
    check(window, "title", window->windowTitle());
    for (QWidget *w : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        check(w, "accessible name", w->accessibleName());
        check(w, "accessible description", w->accessibleDescription());
        check(w, "tooltip", w->toolTip());
        if (const auto *label = qobject_cast<const QLabel *>(w))
            check(w, "text", label->text());
        if (const auto *button = qobject_cast<const QPushButton *>(w))
            check(w, "text", button->text());
        if (const auto *spin = qobject_cast<const QSpinBox *>(w))
            check(w, "suffix", spin->suffix());
        if (const auto *box = qobject_cast<const QCheckBox *>(w))
            check(w, "text", box->text());
        if (const auto *combo = qobject_cast<const QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                check(w, "choice", combo->itemText(i));
        }
        if (const auto *list = qobject_cast<const QListWidget *>(w))
            check(w, "lines", linesOf(list).join(QLatin1Char(',')));
        if (w->contextMenuPolicy() == Qt::CustomContextMenu) {
            const QStringList entries = menuEntries(w);
            if (entries.isEmpty())
                faults << QStringLiteral("%1 opened no menu").arg(w->objectName());
            check(w, "menu", entries.join(QLatin1Char(',')));
        }
        if (const QString why = misfit(w); !why.isEmpty())
            faults << QStringLiteral("%1 does not fit: %2").arg(w->objectName(), why);
    }
    return faults;
}

// The sides window after a total of three songs, the last of them running
// over side B of a 46-minute tape: both sides, the flip point and an
// overrun are shown.
QWidget *openSides(const MainView &main)
{
    EntryScreen *pageOne = openPageOne(
        main, true, {QStringLiteral("40:0"), QStringLiteral("10:0"), QStringLiteral("40:0")});
    GUITEST_VERIFY(pageOne);
    GUITEST_VERIFY(press(pageOne));
    QWidget *sides = program().showSidesWindow();
    GUITEST_VERIFY(sides);
    control<QLineEdit>(sides, QStringLiteral("SideMinutes"))->setText(QStringLiteral("46"));
    return sides;
}

// Twenty songs of 3:00 without titles, so that the card names them by number
// and runs out of rows.
std::vector<tavelo::SideSong> untitledSongs()
{
    std::vector<tavelo::SideSong> songs;
    for (int slot = 0; slot < 30; ++slot)
        songs.push_back({slot, 180, {}});
    return songs;
}

tavelo::SidesInputs sideOf(const QString &minutes)
{
    tavelo::SidesInputs inputs;
    inputs.sideMinutes = minutes;
    return inputs;
}

// The texts the program writes outside its windows, in one language.
QStringList writtenTexts(const QString &what)
{
    QStringList texts;
    if (what == QLatin1String("card")) {
        // A side of 47 minutes is no cassette's: the card's title names it;
        // with and without the guides, which change the note.
        tavelo::SidesInputs inputs = sideOf(QStringLiteral("47"));
        const tavelo::SidesView view = tavelo::sidesView(untitledSongs(), inputs);
        for (const bool guides : {true, false}) {
            inputs.card.guides = guides;
            for (const tavelo::CardText &text : tavelo::sidesCard(view, inputs).texts)
                texts << text.text;
        }
    } else if (what == QLatin1String("list")) {
        tavelo::MainState state;
        state.list = QStringList{QStringLiteral("4:30"), QStringLiteral("3:45")};
        state.resultMinutes = QStringLiteral("37");
        state.resultSeconds = QStringLiteral("45");
        texts << tavelo::listText(state);
        state.totalMode = true;
        state.resultMinutes = QStringLiteral("8");
        state.resultSeconds = QStringLiteral("15");
        texts << tavelo::listText(state);
    } else if (what == QLatin1String("sides")) {
        for (const QString &minutes :
             {QStringLiteral("46"), QStringLiteral("1"), QStringLiteral("x")}) {
            const tavelo::SidesView view = tavelo::sidesView(untitledSongs(), sideOf(minutes));
            texts << view.flip << view.a.summary << view.b.summary << view.cassette;
        }
        // Every song on a side A that cannot hold them, by the user's flip.
        tavelo::SidesInputs own = sideOf(QStringLiteral("46"));
        own.split = {tavelo::SplitMode::OwnFlip, 29};
        texts << tavelo::sidesView(untitledSongs(), own).flip;
        texts << tavelo::sidesView({}, sideOf(QStringLiteral("46"))).flip;
    } else if (what == QLatin1String("notes")) {
        const std::vector<tavelo::FoundSong> many(20, tavelo::FoundSong{180000, {}, {}});
        const QStringList files{QStringLiteral("a.mp3"), QStringLiteral("b.mp3"),
                                QStringLiteral("c.mp3"), QStringLiteral("d.mp3")};
        // Rows, tracks and entries of lists, named or by their place, and a
        // table without a length column.
        tavelo::DroppedSongs lists;
        using Kind = tavelo::ListedItem::Kind;
        for (const Kind kind : {Kind::Entry, Kind::Row, Kind::Track}) {
            lists.unreadableItems.push_back(
                {kind, {}, QStringLiteral("list"), QStringLiteral("2")});
            lists.unreadableItems.push_back({kind, QStringLiteral("Song"), {}, {}});
            lists.leftOverItems.push_back({kind, {}, QStringLiteral("list"), QStringLiteral("9")});
        }
        lists.withoutLengths << QStringLiteral("list.csv");
        for (const tavelo::Outcome &outcome :
             {tavelo::placeSongs(ScreenId::Entry, {}, 0, {many, files, {}}),
              tavelo::placeSongs(ScreenId::Entry, {}, 0, {many, {}, files}),
              tavelo::placeSongs(ScreenId::Entry, {}, 0, lists),
              tavelo::placeSongs(ScreenId::Entry, {}, {}, {})}) {
            for (const tavelo::Effect &effect : outcome)
                if (const auto *note = std::get_if<tavelo::ShowNote>(&effect))
                    texts << note->text;
        }
    } else if (what == QLatin1String("messages")) {
        texts << tavelo::errorTitle();
        for (const tavelo::Message message : tavelo::kAllMessages)
            texts << tavelo::messageText(message);
    }
    return texts;
}

}  // namespace

class EnglishTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(tavelo::useLanguage(tavelo::Language::English)); }
    void cleanupTestCase() { QVERIFY(tavelo::useLanguage(tavelo::Language::Japanese)); }

    void everyWindowInEnglishAndFitting_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main window after a calculation") << "TaveloForm";
        QTest::newRow("capacity dialog") << "TotalForm";
        QTest::newRow("page 1") << "NyuryokuForm";
        QTest::newRow("page 2") << "NyuryokuForm2";
        QTest::newRow("correction") << "NyuryokuForm3";
        QTest::newRow("total page 1") << "NyuryokuForm4";
        QTest::newRow("total page 2") << "NyuryokuForm5";
        QTest::newRow("total correction") << "NyuryokuForm6";
        QTest::newRow("sides A and B, side B over") << "SidesForm";
    }

    void everyWindowInEnglishAndFitting()
    {
        QFETCH(QString, window);
        Session s;
        QWidget *shown = nullptr;
        if (window == QLatin1String("TaveloForm")) {
            QVERIFY(primeRemainingResult(s));
            shown = s.main;
        } else if (window == QLatin1String("TotalForm")) {
            shown = openCapacityDialog(s.main);
        } else if (window == QLatin1String("SidesForm")) {
            shown = openSides(s.main);
        } else {
            for (ScreenId id : tavelo::kAllScreens)
                if (window == QLatin1String(tavelo::screenDescription(id).name))
                    shown = openAsUser(s.main, id);
        }
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), window);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const QStringList faults = faultsOf(shown);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // A note in English counts what it names: files, rows of a table, tracks
    // of a CUE sheet; an item without a name by its list and place.
    void notesCountWhatTheyName_data()
    {
        QTest::addColumn<int>("kind");  // a ListedItem::Kind
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("note");
        using Kind = tavelo::ListedItem::Kind;
        // clang-format off
        QTest::newRow("a row")            << int(Kind::Row) << "Song" << "Could not read 1 row: Song";
        QTest::newRow("a row, no name")   << int(Kind::Row) << "" << "Could not read 1 row: list.csv, row 4";
        QTest::newRow("a track, no name") << int(Kind::Track) << "" << "Could not read 1 track: list.csv, track 4";
        QTest::newRow("an entry")         << int(Kind::Entry) << "" << "Could not read 1 file: list.csv, song 4";
        // clang-format on
    }
    void notesCountWhatTheyName()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QString, note);
        tavelo::DroppedSongs found;
        found.unreadableItems.push_back({tavelo::ListedItem::Kind(kind), name,
                                         QStringLiteral("list.csv"), QStringLiteral("4")});
        const tavelo::Outcome out = tavelo::placeSongs(ScreenId::Entry, {}, 0, found);
        QCOMPARE(out.size(), std::size_t(1));
        QCOMPARE(std::get<tavelo::ShowNote>(out.front()).text, note);
    }

    // What goes to the card, the saved list, the sides window's sentences,
    // the notes and the error box: all English.
    void everyWrittenTextInEnglish_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("index card of 30 untitled songs") << "card";
        QTest::newRow("saved list, both modes") << "list";
        QTest::newRow("sides: split, over, refused, no songs") << "sides";
        QTest::newRow("notes of drops") << "notes";
        QTest::newRow("error box") << "messages";
    }

    void everyWrittenTextInEnglish()
    {
        QFETCH(QString, what);
        const QStringList texts = writtenTexts(what);
        QVERIFY(!texts.isEmpty());
        for (const QString &text : texts)
            QVERIFY2(!hasJapanese(text), qPrintable(text));
    }
};

GUITEST_MAIN(EnglishTest)
#include "test_english.moc"
