// SPDX-License-Identifier: MIT
// 残り時間を出す on the remaining-mode screens, driven through the real buttons
// and boxes: the list, the result fields, the messages with what the result
// fields showed behind them, the song table and whether the screen closed.

#include "support/guitest.h"

using guitest::kBadCapacity;
using guitest::kBadMinutes;
using guitest::kBadSeconds;
using guitest::kCapacityTooLarge;
using guitest::kMinutesTooLarge;
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

// Leaves an earlier result in the main window (capacity 46, one song of
// 1:01, so 44 and 59), for the cases that must not change it.
[[nodiscard]] bool primeResult(Session &s)
{
    GUITEST_VERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    EntryScreen *screen = enterSongs(s, QStringLiteral("1:1"));
    GUITEST_VERIFY(screen);
    GUITEST_VERIFY(press(screen));
    GUITEST_VERIFY(!guitest::screen(ScreenId::Entry));
    GUITEST_COMPARE(s.result(), QStringLiteral("44/59"));
    GUITEST_VERIFY(s.messages.empty());
    return true;
}

}  // namespace

class Test_remaining : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void storesSongTable_data();
    void storesSongTable();
    void blankRow_data();
    void blankRow();
    void rowRefusal_data();
    void rowRefusal();
    void secondRowFailureKeepsWhatWasDone();
    void firstRowFailureStillSwitchesMode();
    void capacityRefusal_data();
    void capacityRefusal();
    void remainingBeyondDisplay_data();
    void remainingBeyondDisplay();
    void failingCarrySlotOnPageTwo();
    void correctionScreenCountsFirstPageOnly();
    void afterTotalModeTheCaptionsReturn();
    void typicalSequence();
};

// Each case: the capacity accepted in the dialog, the songs typed, and what
// the main window shows afterwards. With `overCapacity` the result fields
// hold text3/text4 while the message is up, and "0" and "0" after it.
void Test_remaining::results_data()
{
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("pageOne");
    QTest::addColumn<bool>("viaPageTwo");
    QTest::addColumn<QString>("pageTwo");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("overCapacity");

    // clang-format off
    QTest::newRow("23 minutes, 4:30 and 3:45") << "23" << "4:30 3:45" << false << "" << "4:30 3:45 13*0:00" << "14/45" << false;
    QTest::newRow("10 minutes, 9:30 and 0:30 leave exactly 0") << "10" << "9:30 0:30" << false << "" << "9:30 0:30 13*0:00" << "0/0" << false;
    QTest::newRow("10 minutes, 5:30 and 4:31 are one second over") << "10" << "5:30 4:31" << false << "" << "5:30 4:31 13*0:00" << "0/-1" << true;
    QTest::newRow("10 minutes, 6:0 and 5:40 are 100 seconds over") << "10" << "6:0 5:40" << false << "" << "6:00 5:40 13*0:00" << "-1/-40" << true;
    QTest::newRow("46 minutes, fifteen 3:0 carried to page 2 and 1:30") << "46" << "15*3:0" << true << "1:30" << "15*3:00 1:30 14*0:00" << "0/-30" << true;

    QTest::newRow("all rows empty on page 1") << "46" << "" << false << "" << "15*0:00" << "46/0" << false;
    QTest::newRow("all rows empty on page 2") << "46" << "" << true << "" << "30*0:00" << "46/0" << false;
    QTest::newRow("0:0 is a song of no length") << "10" << "0:0" << false << "" << "15*0:00" << "10/0" << false;
    QTest::newRow("seconds 59 pass") << "10" << "0:59" << false << "" << "0:59 14*0:00" << "9/1" << false;
    QTest::newRow("120:00 passes and counts 120 minutes") << "121" << "120:00" << false << "" << "120:00 14*0:00" << "1/0" << false;
    QTest::newRow("seconds carry into the minutes") << "10" << "4:00 3*0:59" << false << "" << "4:00 3*0:59 11*0:00" << "3/3" << false;
    QTest::newRow("the list pads the seconds, Text4 does not") << "10" << "4:5 0:50" << false << "" << "4:05 0:50 13*0:00" << "5/5" << false;
    QTest::newRow("minutes listed as typed") << "10" << "04:30" << false << "" << "04:30 14*0:00" << "5/30" << false;
    QTest::newRow("capacity 0.375 is 22 seconds (22.5 to even)") << "0.375" << "" << false << "" << "15*0:00" << "0/22" << false;
    QTest::newRow("capacity 45.5") << "45.5" << "" << false << "" << "15*0:00" << "45/30" << false;
    QTest::newRow("minutes 2.5 count 2") << "10" << "2.5:0" << false << "" << "2.5:00 14*0:00" << "8/0" << false;
    QTest::newRow("minutes 3.5 count 4") << "10" << "3.5:0" << false << "" << "3.5:00 14*0:00" << "6/0" << false;
    QTest::newRow("seconds 30.5 and 2.5 list as 31 and 03, count 30 and 2") << "10" << "0:30.5 0:2.5" << false << "" << "0:31 0:03 13*0:00" << "9/28" << false;
    QTest::newRow("546 minutes with all rows empty") << "546" << "" << false << "" << "15*0:00" << "546/0" << false;
    QTest::newRow("547 minutes less one second is the most that shows") << "547" << "0:1" << false << "" << "0:01 14*0:00" << "546/59" << false;
    QTest::newRow("0 minutes with one song of 546:59") << "0" << "546:59" << false << "" << "546:59 14*0:00" << "-546/-59" << true;
    QTest::newRow("exponent forms count their value") << "121" << "1e2:0 20:5e1" << false << "" << "1e2:00 20:50 13*0:00" << "0/10" << false;
    QTest::newRow("blanks around the numbers") << " 10 " << "_4_:_5_" << false << "" << "_4_:05 14*0:00" << "5/55" << false;
    QTest::newRow("full-width digits in a row") << "10" << "４:３０" << false << "" << "４:30 14*0:00" << "5/30" << false;
    QTest::newRow("full-width digits in the capacity") << "４６" << "1:0" << false << "" << "1:00 14*0:00" << "45/0" << false;
    // clang-format on
}

