// SPDX-License-Identifier: MIT
// 残り時間を出す and 合計時間を出す on the page-1 and page-2 screens, driven through
// the real buttons and boxes: the cases both modes share, one table each with
// the mode in a column (`total`). The rows of each mode are named after it.

#include "support/guitest.h"

using guitest::kBadMinutes;
using guitest::kBadSeconds;
using guitest::kMinutesTooLarge;
using guitest::kOverCapacity;
using guitest::kTotalTooLarge;
using guitest::press;
using guitest::rows;
using guitest::Session;
using guitest::slotText;
using guitest::songTable;
using tavelo::EntryScreen;
using tavelo::ScreenId;

class Test_calculation : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void rowRefusal_data();
    void rowRefusal();
    void failingCarrySlotOnPageTwo_data();
    void failingCarrySlotOnPageTwo();
};

// The capacity accepted in the dialog (remaining mode only), the songs typed
// on page 1 and, through 続けて入力, on page 2, and what the main window shows
// afterwards. With a message the result fields hold `result` while it is up;
// after the over-capacity message they show 0 and 0, after the others they
// keep it. `table`, when given, is the song table afterwards.
void Test_calculation::results_data()
{
    QTest::addColumn<bool>("total");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("pageOne");
    QTest::addColumn<bool>("viaPageTwo");
    QTest::addColumn<QString>("pageTwo");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("table");

    // clang-format off
    QTest::newRow("remaining: 23 minutes, 4:30 and 3:45") << false << "23" << "4:30 3:45" << false << "" << "4:30 3:45 13*0:00" << "" << "14/45" << "";
    QTest::newRow("remaining: 10 minutes, 9:30 and 0:30 leave exactly 0") << false << "10" << "9:30 0:30" << false << "" << "9:30 0:30 13*0:00" << "" << "0/0" << "";
    QTest::newRow("remaining: 10 minutes, 5:30 and 4:31 are one second over") << false << "10" << "5:30 4:31" << false << "" << "5:30 4:31 13*0:00" << kOverCapacity << "0/-1" << "";
    QTest::newRow("remaining: 10 minutes, 6:0 and 5:40 are 100 seconds over") << false << "10" << "6:0 5:40" << false << "" << "6:00 5:40 13*0:00" << kOverCapacity << "-1/-40" << "";
    QTest::newRow("remaining: 46 minutes, fifteen 3:0 carried to page 2 and 1:30") << false << "46" << "15*3:0" << true << "1:30" << "15*3:00 1:30 14*0:00" << kOverCapacity << "0/-30" << "";
    QTest::newRow("remaining: all rows empty on page 1") << false << "46" << "" << false << "" << "15*0:00" << "" << "46/0" << "";
    QTest::newRow("remaining: all rows empty on page 2") << false << "46" << "" << true << "" << "30*0:00" << "" << "46/0" << "";
    QTest::newRow("remaining: 0:0 is a song of no length") << false << "10" << "0:0" << false << "" << "15*0:00" << "" << "10/0" << "";
    QTest::newRow("remaining: seconds 59 pass") << false << "10" << "0:59" << false << "" << "0:59 14*0:00" << "" << "9/1" << "";
    QTest::newRow("remaining: 120:00 passes and counts 120 minutes") << false << "121" << "120:00" << false << "" << "120:00 14*0:00" << "" << "1/0" << "";
    QTest::newRow("remaining: seconds carry into the minutes") << false << "10" << "4:00 3*0:59" << false << "" << "4:00 3*0:59 11*0:00" << "" << "3/3" << "";
    QTest::newRow("remaining: the list pads the seconds, Text4 does not") << false << "10" << "4:5 0:50" << false << "" << "4:05 0:50 13*0:00" << "" << "5/5" << "";
    QTest::newRow("remaining: minutes listed as typed") << false << "10" << "04:30" << false << "" << "04:30 14*0:00" << "" << "5/30" << "";
    QTest::newRow("remaining: capacity 0.375 is 22 seconds (22.5 to even)") << false << "0.375" << "" << false << "" << "15*0:00" << "" << "0/22" << "";
    QTest::newRow("remaining: capacity 45.5") << false << "45.5" << "" << false << "" << "15*0:00" << "" << "45/30" << "";
    QTest::newRow("remaining: minutes 2.5 count 2") << false << "10" << "2.5:0" << false << "" << "2.5:00 14*0:00" << "" << "8/0" << "";
    QTest::newRow("remaining: minutes 3.5 count 4") << false << "10" << "3.5:0" << false << "" << "3.5:00 14*0:00" << "" << "6/0" << "";
    QTest::newRow("remaining: seconds 30.5 and 2.5 list as 31 and 03, count 30 and 2") << false << "10" << "0:30.5 0:2.5" << false << "" << "0:31 0:03 13*0:00" << "" << "9/28" << "";
    QTest::newRow("remaining: 546 minutes with all rows empty") << false << "546" << "" << false << "" << "15*0:00" << "" << "546/0" << "";
    QTest::newRow("remaining: 547 minutes less one second is the most that shows") << false << "547" << "0:1" << false << "" << "0:01 14*0:00" << "" << "546/59" << "";
    QTest::newRow("remaining: 0 minutes with one song of 546:59") << false << "0" << "546:59" << false << "" << "546:59 14*0:00" << kOverCapacity << "-546/-59" << "";
    QTest::newRow("remaining: exponent forms count their value") << false << "121" << "1e2:0 20:5e1" << false << "" << "1e2:00 20:50 13*0:00" << "" << "0/10" << "";
    QTest::newRow("remaining: blanks around the numbers") << false << " 10 " << "_4_:_5_" << false << "" << "_4_:05 14*0:00" << "" << "5/55" << "";
    QTest::newRow("remaining: full-width digits in a row") << false << "10" << "４:３０" << false << "" << "４:30 14*0:00" << "" << "5/30" << "";
    QTest::newRow("remaining: full-width digits in the capacity") << false << "４６" << "1:0" << false << "" << "1:00 14*0:00" << "" << "45/0" << "";
    QTest::newRow("remaining: page 1: typed texts, blank rows and songs 16-30 as 0") << false << "90" << "4:30 3:45" << false << "" << "4:30 3:45 13*0:00" << "" << "81/45" << "4|30 3|45 28*0|0";
    QTest::newRow("remaining: page 1: texts kept as typed") << false << "90" << "04:05 2.5:7" << false << "" << "04:05 2.5:07 13*0:00" << "" << "83/48" << "04|05 2.5|7 28*0|0";
    QTest::newRow("remaining: page 2: all thirty slots written") << false << "90" << "15*3:0" << true << "1:30 : 2:05" << "15*3:00 1:30 0:00 2:05 12*0:00" << "" << "41/25" << "15*3|0 1|30 0|0 2|05 12*0|0";

    QTest::newRow("total: 4:30 3:45 10:50") << true << "" << "4:30 3:45 10:50" << false << "" << "4:30 3:45 10:50 12*0:00" << "" << "19/5" << "4|30 3|45 10|50 27*0|0";
    QTest::newRow("total: seconds carry: 4:00 and three 0:59") << true << "" << "4:00 3*0:59" << false << "" << "4:00 3*0:59 11*0:00" << "" << "6/57" << "4|00 3*0|59 26*0|0";
    QTest::newRow("total: all rows empty") << true << "" << "" << false << "" << "15*0:00" << "" << "0/0" << "30*0|0";
    QTest::newRow("total: ten rows 54:40") << true << "" << "10*54:40" << false << "" << "10*54:40 5*0:00" << "" << "546/40" << "10*54|40 20*0|0";
    QTest::newRow("total: NyuryokuForm5: fifteen 4:00, song 16 5:15") << true << "" << "15*4:00" << true << "5:15" << "15*4:00 5:15 14*0:00" << "" << "65/15" << "15*4|00 5|15 14*0|0";
    QTest::newRow("total: seconds 59 pass") << true << "" << "0:59" << false << "" << "0:59 14*0:00" << "" << "0/59" << "";
    QTest::newRow("total: 0:00 passes") << true << "" << "0:00" << false << "" << "15*0:00" << "" << "0/0" << "";
    QTest::newRow("total: 120:00, no upper bound") << true << "" << "120:00" << false << "" << "120:00 14*0:00" << "" << "120/0" << "";
    QTest::newRow("total: Text4 unpadded") << true << "" << "1:05" << false << "" << "1:05 14*0:00" << "" << "1/5" << "";
    QTest::newRow("total: seconds typed 5 list as 05") << true << "" << "0:5" << false << "" << "0:05 14*0:00" << "" << "0/5" << "";
    QTest::newRow("total: minutes 2.5 count 2") << true << "" << "2.5:0" << false << "" << "2.5:00 14*0:00" << "" << "2/0" << "";
    QTest::newRow("total: minutes 3.5 count 4") << true << "" << "3.5:0" << false << "" << "3.5:00 14*0:00" << "" << "4/0" << "";
    QTest::newRow("total: minutes 04 listed as typed") << true << "" << "04:30" << false << "" << "04:30 14*0:00" << "" << "4/30" << "";
    QTest::newRow("total: 546:59 is the largest total") << true << "" << "10*54:40 0:19" << false << "" << "10*54:40 0:19 4*0:00" << "" << "546/59" << "";
    QTest::newRow("total: 547:00 cannot be shown") << true << "" << "10*54:40 0:20" << false << "" << "10*54:40 0:20 4*0:00" << kTotalTooLarge << "/" << "";
    QTest::newRow("total: eleven rows 54:40") << true << "" << "11*54:40" << false << "" << "11*54:40 4*0:00" << kTotalTooLarge << "/" << "";
    QTest::newRow("total: 32767 minutes still counts") << true << "" << "32767:00" << false << "" << "32767:00 14*0:00" << kTotalTooLarge << "/" << "";
    // clang-format on
}

