// SPDX-License-Identifier: MIT
// 残り時間を出す on the remaining-mode screens, driven through the real buttons
// and boxes: the list, the result fields, the messages with what the result
// fields showed behind them, the song table and whether the screen closed.
// The cases of the same shape in both modes are in test_calculation.cpp; a
// whole session through both modes, the correction screens' own counts and a
// total run while a remaining-mode screen stands open in test_total.cpp.

#include "support/guitest.h"

using namespace guitest;

class Test_remaining : public QObject {
    Q_OBJECT
private slots:
    void blankRow_data();
    void blankRow();
    void capacityRefusal_data();
    void capacityRefusal();
    void remainingBeyondDisplay_data();
    void remainingBeyondDisplay();
};

// Row 2 is blank in one way or another; a capacity of 1 minute keeps the
// screen open after the over-capacity message, so its boxes can be seen.
void Test_remaining::blankRow_data()
{
    // clang-format off
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");

    QTest::newRow("both boxes empty") << "" << "";
    QTest::newRow("seconds empty") << "4" << "";
    QTest::newRow("minutes empty") << "" << "30";
    QTest::newRow("seconds empty, minutes not even a number") << "abc" << "";
    // clang-format on
}

void Test_remaining::blankRow()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);

    Session s;
    QVERIFY(acceptCapacity(s.main, QStringLiteral("1")));
    EntryScreen *screen = openPageOne(s.main, false, {"4:30"});
    QVERIFY(screen);
    QVERIFY(typeRow(screen, 1, minutes, seconds));
    QVERIFY(typeRow(screen, 2, QStringLiteral("3"), QStringLiteral("45")));

    QVERIFY(press(screen));

    QCOMPARE(s.listLines(), rows("4:30 0:00 3:45 12*0:00"));
    QCOMPARE(s.messageTexts(), QStringList{kOverCapacity});
    // 60 - (7 * 60 + 75) = -435 seconds
    QCOMPARE(s.messages.front().result(), QStringLiteral("-7/-15"));
    QCOMPARE(s.result(), QStringLiteral("0/0"));
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);

    QCOMPARE(slotText(s.main, 1), QStringLiteral("0|0"));
    // Every blank row now shows 0 and 0; the typed rows are untouched.
    QCOMPARE(boxTexts(screen), rows("4|30 0|0 3|45 12*0|0"));
}

// Totaltxt is edited in the main window after an earlier result. Nothing
// is computed: the rows are not even read. Which texts are refused with
// which message is pinned in test_operations and test_numbers.
void Test_remaining::capacityRefusal_data()
{
    // clang-format off
    QTest::addColumn<QString>("totaltxt");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << "" << kBadCapacity;
    QTest::newRow("a time") << "46:30" << kBadCapacity;
    QTest::newRow("35791395 minutes are beyond 32 bits of seconds") << "35791395" << kCapacityTooLarge;
    // clang-format on
}

void Test_remaining::capacityRefusal()
{
    QFETCH(QString, totaltxt);
    QFETCH(QString, message);

    Session s;
    QVERIFY(primeRemainingResult(s));
    QVERIFY(type(s.main->totaltxt, totaltxt));
    EntryScreen *screen = openPageOne(s.main, false, {"4:30"});
    QVERIFY(screen);
    QVERIFY(s.main.window->focusWidget() != s.main->totaltxt);

    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(s.main.window->focusWidget(), s.main->totaltxt);
    QCOMPARE(s.messages.front().result(), QStringLiteral("44/59"));
    QCOMPARE(s.result(), QStringLiteral("44/59"));
    QCOMPARE(s.main->totaltxt->text(), totaltxt);
    QCOMPARE(s.listLines(), QStringList{});
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);
    // Rows unread: the song table keeps the earlier run, blank rows stay empty.
    QCOMPARE(slotText(s.main, 0), QStringLiteral("1|1"));
    QCOMPARE(minuteBox(screen, 1)->text(), QString());
}

// Remaining times beyond what the result fields can hold (more than 546:59
// either way). Both cases leave the earlier result in view while the message
// is up; the over-capacity one then shows 0 and 0 as usual.
void Test_remaining::remainingBeyondDisplay_data()
{
    QTest::addColumn<QString>("totaltxt");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("result");

    // clang-format off
    QTest::newRow("1000 minutes, all rows empty") << "1000" << "" << kRemainingTooLarge << "44/59";
    QTest::newRow("547 minutes, all rows empty") << "547" << "" << kRemainingTooLarge << "44/59";
    QTest::newRow("0 minutes, one song of 547:00") << "0" << "547:00" << kOverCapacity << "0/0";
    QTest::newRow("0 minutes, fifteen songs of 32767:59") << "0" << "15*32767:59" << kOverCapacity << "0/0";
    // clang-format on
}

void Test_remaining::remainingBeyondDisplay()
{
    QFETCH(QString, totaltxt);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, result);

    Session s;
    QVERIFY(primeRemainingResult(s));
    QVERIFY(type(s.main->totaltxt, totaltxt));
    EntryScreen *screen = openPageOne(s.main, false, rows(typed));
    QVERIFY(screen);
    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(s.messages.front().result(), QStringLiteral("44/59"));
    QCOMPARE(s.result(), result);
    QCOMPARE(s.listLines().size(), 15);
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);
}

GUITEST_MAIN(Test_remaining)
#include "test_remaining.moc"
