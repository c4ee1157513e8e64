#pragma once

// Shared helpers for the window tests: a fresh main window per test, the
// error box and the program's end replaced by recorders, and small helpers
// to type into boxes and press keys the way a user does.

#include "app/appsetup.h"
#include "app/songtable.h"
#include "app/taveloform.h"
#include "app/windows.h"
#include "dialogs/totalform.h"
#include "entry/entryscreen.h"
#include "entry/errorbox.h"
#include "entry/screenspecs.h"

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

inline void pressKey(QWidget *target, Qt::Key key)
{
    QTest::keyClick(target, key);
}

inline EntryScreen *screen(ScreenId id) { return tavelo::windows::findScreen(id); }

inline TotalForm *totalForm()
{
    return qobject_cast<TotalForm *>(tavelo::windows::find(TotalForm::kName));
}

// Types a list of rows "m:s" (an empty string leaves the row untouched) into
// the visible rows of a screen, starting at its first row.
inline void typeRows(EntryScreen *s, const QStringList &rows)
{
    const int first = tavelo::firstVisibleSlot(s->spec());
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].isEmpty())
            continue;
        const QStringList parts = rows[i].split(QLatin1Char(':'));
        type(s->minuteBox(first + i), parts.value(0));
        type(s->secondBox(first + i), parts.value(1));
    }
}

// Accepts a tape capacity through the dialog, as the user does.
inline void acceptCapacity(TaveloForm *main, const QString &minutes)
{
    click(main->total);
    TotalForm *dialog = totalForm();
    QVERIFY(dialog);
    type(dialog->text1, minutes);
    click(dialog->command1);
    settle();
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

// The sixty texts of the song table, one line per slot ("slot: m | s").
inline QStringList songTableSnapshot(const TaveloForm *main)
{
    QStringList lines;
    for (int slot = 0; slot < tavelo::SongTable::kSlots; ++slot)
        lines << QStringLiteral("%1: %2 | %3")
                     .arg(slot)
                     .arg(main->songTable().minutes(slot), main->songTable().seconds(slot));
    return lines;
}

// Opens an entry screen the way a user reaches it from the start state:
// page 1 through the main window's buttons (a capacity of 46 first in
// remaining mode), page 2 through 続けて入力 on an empty page 1, and the
// correction screens through 訂正 / 合計の訂正 after a calculation of the
// single song 4:30.
inline EntryScreen *openAsUser(TaveloForm *main, ScreenId id)
{
    const tavelo::ScreenSpec &spec = tavelo::screenSpec(id);
    const ScreenId pageOne = spec.totalMode ? ScreenId::TotalEntry : ScreenId::Entry;
    const auto openPageOne = [&] {
        if (spec.totalMode) {
            click(main->goukei);
        } else {
            acceptCapacity(main, QStringLiteral("46"));
            click(main->nyuryoku);
        }
    };
    openPageOne();
    if (spec.role == tavelo::ScreenRole::PageTwo) {
        click(screen(pageOne)->button("Command1"));
    } else if (spec.role == tavelo::ScreenRole::Correction) {
        typeRows(screen(pageOne), {QStringLiteral("4:30")});
        click(screen(pageOne)->button("Command2"));
        settle();
        click(spec.totalMode ? main->goteisei : main->teisei);
    }
    settle();
    return screen(id);
}

// A QApplication set up as the program sets it up.
#define GUITEST_MAIN(TestClass)                                                                    \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QApplication app(argc, argv);                                                              \
        tavelo::setUpApplication();                                                                \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

}  // namespace guitest
