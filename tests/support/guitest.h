#pragma once

// Shared helpers for the window tests: a fresh main window per test, the
// error box and the program's end replaced by recorders, the texts the error
// box shows, and small helpers to type into boxes, press buttons and keys the
// way a user does, and to read what the windows and the song table hold.

#include "app/appsetup.h"
#include "app/songtable.h"
#include "app/taveloform.h"
#include "app/windows.h"
#include "dialogs/totalform.h"
#include "entry/entryscreen.h"
#include "entry/errorbox.h"
#include "entry/screentable.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

namespace guitest {

using tavelo::EntryScreen;
using tavelo::ScreenId;
using tavelo::TaveloForm;
using tavelo::TotalForm;

// The texts of the error box, written out here rather than taken from the
// program, so that a changed text fails the tests.
inline const QString kBadMinutes = QStringLiteral("分の入力が間違ってます。");
inline const QString kBadSeconds = QStringLiteral("秒の入力が間違ってます。");
inline const QString kOverCapacity = QStringLiteral("録音時間の合計が録音可能時間を超えました");
inline const QString kMinutesTooLarge = QStringLiteral("分の入力が大きすぎます。");
inline const QString kBadCapacity = QStringLiteral("録音可能時間の入力が間違ってます。");
inline const QString kCapacityTooLarge = QStringLiteral("録音可能時間が大きすぎます。");
inline const QString kRemainingTooLarge = QStringLiteral("残り時間が546分59秒を超えるため表示できません。");
inline const QString kTotalTooLarge = QStringLiteral("合計時間が546分59秒を超えるため表示できません。");

// Layout values are twips; 15 twips are one pixel.
inline QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

inline QStringList repeated(const QString &line, int count) { return QStringList(count, line); }

// List lines of songs of no length.
inline QStringList zeroLines(int count) { return repeated(QStringLiteral("0:00"), count); }

// A data column of one flag, with a row for false and a row for true.
inline void addFlagRows(const char *column, const char *falseRow, const char *trueRow)
{
    QTest::addColumn<bool>(column);
    QTest::newRow(falseRow) << false;
    QTest::newRow(trueRow) << true;
}

// One message shown in the error box, with what the main window's result
// fields held while it was on screen.
struct Shown {
    QString text;
    QString text3;
    QString text4;
};

class Session {
public:
    Session()
    {
        tavelo::setErrorBoxHandler([this](QWidget *, const QString &text) {
            Shown shown{text, {}, {}};
            if (auto *main = qobject_cast<TaveloForm *>(tavelo::windows::find(TaveloForm::kName))) {
                shown.text3 = main->text3->text();
                shown.text4 = main->text4->text();
            }
            messages.push_back(shown);
            if (onMessage)
                onMessage(shown);
        });
        tavelo::windows::setEndProgramHandler([this] { ++endRequests; });
        main = tavelo::windows::mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));
    }

    ~Session()
    {
        // Close every window so the next test starts from the program's start.
        for (ScreenId id : tavelo::allScreens())
            delete tavelo::windows::findScreen(id);
        delete tavelo::windows::find(TotalForm::kName);
        delete tavelo::windows::find(TaveloForm::kName);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        tavelo::setErrorBoxHandler({});
        tavelo::windows::setEndProgramHandler({});
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Shown &m : messages)
            texts << m.text;
        return texts;
    }

    QStringList listLines() const
    {
        QStringList lines;
        for (int i = 0; i < main->list1->count(); ++i)
            lines << main->list1->item(i)->text();
        return lines;
    }

    TaveloForm *main = nullptr;
    std::vector<Shown> messages;
    std::function<void(const Shown &)> onMessage;
    int endRequests = 0;
};

// Lets deferred deletes run, so a closed window is really gone.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline void click(QPushButton *button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks a button of a screen (by default its calculate button) and lets
// what it starts run to the end.
inline void press(EntryScreen *screen, const char *button = "Command2")
{
    click(screen->button(button));
    settle();
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
inline void type(QLineEdit *box, const QString &text)
{
    QVERIFY(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii && !text.isEmpty())
        QTest::keyClicks(box, text);
    else if (!text.isEmpty())
        commitText(box, text);
    QCOMPARE(box->text(), text);
}

// A key as the keyboard sends it: Enter on the keypad carries its modifier.
inline void pressKey(QWidget *target, Qt::Key key)
{
    QTest::keyClick(target, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

inline EntryScreen *screen(ScreenId id) { return tavelo::windows::findScreen(id); }

inline TotalForm *totalForm()
{
    return qobject_cast<TotalForm *>(tavelo::windows::find(TotalForm::kName));
}

inline TotalForm *openTotalForm(TaveloForm *main)
{
    click(main->total);
    return totalForm();
}

// Types one row into slot `slot` of a screen, both texts exactly as given.
inline void typeRow(EntryScreen *s, int slot, const QString &minutes, const QString &seconds)
{
    type(s->minuteBox(slot), minutes);
    type(s->secondBox(slot), seconds);
}

// Types a list of rows "m:s" (an empty string leaves the row untouched) into
// the visible rows of a screen, starting at its first row.
inline void typeRows(EntryScreen *s, const QStringList &rows)
{
    const int first = tavelo::firstVisibleSlot(s->description());
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].isEmpty())
            continue;
        const QStringList parts = rows[i].split(QLatin1Char(':'));
        typeRow(s, first + i, parts.value(0), parts.value(1));
    }
}

// The screens of one mode, and the main window's buttons that open its page 1
// and its correction screen.
struct Mode {
    ScreenId pageOne, pageTwo, correction;
    QPushButton *open, *correct;
};

