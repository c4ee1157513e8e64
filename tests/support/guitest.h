// SPDX-License-Identifier: MIT
#pragma once

// Shared helpers for the window tests: a fresh main window per test, the
// error box and the program's end replaced by recorders, the texts the error
// box shows, and small helpers to type into boxes, press buttons and keys the
// way a user does, and to read what the windows and the song table hold.
//
// A helper step that goes wrong must end the test there, not let it run on
// into failures that only follow from the first. Helpers that act or check
// record the failure where it happens and return false (or null), and every
// caller wraps them: QVERIFY(guitest::click(...)), QVERIFY(screen) for a
// window a helper opened. Each level that gives up adds a line to the log,
// so the log reads from the failing step up to the line of the test.

#include "app/appsetup.h"
#include "app/program.h"
#include "dialogs/capacitydialog.h"
#include "entry/entryscreen.h"
#include "gui/errorbox.h"
#include "mainwindow/mainwindow.h"
#include "sides/sideswindow.h"
#include "support/valuetest.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <vector>

// QVERIFY and QCOMPARE for helpers: the failure is recorded at the failing
// line, and the helper returns false, or null when it returns a pointer.
#define GUITEST_VERIFY(statement)                                                                  \
    do {                                                                                           \
        if (!QTest::qVerify(static_cast<bool>(statement), #statement, "", __FILE__, __LINE__))     \
            return {};                                                                             \
    } while (false)

#define GUITEST_VERIFY2(statement, description)                                                    \
    do {                                                                                           \
        if (!QTest::qVerify(static_cast<bool>(statement), #statement, description, __FILE__,       \
                            __LINE__))                                                             \
            return {};                                                                             \
    } while (false)

#define GUITEST_COMPARE(actual, expected)                                                          \
    do {                                                                                           \
        if (!QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__))            \
            return {};                                                                             \
    } while (false)

namespace guitest {

using tavelo::CapacityDialog;
using tavelo::EntryScreen;
using tavelo::MainWindow;
using tavelo::ScreenId;
using valuetest::rows;
using valuetest::screenName;
using valuetest::slotsFrom;
using valuetest::slotsText;

// The program of the test that runs now (each test makes a Session, which
// makes one).
inline tavelo::Program *currentProgram = nullptr;
inline tavelo::Program &program()
{
    if (!currentProgram)
        qFatal("no Session: the test has no program");
    return *currentProgram;
}

// The open window of an object name, or null.
inline QWidget *openWindow(const QString &name)
{
    if (name == QLatin1String("TaveloForm"))
        return program().mainWindow();
    if (name == QLatin1String("TotalForm"))
        return program().capacityDialog();
    if (name == QLatin1String("SidesForm"))
        return program().sidesWindow();
    for (ScreenId id : tavelo::kAllScreens) {
        if (name == valuetest::screenName(id))
            return program().screen(id);
    }
    return nullptr;
}

// The texts of the error box, written out here rather than taken from the
// program, so that a changed text fails the tests.
inline const QString kBadMinutes = QStringLiteral("分の入力が間違ってます。");
inline const QString kBadSeconds = QStringLiteral("秒の入力が間違ってます。");
inline const QString kOverCapacity = QStringLiteral("録音時間の合計が録音可能時間を超えました");
inline const QString kMinutesTooLarge = QStringLiteral("分の入力が大きすぎます。");
inline const QString kBadCapacity = QStringLiteral("録音可能時間の入力が間違ってます。");
inline const QString kCapacityTooLarge = QStringLiteral("録音可能時間が大きすぎます。");
inline const QString kRemainingTooLarge =
    QStringLiteral("残り時間が546分59秒を超えるため表示できません。");
inline const QString kTotalTooLarge =
    QStringLiteral("合計時間が546分59秒を超えるため表示できません。");

// Layout values are twips; 15 twips are one pixel.
inline QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// A data column of one flag, with a row for false and a row for true.
inline void addFlagRows(const char *column, const char *falseRow, const char *trueRow)
{
    QTest::addColumn<bool>(column);
    QTest::newRow(falseRow) << false;
    QTest::newRow(trueRow) << true;
}

// A control of a window, found by its object name; the test stops when it is
// missing.
template <typename Control = QWidget>
Control *control(const QWidget *window, const QString &name)
{
    auto *found = window ? window->findChild<Control *>(name, Qt::FindDirectChildrenOnly) : nullptr;
    if (!found)
        qFatal("no control %s in %s", qPrintable(name),
               window ? qPrintable(window->objectName()) : "(none)");
    return found;
}

// A control found by its name when it is given to a pointer of its type.
struct Found {
    const QWidget *window;
    const char *name;
    template <typename Control>
    operator Control *() const
    {
        return control<Control>(window, QLatin1String(name));
    }
};

// The main window's controls under the names of their objects; `main->text3`
// reads like the control it is.
struct MainView {
    explicit MainView(MainWindow *w) : window(w) {}
    const MainView *operator->() const { return this; }
    operator MainWindow *() const { return window; }
    Found find(const char *name) const { return {window, name}; }

    MainWindow *window;
    QPushButton *total = find("Total"), *nyuryoku = find("Nyuryoku"), *teisei = find("Teisei"),
                *goukei = find("Goukei"), *goteisei = find("Goteisei"),
                *command3 = find("Command3");
    QLabel *label1 = find("Label1"), *label2 = find("Label2"), *label3 = find("Label3"),
           *nokori = find("Nokori"), *gokei = find("Gokei"), *label5 = find("Label5"),
           *label6 = find("Label6");
    QLineEdit *totaltxt = find("Totaltxt"), *text3 = find("Text3"), *text4 = find("Text4");
    QListWidget *list1 = find("List1");
};

// The capacity dialog's controls.
struct CapacityDialogView {
    explicit CapacityDialogView(CapacityDialog *w) : window(w) {}
    const CapacityDialogView *operator->() const { return this; }
    operator CapacityDialog *() const { return window; }
    Found find(const char *name) const { return {window, name}; }

    CapacityDialog *window;
    QLineEdit *text1 = find("Text1");
    QPushButton *command1 = find("Command1"), *command2 = find("Command2");
    QLabel *label1 = find("Label1"), *label2 = find("Label2");
};

// The boxes and buttons of an entry screen. A carry slot has no box: null.
// A missing button is null too; click() then fails the test.
inline QLineEdit *minuteBox(const EntryScreen *s, int slot)
{
    return s->findChild<QLineEdit *>(QStringLiteral("Text1(%1)").arg(slot),
                                     Qt::FindDirectChildrenOnly);
}
inline QLineEdit *secondBox(const EntryScreen *s, int slot)
{
    return s->findChild<QLineEdit *>(QStringLiteral("Text2(%1)").arg(slot),
                                     Qt::FindDirectChildrenOnly);
}
inline QPushButton *button(const QWidget *window, const char *name)
{
    return window ? window->findChild<QPushButton *>(QString::fromLatin1(name),
                                                     Qt::FindDirectChildrenOnly)
                  : nullptr;
}
// The boxes of a screen's fifteen visible rows as "minutes|seconds".
inline QStringList boxTexts(const EntryScreen *s)
{
    QStringList texts;
    const int first = tavelo::firstVisibleSlot(s->id());
    for (int slot = first; slot < first + tavelo::kRowsPerPage; ++slot)
        texts << minuteBox(s, slot)->text() + QLatin1Char('|') + secondBox(s, slot)->text();
    return texts;
}
inline QString minuteText(const EntryScreen *s, int slot) { return s->texts().at(slot).minutes; }
inline QString secondText(const EntryScreen *s, int slot) { return s->texts().at(slot).seconds; }
inline int firstVisibleSlot(const EntryScreen *s) { return tavelo::firstVisibleSlot(s->id()); }

// One message shown in the error box, with what the main window's result
// fields held while it was on screen.
struct Shown {
    QString text;
    QString text3;
    QString text4;
    QString result() const { return text3 + QLatin1Char('/') + text4; }
};

inline QStringList linesOf(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// The main window's state in one line, compared whole:
//   "remaining | tape [46] | entry correct - | list [4:30 14*0:00] | result 41/30"
// the caption of the result line (remaining or total), the tape line shown
// or hidden with the capacity, which of 録音時間入力, 訂正 and 合計の訂正 are
// enabled, List1 in the notation of rows(), and Text3/Text4. A control that
// must stay enabled and visible whatever happens adds a complaint at the end.
inline QString mainSummary(const MainView &m)
{
    const auto on = [](const QWidget *w, const char *name) {
        return QLatin1String(w->isEnabled() ? name : "-");
    };
    const bool tape = m->label1->isVisible();
    QString line =
        QStringLiteral("%1 | tape %2[%3] | %4 %5 %6 | list [%7] | result %8/%9")
            .arg(m->nokori->isVisible() ? "remaining" : "total", tape ? "" : "hidden ",
                 m->totaltxt->text(), on(m->nyuryoku, "entry"), on(m->teisei, "correct"),
                 on(m->goteisei, "totalcorrect"))
            .arg(valuetest::rowsText(linesOf(m->list1)), m->text3->text(), m->text4->text());
    if (m->gokei->isVisible() == m->nokori->isVisible())
        line += QStringLiteral(" | Nokori and Gokei both shown or both hidden");
    if (m->totaltxt->isVisible() != tape || m->label2->isVisible() != tape)
        line += QStringLiteral(" | tape line partly shown");
    for (const QWidget *w : {static_cast<QWidget *>(m->total), static_cast<QWidget *>(m->goukei),
                             static_cast<QWidget *>(m->command3)})
        if (!w->isEnabled())
            line += QStringLiteral(" | %1 disabled").arg(w->objectName());
    for (const QWidget *w : std::initializer_list<const QWidget *>{m->label3, m->label5, m->label6,
                                                                   m->list1, m->text3, m->text4})
        if (!w->isVisible())
            line += QStringLiteral(" | %1 hidden").arg(w->objectName());
    return line;
}

class Session {
public:
    ~Session()
    {
        // Close every window so the next test starts from the program's start.
        program.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        tavelo::setErrorBoxHandler({});
        currentProgram = nullptr;
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Shown &m : messages)
            texts << m.text;
        return texts;
    }

    QStringList listLines() const { return linesOf(main.list1); }
    QString summary() const { return mainSummary(main); }
    // Text3 and Text4 as "minutes/seconds".
    QString result() const { return main.text3->text() + QLatin1Char('/') + main.text4->text(); }

    tavelo::Program program;
    MainView main{start()};
    std::vector<Shown> messages;
    std::function<void(const Shown &)> onMessage;
    int endRequests = 0;

private:
    // Records the error box's messages and the program's end, and shows the
    // main window.
    MainWindow *start()
    {
        tavelo::setErrorBoxHandler([this](QWidget *, tavelo::Message message) {
            messages.push_back(
                {tavelo::messageText(message), main.text3->text(), main.text4->text()});
            if (onMessage)
                onMessage(messages.back());
        });
        currentProgram = &program;
        program.setEndHandler([this] { ++endRequests; });
        MainWindow *window = program.start();
        if (!QTest::qWaitForWindowExposed(window))
            qFatal("the main window did not show");
        return window;
    }
};

// Lets deferred deletes run, so a closed window is really gone.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

[[nodiscard]] inline bool click(QPushButton *button)
{
    GUITEST_VERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

// Clicks a button of a screen (by default its calculate button) and lets
// what it starts run to the end.
[[nodiscard]] inline bool press(EntryScreen *screen, const char *button = "Command2")
{
    GUITEST_VERIFY(screen);
    GUITEST_VERIFY2(click(guitest::button(screen, button)), button);
    settle();
    return true;
}

// Sends text the way an input method commits it (full-width digits, for
// instance, which key clicks cannot carry).
inline void commitText(QWidget *box, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

// Replaces the text of a box by typing, as a user would. Text beyond ASCII
// arrives through the input method, as it does from a Japanese keyboard.
[[nodiscard]] inline bool type(QLineEdit *box, const QString &text)
{
    GUITEST_VERIFY(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii && !text.isEmpty())
        QTest::keyClicks(box, text);
    else if (!text.isEmpty())
        commitText(box, text);
    GUITEST_COMPARE(box->text(), text);
    return true;
}

// A key as the keyboard sends it: Enter on the keypad carries its modifier.
inline void pressKey(QWidget *target, Qt::Key key)
{
    QTest::keyClick(target, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

inline EntryScreen *screen(ScreenId id) { return program().screen(id); }

inline CapacityDialog *capacityDialog() { return program().capacityDialog(); }

// Opens the capacity dialog with 録音可能時間入力; null when it did not open.
inline CapacityDialog *openCapacityDialog(const MainView &main)
{
    GUITEST_VERIFY(click(main->total));
    return capacityDialog();
}

// Types one row into slot `slot` of a screen, both texts exactly as given.
[[nodiscard]] inline bool typeRow(EntryScreen *s, int slot, const QString &minutes,
                                  const QString &seconds)
{
    GUITEST_VERIFY(s);
    GUITEST_VERIFY2(type(minuteBox(s, slot), minutes),
                    qPrintable(QStringLiteral("minutes of slot %1").arg(slot)));
    GUITEST_VERIFY2(type(secondBox(s, slot), seconds),
                    qPrintable(QStringLiteral("seconds of slot %1").arg(slot)));
    return true;
}

// Types rows "m:s" (an empty string leaves the row untouched) into the
// visible rows of a screen, starting at its first row.
[[nodiscard]] inline bool typeRows(EntryScreen *s, const QStringList &rows)
{
    GUITEST_VERIFY(s);
    const int first = firstVisibleSlot(s);
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].isEmpty())
            continue;
        const QStringList parts = rows[i].split(QLatin1Char(':'));
        GUITEST_VERIFY(typeRow(s, first + i, parts.value(0), parts.value(1)));
    }
    return true;
}

// The screens of one mode, and the main window's buttons that open its page 1
// and its correction screen.
struct Mode {
    ScreenId pageOne, pageTwo, correction;
    QPushButton *open, *correct;
};

inline Mode modeOf(const MainView &main, bool total)
{
    if (total)
        return {ScreenId::TotalEntry, ScreenId::TotalPage2, ScreenId::TotalCorrection, main->goukei,
                main->goteisei};
    return {ScreenId::Entry, ScreenId::Page2, ScreenId::Correction, main->nyuryoku, main->teisei};
}

// Opens the page-1 screen of a mode from the main window and types `rows`
// into it; null when it did not open or the typing failed.
inline EntryScreen *openPageOne(const MainView &main, bool total, const QStringList &rows = {})
{
    const Mode mode = modeOf(main, total);
    GUITEST_VERIFY(click(mode.open));
    EntryScreen *pageOne = screen(mode.pageOne);
    if (pageOne)
        GUITEST_VERIFY(typeRows(pageOne, rows));
    return pageOne;
}

// 続けて入力 on a page-1 screen; returns the page-2 screen of its mode, also
// when the hand-off stopped at a row (page 2 is open then all the same).
inline EntryScreen *continueToPageTwo(EntryScreen *pageOne)
{
    GUITEST_VERIFY(pageOne);
    const ScreenId pageTwo = tavelo::pageTwoOf(pageOne->id());
    GUITEST_VERIFY(press(pageOne, "Command1"));
    return screen(pageTwo);
}

// Accepts a tape capacity through the dialog, as the user does.
[[nodiscard]] inline bool acceptCapacity(const MainView &main, const QString &minutes)
{
    CapacityDialog *dialog = openCapacityDialog(main);
    GUITEST_VERIFY(dialog);
    const CapacityDialogView view(dialog);
    GUITEST_VERIFY(type(view.text1, minutes));
    GUITEST_VERIFY(click(view.command1));
    settle();
    return true;
}

// A slot as "minutes|seconds": of the song table, or of a screen (carry
// slots included).
inline const tavelo::SongTime &song(int slot) { return program().state().songs.at(slot); }
inline QString slotText(const MainView &, int slot)
{
    return song(slot).minutes + QLatin1Char('|') + song(slot).seconds;
}

inline QString slotText(const EntryScreen *s, int slot)
{
    return minuteText(s, slot) + QLatin1Char('|') + secondText(s, slot);
}

// The thirty slots of the song table, or of a screen, as "minutes|seconds".
inline QStringList songTable(const MainView &)
{
    return valuetest::slotItems(program().state().songs);
}
inline QStringList slotTexts(const EntryScreen *s) { return valuetest::slotItems(s->texts()); }

// Every control of a window, one line each with its text, enabled and hidden
// state (list boxes with their lines), sorted by name: two snapshots compare
// the whole window at two moments.
inline QStringList controlSnapshot(const QWidget *window)
{
    QStringList lines;
    for (const QWidget *w : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QString text;
        if (auto *b = qobject_cast<const QPushButton *>(w))
            text = b->text();
        else if (auto *l = qobject_cast<const QLabel *>(w))
            text = l->text();
        else if (auto *e = qobject_cast<const QLineEdit *>(w))
            text = e->text();
        else if (auto *list = qobject_cast<const QListWidget *>(w))
            text = linesOf(list).join(QLatin1Char(','));
        else
            continue;
        lines << QStringLiteral("%1 [%2] %3%4")
                     .arg(w->objectName(), text,
                          w->isEnabled() ? QString() : QStringLiteral("disabled "),
                          w->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"));
    }
    lines.sort();
    return lines;
}

// Everything of the main window that a step must leave alone when it is not
// to change anything: its controls and its song table.
inline QStringList mainSnapshot(const MainView &main)
{
    return controlSnapshot(main.window) + songTable(main);
}

// Opens an entry screen the way a user reaches it from the start state:
// page 1 through the main window's buttons (a capacity of 46 first in
// remaining mode), page 2 through 続けて入力 on an empty page 1, and the
// correction screens through 訂正 / 合計の訂正 after a calculation of the
// single song 4:30. Null when a step on the way failed.
inline EntryScreen *openAsUser(const MainView &main, ScreenId id)
{
    const bool total = tavelo::isTotalScreen(id);
    if (!total)
        GUITEST_VERIFY(acceptCapacity(main, QStringLiteral("46")));
    EntryScreen *pageOne = openPageOne(main, total);
    GUITEST_VERIFY(pageOne);
    if (tavelo::roleOf(id) == tavelo::ScreenRole::PageTwo) {
        GUITEST_VERIFY(continueToPageTwo(pageOne));
    } else if (tavelo::roleOf(id) == tavelo::ScreenRole::Correction) {
        GUITEST_VERIFY(typeRows(pageOne, {QStringLiteral("4:30")}));
        GUITEST_VERIFY(press(pageOne));
        GUITEST_VERIFY(click(modeOf(main, total).correct));
    }
    settle();
    return screen(id);
}

// A calculation of `rows` typed on the page-1 screen of a mode that must go
// through: no message, and the screen closed.
[[nodiscard]] inline bool calculateOnPageOne(Session &s, bool total, const QStringList &rows)
{
    const std::size_t messages = s.messages.size();
    EntryScreen *entry = openPageOne(s.main, total, rows);
    GUITEST_VERIFY(entry);
    const ScreenId id = entry->id();
    GUITEST_VERIFY(press(entry));
    GUITEST_COMPARE(s.messages.size(), messages);
    GUITEST_VERIFY(!screen(id));
    return true;
}

// Leaves a remaining time in the main window (capacity 46, one song of 1:01 on
// NyuryokuForm, so 44 and 59), for the cases that must not change it.
[[nodiscard]] inline bool primeRemainingResult(Session &s)
{
    GUITEST_VERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    GUITEST_VERIFY(calculateOnPageOne(s, false, {QStringLiteral("1:1")}));
    GUITEST_COMPARE(s.result(), QStringLiteral("44/59"));
    return true;
}

// The offscreen platform notes each window it cannot raise, each menu's grab
// of the keyboard and mouse, each error box's size hints, and the font
// fallback of each script no face shapes; none says anything of the program
// and they flood the log.
inline QtMessageHandler previousMessageHandler = nullptr;

inline void dropPlatformNotes(QtMsgType type, const QMessageLogContext &context,
                              const QString &text)
{
    static const char *const notes[] = {"does not support raise()", "does not support grabbing",
                                        "does not support propagateSizeHints",
                                        "OpenType support missing"};
    if (type == QtWarningMsg && std::any_of(std::begin(notes), std::end(notes), [&](const char *n) {
            return text.contains(QLatin1String(n));
        }))
        return;
    previousMessageHandler(type, context, text);
}

// QTest::qExec in its three steps: Qt Test installs its own message handler
// when it starts, so the filter goes in front of it after that.
inline int runTests(QObject *test, int argc, char **argv)
{
    QTest::qInit(test, argc, argv);
    previousMessageHandler = qInstallMessageHandler(dropPlatformNotes);
    const int result = QTest::qRun();
    qInstallMessageHandler(previousMessageHandler);
    QTest::qCleanup();
    return result;
}

// The ways the error box is dismissed.
enum class Dismissal { Enter, Esc, ClickOk, CloseBox };
inline const char *const kDismissalNames[] = {"Enter", "Esc", "OK click", "close box"};

// A result field's text: a plain whole number within the bound.
inline bool isResult(const QString &text, int bound, bool negativeAllowed)
{
    static const QRegularExpression plain(QStringLiteral("^(0|-?[1-9][0-9]*)$"));
    const int value = text.toInt();
    return plain.match(text).hasMatch() && value <= bound &&
           value >= (negativeAllowed ? -bound : 0);
}

// While its timer runs, it looks for a modal window: that must be the
// program's real error box (its title, no icon, one OK button, modal, and one
// of the program's messages, with a result behind it that the message
// allows), which it checks and dismisses the way `how` says. Start the timer
// before the step that opens the box: the box runs its own event loop.
class BoxWatch : public QObject {
public:
    explicit BoxWatch(const MainView &main) : main_(main)
    {
        connect(&timer, &QTimer::timeout, this, &BoxWatch::poll);
    }

    QTimer timer;
    Dismissal how = Dismissal::Enter;
    QStringList faults;
    int boxes = 0;
    std::map<QString, int> counts;  // by message and by way of dismissal

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (modal && !box) {
            faults << QStringLiteral("a modal window %1 that is no error box")
                          .arg(modal->objectName());
            modal->close();
        } else if (box && box == dismissed_ && since_.elapsed() > 2000) {
            faults << QStringLiteral("the error box stayed open after %1")
                          .arg(QLatin1String(kDismissalNames[int(how)]));
            box->done(QMessageBox::Ok);
        } else if (box && box != dismissed_) {
            check(box);
            dismissed_ = box;
            since_.start();
            if (how == Dismissal::Enter || how == Dismissal::Esc)
                QTest::keyClick(box, how == Dismissal::Enter ? Qt::Key_Return : Qt::Key_Escape);
            else if (how == Dismissal::ClickOk)
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            else
                box->close();
        }
    }

    void check(const QMessageBox *box)
    {
        ++boxes;
        ++counts[QString::fromLatin1(kDismissalNames[int(how)])];
        ++counts[box->text()];
        if (box->windowTitle() != QStringLiteral("エラー") || box->icon() != QMessageBox::NoIcon ||
            !box->iconPixmap().isNull() ||
            box->buttons() != QList<QAbstractButton *>{box->button(QMessageBox::Ok)} ||
            box->windowModality() != Qt::ApplicationModal)
            faults << QStringLiteral("the box '%1' has the wrong title, icon, buttons or modality")
                          .arg(box->windowTitle());
        bool known = false;
        for (tavelo::Message m : tavelo::kAllMessages)
            known = known || box->text() == tavelo::messageText(m);
        if (!known)
            faults << QStringLiteral("a message of no program's own: '%1'").arg(box->text());
        // A negative remaining time stands only behind the over-capacity message.
        const bool over = box->text() == tavelo::messageText(tavelo::Message::OverCapacity);
        const QString t3 = main_->text3->text(), t4 = main_->text4->text();
        if ((!t3.isEmpty() || !t4.isEmpty()) &&
            (!isResult(t3, 546, over) || !isResult(t4, 59, over)))
            faults << QStringLiteral("Text3 '%1' Text4 '%2' behind '%3'").arg(t3, t4, box->text());
    }

    const MainView &main_;
    QPointer<QMessageBox> dismissed_;
    QElapsedTimer since_;
};

// Makes a window the active one, as a click on it does, so that its
// shortcuts work.
[[nodiscard]] inline bool activate(QWidget *window)
{
    GUITEST_VERIFY(window);
    window->activateWindow();
    GUITEST_VERIFY(QTest::qWaitForWindowActive(window, 1000));
    return true;
}

// While a step opens a context menu, a zero timer walks it: it clicks the
// entries of `path`, one menu level at a time, waiting for each submenu to
// open. An entry that is missing or disabled, or a menu that stays open,
// closes the menus.
class MenuWalk : public QObject {
public:
    MenuWalk() { connect(&timer, &QTimer::timeout, this, &MenuWalk::poll); }

    // Arms the walk for the next menu; `chosen` tells afterwards whether the
    // last entry was clicked, `missing` which entry was not there or not
    // enabled.
    void arm(const QStringList &entries)
    {
        path = entries;
        chosen = false;
        missing.clear();
        last_ = nullptr;
        since_.start();
        timer.start();
    }

    QTimer timer;
    QStringList path;
    bool chosen = false;
    QString missing;

private:
    void poll()
    {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || path.isEmpty() || menu == last_)
            return closeIfStuck(menu);
        QAction *entry = nullptr;
        for (QAction *a : menu->actions())
            if (a->text() == path.first())
                entry = a;
        if (!entry || !entry->isEnabled()) {
            missing = path.first() + (entry ? QStringLiteral(" (disabled)") : QString());
            path.clear();
            closeAll();
            return;
        }
        last_ = menu;
        path.removeFirst();
        chosen = path.isEmpty();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    }

    void closeIfStuck(QMenu *menu)
    {
        if (menu && since_.elapsed() > 3000) {
            missing = QStringLiteral("a menu that stayed open");
            path.clear();
            closeAll();
        }
    }

    static void closeAll()
    {
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }

    QPointer<QMenu> last_;
    QElapsedTimer since_;
};

// Opens the context menu of `widget` at `pos` as a right click does, with
// the walk armed for `path`.
inline void openMenu(MenuWalk &walk, QWidget *widget, QPoint pos, const QStringList &path)
{
    walk.arm(path);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QCoreApplication::sendEvent(widget, &event);
    walk.timer.stop();
}

// Chooses the entries of `path` in turn from the context menu of `widget`.
[[nodiscard]] inline bool chooseFromMenu(QWidget *widget, QPoint pos, const QStringList &path)
{
    GUITEST_VERIFY(widget);
    MenuWalk walk;
    openMenu(walk, widget, pos, path);
    GUITEST_VERIFY2(walk.missing.isEmpty(), qPrintable(QStringLiteral("no entry ") + walk.missing));
    GUITEST_VERIFY2(walk.chosen, "no menu opened");
    settle();
    return true;
}

// A QApplication set up as the program sets it up.
#define GUITEST_MAIN(TestClass)                                                                    \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        tavelo::setUpApplication();                                                                \
        TestClass test;                                                                            \
        return guitest::runTests(&test, argc, argv);                                               \
    }

}  // namespace guitest
