// SPDX-License-Identifier: MIT
// The main window as the program starts: its controls, their places and
// texts, the frame, the focus and tab order, the icon, and what Enter and Esc
// do there.

#include "support/guitest.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>

using namespace guitest;

namespace {

QString textOf(const QWidget *w)
{
    if (auto *b = qobject_cast<const QPushButton *>(w))
        return b->text();
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    return QString();
}

// The object names of the widgets that Tab visits, in focus-chain order,
// starting at `start` (disabled ones included).
QStringList focusChain(QWidget *start)
{
    QStringList names;
    QWidget *w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == start->window())
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != start);
    return names;
}

}  // namespace

class Test_mainwindow : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void controls_data();
    void controls();
    void frame();
    void tabOrder();
    void resultFieldsReadOnly();
    void icon();
    void escEndsProgram_data();
    void escEndsProgram();
    void closeButtonEndsProgram();
    void closeBoxEndsProgram();
    void enterClicksFocusedButton_data();
    void enterClicksFocusedButton();
    void enterInFieldStartsNothing_data();
    void enterInFieldStartsNothing();
};

void Test_mainwindow::startState()
{
    Session s;
    const auto &m = s.main;
    // Tape line and result line of remaining mode, every field empty.
    QCOMPARE(s.summary(), QStringLiteral("remaining | tape [] | - - - | list [] | result /"));
    QCOMPARE(m->nokori->text(), QStringLiteral("テープの残り時間は"));
    QCOMPARE(m->label5->text(), QStringLiteral("分"));
    QCOMPARE(m->label6->text(), QStringLiteral("秒です。"));

    QCOMPARE(songTable(m), rows("30*|"));

    QCOMPARE(m.window->focusWidget(), m->total);
    QVERIFY(QTest::qWaitForWindowActive(m.window));
    QCOMPARE(QApplication::focusWidget(), m->total);

    // Only the main window is open.
    int shown = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        shown += w->isVisible() ? 1 : 0;
    QCOMPARE(shown, 1);
    QVERIFY(s.messages.empty());
}

void Test_mainwindow::controls_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Total") << "Total" << "録音可能時間入力" << twips(720, 3240, 1935, 375);
    QTest::newRow("Nyuryoku") << "Nyuryoku" << "録音時間入力" << twips(2880, 3240, 1575, 375);
    QTest::newRow("Teisei") << "Teisei" << "訂正" << twips(4680, 3240, 1455, 375);
    QTest::newRow("Goukei") << "Goukei" << "収録時間の合計を入力" << twips(720, 3720, 1935, 375);
    QTest::newRow("Goteisei") << "Goteisei" << "合計の訂正" << twips(2880, 3720, 1575, 375);
    QTest::newRow("Command3") << "Command3" << "閉じる" << twips(4680, 3720, 1455, 375);
    QTest::newRow("Label1") << "Label1" << "テープの片面の録音時間は" << twips(1800, 360, 2175, 255);
    QTest::newRow("Totaltxt") << "Totaltxt" << "" << twips(4080, 360, 375, 270);
    QTest::newRow("Label2") << "Label2" << "分です。" << twips(4560, 360, 735, 255);
    QTest::newRow("Label3") << "Label3" << "これまで録音した曲数とテープの時間" << twips(2040, 840, 2895, 255);
    QTest::newRow("List1") << "List1" << "" << twips(2880, 1320, 1215, 1140);
    QTest::newRow("Nokori") << "Nokori" << "テープの残り時間は" << twips(1680, 2760, 1695, 255);
    QTest::newRow("Gokei") << "Gokei" << "収録時間の合計は" << twips(1800, 2760, 1575, 255);
    QTest::newRow("Text3") << "Text3" << "" << twips(3360, 2760, 375, 270);
    QTest::newRow("Label5") << "Label5" << "分" << twips(3960, 2760, 255, 255);
    QTest::newRow("Text4") << "Text4" << "" << twips(4320, 2760, 375, 270);
    QTest::newRow("Label6") << "Label6" << "秒です。" << twips(4800, 2760, 735, 255);
    // clang-format on
}

void Test_mainwindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);

    Session s;
    const QList<QWidget *> found =
        s.main.window->findChildren<QWidget *>(name, Qt::FindDirectChildrenOnly);
    QCOMPARE(found.size(), 1);
    QWidget *w = found.first();
    QCOMPARE(w->geometry(), geometry);
    QCOMPARE(textOf(w), text);
    if (auto *label = qobject_cast<QLabel *>(w)) {
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x00));
        QVERIFY(!label->autoFillBackground());
    }
}

void Test_mainwindow::frame()
{
    Session s;
    MainWindow *m = s.main;
    QCOMPARE(m->windowTitle(), QStringLiteral("タベロサポータVer2.85"));
    QCOMPARE(m->objectName(), QStringLiteral("TaveloForm"));
    QCOMPARE(m->size(), QSize(479, 282));
    QCOMPARE(m->minimumSize(), QSize(479, 282));
    QCOMPARE(m->maximumSize(), QSize(479, 282));

    const Qt::WindowFlags flags = m->windowFlags();
    QCOMPARE(m->windowType(), Qt::Window);
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // No default button: none of the six carries the default mark.
    for (QPushButton *b : m->findChildren<QPushButton *>())
        QVERIFY2(!b->isDefault(), qPrintable(b->objectName()));

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint off = m->frameGeometry().center() - area.center();
    QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1,
             "the main window stands centred on the screen");
}

