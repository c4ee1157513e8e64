// SPDX-License-Identifier: MIT
// 残り時間を出す on the remaining-mode screens, driven through the real buttons
// and boxes: the list, the result fields, the messages with what the result
// fields showed behind them, the song table and whether the screen closed.
// The cases of the same shape in both modes are in test_calculation.cpp.

#include "support/guitest.h"

using guitest::kBadCapacity;
using guitest::kBadMinutes;
using guitest::kBadSeconds;
using guitest::kCapacityTooLarge;
using guitest::kOverCapacity;
using guitest::kRemainingTooLarge;
using guitest::press;
using guitest::rows;
using guitest::Session;
using guitest::slotText;
using guitest::typeRow;
using tavelo::EntryScreen;
using tavelo::ScreenId;

namespace {

// Opens the page-1 screen from the main window and types its rows. With
// `viaPageTwo` the rows go on with 続けて入力 and `pageTwo` is typed into the
// page-2 screen. Returns the screen whose 残り時間を出す is to be pressed, or
// null when a step on the way failed.
EntryScreen *enterSongs(Session &s, const QString &pageOne, bool viaPageTwo = false,
                        const QString &pageTwo = {})
{
    EntryScreen *one = guitest::openPageOne(s.main, false, rows(pageOne));
    if (!one || !viaPageTwo)
        return one;
    EntryScreen *two = guitest::continueToPageTwo(one);
    GUITEST_VERIFY2(!guitest::screen(ScreenId::Entry), "the hand-off went through");
    GUITEST_VERIFY(two);
    GUITEST_VERIFY(guitest::typeRows(two, rows(pageTwo)));
    return two;
}

}  // namespace

class Test_remaining : public QObject {
    Q_OBJECT
private slots:
    void blankRow_data();
    void blankRow();
    void secondRowFailureKeepsWhatWasDone();
    void firstRowFailureStillSwitchesMode();
    void capacityRefusal_data();
    void capacityRefusal();
    void remainingBeyondDisplay_data();
    void remainingBeyondDisplay();
    void correctionScreenCountsFirstPageOnly();
    void afterTotalModeTheCaptionsReturn();
    void typicalSequence();
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
    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("1")));
    EntryScreen *screen = enterSongs(s, QStringLiteral("4:30"));
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
    QCOMPARE(guitest::boxTexts(screen), rows("4|30 0|0 3|45 12*0|0"));
}

// Page-1 example: the second row fails after 4:30, with songs 16-30 already
// in the song table from an earlier page-2 run.
void Test_remaining::secondRowFailureKeepsWhatWasDone()
{
    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    EntryScreen *two = enterSongs(s, QStringLiteral("15*1:0"), true, QStringLiteral("3*2:0"));
    QVERIFY(two);
    QVERIFY(press(two));
    QVERIFY(s.messages.empty());
    QCOMPARE(s.result(), QStringLiteral("25/0"));
    QCOMPARE(slotText(s.main, 16), QStringLiteral("2|0"));

    EntryScreen *screen = enterSongs(s, QStringLiteral("4:30 3:75 2:0"));
    QVERIFY(screen);
    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{kBadSeconds});
    QCOMPARE(guitest::songTable(s.main), rows("4|30 3|75 13*1|0 0|0 0|0 2|0 12*0|0"));
    QCOMPARE(s.messages.front().result(), QStringLiteral("25/0"));
    QCOMPARE(s.summary(),
             QStringLiteral("remaining | tape [46] | entry correct - | list [4:30] | result 25/0"));
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);
    QCOMPARE(screen->focusWidget(), guitest::secondBox(screen, 1));
    QCOMPARE(guitest::secondBox(screen, 1)->text(), QStringLiteral("75"));
    QCOMPARE(guitest::minuteBox(screen, 2)->text(), QStringLiteral("2"));
}

void Test_remaining::firstRowFailureStillSwitchesMode()
{
    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    QVERIFY(!s.main->teisei->isEnabled());
    EntryScreen *screen = enterSongs(s, QStringLiteral("-1:0 4:30"));
    QVERIFY(screen);
    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{kBadMinutes});
    QCOMPARE(screen->focusWidget(), guitest::minuteBox(screen, 0));
    QCOMPARE(s.summary(),
             QStringLiteral("remaining | tape [46] | entry correct - | list [] | result /"));
    QCOMPARE(slotText(s.main, 0), QStringLiteral("-1|0"));
    QCOMPARE(slotText(s.main, 15), QStringLiteral("0|0"));
    QCOMPARE(slotText(s.main, 1), QStringLiteral("|"));
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);
}

// Totaltxt is edited in the main window after an earlier result. Nothing
// is computed: the rows are not even read.
void Test_remaining::capacityRefusal_data()
{
    // clang-format off
    QTest::addColumn<QString>("totaltxt");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << "" << kBadCapacity;
    QTest::newRow("letters") << "abc" << kBadCapacity;
    QTest::newRow("blanks only") << "  " << kBadCapacity;
    QTest::newRow("a time") << "46:30" << kBadCapacity;
    QTest::newRow("1e400") << "1e400" << kBadCapacity;
    QTest::newRow("1e9") << "1e9" << kCapacityTooLarge;
    QTest::newRow("35791395 minutes are beyond 32 bits of seconds") << "35791395" << kCapacityTooLarge;
    // clang-format on
}

