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
using guitest::repeated;
using guitest::Session;
using guitest::slotText;
using guitest::typeRow;
using guitest::zeroLines;
using tavelo::EntryScreen;
using tavelo::ScreenId;

namespace {

// Opens the page-1 screen from the main window and types its rows. With
// `viaPageTwo` the rows go on with 続けて入力 and `pageTwo` is typed into the
// page-2 screen. Returns the screen whose 残り時間を出す is to be pressed, or
// null when a step on the way failed.
EntryScreen *enterSongs(Session &s, const QStringList &pageOne, bool viaPageTwo = false,
                        const QStringList &pageTwo = {})
{
    EntryScreen *one = guitest::openPageOne(s.main, false, pageOne);
    if (!one || !viaPageTwo)
        return one;
    EntryScreen *two = guitest::continueToPageTwo(one);
    GUITEST_VERIFY2(!guitest::screen(ScreenId::Entry), "the hand-off went through");
    GUITEST_VERIFY(two);
    GUITEST_VERIFY(guitest::typeRows(two, pageTwo));
    return two;
}

// Leaves an earlier result in the main window (capacity 46, one song of
// 1:01, so 44 and 59), for the cases that must not change it.
[[nodiscard]] bool primeResult(Session &s)
{
    GUITEST_VERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    EntryScreen *screen = enterSongs(s, {QStringLiteral("1:1")});
    GUITEST_VERIFY(screen);
    GUITEST_VERIFY(press(screen));
    GUITEST_VERIFY(!guitest::screen(ScreenId::Entry));
    GUITEST_COMPARE(s.main->text3->text(), QStringLiteral("44"));
    GUITEST_COMPARE(s.main->text4->text(), QStringLiteral("59"));
    GUITEST_VERIFY(s.messages.empty());
    return true;
}

struct MainState {
    bool nyuryoku;
    bool teisei;
    bool goteisei;
    bool tapeLine;  // Label1, Totaltxt, Label2
    bool nokori;    // Nokori shown and Gokei hidden, or the other way round
    QString totaltxt;
    QStringList list;
    QString text3;
    QString text4;
};

[[nodiscard]] bool expectMainState(const Session &s, const MainState &want)
{
    const guitest::MainView &m = s.main;
    GUITEST_VERIFY(guitest::verifyFixedControls(m));
    GUITEST_COMPARE(m->nyuryoku->isEnabled(), want.nyuryoku);
    GUITEST_COMPARE(m->teisei->isEnabled(), want.teisei);
    GUITEST_COMPARE(m->goteisei->isEnabled(), want.goteisei);
    GUITEST_COMPARE(m->label1->isVisible(), want.tapeLine);
    GUITEST_COMPARE(m->totaltxt->isVisible(), want.tapeLine);
    GUITEST_COMPARE(m->label2->isVisible(), want.tapeLine);
    GUITEST_COMPARE(m->nokori->isVisible(), want.nokori);
    GUITEST_COMPARE(m->gokei->isVisible(), !want.nokori);
    GUITEST_COMPARE(m->totaltxt->text(), want.totaltxt);
    GUITEST_COMPARE(s.listLines(), want.list);
    GUITEST_COMPARE(m->text3->text(), want.text3);
    GUITEST_COMPARE(m->text4->text(), want.text4);
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
    QTest::addColumn<QStringList>("pageOne");
    QTest::addColumn<bool>("viaPageTwo");
    QTest::addColumn<QStringList>("pageTwo");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text4");
    QTest::addColumn<bool>("overCapacity");

    QTest::newRow("23 minutes, 4:30 and 3:45")
        << "23" << QStringList{"4:30", "3:45"} << false << QStringList{}
        << QStringList{"4:30", "3:45"} + zeroLines(13) << "14"
        << "45" << false;
    QTest::newRow("10 minutes, 9:30 and 0:30 leave exactly 0")
        << "10" << QStringList{"9:30", "0:30"} << false << QStringList{}
        << QStringList{"9:30", "0:30"} + zeroLines(13) << "0"
        << "0" << false;
    QTest::newRow("10 minutes, 5:30 and 4:31 are one second over")
        << "10" << QStringList{"5:30", "4:31"} << false << QStringList{}
        << QStringList{"5:30", "4:31"} + zeroLines(13) << "0"
        << "-1" << true;
    QTest::newRow("10 minutes, 6:0 and 5:40 are 100 seconds over")
        << "10" << QStringList{"6:0", "5:40"} << false << QStringList{}
        << QStringList{"6:00", "5:40"} + zeroLines(13) << "-1"
        << "-40" << true;
    QTest::newRow("46 minutes, fifteen 3:0 carried to page 2 and 1:30")
        << "46" << repeated("3:0", 15) << true << QStringList{"1:30"}
        << repeated("3:00", 15) + QStringList{"1:30"} + zeroLines(14) << "0"
        << "-30" << true;

    QTest::newRow("all rows empty on page 1")
        << "46" << QStringList{} << false << QStringList{} << zeroLines(15) << "46"
        << "0" << false;
    QTest::newRow("all rows empty on page 2")
        << "46" << QStringList{} << true << QStringList{} << zeroLines(30) << "46"
        << "0" << false;
    QTest::newRow("0:0 is a song of no length")
        << "10" << QStringList{"0:0"} << false << QStringList{}
        << QStringList{"0:00"} + zeroLines(14) << "10"
        << "0" << false;
    QTest::newRow("seconds 59 pass") << "10" << QStringList{"0:59"} << false << QStringList{}
                                     << QStringList{"0:59"} + zeroLines(14) << "9"
                                     << "1" << false;
    QTest::newRow("120:00 passes and counts 120 minutes")
        << "121" << QStringList{"120:00"} << false << QStringList{}
        << QStringList{"120:00"} + zeroLines(14) << "1"
        << "0" << false;
    QTest::newRow("seconds carry into the minutes")
        << "10" << QStringList{"4:00", "0:59", "0:59", "0:59"} << false << QStringList{}
        << QStringList{"4:00", "0:59", "0:59", "0:59"} + zeroLines(11) << "3"
        << "3" << false;
    QTest::newRow("the list pads the seconds, Text4 does not")
        << "10" << QStringList{"4:5", "0:50"} << false << QStringList{}
        << QStringList{"4:05", "0:50"} + zeroLines(13) << "5"
        << "5" << false;
    QTest::newRow("minutes listed as typed")
        << "10" << QStringList{"04:30"} << false << QStringList{}
        << QStringList{"04:30"} + zeroLines(14) << "5"
        << "30" << false;
    QTest::newRow("capacity 0.375 is 22 seconds (22.5 to even)")
        << "0.375" << QStringList{} << false << QStringList{} << zeroLines(15) << "0"
        << "22" << false;
    QTest::newRow("capacity 45.5")
        << "45.5" << QStringList{} << false << QStringList{} << zeroLines(15) << "45"
        << "30" << false;
    QTest::newRow("minutes 2.5 count 2") << "10" << QStringList{"2.5:0"} << false << QStringList{}
                                         << QStringList{"2.5:00"} + zeroLines(14) << "8"
                                         << "0" << false;
    QTest::newRow("minutes 3.5 count 4") << "10" << QStringList{"3.5:0"} << false << QStringList{}
                                         << QStringList{"3.5:00"} + zeroLines(14) << "6"
                                         << "0" << false;
    QTest::newRow("seconds 30.5 and 2.5 list as 31 and 03, count 30 and 2")
        << "10" << QStringList{"0:30.5", "0:2.5"} << false << QStringList{}
        << QStringList{"0:31", "0:03"} + zeroLines(13) << "9"
        << "28" << false;
    QTest::newRow("546 minutes with all rows empty")
        << "546" << QStringList{} << false << QStringList{} << zeroLines(15) << "546"
        << "0" << false;
    QTest::newRow("547 minutes less one second is the most that shows")
        << "547" << QStringList{"0:1"} << false << QStringList{}
        << QStringList{"0:01"} + zeroLines(14) << "546"
        << "59" << false;
    QTest::newRow("0 minutes with one song of 546:59")
        << "0" << QStringList{"546:59"} << false << QStringList{}
        << QStringList{"546:59"} + zeroLines(14) << "-546"
        << "-59" << true;
    QTest::newRow("exponent forms count their value")
        << "121" << QStringList{"1e2:0", "20:5e1"} << false << QStringList{}
        << QStringList{"1e2:00", "20:50"} + zeroLines(13) << "0"
        << "10" << false;
    QTest::newRow("blanks around the numbers")
        << " 10 " << QStringList{" 4 : 5 "} << false << QStringList{}
        << QStringList{" 4 :05"} + zeroLines(14) << "5"
        << "55" << false;
    QTest::newRow("full-width digits in a row")
        << "10" << QStringList{"４:３０"} << false << QStringList{}
        << QStringList{"４:30"} + zeroLines(14) << "5"
        << "30" << false;
    QTest::newRow("full-width digits in the capacity")
        << "４６" << QStringList{"1:0"} << false << QStringList{}
        << QStringList{"1:00"} + zeroLines(14) << "45"
        << "0" << false;
}

void Test_remaining::results()
{
    QFETCH(QString, capacity);
    QFETCH(QStringList, pageOne);
    QFETCH(bool, viaPageTwo);
    QFETCH(QStringList, pageTwo);
    QFETCH(QStringList, list);
    QFETCH(QString, text3);
    QFETCH(QString, text4);
    QFETCH(bool, overCapacity);

    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, capacity));
    QCOMPARE(s.main->totaltxt->text(), capacity);
    EntryScreen *screen = enterSongs(s, pageOne, viaPageTwo, pageTwo);
    QVERIFY(screen);
    QVERIFY(s.messages.empty());
    const ScreenId id = viaPageTwo ? ScreenId::Page2 : ScreenId::Entry;

    QVERIFY(press(screen));

    QCOMPARE(s.listLines(), list);
    if (!overCapacity) {
        QCOMPARE(s.messageTexts(), QStringList{});
        QCOMPARE(s.main->text3->text(), text3);
        QCOMPARE(s.main->text4->text(), text4);
        QVERIFY(!guitest::screen(id));
        return;
    }
    QCOMPARE(s.messageTexts(), QStringList{kOverCapacity});
    QCOMPARE(s.messages.front().text3, text3);
    QCOMPARE(s.messages.front().text4, text4);
    QCOMPARE(s.main->text3->text(), QStringLiteral("0"));
    QCOMPARE(s.main->text4->text(), QStringLiteral("0"));
    QCOMPARE(guitest::screen(id), screen);
    QVERIFY(screen->isVisible());
}

