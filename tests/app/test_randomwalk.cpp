// SPDX-License-Identifier: MIT
// A seeded random walk over all nine windows with the real error box: clicks
// on enabled buttons, good and hostile texts typed by keys, committed by the
// input method or pasted from the clipboard, Enter, Esc and close boxes;
// tracklists pasted onto the entry screens with Ctrl+Shift+V or the boxes'
// 時間を貼り付け, cassettes chosen from the capacity boxes' テープの長さ, and
// the A面・B面 window opened by Ctrl+B, List1's menu or the program, with its
// spin boxes changed and its card saved (a file chooser and a print dialog
// that answer at once stand in for the platform's dialogs).
// When a step brings up the error box, its own event loop runs and a timer
// armed before the step checks the box and dismisses it by Enter, Esc, a
// click on OK or its close box; a context menu is walked the same way. After
// every step the modes, the values in List1, Text3 and Text4, and the texts
// of all boxes must be what the program's rules allow; a step in the A面・B面
// window leaves the main state as it was, and the window's two sides hold
// the songs of the song table between them.
//
// Replaying a failure: the rows are named by their seeds, so
//     QT_QPA_PLATFORM=offscreen test_randomwalk walk:2718
// runs one seed again. TAVELO_WALK_SEED=<seed> runs that seed alone (its row
// is named by it), and TAVELO_WALK_STEPS=<count> sets the steps of each row:
// the failing step's number plus one, or 100000 for a long run:
//     QT_QPA_PLATFORM=offscreen TAVELO_WALK_SEED=2718 TAVELO_WALK_STEPS=100000 test_randomwalk
// (with TAVELO_WALK_STEPS set, a walk may take longer than Qt Test's usual
// five minutes for one test function).

#include "core/tapes.h"
#include "gui/boxmenus.h"
#include "gui/filechooser.h"
#include "plan/sides.h"
#include "sides/cardprint.h"
#include "support/guitest.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <map>
#include <optional>

using namespace guitest;
using tavelo::ScreenRole;
using tavelo::SidesWindow;
using namespace Qt::StringLiterals;

namespace {

// Texts beyond the ordinary: other scripts' digits, exponents, signs, blanks,
// control characters, NUL, emoji and bidi marks.
const QStringList kHostileTexts{
    u"٣"_s,        u"३"_s,       u"３"_s,      u"１２"_s,    u"５：３０"_s, u"1e400"_s,
    u"1e-400"_s,   u"5e1"_s,     u"-1e400"_s,  u"1e300"_s,   u"4e7"_s,      u"1:30"_s,
    u"+4"_s,       u"-1"_s,      u"-0"_s,      u"-"_s,       u"−5"_s,       u" "_s,
    u"　"_s,       u" 7 "_s,     u"\u00093"_s, u"4\u000a"_s, u"\u000d"_s,   u"3\u001b"_s,
    u"\u007f"_s,   u"\u0001"_s,  u"1\u0000"_s, u"\u00005"_s, u"😀"_s,        u"3😀"_s,
    u"\u202e12"_s, u"5\u200f"_s, u"\u200f"_s,  u"nan"_s,     u"inf"_s,      u"0x1A"_s,
    u"1,5"_s,      u"59.5"_s,    u"59.4"_s,    u".5"_s,      u"4."_s,       u"546"_s,
    u"32767"_s,    u"32768"_s,   u"99999"_s,   u"40000"_s,   u"abc"_s,      u"0.0"_s};

// Texts longer than a box holds: zeros that read as 0 when cut short, nines
// beyond any number, full-width digits.
const QString kLongTexts[] = {QString(39999, u'0') + u'7', QString(40000, u'9'),
                              QString(40000, QChar(0xFF13))};

// Lines of a pasted tracklist: times in the forms a tracklist writes them,
// with titles, notes and lines without a time between them.
// clang-format off
const QStringList kTracklistLines{
    u"1. 夏の終わり 3:45"_s, u"02 - Song 4:05"_s, u"3:27.5"_s, u"1:02:03"_s, u"3分27秒"_s,
    u"４：３０"_s, u"# side A"_s, u"no time here"_s, u"12:345"_s, u"1:2:3:4"_s, u"0:00"_s,
    u"99999999:59"_s, u"Title · Artist 10:00"_s, u"5. [3:00] Track 2:59"_s, u""_s, u"\t 7:07 \t"_s};
// clang-format on

// A text as the step list shows it: blanks, control characters and marks
// escaped, long texts cut short.
QString shown(const QString &text)
{
    QString out;
    for (QChar c : QStringView(text).left(12))
        out += c.unicode() > 0x20 && c.unicode() != 0x7f && c.isPrint()
                   ? QString(c)
                   : u"\\u%1"_s.arg(c.unicode(), 4, 16, QChar(u'0'));
    return u"'%1'%2"_s.arg(out, text.size() > 12 ? u"...(%1 chars)"_s.arg(text.size()) : u""_s);
}

QString nameOf(const QWidget *w) { return w->window()->objectName() + u'.' + w->objectName(); }

// The walk: one random step at a time, each checked as soon as it is over.
class Walk {
public:
    Walk(Session &session, quint32 seed) : s(session), rng(seed), watch(session.main)
    {
        // The file chooser answers a file in a folder of the walk's own, a
        // folder that does not exist, or nothing (cancelled); the print
        // dialog prints to a PDF file or is cancelled.
        oldChooser = tavelo::setSaveFileChooser([this](const QString &) {
            const int roll = int(rng.bounded(8));
            cardPath = roll == 0   ? QString()
                       : roll == 1 ? folder.filePath(u"no/such/folder/card.pdf"_s)
                                   : folder.filePath(u"card.pdf"_s);
            return cardPath;
        });
        oldPrinter = tavelo::setPrintDialogHandler([this](QPrinter &printer) {
            if (rng.bounded(3) == 0)
                return false;
            cardPath = folder.filePath(u"printed.pdf"_s);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(cardPath);
            return true;
        });
    }
    ~Walk()
    {
        tavelo::setSaveFileChooser(oldChooser);
        tavelo::setPrintDialogHandler(oldPrinter);
    }

