// SPDX-License-Identifier: MIT
// Window handling: each window exists at most once, a second opening brings
// the same window back with what was typed, a closed window is gone and comes
// back in its design-time state, and every window but the main one is a
// window of its own with a close box only.

#include "support/guitest.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

using namespace guitest;

namespace {

// The windows besides the main window; TotalForm is not an entry screen.
enum class Win { TotalForm, Entry, Page2, Correction, TotalEntry, TotalPage2, TotalCorrection };

}  // namespace

Q_DECLARE_METATYPE(Win)

namespace {

// Win lists the screens in the order of ScreenId, after TotalForm.
ScreenId screenOf(Win w) { return ScreenId(int(w) - 1); }

QString nameOf(Win w)
{
    return w == Win::TotalForm ? QStringLiteral("TotalForm") : screenName(screenOf(w));
}

// Opens the window as a user does from the main window; null when a step on
// the way failed.
QWidget *open(Session &s, Win w)
{
    if (w == Win::TotalForm)
        return openCapacityDialog(s.main);
    return openAsUser(s.main, screenOf(w));
}

// Takes the way to an open or closed window once more from where open()
// left the program: its button in the main window, or for page 2 a fresh
// page 1 that hands over with 続けて入力.
[[nodiscard]] bool openAgain(Session &s, Win w)
{
    switch (w) {
    case Win::TotalForm: GUITEST_VERIFY(click(s.main->total)); break;
    case Win::Entry: GUITEST_VERIFY(click(s.main->nyuryoku)); break;
    case Win::TotalEntry: GUITEST_VERIFY(click(s.main->goukei)); break;
    case Win::Correction: GUITEST_VERIFY(click(s.main->teisei)); break;
    case Win::TotalCorrection: GUITEST_VERIFY(click(s.main->goteisei)); break;
    case Win::Page2:
    case Win::TotalPage2: {
        EntryScreen *pageOne = openPageOne(s.main, w == Win::TotalPage2);
        GUITEST_VERIFY(pageOne);
        GUITEST_VERIFY(click(button(pageOne, "Command1")));
        break;
    }
    }
    settle();
    return true;
}

// The window, while it exists.
QWidget *findWindow(Win w)
{
    if (w == Win::TotalForm)
        return capacityDialog();
    return guitest::screen(screenOf(w));
}

// The box where a user types first: Text1 of the dialog, or the first
// visible minute box of a screen.
QLineEdit *firstBox(QWidget *window)
{
    if (auto *d = qobject_cast<CapacityDialog *>(window))
        return CapacityDialogView(d).text1;
    auto *screen = qobject_cast<EntryScreen *>(window);
    return minuteBox(screen, firstVisibleSlot(screen));
}

int visibleWindowsNamed(const QString &name)
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += (w->isVisible() && w->objectName() == name) ? 1 : 0;
    return count;
}

// One row per window and way; NyuryokuForm2 has no cancel button for Esc.
void addWindowRows(const QStringList &hows)
{
    for (int w = int(Win::TotalForm); w <= int(Win::TotalCorrection); ++w)
        for (const QString &how : hows) {
            if (Win(w) == Win::Page2 && how == QStringLiteral("Esc"))
                continue;
            QTest::addRow("%s, %s", qPrintable(nameOf(Win(w))), qPrintable(how)) << Win(w) << how;
        }
}

}  // namespace

class Test_windows : public QObject {
    Q_OBJECT
private slots:
    void mainButtonsOpenTheirScreens_data();
    void mainButtonsOpenTheirScreens();
    void atMostOnce_data();
    void atMostOnce();
    void closedWindowComesBackFresh_data();
    void closedWindowComesBackFresh();
    void ownFrame_data();
    void ownFrame();
    void windowsStayUsableSideBySide();
};