// The song table after a successful run: slot by slot as "minutes|seconds".
void Test_remaining::storesSongTable_data()
{
    QTest::addColumn<QStringList>("pageOne");
    QTest::addColumn<bool>("viaPageTwo");
    QTest::addColumn<QStringList>("pageTwo");
    QTest::addColumn<QStringList>("table");

    QTest::newRow("page 1: typed texts, blank rows and songs 16-30 as 0")
        << QStringList{"4:30", "3:45"} << false << QStringList{}
        << QStringList{"4|30", "3|45"} + repeated("0|0", 28);
    QTest::newRow("page 1: texts kept as typed")
        << QStringList{"04:05", "2.5:7"} << false << QStringList{}
        << QStringList{"04|05", "2.5|7"} + repeated("0|0", 28);
    QTest::newRow("page 2: all thirty slots written")
        << repeated("3:0", 15) << true << QStringList{"1:30", "", "2:05"}
        << repeated("3|0", 15) + QStringList{"1|30", "0|0", "2|05"} + repeated("0|0", 12);
}

void Test_remaining::storesSongTable()
{
    QFETCH(QStringList, pageOne);
    QFETCH(bool, viaPageTwo);
    QFETCH(QStringList, pageTwo);
    QFETCH(QStringList, table);

    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("90")));
    EntryScreen *screen = enterSongs(s, pageOne, viaPageTwo, pageTwo);
    QVERIFY(screen);
    QVERIFY(press(screen));
    QCOMPARE(s.messageTexts(), QStringList{});
    QVERIFY(!guitest::screen(viaPageTwo ? ScreenId::Page2 : ScreenId::Entry));

    QCOMPARE(guitest::songTable(s.main), table);
}