void Test_remaining::results()
{
    QFETCH(QString, capacity);
    QFETCH(QString, pageOne);
    QFETCH(bool, viaPageTwo);
    QFETCH(QString, pageTwo);
    QFETCH(QString, list);
    QFETCH(QString, result);
    QFETCH(bool, overCapacity);

    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, capacity));
    QCOMPARE(s.main->totaltxt->text(), capacity);
    EntryScreen *screen = enterSongs(s, pageOne, viaPageTwo, pageTwo);
    QVERIFY(screen);
    QVERIFY(s.messages.empty());
    const ScreenId id = viaPageTwo ? ScreenId::Page2 : ScreenId::Entry;

    QVERIFY(press(screen));

    QCOMPARE(s.listLines(), rows(list));
    if (!overCapacity) {
        QCOMPARE(s.messageTexts(), QStringList{});
        QCOMPARE(s.result(), result);
        QVERIFY(!guitest::screen(id));
        return;
    }
    QCOMPARE(s.messageTexts(), QStringList{kOverCapacity});
    QCOMPARE(s.messages.front().result(), result);
    QCOMPARE(s.result(), QStringLiteral("0/0"));
    QCOMPARE(guitest::screen(id), screen);
    QVERIFY(screen->isVisible());
}

// The song table after a successful run: slot by slot as "minutes|seconds".
void Test_remaining::storesSongTable_data()
{
    QTest::addColumn<QString>("pageOne");
    QTest::addColumn<bool>("viaPageTwo");
    QTest::addColumn<QString>("pageTwo");
    QTest::addColumn<QString>("table");

    // clang-format off
    QTest::newRow("page 1: typed texts, blank rows and songs 16-30 as 0") << "4:30 3:45" << false << "" << "4|30 3|45 28*0|0";
    QTest::newRow("page 1: texts kept as typed") << "04:05 2.5:7" << false << "" << "04|05 2.5|7 28*0|0";
    QTest::newRow("page 2: all thirty slots written") << "15*3:0" << true << "1:30 : 2:05" << "15*3|0 1|30 0|0 2|05 12*0|0";
    // clang-format on
}

void Test_remaining::storesSongTable()
{
    QFETCH(QString, pageOne);
    QFETCH(bool, viaPageTwo);
    QFETCH(QString, pageTwo);
    QFETCH(QString, table);

    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("90")));
    EntryScreen *screen = enterSongs(s, pageOne, viaPageTwo, pageTwo);
    QVERIFY(screen);
    QVERIFY(press(screen));
    QCOMPARE(s.messageTexts(), QStringList{});
    QVERIFY(!guitest::screen(viaPageTwo ? ScreenId::Page2 : ScreenId::Entry));

    QCOMPARE(guitest::songTable(s.main), rows(table));
}

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

