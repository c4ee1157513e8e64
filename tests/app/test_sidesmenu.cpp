// SPDX-License-Identifier: MIT
// The A面・B面 window in the program: opened by the main window's Ctrl+B (the
// list menu's entry), at most once, never changing the state.

#include "app/program.h"
#include "dialogs/capacitydialog.h"
#include "mainwindow/mainwindow.h"
#include "sides/sideswindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
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
    void followsTheCapacity();
};

void Test_sidesmenu::openedFromTheMainWindow()
{
    Program program;
    program.setEndHandler([] {});
    MainWindow *main = program.start();
    QVERIFY(QTest::qWaitForWindowExposed(main));

    const MainState before = program.state();

    QVERIFY(!program.sidesWindow());
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_B, Qt::ControlModifier);
    SidesWindow *sides = program.sidesWindow();
    QVERIFY(sides);
    QVERIFY(sides->isVisible());
    // At start no side length is set: the program's message stands in the window.
    QCOMPARE(child<QLabel>(sides, "FlipPoint")->text(),
             QStringLiteral("録音可能時間の入力が間違ってます。"));

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
}

// A capacity typed into the main window's box reaches the open window as one
// accepted in the dialog does: its side length follows, and so does the split.
void Test_sidesmenu::followsTheCapacity()
{
    Program program;
    program.setEndHandler([] {});
    MainWindow *main = program.start();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    SidesWindow *sides = program.showSidesWindow();
    auto *length = child<QLineEdit>(sides, "SideMinutes");
    auto *flip = child<QLabel>(sides, "FlipPoint");

    auto *capacity = child<QLineEdit>(main, "Totaltxt");
    capacity->setFocus();
    QTest::keyClicks(capacity, QStringLiteral("46"));
    QCOMPARE(program.state().capacity, QStringLiteral("46"));
    QCOMPARE(length->text(), QStringLiteral("46"));
    QCOMPARE(flip->text(), QStringLiteral("計算した曲がありません。"));
    QTest::keyClick(capacity, Qt::Key_Backspace);
    QCOMPARE(length->text(), QStringLiteral("4"));
    // Typed away to nothing: the window says the length is no number.
    QTest::keyClick(capacity, Qt::Key_Backspace);
    QCOMPARE(length->text(), QString());
    QCOMPARE(flip->text(), QStringLiteral("録音可能時間の入力が間違ってます。"));

    // Through the dialog, the same way.
    CapacityDialog *dialog = program.showCapacityDialog();
    auto *minutes = child<QLineEdit>(dialog, "Text1");
    QTest::keyClick(minutes, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(minutes, QStringLiteral("30"));
    QTest::keyClick(minutes, Qt::Key_Return);
    QCOMPARE(length->text(), QStringLiteral("30"));
    QCOMPARE(capacity->text(), QStringLiteral("30"));
}

QTEST_MAIN(Test_sidesmenu)
#include "test_sidesmenu.moc"