    // Runs one random step and checks the windows after it; returns what
    // went wrong.
    QStringList step(int number)
    {
        const auto how = guitest::Dismissal(rng.bounded(4));
        typed.clear();
        acting.clear();
        copiesTo.reset();
        pastedOn = nullptr;
        inSides = false;
        cardPath.clear();
        const tavelo::MainState stateBefore = program().state();
        const Snapshot before = snapshot();
        const QStringList listBefore = s.listLines();
        const int boxesBefore = watch.boxes;
        watch.faults.clear();
        watch.how = how;
        watch.timer.start();
        // With only the main window open, most steps open another window.
        int roll = int(rng.bounded(100));
        if (openWindows().size() == 1 && rng.bounded(10) != 0)
            roll = 0;
        QString done = roll < 46   ? clickButton()
                       : roll < 66 ? typeText()
                       : roll < 75 ? typeRows(false)
                       : roll < 87 ? pressKey()
                       : roll < 89 ? closeWindow()
                       : roll < 92 ? typeRows(true)
                       : roll < 94 ? openSides()
                       : roll < 97 ? changeSpinBox()
                       : roll < 99 ? pasteTracklist()
                                   : chooseTape();
        settle();
        watch.timer.stop();
        menus.timer.stop();
        if (!menus.missing.isEmpty())
            watch.faults << u"the menu had no entry %1"_s.arg(menus.missing);
        menus.missing.clear();
        if (watch.boxes > boxesBefore) {
            ++stepsWithBox;
            done += u" -> error box, %1"_s.arg(guitest::kDismissalNames[int(how)]);
        }
        recent << u"%1: %2"_s.arg(number).arg(done);
        if (recent.size() > 30)
            recent.removeFirst();
        if (!s.main->text3->text().isEmpty())
            ++reached[s.main->gokei->isVisible() ? u"total shown"_s : u"remaining shown"_s];
        for (QWidget *w : openWindows())
            ++reached[u"open "_s + w->objectName()];
        return watch.faults + problems(before, listBefore) + sidesProblems(stateBefore);
    }

    Session &s;
    QRandomGenerator rng;
    BoxWatch watch;
    MenuWalk menus;
    int stepsWithBox = 0;
    int longTexts = 0;
    QStringList recent;              // the last steps, for the report of a failure
    std::map<QString, int> reached;  // what the walk reached, to make sure it exercised the program

private:
    struct BoxText {
        QPointer<QLineEdit> box;
        QString text;
    };
    using Snapshot = QHash<QString, BoxText>;  // by "window.box"

    // The open windows in a fixed order: the main window, the capacity
    // dialog, the entry screens, the A面・B面 window.
    std::vector<QWidget *> openWindows(bool screensOnly = false) const
    {
        std::vector<QWidget *> open;
        if (!screensOnly)
            open = {s.main, program().capacityDialog()};
        for (ScreenId id : tavelo::kAllScreens)
            open.push_back(guitest::screen(id));
        if (!screensOnly)
            open.push_back(program().sidesWindow());
        std::erase(open, nullptr);
        return open;
    }

    EntryScreen *pickScreen()
    {
        const std::vector<QWidget *> screens = openWindows(true);
        return screens.empty() ? nullptr : static_cast<EntryScreen *>(pick(screens));
    }