// Row 2 is blank in one way or another; a capacity of 1 minute keeps the
// screen open after the over-capacity message, so its boxes can be seen.
void Test_remaining::blankRow_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");

    QTest::newRow("both boxes empty") << ""
                                      << "";
    QTest::newRow("seconds empty") << "4"
                                   << "";
    QTest::newRow("minutes empty") << ""
                                   << "30";
    QTest::newRow("seconds empty, minutes not even a number") << "abc"
                                                              << "";
}

void Test_remaining::blankRow()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);

    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("1")));
    EntryScreen *screen = enterSongs(s, {QStringLiteral("4:30")});
    QVERIFY(screen);
    QVERIFY(typeRow(screen, 1, minutes, seconds));
    QVERIFY(typeRow(screen, 2, QStringLiteral("3"), QStringLiteral("45")));

    QVERIFY(press(screen));

    QCOMPARE(s.listLines(), QStringList({"4:30", "0:00", "3:45"}) + zeroLines(12));
    QCOMPARE(s.messageTexts(), QStringList{kOverCapacity});
    // 60 - (7 * 60 + 75) = -435 seconds
    QCOMPARE(s.messages.front().text3, QStringLiteral("-7"));
    QCOMPARE(s.messages.front().text4, QStringLiteral("-15"));
    QCOMPARE(s.main->text3->text(), QStringLiteral("0"));
    QCOMPARE(s.main->text4->text(), QStringLiteral("0"));
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);

    QCOMPARE(slotText(s.main, 1), QStringLiteral("0|0"));
    // Every blank row now shows 0 and 0; the typed rows are untouched.
    QCOMPARE(guitest::minuteBox(screen, 0)->text(), QStringLiteral("4"));
    QCOMPARE(guitest::secondBox(screen, 0)->text(), QStringLiteral("30"));
    QCOMPARE(guitest::minuteBox(screen, 2)->text(), QStringLiteral("3"));
    QCOMPARE(guitest::secondBox(screen, 2)->text(), QStringLiteral("45"));
    for (int slot = 1; slot < tavelo::kRowsPerPage; ++slot) {
        if (slot == 2)
            continue;
        QCOMPARE(guitest::minuteBox(screen, slot)->text(), QStringLiteral("0"));
        QCOMPARE(guitest::secondBox(screen, slot)->text(), QStringLiteral("0"));
    }
}