inline Mode modeOf(TaveloForm *main, bool total)
{
    if (total)
        return {ScreenId::TotalEntry, ScreenId::TotalPage2, ScreenId::TotalCorrection, main->goukei,
                main->goteisei};
    return {ScreenId::Entry, ScreenId::Page2, ScreenId::Correction, main->nyuryoku, main->teisei};
}

// Opens the page-1 screen of a mode from the main window and types `rows`
// into it; null when it did not open.
inline EntryScreen *openPageOne(TaveloForm *main, bool total, const QStringList &rows = {})
{
    const Mode mode = modeOf(main, total);
    click(mode.open);
    EntryScreen *pageOne = screen(mode.pageOne);
    if (pageOne)
        typeRows(pageOne, rows);
    return pageOne;
}

// 続けて入力 on a page-1 screen; returns the page-2 screen of its mode.
inline EntryScreen *continueToPageTwo(EntryScreen *pageOne)
{
    const ScreenId pageTwo = tavelo::pageTwoOf(pageOne->description());
    press(pageOne, "Command1");
    return screen(pageTwo);
}

// Accepts a tape capacity through the dialog, as the user does.
inline void acceptCapacity(TaveloForm *main, const QString &minutes)
{
    TotalForm *dialog = openTotalForm(main);
    QVERIFY(dialog);
    type(dialog->text1, minutes);
    click(dialog->command1);
    settle();
}

// A slot as "minutes|seconds": of the song table, or of a screen (carry
// slots included).
inline QString slotText(const TaveloForm *main, int slot)
{
    return main->songTable().minutes(slot) + QLatin1Char('|') + main->songTable().seconds(slot);
}

inline QString slotText(const EntryScreen *s, int slot)
{
    return s->minuteText(slot) + QLatin1Char('|') + s->secondText(slot);
}

// The thirty slots of the song table, or of a screen, as "minutes|seconds".
inline QStringList songTable(const TaveloForm *main)
{
    QStringList texts;
    for (int slot = 0; slot < tavelo::SongTable::kSlots; ++slot)
        texts << slotText(main, slot);
    return texts;
}

inline QStringList slotTexts(const EntryScreen *s)
{
    QStringList texts;
    for (int slot = 0; slot < tavelo::kSlotCount; ++slot)
        texts << slotText(s, slot);
    return texts;
}

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
        else if (auto *list = qobject_cast<const QListWidget *>(w)) {
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->item(i)->text();
            text = items.join(QLatin1Char(','));
        } else
            continue;
        lines << QStringLiteral("%1 [%2] %3%4")
                     .arg(w->objectName(), text, w->isEnabled() ? QString() : QStringLiteral("disabled "),
                          w->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"));
    }
    lines.sort();
    return lines;
}

// Everything of the main window that a step must leave alone when it is not
// to change anything: its controls and its song table.
inline QStringList mainSnapshot(const TaveloForm *main)
{
    return controlSnapshot(main) + songTable(main);
}

// The controls of the main window that stay enabled and visible whatever
// happens.
inline void verifyFixedControls(const TaveloForm *main)
{
    QVERIFY(main->total->isEnabled());
    QVERIFY(main->goukei->isEnabled());
    QVERIFY(main->command3->isEnabled());
    for (const QWidget *w : std::initializer_list<const QWidget *>{
             main->label3, main->label5, main->label6, main->list1, main->text3, main->text4})
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
}

// Opens an entry screen the way a user reaches it from the start state:
// page 1 through the main window's buttons (a capacity of 46 first in
// remaining mode), page 2 through 続けて入力 on an empty page 1, and the
// correction screens through 訂正 / 合計の訂正 after a calculation of the
// single song 4:30.
inline EntryScreen *openAsUser(TaveloForm *main, ScreenId id)
{
    const tavelo::ScreenDescription &desc = tavelo::screenDescription(id);
    if (!desc.totalMode)
        acceptCapacity(main, QStringLiteral("46"));
    EntryScreen *pageOne = openPageOne(main, desc.totalMode);
    if (desc.role == tavelo::ScreenRole::PageTwo) {
        continueToPageTwo(pageOne);
    } else if (desc.role == tavelo::ScreenRole::Correction) {
        typeRows(pageOne, {QStringLiteral("4:30")});
        press(pageOne);
        click(modeOf(main, desc.totalMode).correct);
    }
    settle();
    return screen(id);
}

// The offscreen platform notes each time a window is raised that it cannot
// do so; the note says nothing about the program and floods the log.
inline QtMessageHandler previousMessageHandler = nullptr;

inline void dropRaiseNotes(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text == QLatin1String("This plugin does not support raise()"))
        return;
    previousMessageHandler(type, context, text);
}

// QTest::qExec in its three steps: Qt Test installs its own message handler
// when it starts, so the filter goes in front of it after that.
inline int runTests(QObject *test, int argc, char **argv)
{
    QTest::qInit(test, argc, argv);
    previousMessageHandler = qInstallMessageHandler(dropRaiseNotes);
    const int result = QTest::qRun();
    qInstallMessageHandler(previousMessageHandler);
    QTest::qCleanup();
    return result;
}

// A QApplication set up as the program sets it up.
#define GUITEST_MAIN(TestClass)                                                                    \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QApplication app(argc, argv);                                                              \
        tavelo::setUpApplication();                                                                \
        TestClass test;                                                                            \
        return guitest::runTests(&test, argc, argv);                                               \
    }

}  // namespace guitest
