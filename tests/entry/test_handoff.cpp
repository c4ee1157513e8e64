// SPDX-License-Identifier: MIT
// 続けて入力 and 次画面を訂正, driven through the real buttons: where the focus
// goes, which screens stay open, and that the main window and its song table
// are left alone. What reaches page 2 slot by slot is pinned in
// test_operations (handOff).

#include "support/guitest.h"

using namespace guitest;

class Test_handoff : public QObject {
    Q_OBJECT
private slots:
    void handOff_data();
    void handOff();
    void cancelOnPageTwoDiscardsCarriedSongs_data();
    void cancelOnPageTwoDiscardsCarriedSongs();
};

// After a calculation of 4:30 and 3:45 in the mode, the page-1 screen (or,
// with `correct`, the correction screen reached by its button) gets `typed`
// in its rows and, on the correction screen, `carry` in slot 17; then its
// hand-off button. `focus` is the control of the source screen that has the
// focus afterwards (empty: the screen closed).
void Test_handoff::handOff_data()
{
    QTest::addColumn<bool>("total");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("carry");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    // clang-format off
    QTest::newRow("続けて入力, all rows pass") << false << false << "15*4:05" << "" << "" << "";
    QTest::newRow("続けて入力, total mode, all rows pass") << true << false << "15*4:05" << "" << "" << "";
    QTest::newRow("続けて入力, seconds 75 in row 4") << false << false << "3*2:0 2:75 11*2:0" << "" << kBadSeconds << "Text2(3)";
    QTest::newRow("続けて入力, total mode, seconds 75 in row 4") << true << false << "3*2:0 2:75 11*2:0" << "" << kBadSeconds << "Text2(3)";
    QTest::newRow("続けて入力, minutes -1 in row 1") << false << false << "-1:0 14*2:0" << "" << kBadMinutes << "Text1(0)";
    QTest::newRow("続けて入力, seconds -1 in row 15") << false << false << "14*2:0 2:-1" << "" << kBadSeconds << "Text2(14)";
    QTest::newRow("次画面を訂正, all rows pass") << false << true << "4:30 3: 2:15" << "" << "" << "";
    QTest::newRow("次画面を訂正, total mode, all rows pass") << true << true << "4:30 3: 2:15" << "" << "" << "";
    QTest::newRow("次画面を訂正, row 5 fails") << false << true << "4:30 3: 2:15 4:0 1:60" << "" << kBadSeconds << "Text2(4)";
    QTest::newRow("次画面を訂正, total mode, row 5 fails") << true << true << "4:30 3: 2:15 4:0 1:60" << "" << kBadSeconds << "Text2(4)";
    QTest::newRow("次画面を訂正, a carry slot fails") << false << true << "5:0" << "-2|30" << kBadMinutes << "Command4";
    QTest::newRow("次画面を訂正, total mode, a carry slot fails") << true << true << "5:0" << "-2|30" << kBadMinutes << "Command4";
    // clang-format on
}

void Test_handoff::handOff()
{
    QFETCH(bool, total);
    QFETCH(bool, correct);
    QFETCH(QString, typed);
    QFETCH(QString, carry);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    Session s;
    const Mode mode = modeOf(s.main, total);
    if (!total)
        QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    EntryScreen *earlier = openPageOne(s.main, total, rows("4:30 3:45"));
    QVERIFY(earlier);
    QVERIFY(press(earlier));
    QVERIFY(s.messages.empty());

    EntryScreen *source = nullptr;
    if (correct) {
        QVERIFY(click(mode.correct));
        source = screen(mode.correction);
        QVERIFY(typeRows(source, rows(typed)));
        if (!carry.isEmpty())
            source->setSlot(17, slotsFrom(carry).front());
    } else {
        source = openPageOne(s.main, total, rows(typed));
    }
    QVERIFY(source);
    const ScreenId id = source->id();
    const QStringList before = mainSnapshot(s.main);

    QVERIFY(press(source, correct ? "Command4" : "Command1"));

    QCOMPARE(s.messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
    EntryScreen *two = screen(mode.pageTwo);
    QVERIFY(two);
    QVERIFY(two->isVisible());
    QCOMPARE(screen(id) != nullptr, !focus.isEmpty());
    if (!focus.isEmpty())
        QCOMPARE(source->focusWidget() ? source->focusWidget()->objectName() : QString(), focus);
    QCOMPARE(mainSnapshot(s.main), before);
}

// キャンセル on page 2 after a hand-off: the carried songs are gone with the
// screen, and nothing reaches the song table or the main window.
void Test_handoff::cancelOnPageTwoDiscardsCarriedSongs_data()
{
    QTest::addColumn<bool>("total");
    QTest::addColumn<QString>("result");
    QTest::newRow("NyuryokuForm2") << false << "46/0";
    QTest::newRow("NyuryokuForm5") << true << "0/0";
}

void Test_handoff::cancelOnPageTwoDiscardsCarriedSongs()
{
    QFETCH(bool, total);
    QFETCH(QString, result);

    Session s;
    if (!total)
        QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    const Mode mode = modeOf(s.main, total);
    EntryScreen *one = openPageOne(s.main, total, rows("15*3:0"));
    QVERIFY(one);
    const QStringList before = mainSnapshot(s.main);
    EntryScreen *two = continueToPageTwo(one);
    QVERIFY(two);
    QVERIFY(typeRows(two, {"5:0"}));

    QVERIFY(press(two, "Command3"));
    QVERIFY(!screen(mode.pageTwo));
    QCOMPARE(mainSnapshot(s.main), before);

    // A new page 2 reached from an empty page 1 counts nothing of the above.
    EntryScreen *empty = openPageOne(s.main, total);
    QVERIFY(empty);
    EntryScreen *fresh = continueToPageTwo(empty);
    QVERIFY(fresh);
    QCOMPARE(minuteBox(fresh, 15)->text(), QString());
    QVERIFY(press(fresh));
    QCOMPARE(s.messageTexts(), QStringList{});
    QCOMPARE(s.listLines(), rows("30*0:00"));
    QCOMPARE(s.result(), result);
}

GUITEST_MAIN(Test_handoff)
#include "test_handoff.moc"