// `before` is typed into the rows in front of the tested row; `after` into
// the rows behind it (they must not be looked at).
void Test_remaining::rowRefusal_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("minuteBox");
    QTest::addColumn<QStringList>("list");

    const QStringList none;
    QTest::newRow("seconds 60") << none << "3"
                                << "60" << none << kBadSeconds << false << none;
    QTest::newRow("seconds 59.5") << none << "3"
                                  << "59.5" << none << kBadSeconds << false << none;
    QTest::newRow("seconds -1") << none << "3"
                                << "-1" << none << kBadSeconds << false << none;
    QTest::newRow("minutes -1") << none << "-1"
                                << "0" << none << kBadMinutes << true << none;
    QTest::newRow("minutes -0.5") << none << "-0.5"
                                  << "0" << none << kBadMinutes << true << none;
    QTest::newRow("both wrong: the minutes are reported")
        << none << "-1"
        << "75" << none << kBadMinutes << true << none;
    QTest::newRow("minutes are letters") << none << "abc"
                                         << "30" << none << kBadMinutes << true << none;
    QTest::newRow("seconds are letters") << none << "3"
                                         << "abc" << none << kBadSeconds << false << none;
    QTest::newRow("minutes are blanks only") << none << "  "
                                             << "30" << none << kBadMinutes << true << none;
    QTest::newRow("seconds are blanks only") << none << "3"
                                             << " " << none << kBadSeconds << false << none;
    QTest::newRow("minutes typed as a time") << none << "1:30"
                                             << "0" << none << kBadMinutes << true << none;
    QTest::newRow("seconds typed as a time") << none << "0"
                                             << "1:30" << none << kBadSeconds << false << none;
    QTest::newRow("minutes nan") << none << "nan"
                                 << "0" << none << kBadMinutes << true << none;
    QTest::newRow("seconds inf") << none << "3"
                                 << "inf" << none << kBadSeconds << false << none;
    QTest::newRow("minutes in hexadecimal") << none << "0x10"
                                            << "0" << none << kBadMinutes << true << none;
    QTest::newRow("minutes 1e400") << none << "1e400"
                                   << "0" << none << kBadMinutes << true << none;
    QTest::newRow("seconds 1e400") << none << "3"
                                   << "1e400" << none << kBadSeconds << false << none;
    QTest::newRow("minutes 40000") << none << "40000"
                                   << "00" << none << kMinutesTooLarge << true << none;
    QTest::newRow("minutes 32767.5 round beyond 16 bits")
        << none << "32767.5"
        << "0" << none << kMinutesTooLarge << true << none;
    QTest::newRow("third row after two good ones")
        << QStringList{"4:30", "3:45"} << "2"
        << "60" << none << kBadSeconds << false << QStringList{"4:30", "3:45"};
    QTest::newRow("only the first of two wrong rows is reported")
        << QStringList{"4:30", "3:45"} << "-2"
        << "0" << QStringList{"5:0", "3:99"} << kBadMinutes << true << QStringList{"4:30", "3:45"};
    QTest::newRow("minutes 40000 on row 3")
        << QStringList{"4:30", ""} << "40000"
        << "0" << none << kMinutesTooLarge << true << QStringList{"4:30", "0:00"};
}