void Test_windows::mainButtonsOpenTheirScreens_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("capacityFirst");
    QTest::addColumn<QString>("window");  // empty: nothing opens
    QTest::newRow("録音可能時間入力") << "Total" << false << "TotalForm";
    QTest::newRow("収録時間の合計を入力") << "Goukei" << false << "NyuryokuForm4";
    QTest::newRow("録音時間入力 after a capacity") << "Nyuryoku" << true << "NyuryokuForm";
    QTest::newRow("録音時間入力 at start (disabled)") << "Nyuryoku" << false << "";
    QTest::newRow("訂正 at start (disabled)") << "Teisei" << false << "";
    QTest::newRow("合計の訂正 at start (disabled)") << "Goteisei" << false << "";
}

void Test_windows::mainButtonsOpenTheirScreens()
{
    QFETCH(QString, button);
    QFETCH(bool, capacityFirst);
    QFETCH(QString, window);
    Session s;
    if (capacityFirst)
        QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    const QStringList before = controlSnapshot(s.main);
    QVERIFY(click(s.main.window->findChild<QPushButton *>(button)));
    settle();
    // A plain show changes nothing in the main window.
    QCOMPARE(controlSnapshot(s.main), before);
    QVERIFY(s.messages.empty());
    if (window.isEmpty()) {
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(w == s.main || !w->isVisible(), qPrintable(w->objectName()));
        return;
    }
    QWidget *w = openWindow(window);
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(visibleWindowsNamed(window), 1);
}

void Test_windows::atMostOnce_data()
{
    QTest::addColumn<Win>("win");
    QTest::addColumn<bool>("keepsTyped");
    QTest::newRow("TotalForm") << Win::TotalForm << true;
    QTest::newRow("NyuryokuForm") << Win::Entry << true;
    QTest::newRow("NyuryokuForm2") << Win::Page2 << true;
    // Opening a correction screen again refills it from the song table.
    QTest::newRow("NyuryokuForm3") << Win::Correction << false;
    QTest::newRow("NyuryokuForm4") << Win::TotalEntry << true;
    QTest::newRow("NyuryokuForm5") << Win::TotalPage2 << true;
    QTest::newRow("NyuryokuForm6") << Win::TotalCorrection << false;
}

void Test_windows::atMostOnce()
{
    QFETCH(Win, win);
    QFETCH(bool, keepsTyped);
    Session s;
    const QString name = nameOf(win);
    QPointer<QWidget> first = open(s, win);
    QVERIFY(first);
    QCOMPARE(visibleWindowsNamed(name), 1);
    QLineEdit *box = firstBox(first);
    const QString stored = box->text();
    QVERIFY(type(box, QStringLiteral("7")));

    // The opening path once more: the same window comes to the front (page 2
    // takes the hand-over of a fresh page 1).
    QVERIFY(openAgain(s, win));

    QVERIFY(!first.isNull());
    QCOMPARE(openWindow(name), first.data());
    QVERIFY(first->isVisible());
    QCOMPARE(visibleWindowsNamed(name), 1);
    QCOMPARE(box->text(), keepsTyped ? QStringLiteral("7") : stored);
    QVERIFY(s.messages.empty());
}

void Test_windows::closedWindowComesBackFresh_data()
{
    QTest::addColumn<Win>("win");
    QTest::addColumn<QString>("how");
    // The keys of NyuryokuForm2 are tested with the entry screens.
    addWindowRows(
        {QStringLiteral("キャンセル"), QStringLiteral("Esc"), QStringLiteral("close box")});
}