void Test_calculation::results()
{
    QFETCH(bool, total);
    QFETCH(QString, capacity);
    QFETCH(QString, pageOne);
    QFETCH(bool, viaPageTwo);
    QFETCH(QString, pageTwo);
    QFETCH(QString, list);
    QFETCH(QString, message);
    QFETCH(QString, result);
    QFETCH(QString, table);

    Session s;
    if (!total) {
        QVERIFY(guitest::acceptCapacity(s.main, capacity));
        QCOMPARE(s.main->totaltxt->text(), capacity);
    }
    EntryScreen *screen = guitest::openPageOne(s.main, total, rows(pageOne));
    QVERIFY(screen);
    if (viaPageTwo) {
        screen = guitest::continueToPageTwo(screen);
        QVERIFY2(!guitest::screen(guitest::modeOf(s.main, total).pageOne),
                 "the hand-off went through");
        QVERIFY(screen);
        QVERIFY(guitest::typeRows(screen, rows(pageTwo)));
    }
    QVERIFY(s.messages.empty());
    const ScreenId id = screen->id();

    QVERIFY(press(screen));

    QCOMPARE(s.listLines(), rows(list));
    QCOMPARE(s.main->gokei->isVisible(), total);
    QCOMPARE(s.main->nokori->isVisible(), !total);
    if (!table.isEmpty())
        QCOMPARE(songTable(s.main), rows(table));
    if (message.isEmpty()) {
        QCOMPARE(s.messageTexts(), QStringList{});
        QCOMPARE(s.result(), result);
        QVERIFY2(!guitest::screen(id), "the screen closes after a result");
        return;
    }
    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(s.messages.front().result(), result);
    QCOMPARE(s.result(), message == kOverCapacity ? QStringLiteral("0/0") : result);
    QCOMPARE(guitest::screen(id), screen);
    QVERIFY(screen->isVisible());
}

