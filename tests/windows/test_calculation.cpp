// SPDX-License-Identifier: MIT
// 残り時間を出す and 合計時間を出す on the page-1 and page-2 screens, driven through
// the real buttons and boxes: what the windows show of a result, a message and
// a refused row, one table each with the mode in a column (`total`). The
// arithmetic and the row check themselves are pinned in test_operations and
// test_rowcheck.

#include "support/guitest.h"

using namespace guitest;

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
    QTest::newRow("remaining: 10 minutes, 5:30 and 4:31 are one second over") << false << "10" << "5:30 4:31" << false << "" << "5:30 4:31 13*0:00" << kOverCapacity << "0/-1" << "";
    QTest::newRow("remaining: 46 minutes, fifteen 3:0 carried to page 2 and 1:30") << false << "46" << "15*3:0" << true << "1:30" << "15*3:00 1:30 14*0:00" << kOverCapacity << "0/-30" << "";
    QTest::newRow("remaining: page 1: typed texts, blank rows and songs 16-30 as 0") << false << "90" << "4:30 3:45" << false << "" << "4:30 3:45 13*0:00" << "" << "81/45" << "4|30 3|45 28*0|0";
    QTest::newRow("remaining: page 2: all thirty slots written") << false << "90" << "15*3:0" << true << "1:30 : 2:05" << "15*3:00 1:30 0:00 2:05 12*0:00" << "" << "41/25" << "15*3|0 1|30 0|0 2|05 12*0|0";

    QTest::newRow("total: 4:30 3:45 10:50") << true << "" << "4:30 3:45 10:50" << false << "" << "4:30 3:45 10:50 12*0:00" << "" << "19/5" << "4|30 3|45 10|50 27*0|0";
    QTest::newRow("total: NyuryokuForm5: fifteen 4:00, song 16 5:15") << true << "" << "15*4:00" << true << "5:15" << "15*4:00 5:15 14*0:00" << "" << "65/15" << "15*4|00 5|15 14*0|0";
    QTest::newRow("total: 547:00 cannot be shown") << true << "" << "10*54:40 0:20" << false << "" << "10*54:40 0:20 4*0:00" << kTotalTooLarge << "/" << "";
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
        QVERIFY(acceptCapacity(s.main, capacity));
        QCOMPARE(s.main->totaltxt->text(), capacity);
    }
    EntryScreen *screen = openPageOne(s.main, total, rows(pageOne));
    QVERIFY(screen);
    if (viaPageTwo) {
        screen = continueToPageTwo(screen);
        QVERIFY2(!guitest::screen(modeOf(s.main, total).pageOne), "the hand-off went through");
        QVERIFY(screen);
        QVERIFY(typeRows(screen, rows(pageTwo)));
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
    QTest::newRow("remaining: minutes -1") << false << "" << "-1" << "0" << "" << kBadMinutes << "";
    QTest::newRow("remaining: both wrong: the minutes are reported") << false << "" << "-1" << "75" << "" << kBadMinutes << "";
    QTest::newRow("remaining: third row after two good ones") << false << "4:30 3:45" << "2" << "60" << "" << kBadSeconds << "4:30 3:45";
    QTest::newRow("remaining: only the first of two wrong rows is reported") << false << "4:30 3:45" << "-2" << "0" << "5:0 3:99" << kBadMinutes << "4:30 3:45";
    QTest::newRow("remaining: minutes 40000 on row 3") << false << "4:30 :" << "40000" << "0" << "" << kMinutesTooLarge << "4:30 0:00";

    QTest::newRow("total: seconds 60 fail") << true << "1:00" << "2" << "60" << "" << kBadSeconds << "1:00";
    QTest::newRow("total: minutes -1 fail, first row") << true << "" << "-1" << "30" << "" << kBadMinutes << "";
    QTest::newRow("total: both wrong: minutes reported") << true << "5:00" << "-1" << "75" << "" << kBadMinutes << "5:00";
    QTest::newRow("total: row of 40000 minutes") << true << "1:00" << "40000" << "00" << "" << kMinutesTooLarge << "1:00";
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
        QVERIFY(primeRemainingResult(s));
    const QString earlier = s.result();
    const Mode mode = modeOf(s.main, total);
    EntryScreen *screen = openPageOne(s.main, total, rows(before));
    QVERIFY(screen);
    const int slot = rows(before).size();
    QVERIFY(typeRow(screen, slot, minutes, seconds));
    const QStringList behind = rows(after);
    QVERIFY(typeRows(screen, QStringList(slot + 1, QString()) + behind));
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
    QWidget *box = message == kBadSeconds ? secondBox(screen, slot) : minuteBox(screen, slot);
    QCOMPARE(screen->focusWidget(), box);
    // The failing row is stored as typed and its partner on page 2 as 0; the
    // rows behind it are not touched.
    QCOMPARE(slotText(s.main, slot), minutes + QLatin1Char('|') + seconds);
    QCOMPARE(slotText(s.main, slot + tavelo::kRowsPerPage), QStringLiteral("0|0"));
    QCOMPARE(minuteBox(screen, slot)->text(), minutes);
    QCOMPARE(secondBox(screen, slot)->text(), seconds);
    QCOMPARE(minuteBox(screen, untouched)->text(), QString());
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
        QVERIFY(primeRemainingResult(s));
    const Mode mode = modeOf(s.main, total);
    EntryScreen *one = openPageOne(s.main, total, rows(pageOne));
    QVERIFY(one);
    EntryScreen *two = continueToPageTwo(one);
    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(guitest::screen(mode.pageOne), one);
    QVERIFY(two);
    const QString failing =
        QString(rows(pageOne).at(failSlot)).replace(QLatin1Char(':'), QLatin1Char('|'));
    QCOMPARE(slotText(two, failSlot), failing);
    QVERIFY(typeRows(two, rows(pageTwo)));

    QPushButton *calculate = button(two, "Command2");
    if (byEnter) {
        QCOMPARE(two->focusWidget(), secondBox(two, tavelo::kRowsPerPage));
        QTest::keyClick(two->focusWidget(), Qt::Key_Return);
        settle();
    } else {
        QVERIFY(click(calculate));
        settle();
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