void Test_windows::closedWindowComesBackFresh()
{
    QFETCH(Win, win);
    QFETCH(QString, how);
    Session s;
    const QString name = nameOf(win);
    QPointer<QWidget> window = open(s, win);
    QVERIFY(window);
    auto *screen = qobject_cast<EntryScreen *>(window.data());
    const QStringList freshTexts = screen ? slotTexts(screen) : QStringList();

    // Type into the first and the last visible row (or the dialog's box).
    QVERIFY(type(firstBox(window), QStringLiteral("7")));
    if (screen) {
        const int last = firstVisibleSlot(screen) + tavelo::kRowsPerPage - 1;
        QVERIFY(typeRow(screen, last, QStringLiteral("8"), QStringLiteral("9")));
    }
    const QStringList before = mainSnapshot(s.main);

    if (how == QStringLiteral("キャンセル")) {
        QVERIFY(click(button(window, screen ? "Command3" : "Command2")));
    } else if (how == QStringLiteral("Esc")) {
        QTest::keyClick(firstBox(window), Qt::Key_Escape);
    } else {
        QVERIFY(window->close());
    }
    settle();

    QVERIFY(window.isNull());
    QVERIFY(!openWindow(name));
    QCOMPARE(visibleWindowsNamed(name), 0);
    QVERIFY(s.messages.empty());
    QCOMPARE(s.endRequests, 0);
    // Nothing reaches the song table or the main window.
    QCOMPARE(mainSnapshot(s.main), before);

    // Open again the way the first one was reached from here.
    QVERIFY(openAgain(s, win));
    QPointer<QWidget> again = findWindow(win);
    QVERIFY(again);
    QVERIFY(again->isVisible());
    QCOMPARE(visibleWindowsNamed(name), 1);
    if (auto *fresh = qobject_cast<EntryScreen *>(again.data())) {
        // The typed texts are gone; the screen holds what opening it puts
        // there (nothing, the hand-off's carry slots, or the stored songs).
        QCOMPARE(slotTexts(fresh), freshTexts);
        QCOMPARE(fresh->focusWidget(), firstBox(fresh));
    } else {
        QCOMPARE(firstBox(again)->text(), QString());
    }
}

void Test_windows::ownFrame_data()
{
    QTest::addColumn<Win>("win");
    QTest::addColumn<QString>("how");
    addWindowRows({QStringLiteral("opened")});
}

void Test_windows::ownFrame()
{
    QFETCH(Win, win);
    Session s;
    QWidget *w = open(s, win);
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));

    // A window of its own beside the main window, with only a close box.
    QCOMPARE(w->windowType(), Qt::Window);
    QVERIFY(w->isWindow());
    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!w->isModal());
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(w->size(), w->minimumSize());

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint off = w->frameGeometry().center() - area.center();
    QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1, "centred on the screen");
}

void Test_windows::windowsStayUsableSideBySide()
{
    // Modeless windows: with the dialog and two screens open the main window
    // still works, and typing in one window leaves the others alone.
    Session s;
    CapacityDialog *dialog = openCapacityDialog(s.main);
    QVERIFY(dialog);
    const CapacityDialogView d(dialog);
    QVERIFY(type(d.text1, QStringLiteral("46")));
    EntryScreen *total = openPageOne(s.main, true);
    QVERIFY(total);
    QVERIFY(type(minuteBox(total, 0), QStringLiteral("3")));
    QVERIFY(dialog->isVisible());
    QVERIFY(total->isVisible());
    QVERIFY(!QApplication::activeModalWidget());

    QVERIFY(click(d.command1));
    settle();
    QVERIFY(!capacityDialog());
    QCOMPARE(s.main->totaltxt->text(), QStringLiteral("46"));
    QCOMPARE(guitest::screen(ScreenId::TotalEntry), total);
    QCOMPARE(minuteBox(total, 0)->text(), QStringLiteral("3"));

    EntryScreen *entry = openPageOne(s.main, false);
    QVERIFY(entry);
    QVERIFY(entry != total);
    QCOMPARE(minuteBox(entry, 0)->text(), QString());
    QCOMPARE(visibleWindowsNamed(QStringLiteral("NyuryokuForm")), 1);
    QCOMPARE(visibleWindowsNamed(QStringLiteral("NyuryokuForm4")), 1);
}

GUITEST_MAIN(Test_windows)
#include "test_windows.moc"