// `before` is typed into the rows in front of the tested row; `after` into
// the rows behind it (they must not be looked at).
void Test_remaining::rowRefusal_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");  // of the minutes or the seconds: that box gets the focus
    QTest::addColumn<QString>("list");

    // clang-format off
    QTest::newRow("seconds 60") << "" << "3" << "60" << "" << kBadSeconds << "";
    QTest::newRow("seconds 59.5") << "" << "3" << "59.5" << "" << kBadSeconds << "";
    QTest::newRow("seconds -1") << "" << "3" << "-1" << "" << kBadSeconds << "";
    QTest::newRow("minutes -1") << "" << "-1" << "0" << "" << kBadMinutes << "";
    QTest::newRow("minutes -0.5") << "" << "-0.5" << "0" << "" << kBadMinutes << "";
    QTest::newRow("both wrong: the minutes are reported") << "" << "-1" << "75" << "" << kBadMinutes << "";
    QTest::newRow("minutes are letters") << "" << "abc" << "30" << "" << kBadMinutes << "";
    QTest::newRow("seconds are letters") << "" << "3" << "abc" << "" << kBadSeconds << "";
    QTest::newRow("minutes are blanks only") << "" << "  " << "30" << "" << kBadMinutes << "";
    QTest::newRow("seconds are blanks only") << "" << "3" << " " << "" << kBadSeconds << "";
    QTest::newRow("minutes typed as a time") << "" << "1:30" << "0" << "" << kBadMinutes << "";
    QTest::newRow("seconds typed as a time") << "" << "0" << "1:30" << "" << kBadSeconds << "";
    QTest::newRow("minutes nan") << "" << "nan" << "0" << "" << kBadMinutes << "";
    QTest::newRow("seconds inf") << "" << "3" << "inf" << "" << kBadSeconds << "";
    QTest::newRow("minutes in hexadecimal") << "" << "0x10" << "0" << "" << kBadMinutes << "";
    QTest::newRow("minutes 1e400") << "" << "1e400" << "0" << "" << kBadMinutes << "";
    QTest::newRow("seconds 1e400") << "" << "3" << "1e400" << "" << kBadSeconds << "";
    QTest::newRow("minutes 40000") << "" << "40000" << "00" << "" << kMinutesTooLarge << "";
    QTest::newRow("minutes 32767.5 round beyond 16 bits") << "" << "32767.5" << "0" << "" << kMinutesTooLarge << "";
    QTest::newRow("third row after two good ones") << "4:30 3:45" << "2" << "60" << "" << kBadSeconds << "4:30 3:45";
    QTest::newRow("only the first of two wrong rows is reported") << "4:30 3:45" << "-2" << "0" << "5:0 3:99" << kBadMinutes << "4:30 3:45";
    QTest::newRow("minutes 40000 on row 3") << "4:30 :" << "40000" << "0" << "" << kMinutesTooLarge << "4:30 0:00";
    // clang-format on
}

void Test_remaining::rowRefusal()
{
    QFETCH(QString, before);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QFETCH(QString, list);

    Session s;
    QVERIFY(primeResult(s));
    EntryScreen *screen = enterSongs(s, before);
    QVERIFY(screen);
    const int slot = rows(before).size();
    QVERIFY(typeRow(screen, slot, minutes, seconds));
    const QStringList behind = rows(after);
    QVERIFY(guitest::typeRows(screen, QStringList(slot + 1, QString()) + behind));

    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(s.messages.front().result(), QStringLiteral("44/59"));
    QCOMPARE(s.result(), QStringLiteral("44/59"));
    QCOMPARE(s.listLines(), rows(list));
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);
    QWidget *box = message == kBadSeconds ? guitest::secondBox(screen, slot)
                                          : guitest::minuteBox(screen, slot);
    QCOMPARE(screen->focusWidget(), box);
    // The failing row is stored as typed; the rows behind it are not touched.
    QCOMPARE(slotText(s.main, slot), minutes + QLatin1Char('|') + seconds);
    QCOMPARE(guitest::minuteBox(screen, slot)->text(), minutes);
    QCOMPARE(guitest::secondBox(screen, slot)->text(), seconds);
    QCOMPARE(guitest::minuteBox(screen, slot + behind.size() + 1)->text(), QString());
    QCOMPARE(slotText(s.main, slot + behind.size() + 1),
             QStringLiteral("0|0"));  // from primeResult
    QVERIFY(s.main->teisei->isEnabled());
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
    QVERIFY(primeResult(s));
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
    QVERIFY(primeResult(s));
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

// 続けて入力 stops at a row of negative minutes but has already carried it to
// page 2; 残り時間を出す there meets it in a carry slot, which has no box.
void Test_remaining::failingCarrySlotOnPageTwo()
{
    Session s;
    QVERIFY(primeResult(s));
    EntryScreen *one = guitest::openPageOne(s.main, false, {"1:0", "2:0", "-3:0", "4:0"});
    QVERIFY(one);
    EntryScreen *two = guitest::continueToPageTwo(one);
    QCOMPARE(s.messageTexts(), QStringList{kBadMinutes});
    QVERIFY(two);
    QCOMPARE(guitest::minuteText(two, 2), QStringLiteral("-3"));
    QVERIFY(guitest::typeRows(two, {"5:0"}));

    QPushButton *pressed = guitest::button(two, "Command2");
    QVERIFY(guitest::click(pressed));
    guitest::settle();

    QCOMPARE(s.messageTexts(), QStringList({kBadMinutes, kBadMinutes}));
    QCOMPARE(two->focusWidget(), pressed);
    QCOMPARE(s.listLines(), rows("1:00 2:00"));
    QCOMPARE(s.result(), QStringLiteral("44/59"));
    QCOMPARE(slotText(s.main, 2), QStringLiteral("-3|0"));
    QCOMPARE(guitest::screen(ScreenId::Page2), two);
    QCOMPARE(guitest::screen(ScreenId::Entry), one);
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