// `before` is typed into the rows in front of the tested row; `after` into
// the rows behind it (they must not be looked at). In remaining mode an
// earlier result (44 and 59) stands in the main window; in total mode none.
void Test_calculation::rowRefusal_data()
{
    QTest::addColumn<bool>("total");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");  // of the minutes or the seconds: that box gets the focus
    QTest::addColumn<QString>("list");

    // clang-format off
    QTest::newRow("remaining: seconds 60") << false << "" << "3" << "60" << "" << kBadSeconds << "";
    QTest::newRow("remaining: seconds 59.5") << false << "" << "3" << "59.5" << "" << kBadSeconds << "";
    QTest::newRow("remaining: seconds -1") << false << "" << "3" << "-1" << "" << kBadSeconds << "";
    QTest::newRow("remaining: minutes -1") << false << "" << "-1" << "0" << "" << kBadMinutes << "";
    QTest::newRow("remaining: minutes -0.5") << false << "" << "-0.5" << "0" << "" << kBadMinutes << "";
    QTest::newRow("remaining: both wrong: the minutes are reported") << false << "" << "-1" << "75" << "" << kBadMinutes << "";
    QTest::newRow("remaining: minutes are letters") << false << "" << "abc" << "30" << "" << kBadMinutes << "";
    QTest::newRow("remaining: seconds are letters") << false << "" << "3" << "abc" << "" << kBadSeconds << "";
    QTest::newRow("remaining: minutes are blanks only") << false << "" << "  " << "30" << "" << kBadMinutes << "";
    QTest::newRow("remaining: seconds are blanks only") << false << "" << "3" << " " << "" << kBadSeconds << "";
    QTest::newRow("remaining: minutes typed as a time") << false << "" << "1:30" << "0" << "" << kBadMinutes << "";
    QTest::newRow("remaining: seconds typed as a time") << false << "" << "0" << "1:30" << "" << kBadSeconds << "";
    QTest::newRow("remaining: minutes nan") << false << "" << "nan" << "0" << "" << kBadMinutes << "";
    QTest::newRow("remaining: seconds inf") << false << "" << "3" << "inf" << "" << kBadSeconds << "";
    QTest::newRow("remaining: minutes in hexadecimal") << false << "" << "0x10" << "0" << "" << kBadMinutes << "";
    QTest::newRow("remaining: minutes 1e400") << false << "" << "1e400" << "0" << "" << kBadMinutes << "";
    QTest::newRow("remaining: seconds 1e400") << false << "" << "3" << "1e400" << "" << kBadSeconds << "";
    QTest::newRow("remaining: minutes 40000") << false << "" << "40000" << "00" << "" << kMinutesTooLarge << "";
    QTest::newRow("remaining: minutes 32767.5 round beyond 16 bits") << false << "" << "32767.5" << "0" << "" << kMinutesTooLarge << "";
    QTest::newRow("remaining: third row after two good ones") << false << "4:30 3:45" << "2" << "60" << "" << kBadSeconds << "4:30 3:45";
    QTest::newRow("remaining: only the first of two wrong rows is reported") << false << "4:30 3:45" << "-2" << "0" << "5:0 3:99" << kBadMinutes << "4:30 3:45";
    QTest::newRow("remaining: minutes 40000 on row 3") << false << "4:30 :" << "40000" << "0" << "" << kMinutesTooLarge << "4:30 0:00";

    QTest::newRow("total: seconds 60 fail") << true << "1:00" << "2" << "60" << "" << kBadSeconds << "1:00";
    QTest::newRow("total: seconds -1 fail, first row") << true << "" << "2" << "-1" << "" << kBadSeconds << "";
    QTest::newRow("total: seconds 59.5 fail") << true << "" << "3" << "59.5" << "" << kBadSeconds << "";
    QTest::newRow("total: minutes -1 fail, first row") << true << "" << "-1" << "30" << "" << kBadMinutes << "";
    QTest::newRow("total: both wrong: minutes reported") << true << "5:00" << "-1" << "75" << "" << kBadMinutes << "5:00";
    QTest::newRow("total: letters in the minutes") << true << "" << "abc" << "10" << "" << kBadMinutes << "";
    QTest::newRow("total: row of 40000 minutes") << true << "1:00" << "40000" << "00" << "" << kMinutesTooLarge << "1:00";
    QTest::newRow("total: 32768 minutes too large") << true << "" << "32768" << "00" << "" << kMinutesTooLarge << "";
    // clang-format on
}

