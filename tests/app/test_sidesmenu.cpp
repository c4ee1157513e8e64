// SPDX-License-Identifier: MIT
// The A面・B面 window in the program: opened by the main window's Ctrl+B (the
// list menu's entry), at most once, following the state without changing it.

#include "app/program.h"
#include "dialogs/capacitydialog.h"
#include "entry/entryscreen.h"
#include "gui/errorbox.h"
#include "mainwindow/mainwindow.h"
#include "sides/sideswindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace tavelo;

namespace {

template <typename T = QPushButton>
T *child(QWidget *window, const char *name)
{
    return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

class Test_sidesmenu : public QObject {
    Q_OBJECT
private slots:
    void openedFromTheMainWindow();
};

void Test_sidesmenu::openedFromTheMainWindow()
{
    QList<Message> messages;
    setErrorBoxHandler([&messages](QWidget *, Message m) { messages << m; });
    Program program;
    program.setEndHandler([] {});
    MainWindow *main = program.start();
    QVERIFY(QTest::qWaitForWindowExposed(main));

    // A calculation of 10:00, 15:00 and 10:00 on a side of 30 minutes.
    QTest::mouseClick(child(main, "Total"), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>(program.capacityDialog(), "Text1"), QStringLiteral("30"));
    QTest::mouseClick(child(program.capacityDialog(), "Command1"), Qt::LeftButton);
    QTest::mouseClick(child(main, "Nyuryoku"), Qt::LeftButton);
    EntryScreen *entry = program.screen(ScreenId::Entry);
    QVERIFY(entry);
    for (int i = 0; i < 3; ++i) {
        QTest::keyClicks(child<QLineEdit>(entry, qPrintable(QStringLiteral("Text1(%1)").arg(i))),
                         i == 1 ? QStringLiteral("15") : QStringLiteral("10"));
        QTest::keyClicks(child<QLineEdit>(entry, qPrintable(QStringLiteral("Text2(%1)").arg(i))),
                         QStringLiteral("0"));
    }
    QTest::mouseClick(child(entry, "Command2"), Qt::LeftButton);
    settle();
    QCOMPARE(messages, QList<Message>{Message::OverCapacity});
    const MainState before = program.state();

    QVERIFY(!program.sidesWindow());
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_B, Qt::ControlModifier);
    SidesWindow *sides = program.sidesWindow();
    QVERIFY(sides);
    QVERIFY(sides->isVisible());
    QCOMPARE(child<QListWidget>(sides, "SideAList")->count(), 2);
    QCOMPARE(child<QListWidget>(sides, "SideBList")->count(), 1);
    QCOMPARE(child<QLineEdit>(sides, "SideMinutes")->text(), QStringLiteral("30"));

    // At most one; what is typed there never reaches the main state.
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(program.sidesWindow(), sides);
    child<QLineEdit>(sides, "SideMinutes")->setText(QStringLiteral("45"));
    QCOMPARE(program.state(), before);

    // Closed by 閉じる and forgotten; the next one is new.
    QTest::mouseClick(child(sides, "CloseSides"), Qt::LeftButton);
    QVERIFY(!program.sidesWindow());
    settle();
    QVERIFY(program.showSidesWindow());
    setErrorBoxHandler({});
}

QTEST_MAIN(Test_sidesmenu)
#include "test_sidesmenu.moc"