    template <typename T>
    T pick(const std::vector<T> &items)
    {
        return items.at(rng.bounded(int(items.size())));
    }

    // Mostly a window other than the main one and the A面・B面 window: there
    // are the calculations.
    QWidget *pickWindow()
    {
        std::vector<QWidget *> open = openWindows();
        if (open.size() > 2 && program().sidesWindow() && rng.bounded(3) != 0)
            open.pop_back();
        if (open.size() > 1 && rng.bounded(5) != 0)
            open.erase(open.begin());
        return pick(open);
    }

    // The boxes the user can type into, with their texts.
    Snapshot snapshot() const
    {
        Snapshot shot;
        for (QWidget *w : openWindows())
            for (QLineEdit *e : w->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
                if (!e->isReadOnly())
                    shot.insert(nameOf(e), {e, e->text()});
        return shot;
    }

    // Empty, an ordinary time, or hostile; very rarely a long text.
    QString randomText()
    {
        const int roll = int(rng.bounded(1000));
        if (roll < 3 && longTexts < 4)
            return kLongTexts[longTexts++ % 3];
        if (roll < 150)
            return QString();
        if (roll < 550)
            return QString::number(rng.bounded(roll < 350 ? 60 : 13));
        if (roll < 600)
            return u"0"_s + QString::number(rng.bounded(10));
        return kHostileTexts.at(rng.bounded(int(kHostileTexts.size())));
    }

    // Replaces the text of a box by key clicks (short printable ASCII only),
    // by an input-method commit, or by a paste from the clipboard.
    QString enter(QLineEdit *box, const QString &text)
    {
        const bool keyable =
            text.size() <= 40 && std::all_of(text.begin(), text.end(), [](QChar c) {
                return c.unicode() >= 0x20 && c.unicode() < 0x7f;
            });
        int how = int(rng.bounded(4));
        if (how == 0 && !keyable)
            how = 1;
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        if (how == 0)
            QTest::keyClicks(box, text);
        else if (how == 1)
            commitText(box, text);
        else
            QGuiApplication::clipboard()->setText(text);
        if (how == 2)
            box->paste();
        else if (how == 3)
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        // A box holds at most maxLength characters and drops the rest.
        typed.insert(box, text.left(box->maxLength()));
        const char *const ways[] = {"keys", "input method", "paste", "Ctrl+V"};
        return QString::fromLatin1(ways[how]);
    }

    // Clicks an enabled button, mostly one that does more than close a window.
    QString clickButton()
    {
        const bool closing = rng.bounded(5) == 0;
        std::vector<QPushButton *> buttons;
        QWidget *window = pickWindow();
        for (QPushButton *b : window->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
            if (b->isVisible() && b->isEnabled() &&
                (closing || (b->text() != u"キャンセル"_s && b->text() != u"閉じる"_s)))
                buttons.push_back(b);
        if (buttons.empty())  // the A面・B面 window without a card to write
            return u"no button to click in %1"_s.arg(window->objectName());
        QPushButton *button = pick(buttons);
        const QString name = u"click %1 (%2)"_s.arg(nameOf(button), button->text());
        actOn(button->window());
        return click(button) ? name : name + u" failed"_s;
    }

    QString typeText()
    {
        std::vector<QLineEdit *> boxes;
        for (QWidget *w : openWindows())
            for (QLineEdit *e : w->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
                if (e->isVisible() && !e->isReadOnly())
                    boxes.push_back(e);
        if (boxes.empty())
            return u"no box to type into"_s;
        QLineEdit *box = pick(boxes);
        const QString text = randomText();
        inSides = qobject_cast<SidesWindow *>(box->window()) != nullptr;
        const QString way = enter(box, text);
        return u"%1 into %2 by %3"_s.arg(shown(text), nameOf(box), way);
    }

    // Types into the rows of a screen: plausible times and blanks into every
    // row, so that calculations succeed often enough to reach every state, or
    // any texts into both boxes of one of the first rows, neither blank, so
    // that a bad one stops the next calculation there.
    QString typeRows(bool plausible)
    {
        EntryScreen *screen = pickScreen();
        if (!screen)
            return u"no screen to type into"_s;
        const int first = firstVisibleSlot(screen);
        if (plausible) {
            for (int slot = first; slot < first + tavelo::kRowsPerPage; ++slot) {
                const bool song = rng.bounded(3) == 0;
                enter(minuteBox(screen, slot), song ? QString::number(rng.bounded(10)) : "");
                enter(secondBox(screen, slot), song ? QString::number(rng.bounded(60)) : "");
            }
            return u"plausible times into %1"_s.arg(screen->objectName());
        }
        const int slot = first + int(rng.bounded(6));
        QString minutes = randomText(), seconds = randomText();
        minutes = minutes.isEmpty() ? QString::number(rng.bounded(10)) : minutes;
        seconds = seconds.isEmpty() ? QString::number(rng.bounded(60)) : seconds;
        enter(minuteBox(screen, slot), minutes);
        enter(secondBox(screen, slot), seconds);
        return u"row %1 %2 into slot %3 of %4"_s.arg(shown(minutes), shown(seconds))
            .arg(slot)
            .arg(screen->objectName());
    }

    QString pressKey(QWidget *window = nullptr)
    {
        window = window ? window : pickWindow();
        QWidget *target = window->focusWidget() ? window->focusWidget() : window;
        const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
        const char *const names[] = {"Enter", "Enter", "keypad Enter", "Esc"};
        const int which = int(rng.bounded(4));
        const QString name = u"%1 on %2"_s.arg(names[which], nameOf(target));
        actOn(window);
        guitest::pressKey(target, keys[which]);
        return name;
    }

    QString closeWindow()
    {
        std::vector<QWidget *> open = openWindows();
        open.erase(open.begin());  // never the main window
        if (open.empty())
            return u"nothing to close"_s;
        QWidget *window = pick(open);
        const QString name = window->objectName();
        inSides = qobject_cast<SidesWindow *>(window) != nullptr;
        window->close();
        return u"close box of %1"_s.arg(name);
    }

    // Activates a window the way a click on it does, so that its keyboard
    // shortcuts reach it; a window that does not become active is no fault.
    static bool activate(QWidget *window)
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window, 1000);
    }

    // Sends a context menu request to a widget, as a right click does, with
    // the menu walk armed for `entries`.
    void openMenu(QWidget *target, const QStringList &entries)
    {
        guitest::openMenu(menus, target, target->rect().center(), entries);
    }

    // The A面・B面 window opened by Ctrl+B on the main window, A面・B面に分ける…
    // in List1's menu, or the program; when it is open, a key in it instead.
    QString openSides()
    {
        inSides = true;
        if (program().sidesWindow())
            return pressKey(program().sidesWindow());
        ++reached[u"sides opened"_s];
        const int how = int(rng.bounded(3));
        if (how == 0) {
            if (!activate(s.main))
                return u"Ctrl+B: the main window did not become active"_s;
            QTest::keyClick(s.main->list1, Qt::Key_B, Qt::ControlModifier);
        } else if (how == 1) {
            openMenu(s.main->list1->viewport(), {u"A面・B面に分ける…"_s});
        } else {
            program().showSidesWindow();
        }
        const char *const ways[] = {"Ctrl+B", "List1's menu", "the program"};
        if (!program().sidesWindow())
            watch.faults << u"%1 did not open the A面・B面 window"_s.arg(ways[how]);
        return u"open SidesForm by %1"_s.arg(ways[how]);
    }

    // A spin box of the A面・B面 window stepped by keys or typed into, any
    // text, then Enter or Tab; or one of its choices (the way of splitting,
    // the flip song, the paper, the card's size) stepped by keys, or its
    // guides turned on or off.
    QString changeSpinBox()
    {
        SidesWindow *sides = program().sidesWindow();
        if (!sides)
            return openSides();
        inSides = true;
        if (rng.bounded(3) == 0)
            return changeChoice(sides);
        const char *const names[] = {"GapSeconds", "LeaderSeconds", "ExtraSeconds"};
        auto *spin = control<QSpinBox>(sides, QString::fromLatin1(names[rng.bounded(3)]));
        spin->setFocus();
        const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
        QString done;
        if (rng.bounded(2) == 0) {
            const int which = int(rng.bounded(4));
            const int times = 1 + int(rng.bounded(5));
            for (int i = 0; i < times; ++i)
                QTest::keyClick(spin, keys[which]);
            const char *const keyNames[] = {"Up", "Down", "PageUp", "PageDown"};
            done = u"%1 x%2"_s.arg(keyNames[which]).arg(times);
        } else {
            const QString text =
                rng.bounded(2) == 0 ? QString::number(int(rng.bounded(400)) - 100) : randomText();
            spin->selectAll();
            QTest::keyClick(spin, Qt::Key_Delete);
            commitText(spin->findChild<QLineEdit *>(), text);
            QTest::keyClick(spin, rng.bounded(2) == 0 ? Qt::Key_Return : Qt::Key_Tab);
            done = shown(text) + u" typed"_s;
        }
        if (spin->value() < spin->minimum() || spin->value() > spin->maximum())
            watch.faults << u"%1 holds %2"_s.arg(spin->objectName()).arg(spin->value());
        return u"%1 in SidesForm.%2 (now %3)"_s.arg(done, spin->objectName()).arg(spin->value());
    }

    QString changeChoice(SidesWindow *sides)
    {
        ++reached[u"sides choice"_s];
        if (rng.bounded(5) == 0) {
            auto *guides = control<QCheckBox>(sides, u"CardGuides"_s);
            guides->setFocus();
            QTest::keyClick(guides, Qt::Key_Space);
            return u"Space in SidesForm.CardGuides (now %1)"_s.arg(guides->isChecked());
        }
        const char *const names[] = {"SplitMode", "FlipSong", "CardPaper", "CardSize"};
        auto *box = control<QComboBox>(sides, QString::fromLatin1(names[rng.bounded(4)]));
        box->setFocus();
        const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
        const char *const keyNames[] = {"Up", "Down", "Home", "End"};
        const int which = int(rng.bounded(4));
        QTest::keyClick(box, keys[which]);
        if (box->count() > 0 && (box->currentIndex() < 0 || box->currentIndex() >= box->count()))
            watch.faults << u"%1 at %2 of %3"_s.arg(box->objectName())
                                .arg(box->currentIndex())
                                .arg(box->count());
        return u"%1 in SidesForm.%2 (now %3)"_s.arg(QLatin1String(keyNames[which]),
                                                    box->objectName(), box->currentText());
    }

    // A tracklist of a few lines, now and then with a hostile one, pasted
    // onto a screen by Ctrl+Shift+V or a time box's 時間を貼り付け; the focus in a
    // row box or on a button.
    QString pasteTracklist()
    {
        EntryScreen *screen = pickScreen();
        if (!screen)
            return u"no screen to paste onto"_s;
        QStringList lines;
        for (int i = 0, n = 1 + int(rng.bounded(6)); i < n; ++i)
            lines
                << (rng.bounded(5) == 0 ? kHostileTexts.at(rng.bounded(int(kHostileTexts.size())))
                    : rng.bounded(3) == 0
                        ? kTracklistLines.at(rng.bounded(int(kTracklistLines.size())))
                        : u"%1:%2"_s.arg(rng.bounded(12)).arg(rng.bounded(60), 2, 10, QChar(u'0')));
        const QString text = lines.join(rng.bounded(2) == 0 ? u"\n"_s : u"\r\n"_s);
        QGuiApplication::clipboard()->setText(text);
        const int slot = firstVisibleSlot(screen) + int(rng.bounded(tavelo::kRowsPerPage));
        QLineEdit *box = rng.bounded(2) == 0 ? minuteBox(screen, slot) : secondBox(screen, slot);
        pastedOn = screen;
        const tavelo::Slots before = screen->texts();
        const bool byMenu = rng.bounded(3) == 0;
        if (byMenu) {
            openMenu(box, {u"時間を貼り付け"_s});
        } else {
            if (!activate(screen))
                return u"Ctrl+Shift+V: %1 did not become active"_s.arg(screen->objectName());
            QWidget *target = box;
            if (rng.bounded(4) == 0)
                target = button(screen, "Command3");
            target->setFocus();
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        }
        // 時間を貼り付け is offered only while the clipboard holds text.
        if (byMenu && text.isEmpty() && menus.missing == u"時間を貼り付け (disabled)"_s)
            menus.missing.clear();
        else if (byMenu && text.isEmpty() && menus.chosen)
            watch.faults << u"時間を貼り付け enabled with an empty clipboard"_s;
        ++reached[u"tracklist pasted"_s];
        if (screen->texts() != before)
            ++reached[u"pasted songs placed"_s];
        return u"paste %1 lines %2 onto %3 by %4"_s.arg(lines.size())
            .arg(shown(text), nameOf(box), byMenu ? u"時間を貼り付け"_s : u"Ctrl+Shift+V"_s);
    }

    // A cassette chosen from テープの長さ in the menu of a capacity box: Totaltxt,
    // the capacity dialog's Text1 or the A面・B面 window's SideMinutes.
    QString chooseTape()
    {
        std::vector<QLineEdit *> boxes;
        if (s.main->totaltxt->isVisible())
            boxes.push_back(s.main->totaltxt);
        if (tavelo::CapacityDialog *dialog = capacityDialog())
            boxes.push_back(CapacityDialogView(dialog).text1);
        if (SidesWindow *sides = program().sidesWindow())
            boxes.push_back(control<QLineEdit>(sides, u"SideMinutes"_s));
        if (boxes.empty())
            return u"no capacity box"_s;
        QLineEdit *box = pick(boxes);
        const tavelo::TapeLength &tape =
            tavelo::kTapeLengths[rng.bounded(int(std::size(tavelo::kTapeLengths)))];
        inSides = qobject_cast<SidesWindow *>(box->window()) != nullptr;
        openMenu(box, {u"テープの長さ"_s, tavelo::tapeLengthEntry(tape.name, tape.sideMinutes)});
        if (menus.chosen) {
            typed.insert(box, QString::number(tape.sideMinutes));
            ++reached[u"tape chosen"_s];
        }
        return u"%1 from the menu of %2"_s.arg(QLatin1String(tape.name), nameOf(box));
    }

    // A step that presses a button or key of a window lets the program
    // write what that window's buttons write.
    void actOn(QWidget *window)
    {
        acting = window->objectName();
        inSides = qobject_cast<SidesWindow *>(window) != nullptr;
        if (auto *screen = qobject_cast<EntryScreen *>(window);
            screen && tavelo::roleOf(screen->id()) == ScreenRole::Correction) {
            copiesTo = tavelo::pageTwoOf(screen->id());
            copied = screen->texts();
        }
    }

    // Whether the program may have written `now` into a box in this step.
    bool mayWrite(const QLineEdit *box, const QString &now, const Snapshot &before) const
    {
        auto *screen = qobject_cast<const EntryScreen *>(box->window());
        // The A面・B面 window takes the capacity of the state when it changes.
        if (box->objectName() == u"SideMinutes"_s)
            return now == program().state().capacity;
        if (!screen)  // OK in the capacity dialog writes the capacity into Totaltxt
            return box == s.main->totaltxt && acting == QStringLiteral("TotalForm") &&
                   now == before.value(QStringLiteral("TotalForm") + u".Text1"_s).text;
        // A pasted tracklist writes whole minutes and seconds of 0 to 59.
        if (screen == pastedOn) {
            static const QRegularExpression whole(u"^(0|[1-9][0-9]*)$"_s);
            return whole.match(now).hasMatch() &&
                   (box->objectName().startsWith(u"Text1"_s) || now.toInt() < 60);
        }
        // The blank rule writes 0 into a blank row of the screen whose button was pressed.
        if (screen->objectName() == acting && now == u"0"_s)
            return true;
        const int slot = box->objectName().mid(6).chopped(1).toInt();  // Text1(17) -> 17
        const auto part = [box](const tavelo::SongTime &t) {
            return box->objectName().startsWith(u"Text1"_s) ? t.minutes : t.seconds;
        };
        // 訂正 and 合計の訂正 fill a correction screen from the song table.
        if (acting == QStringLiteral("TaveloForm") &&
            tavelo::roleOf(screen->id()) == ScreenRole::Correction)
            return now.isEmpty() || now == part(program().state().songs.at(slot));
        // 次画面を訂正 copies the correction screen's texts into page 2.
        return copiesTo == screen->id() && now == part(copied.at(slot));
    }

    QStringList problems(const Snapshot &before, const QStringList &listBefore) const
    {
        QStringList found;
        std::map<QString, int> visibleNames;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            // The note of a paste is a tool tip.
            if (!w->isVisible() || w->windowType() == Qt::ToolTip)
                continue;
            if (++visibleNames[w->objectName()] > 1)
                found << u"%1 visible twice"_s.arg(w->objectName());
            if (openWindow(w->objectName()) != w)
                found << u"visible window %1 is not the registered one"_s.arg(w->objectName());
        }

        const guitest::MainView &m = s.main;
        for (const QWidget *w : {m->total, m->goukei, m->command3})
            if (!w->isEnabled())
                found << w->objectName() + u" disabled"_s;
        for (const QWidget *w : std::initializer_list<const QWidget *>{
                 m.window, m->label3, m->label5, m->label6, m->list1, m->text3, m->text4})
            if (!w->isVisible())
                found << w->objectName() + u" hidden"_s;
        const bool totalMode = m->gokei->isVisible();
        for (const QWidget *w :
             std::initializer_list<const QWidget *>{m->label1, m->totaltxt, m->label2, m->nokori})
            if (w->isVisible() == totalMode)
                found << u"%1 and Gokei both %2"_s.arg(w->objectName(),
                                                       totalMode ? u"shown"_s : u"hidden"_s);
        if (totalMode && (m->nyuryoku->isEnabled() || m->teisei->isEnabled()))
            found << u"Nyuryoku or Teisei enabled in total mode"_s;
        if (totalMode && !m->goteisei->isEnabled())
            found << u"Goteisei disabled in total mode"_s;

        // Once a step is over, the result is empty or 0:00 to 546:59.
        const QString t3 = m->text3->text(), t4 = m->text4->text();
        if ((!t3.isEmpty() || !t4.isEmpty()) &&
            (!isResult(t3, 546, false) || !isResult(t4, 59, false)))
            found << u"Text3 '%1' Text4 '%2'"_s.arg(t3, t4);
        // Totaltxt is the capacity the next calculation reads, however it got there.
        if (m->totaltxt->text() != program().state().capacity)
            found << u"Totaltxt %1, the capacity %2"_s.arg(shown(m->totaltxt->text()),
                                                           shown(program().state().capacity));

        const QStringList lines = s.listLines();
        if (lines.size() > tavelo::kSlotCount)
            found << u"List1 has %1 lines"_s.arg(lines.size());
        else if (lines != listBefore)
            for (int i = 0; i < lines.size(); ++i)
                if (!isListLine(lines[i], program().state().songs.at(i)))
                    found << u"List1 line %1 %2"_s.arg(i).arg(shown(lines[i]));

        // Typed boxes hold what was typed; the others keep their texts
        // unless the button pressed writes them.
        for (auto it = before.begin(); it != before.end(); ++it)
            if (const QLineEdit *box = it->box; box && !typed.contains(box) &&
                                                box->text() != it->text &&
                                                !mayWrite(box, box->text(), before))
                found << u"%1 went from %2 to %3"_s.arg(it.key(), shown(it->text),
                                                        shown(box->text()));
        for (auto it = typed.begin(); it != typed.end(); ++it)
            if (it.key()->text() != it.value())
                found << u"%1 holds %2 after %3 was typed"_s.arg(
                    nameOf(it.key()), shown(it.key()->text()), shown(it.value()));
        return found;
    }