void Test_remaining::rowRefusal()
{
    QFETCH(QStringList, before);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QStringList, after);
    QFETCH(QString, message);
    QFETCH(bool, minuteBox);
    QFETCH(QStringList, list);

    Session s;
    QVERIFY(primeResult(s));
    EntryScreen *screen = enterSongs(s, before);
    QVERIFY(screen);
    const int slot = before.size();
    QVERIFY(typeRow(screen, slot, minutes, seconds));
    for (int i = 0; i < after.size(); ++i) {
        const QStringList parts = after[i].split(QLatin1Char(':'));
        QVERIFY(typeRow(screen, slot + 1 + i, parts[0], parts[1]));
    }

    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(s.messages.front().text3, QStringLiteral("44"));
    QCOMPARE(s.messages.front().text4, QStringLiteral("59"));
    QCOMPARE(s.main->text3->text(), QStringLiteral("44"));
    QCOMPARE(s.main->text4->text(), QStringLiteral("59"));
    QCOMPARE(s.listLines(), list);
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);
    QWidget *box = minuteBox ? guitest::minuteBox(screen, slot) : guitest::secondBox(screen, slot);
    QCOMPARE(screen->focusWidget(), box);
    // The failing row is stored as typed; the rows behind it are not touched.
    QCOMPARE(slotText(s.main, slot), minutes + QLatin1Char('|') + seconds);
    QCOMPARE(guitest::minuteBox(screen, slot)->text(), minutes);
    QCOMPARE(guitest::secondBox(screen, slot)->text(), seconds);
    QCOMPARE(guitest::minuteBox(screen, slot + after.size() + 1)->text(), QString());
    QCOMPARE(slotText(s.main, slot + after.size() + 1), QStringLiteral("0|0"));  // from primeResult
    QVERIFY(s.main->teisei->isEnabled());
}