void Test_calculation::rowRefusal()
{
    QFETCH(bool, total);
    QFETCH(QString, before);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QFETCH(QString, list);

    Session s;
    if (!total)
        QVERIFY(guitest::primeRemainingResult(s));
    const QString earlier = s.result();
    const guitest::Mode mode = guitest::modeOf(s.main, total);
    EntryScreen *screen = guitest::openPageOne(s.main, total, rows(before));
    QVERIFY(screen);
    const int slot = rows(before).size();
    QVERIFY(guitest::typeRow(screen, slot, minutes, seconds));
    const QStringList behind = rows(after);
    QVERIFY(guitest::typeRows(screen, QStringList(slot + 1, QString()) + behind));
    const int untouched = slot + behind.size() + 1;
    const QString untouchedSlot = slotText(s.main, untouched);

    QVERIFY(press(screen));

    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(s.messages.front().result(), earlier);
    QCOMPARE(s.result(), earlier);
    QCOMPARE(s.listLines(), rows(list));
    QCOMPARE(s.main->gokei->isVisible(), total);
    QCOMPARE(guitest::screen(mode.pageOne), screen);
    QVERIFY(screen->isVisible());
    QWidget *box = message == kBadSeconds ? guitest::secondBox(screen, slot)
                                          : guitest::minuteBox(screen, slot);
    QCOMPARE(screen->focusWidget(), box);
    // The failing row is stored as typed and its partner on page 2 as 0; the
    // rows behind it are not touched.
    QCOMPARE(slotText(s.main, slot), minutes + QLatin1Char('|') + seconds);
    QCOMPARE(slotText(s.main, slot + tavelo::kRowsPerPage), QStringLiteral("0|0"));
    QCOMPARE(guitest::minuteBox(screen, slot)->text(), minutes);
    QCOMPARE(guitest::secondBox(screen, slot)->text(), seconds);
    QCOMPARE(guitest::minuteBox(screen, untouched)->text(), QString());
    QCOMPARE(slotText(s.main, untouched), untouchedSlot);
    QVERIFY(mode.correct->isEnabled());
}