    // A list line of a row of the song table: its minutes text as typed, ":",
    // and its seconds as a whole number of at least two digits, or the
    // seconds text itself when it is no number. Plain decimal seconds are
    // rounded halves away from zero.
    // A step in the A面・B面 window leaves the main state as it was; the
    // window's sides hold the songs of the song table between them, in
    // order, or nothing with the refusal of the side length; a card saved
    // or printed is a PDF file.
    QStringList sidesProblems(const tavelo::MainState &stateBefore)
    {
        QStringList found;
        if (inSides && !(program().state() == stateBefore))
            found << u"the step in SidesForm changed the main state"_s;
        if (!cardPath.isEmpty() && !cardPath.contains(u"no/such"_s)) {
            QFile card(cardPath);
            if (!card.open(QIODevice::ReadOnly) || !card.read(5).startsWith("%PDF-"))
                found << u"no PDF in %1"_s.arg(cardPath);
            ++reached[cardPath.endsWith(u"printed.pdf"_s) ? u"card printed"_s : u"card saved"_s];
            card.remove();
        }
        const SidesWindow *sides = program().sidesWindow();
        if (!sides)
            return found;
        const auto lines = [sides](const char *name) {
            return linesOf(control<QListWidget>(sides, QLatin1String(name)));
        };
        const QStringList both = lines("SideAList") + lines("SideBList");
        const tavelo::SidesView &view = sides->view();
        const auto songs = tavelo::songsOfTable(program().state().songs);
        if (view.refusal && !both.isEmpty())
            found << u"SidesForm lists songs under a refused side length"_s;
        if (!view.refusal && both.size() != qsizetype(songs.size()))
            found << u"SidesForm lists %1 songs of %2"_s.arg(both.size()).arg(songs.size());
        for (int i = 0; i < both.size(); ++i)
            if (!both[i].startsWith(QString::number(i + 1) + u". "_s))
                found << u"SidesForm line %1 is %2"_s.arg(i).arg(shown(both[i]));
        const bool card = !view.refusal && !songs.empty();
        if (button(sides, "SaveCard")->isEnabled() != card ||
            button(sides, "PrintCard")->isEnabled() != card)
            found << u"SaveCard or PrintCard %1"_s.arg(card ? u"disabled"_s : u"enabled"_s);
        if (!view.refusal && !songs.empty())
            ++reached[u"sides with songs"_s];
        return found;
    }