// Page-1 example: the second row fails after 4:30, with songs 16-30 already
// in the song table from an earlier page-2 run.
void Test_remaining::secondRowFailureKeepsWhatWasDone()
{
    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    EntryScreen *two = enterSongs(s, repeated("1:0", 15), true, {"2:0", "2:0", "2:0"});
    QVERIFY(two);
    QVERIFY(press(two));
    QVERIFY(s.messages.empty());
    QCOMPARE(s.main->text3->text(), QStringLiteral("25"));
    QCOMPARE(s.main->text4->text(), QStringLiteral("0"));
    QCOMPARE(slotText(s.main, 16), QStringLiteral("2|0"));

    EntryScreen *screen = enterSongs(s, {"4:30", "3:75", "2:0"});
    QVERIFY(screen);
    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{kBadSeconds});
    QCOMPARE(s.listLines(), QStringList{"4:30"});
    QCOMPARE(slotText(s.main, 0), QStringLiteral("4|30"));
    QCOMPARE(slotText(s.main, 1), QStringLiteral("3|75"));
    QCOMPARE(slotText(s.main, 2), QStringLiteral("1|0"));
    QCOMPARE(slotText(s.main, 15), QStringLiteral("0|0"));
    QCOMPARE(slotText(s.main, 16), QStringLiteral("0|0"));
    QCOMPARE(slotText(s.main, 17), QStringLiteral("2|0"));
    QCOMPARE(s.messages.front().text3, QStringLiteral("25"));
    QCOMPARE(s.messages.front().text4, QStringLiteral("0"));
    QCOMPARE(s.main->text3->text(), QStringLiteral("25"));
    QCOMPARE(s.main->text4->text(), QStringLiteral("0"));
    QVERIFY(s.main->teisei->isEnabled());
    QVERIFY(s.main->goukei->isEnabled());
    QVERIFY(!s.main->gokei->isVisible());
    QVERIFY(s.main->nokori->isVisible());
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
    EntryScreen *screen = enterSongs(s, {"-1:0", "4:30"});
    QVERIFY(screen);
    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{kBadMinutes});
    QCOMPARE(screen->focusWidget(), guitest::minuteBox(screen, 0));
    QVERIFY(expectMainState(s, {true, true, false, true, true, "46", {}, "", ""}));
    QCOMPARE(slotText(s.main, 0), QStringLiteral("-1|0"));
    QCOMPARE(slotText(s.main, 15), QStringLiteral("0|0"));
    QCOMPARE(slotText(s.main, 1), QStringLiteral("|"));
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);
}

// Totaltxt is edited in the main window after an earlier result. Nothing
// is computed: the rows are not even read.
void Test_remaining::capacityRefusal_data()
{
    QTest::addColumn<QString>("totaltxt");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << "" << kBadCapacity;
    QTest::newRow("letters") << "abc" << kBadCapacity;
    QTest::newRow("blanks only") << "  " << kBadCapacity;
    QTest::newRow("a time") << "46:30" << kBadCapacity;
    QTest::newRow("1e400") << "1e400" << kBadCapacity;
    QTest::newRow("1e9") << "1e9" << kCapacityTooLarge;
    QTest::newRow("35791395 minutes are beyond 32 bits of seconds")
        << "35791395" << kCapacityTooLarge;
}

void Test_remaining::capacityRefusal()
{
    QFETCH(QString, totaltxt);
    QFETCH(QString, message);

    Session s;
    QVERIFY(primeResult(s));
    QVERIFY(guitest::type(s.main->totaltxt, totaltxt));
    EntryScreen *screen = enterSongs(s, {"4:30"});
    QVERIFY(screen);
    QVERIFY(s.main.window->focusWidget() != s.main->totaltxt);

    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(s.main.window->focusWidget(), s.main->totaltxt);
    QCOMPARE(s.messages.front().text3, QStringLiteral("44"));
    QCOMPARE(s.messages.front().text4, QStringLiteral("59"));
    QCOMPARE(s.main->text3->text(), QStringLiteral("44"));
    QCOMPARE(s.main->text4->text(), QStringLiteral("59"));
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
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text4");

    QTest::newRow("1000 minutes, all rows empty")
        << "1000" << QStringList{} << kRemainingTooLarge << "44"
        << "59";
    QTest::newRow("547 minutes, all rows empty")
        << "547" << QStringList{} << kRemainingTooLarge << "44"
        << "59";
    QTest::newRow("0 minutes, one song of 547:00")
        << "0" << QStringList{"547:00"} << kOverCapacity << "0"
        << "0";
    QTest::newRow("0 minutes, fifteen songs of 32767:59")
        << "0" << repeated("32767:59", 15) << kOverCapacity << "0"
        << "0";
}