// 続けて入力 stops at a failing row but has already carried it to page 2; the
// calculation there meets it in a carry slot, which has no box: the focus is
// left on the button that started it (or where Enter was pressed). In
// remaining mode an earlier result (44 and 59) stands in the main window.
// (On NyuryokuForm2 Enter does nothing.)
void Test_calculation::failingCarrySlotOnPageTwo_data()
{
    QTest::addColumn<bool>("total");
    QTest::addColumn<bool>("byEnter");  // Enter in the last typed box of page 2
    QTest::addColumn<QString>("pageOne");
    QTest::addColumn<int>("failSlot");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("pageTwo");
    QTest::addColumn<QString>("summary");

    // clang-format off
    QTest::newRow("remaining: 残り時間を出す clicked") << false << false << "1:0 2:0 -3:0 4:0" << 2 << kBadMinutes << "5:0" << "remaining | tape [46] | entry correct - | list [1:00 2:00] | result 44/59";
    QTest::newRow("total: 合計時間を出す clicked") << true << false << "1:00 2:00 3:00 4:75" << 3 << kBadSeconds << "6:00" << "total | tape hidden [] | - - totalcorrect | list [1:00 2:00 3:00] | result /";
    QTest::newRow("total: Enter in a row of page 2") << true << true << "1:00 2:00 3:00 4:75" << 3 << kBadSeconds << "6:00" << "total | tape hidden [] | - - totalcorrect | list [1:00 2:00 3:00] | result /";
    // clang-format on
}

void Test_calculation::failingCarrySlotOnPageTwo()
{
    QFETCH(bool, total);
    QFETCH(bool, byEnter);
    QFETCH(QString, pageOne);
    QFETCH(int, failSlot);
    QFETCH(QString, message);
    QFETCH(QString, pageTwo);
    QFETCH(QString, summary);

    Session s;
    if (!total)
        QVERIFY(guitest::primeRemainingResult(s));
    const guitest::Mode mode = guitest::modeOf(s.main, total);
    EntryScreen *one = guitest::openPageOne(s.main, total, rows(pageOne));
    QVERIFY(one);
    EntryScreen *two = guitest::continueToPageTwo(one);
    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(guitest::screen(mode.pageOne), one);
    QVERIFY(two);
    const QString failing =
        QString(rows(pageOne).at(failSlot)).replace(QLatin1Char(':'), QLatin1Char('|'));
    QCOMPARE(slotText(two, failSlot), failing);
    QVERIFY(guitest::typeRows(two, rows(pageTwo)));

    QPushButton *calculate = guitest::button(two, "Command2");
    if (byEnter) {
        QCOMPARE(two->focusWidget(), guitest::secondBox(two, tavelo::kRowsPerPage));
        QTest::keyClick(two->focusWidget(), Qt::Key_Return);
        guitest::settle();
    } else {
        QVERIFY(guitest::click(calculate));
        guitest::settle();
    }

    QCOMPARE(s.messageTexts(), QStringList({message, message}));
    QCOMPARE(guitest::screen(mode.pageTwo), two);
    QVERIFY(two->isVisible());
    QCOMPARE(two->focusWidget(), calculate);
    QCOMPARE(slotText(s.main, failSlot), failing);
    QCOMPARE(s.summary(), summary);
    QCOMPARE(guitest::screen(mode.pageOne), one);
}

GUITEST_MAIN(Test_calculation)
#include "test_calculation.moc"