    static bool isListLine(const QString &line, const tavelo::SongTime &song)
    {
        static const QRegularExpression twoDigits(u"^-?[0-9]{2,}$"_s);
        static const QRegularExpression decimal(u"^[0-9]{1,5}(\\.[0-9]{1,5})?$"_s);
        if (!line.startsWith(song.minutes + u':'))
            return false;
        const QString tail = line.mid(song.minutes.size() + 1);
        if (!twoDigits.match(tail).hasMatch())
            return tail == song.seconds;
        const int rounded = int(std::round(song.seconds.toDouble()));
        return !decimal.match(song.seconds).hasMatch() ||
               tail == u"%1"_s.arg(rounded, 2, 10, QChar(u'0'));
    }

    QHash<const QLineEdit *, QString> typed;  // boxes typed into in this step, with their texts
    QString acting;                           // the window whose button or key this step pressed
    std::optional<ScreenId> copiesTo;         // page 2, when that window is a correction screen
    tavelo::Slots copied;                     // what that correction screen held
    QPointer<EntryScreen> pastedOn;           // the screen a tracklist was pasted onto
    bool inSides = false;                     // the step acted in the A面・B面 window
    QString cardPath;                         // the file a card went to in this step
    QTemporaryDir folder;
    tavelo::SaveFileChooser oldChooser;
    tavelo::PrintDialogHandler oldPrinter;
};

// A long walk outlasts the five minutes Qt Test gives a test function; the
// limit is read before the first test function starts.
[[maybe_unused]] const bool kLongWalkAllowed = [] {
    if (qEnvironmentVariableIsSet("TAVELO_WALK_STEPS") &&
        !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    return true;
}();

}  // namespace

class Test_randomwalk : public QObject {
    Q_OBJECT
private slots:
    void walk_data();
    void walk();
};

void Test_randomwalk::walk_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    const bool stepsSet = qEnvironmentVariableIsSet("TAVELO_WALK_STEPS");
    const int steps = stepsSet ? qEnvironmentVariableIntValue("TAVELO_WALK_STEPS") : 3000;
    std::vector<quint32> seeds{20240611, 2718, 31415};
    if (qEnvironmentVariableIsSet("TAVELO_WALK_SEED"))
        seeds = {qEnvironmentVariable("TAVELO_WALK_SEED").toUInt()};
    for (quint32 seed : seeds)
        QTest::newRow(qPrintable(QString::number(seed))) << seed << steps;
}