void Test_remaining::remainingBeyondDisplay()
{
    QFETCH(QString, totaltxt);
    QFETCH(QStringList, rows);
    QFETCH(QString, message);
    QFETCH(QString, text3);
    QFETCH(QString, text4);

    Session s;
    QVERIFY(primeResult(s));
    QVERIFY(guitest::type(s.main->totaltxt, totaltxt));
    EntryScreen *screen = enterSongs(s, rows);
    QVERIFY(screen);
    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(s.messages.front().text3, QStringLiteral("44"));
    QCOMPARE(s.messages.front().text4, QStringLiteral("59"));
    QCOMPARE(s.main->text3->text(), text3);
    QCOMPARE(s.main->text4->text(), text4);
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
    QCOMPARE(s.listLines(), QStringList({"1:00", "2:00"}));
    QCOMPARE(s.main->text3->text(), QStringLiteral("44"));
    QCOMPARE(s.main->text4->text(), QStringLiteral("59"));
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
    QVERIFY(expectMainState(s, {false, true, false, true, true, "46",
                                QStringList{"10:00", "5:00"} + zeroLines(13), "31", "0"}));
    for (int slot = 15; slot < tavelo::kSlotCount; ++slot)
        QCOMPARE(slotText(s.main, slot), QStringLiteral("0|0"));
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
    QVERIFY(expectMainState(s, {false, false, true, false, false, "46",
                                QStringList{"1:00"} + zeroLines(14), "1", "0"}));

    QVERIFY(press(screen));
    QCOMPARE(s.messageTexts(), QStringList{kBadMinutes});
    QVERIFY(expectMainState(s, {false, true, true, true, true, "46", {}, "", ""}));

    QVERIFY(guitest::type(guitest::minuteBox(screen, 0), QStringLiteral("1")));
    QVERIFY(press(screen));
    QVERIFY(expectMainState(
        s, {false, true, true, true, true, "46", QStringList{"1:00"} + zeroLines(14), "45", "0"}));
}

// Start, capacity 46, a calculation that fits, one that does not: the whole
// state of the main window after each step.
void Test_remaining::typicalSequence()
{
    Session s;
    QVERIFY(expectMainState(s, {false, false, false, true, true, "", {}, "", ""}));

    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    QVERIFY(expectMainState(s, {true, false, false, true, true, "46", {}, "", ""}));

    EntryScreen *screen = guitest::openPageOne(s.main, false, {"4:30", "3:45"});
    QVERIFY(screen);
    QVERIFY(press(screen));
    QVERIFY(!guitest::screen(ScreenId::Entry));
    QVERIFY(expectMainState(s, {true, true, false, true, true, "46",
                                QStringList{"4:30", "3:45"} + zeroLines(13), "37", "45"}));

    screen = guitest::openPageOne(s.main, false, {"40:0", "", "10:0"});
    QVERIFY(screen);
    QVERIFY(press(screen));
    QCOMPARE(guitest::screen(ScreenId::Entry), screen);
    QCOMPARE(s.messageTexts(), QStringList{kOverCapacity});
    QCOMPARE(s.messages.front().text3, QStringLiteral("-4"));
    QCOMPARE(s.messages.front().text4, QStringLiteral("0"));
    QVERIFY(expectMainState(s, {true, true, false, true, true, "46",
                                QStringList{"40:00", "0:00", "10:00"} + zeroLines(12), "0", "0"}));
}

GUITEST_MAIN(Test_remaining)
#include "test_remaining.moc"