void Test_remaining::capacityRefusal()
{
    QFETCH(QString, totaltxt);
    QFETCH(QString, message);

    Session s;
    QVERIFY(guitest::primeRemainingResult(s));
    QVERIFY(guitest::type(s.main->totaltxt, totaltxt));
    EntryScreen *screen = enterSongs(s, QStringLiteral("4:30"));
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
    QCOMPARE(guitest::minuteBox(screen, 1)->text(), QString());
}

// Remaining times beyond what the result fields can hold (more than 546:59
// either way). Both cases leave the earlier result in view while the message
// is up; the over-capacity one then shows 0 and 0 as usual.
void Test_remaining::remainingBeyondDisplay_data()
{
    QTest::addColumn<QString>("totaltxt");
    QTest::addColumn<QString>("rows");
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
    QFETCH(QString, rows);
    QFETCH(QString, message);
    QFETCH(QString, result);

    Session s;
    QVERIFY(guitest::primeRemainingResult(s));
    QVERIFY(guitest::type(s.main->totaltxt, totaltxt));
    EntryScreen *screen = enterSongs(s, rows);
    QVERIFY(screen);
    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(s.messages.front().result(), QStringLiteral("44/59"));
    QCOMPARE(s.result(), result);
    QCOMPARE(s.listLines().size(), 15);
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);
}

// Songs 16-20 stand in the carry slots of the correction screen; its own
// calculation counts songs 1-15 only and clears 16-30 in the song table.
void Test_remaining::correctionScreenCountsFirstPageOnly()
{
    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    // An earlier total enables 合計の訂正, which this calculation disables.
    EntryScreen *total = guitest::openPageOne(s.main, true);
    QVERIFY(total);
    QVERIFY(press(total));
    QVERIFY(s.main->goteisei->isEnabled());

    EntryScreen *screen = guitest::program().showScreen(ScreenId::Correction);
    QVERIFY(screen);
    QVERIFY(guitest::typeRows(screen, {"10:0", "5:0"}));
    for (int slot = 15; slot < 20; ++slot)
        screen->setSlot(slot, {QStringLiteral("3"), QStringLiteral("0")});

    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{});
    QVERIFY(!guitest::screen(ScreenId::Correction));
    // 録音時間入力 stays disabled: only a new capacity enables it again.
    QCOMPARE(s.summary(),
             QStringLiteral(
                 "remaining | tape [46] | - correct - | list [10:00 5:00 13*0:00] | result 31/0"));
    QCOMPARE(guitest::songTable(s.main).mid(15), rows("15*0|0"));
}

// A total calculated while the remaining-mode screen stood open: the next
// remaining-time calculation brings back the tape line and its caption, and
// the total does not stand under them.
void Test_remaining::afterTotalModeTheCaptionsReturn()
{
    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    EntryScreen *screen = guitest::openPageOne(s.main, false, {"-1:0"});
    QVERIFY(screen);

    EntryScreen *total = guitest::openPageOne(s.main, true, {"1:0"});
    QVERIFY(total);
    QVERIFY(press(total));
    QCOMPARE(s.summary(),
             QStringLiteral(
                 "total | tape hidden [46] | - - totalcorrect | list [1:00 14*0:00] | result 1/0"));

    QVERIFY(press(screen));
    QCOMPARE(s.messageTexts(), QStringList{kBadMinutes});
    QCOMPARE(s.summary(),
             QStringLiteral("remaining | tape [46] | - correct totalcorrect | list [] | result /"));

    QVERIFY(guitest::type(guitest::minuteBox(screen, 0), QStringLiteral("1")));
    QVERIFY(press(screen));
    QCOMPARE(
        s.summary(),
        QStringLiteral(
            "remaining | tape [46] | - correct totalcorrect | list [1:00 14*0:00] | result 45/0"));
}

// Start, capacity 46, a calculation that fits, one that does not: the whole
// state of the main window after each step.
void Test_remaining::typicalSequence()
{
    Session s;
    QCOMPARE(s.summary(), QStringLiteral("remaining | tape [] | - - - | list [] | result /"));

    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    QCOMPARE(s.summary(), QStringLiteral("remaining | tape [46] | entry - - | list [] | result /"));

    EntryScreen *screen = guitest::openPageOne(s.main, false, {"4:30", "3:45"});
    QVERIFY(screen);
    QVERIFY(press(screen));
    QVERIFY(!guitest::screen(ScreenId::Entry));
    QCOMPARE(s.summary(), QStringLiteral("remaining | tape [46] | entry correct - | "
                                         "list [4:30 3:45 13*0:00] | result 37/45"));

    screen = guitest::openPageOne(s.main, false, {"40:0", "", "10:0"});
    QVERIFY(screen);
    QVERIFY(press(screen));
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);
    QCOMPARE(s.messageTexts(), QStringList{kOverCapacity});
    QCOMPARE(s.messages.front().result(), QStringLiteral("-4/0"));
    QCOMPARE(s.summary(), QStringLiteral("remaining | tape [46] | entry correct - | "
                                         "list [40:00 0:00 10:00 12*0:00] | result 0/0"));
}

GUITEST_MAIN(Test_remaining)
#include "test_remaining.moc"