void Test_randomwalk::walk()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);

    Session s;
    tavelo::setErrorBoxHandler({});  // the real box from here on
    Walk walk(s, seed);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i) {
        const QStringList faults = walk.step(i);
        if (i % 10000 == 9999)
            qInfo("seed %u: %d steps in %.1f s", seed, i + 1, clock.elapsed() / 1000.0);
        if (!faults.isEmpty() || QTest::currentTestFailed())
            QFAIL(qPrintable(u"seed %1, step %2: %3\nreplay: TAVELO_WALK_SEED=%1 "
                             "TAVELO_WALK_STEPS=%4 test_randomwalk\nlast steps:\n  %5"_s.arg(seed)
                                 .arg(i)
                                 .arg(faults.join(u"; "_s))
                                 .arg(i + 1)
                                 .arg(walk.recent.join(u"\n  "_s))));
    }

    // The walk must have reached both modes with results, every window, the
    // A面・B面 window with songs and both ways out for its card, pastes that
    // placed songs, cassettes chosen from a menu, the window's choices
    // changed, and the error box often
    // enough, dismissed in all four ways.
    std::map<QString, int> seen = walk.reached;
    seen.insert(walk.watch.counts.begin(), walk.watch.counts.end());
    QStringList missing;
    QStringList wanted{"total shown",
                       "remaining shown",
                       "open TotalForm",
                       "open SidesForm",
                       "sides with songs",
                       "card saved",
                       "card printed",
                       "tracklist pasted",
                       "pasted songs placed",
                       "tape chosen",
                       "sides choice",
                       "Enter",
                       "Esc",
                       "OK click",
                       "close box"};
    for (ScreenId id : tavelo::kAllScreens)
        wanted << u"open "_s + screenName(id);
    for (const QString &state : std::as_const(wanted))
        if (!seen.count(state))
            missing << state;
    if (walk.stepsWithBox * 5 < steps)
        missing << u"the error box in a fifth of the steps"_s;
    QStringList summary;
    for (const auto &[what, count] : walk.watch.counts)
        summary << u"%1 x%2"_s.arg(what).arg(count);
    for (const char *what : {"sides opened", "sides choice", "card saved", "card printed",
                             "tracklist pasted", "pasted songs placed", "tape chosen"})
        summary << u"%1 x%2"_s.arg(QLatin1String(what)).arg(seen[QLatin1String(what)]);
    qInfo("seed %u: %d steps in %.1f s, %d met the error box, %d long texts, %d end requests; %s",
          seed, steps, clock.elapsed() / 1000.0, walk.stepsWithBox, walk.longTexts, s.endRequests,
          qPrintable(summary.join(u", "_s)));
    // A short replay need not reach everything.
    QVERIFY2(missing.isEmpty() || steps < 1000,
             qPrintable(u"seed %1 never reached: %2"_s.arg(seed).arg(missing.join(u", "_s))));
}

GUITEST_MAIN(Test_randomwalk)
#include "test_randomwalk.moc"