void Test_mainwindow::tabOrder()
{
    Session s;
    const auto &m = s.main;
    // The whole order, disabled buttons included.
    QCOMPARE(focusChain(m->total),
             (QStringList{"Total", "Nyuryoku", "Teisei", "Goukei", "Goteisei", "Command3",
                          "Totaltxt", "Text3", "Text4", "List1"}));

    // At start Tab skips the three disabled buttons and comes round to Total.
    m->total->setFocus();
    QStringList visited;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(m.window->focusWidget(), Qt::Key_Tab);
        visited << m.window->focusWidget()->objectName();
    }
    QCOMPARE(visited,
             (QStringList{"Goukei", "Command3", "Totaltxt", "Text3", "Text4", "List1", "Total"}));
}

void Test_mainwindow::resultFieldsReadOnly()
{
    Session s;
    const auto &m = s.main;
    QVERIFY(m->text3->isReadOnly());
    QVERIFY(m->text4->isReadOnly());
    QVERIFY(!m->totaltxt->isReadOnly());
    QVERIFY(!m->list1->isSortingEnabled());

    for (QLineEdit *box : {m->text3, m->text4}) {
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("12"));
        QCOMPARE(box->text(), QString());
    }
    // The tape box can be edited directly.
    m->totaltxt->setFocus();
    QTest::keyClicks(m->totaltxt, QStringLiteral("60"));
    QCOMPARE(m->totaltxt->text(), QStringLiteral("60"));
}

void Test_mainwindow::icon()
{
    Session s;
    const QIcon icon = s.main.window->windowIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));

    // Open the other seven windows and compare their icons with the main one.
    // Page-1 screens close when they hand over, so they are opened last.
    QList<QWidget *> others;
    for (ScreenId id : {ScreenId::Correction, ScreenId::TotalCorrection, ScreenId::Page2,
                        ScreenId::TotalPage2, ScreenId::Entry, ScreenId::TotalEntry})
        QVERIFY(openAsUser(s.main, id));
    QVERIFY(click(s.main->total));
    for (ScreenId id : tavelo::kAllScreens)
        others << guitest::screen(id);
    others << capacityDialog();
    QCOMPARE(others.size(), 7);
    for (QWidget *w : others) {
        QVERIFY(w);
        QVERIFY(w->isVisible());
        for (int px : {16, 32})
            QVERIFY2(w->windowIcon().pixmap(px).toImage() == icon.pixmap(px).toImage(),
                     qPrintable(w->objectName()));
    }
}

void Test_mainwindow::escEndsProgram_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("on Total") << "Total";
    QTest::newRow("in Totaltxt") << "Totaltxt";
    QTest::newRow("in Text3") << "Text3";
    QTest::newRow("in List1") << "List1";
}

void Test_mainwindow::escEndsProgram()
{
    QFETCH(QString, focus);
    Session s;
    QWidget *target = s.main.window->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE(s.endRequests, 1);
}

void Test_mainwindow::closeButtonEndsProgram()
{
    Session s;
    // Also while other windows are open, and at once.
    QVERIFY(click(s.main->total));
    QVERIFY(click(s.main->goukei));
    QVERIFY(click(s.main->command3));
    QCOMPARE(s.endRequests, 1);
    QVERIFY(s.messages.empty());
}

void Test_mainwindow::closeBoxEndsProgram()
{
    Session s;
    QVERIFY(s.main.window->close());
    settle();
    QCOMPARE(s.endRequests, 1);
}

void Test_mainwindow::enterClicksFocusedButton_data()
{
    // clang-format off
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opens");  // object name of the window expected open, or empty
    QTest::addColumn<int>("endRequests");
    QTest::newRow("Total") << "Total" << "TotalForm" << 0;
    QTest::newRow("Goukei") << "Goukei" << "NyuryokuForm4" << 0;
    QTest::newRow("Command3") << "Command3" << "" << 1;
    // clang-format on
}

void Test_mainwindow::enterClicksFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(QString, opens);
    QFETCH(int, endRequests);
    Session s;
    auto *b = s.main.window->findChild<QPushButton *>(button);
    QVERIFY(b);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Return);
    QCOMPARE(s.endRequests, endRequests);
    if (!opens.isEmpty()) {
        QWidget *w = openWindow(opens);
        QVERIFY(w);
        QVERIFY(w->isVisible());
    }
}

void Test_mainwindow::enterInFieldStartsNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("Totaltxt") << "Totaltxt";
    QTest::newRow("Text4") << "Text4";
    QTest::newRow("List1") << "List1";
}

void Test_mainwindow::enterInFieldStartsNothing()
{
    // The main window has no default button, so Enter outside a button does
    // nothing at all.
    QFETCH(QString, focus);
    Session s;
    const QStringList before = controlSnapshot(s.main);
    QWidget *target = s.main.window->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    settle();
    QCOMPARE(s.endRequests, 0);
    QCOMPARE(controlSnapshot(s.main), before);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(w == s.main || !w->isVisible(), qPrintable(w->objectName()));
}

GUITEST_MAIN(Test_mainwindow)
#include "test_mainwindow.moc"
