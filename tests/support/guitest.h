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
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>

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

// Replaces the text of a box by typing, as a user would.
inline void type(QLineEdit *box, const QString &text)
{
    QVERIFY(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    if (!text.isEmpty())
        QTest::keyClicks(box, text);
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
