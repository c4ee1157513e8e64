// SPDX-License-Identifier: MIT
// 合計時間を出す on the three total-mode screens, driven through the real
// buttons and boxes, and the modes of the main window over a whole session.

#include "support/guitest.h"

#include <QLabel>
#include <QRegularExpression>

using guitest::click;
using guitest::kBadMinutes;
using guitest::kBadSeconds;
using guitest::kMinutesTooLarge;
using guitest::kOverCapacity;
using guitest::kTotalTooLarge;
using guitest::press;
using guitest::repeated;
using guitest::screen;
using guitest::Session;
using guitest::settle;
using guitest::songTable;
using guitest::verifyFixedControls;
using guitest::zeroLines;
using tavelo::EntryScreen;
using tavelo::ScreenId;

namespace {

// What a successful run leaves in the song table for rows typed "m:s" on
// page 1 (slots 0..14) and page 2 (slots 15..29): the texts as typed, and
// "0" for every row left empty.
QStringList storedRows(const QStringList &pageOne, const QStringList &pageTwo)
{
    QStringList texts;
    for (int i = 0; i < tavelo::kSlotCount; ++i) {
        const QStringList &page = i < 15 ? pageOne : pageTwo;
        const QString row = page.value(i % 15);
        texts << (row.isEmpty() ? QStringLiteral("0|0")
                                : QString(row).replace(QLatin1Char(':'), QLatin1Char('|')));
    }
    return texts;
}

// The mode of the main window in one line, so a whole state compares at once.
QString modeLine(const guitest::MainView &main)
{
    auto onOff = [](const QWidget *w) {
        return w->isEnabled() ? QStringLiteral("on") : QStringLiteral("off");
    };
    const bool tapeShown =
        main->label1->isVisible() && main->totaltxt->isVisible() && main->label2->isVisible();
    const bool tapeHidden =
        !main->label1->isVisible() && !main->totaltxt->isVisible() && !main->label2->isVisible();
    QString caption = QStringLiteral("none");
    if (main->nokori->isVisible() && main->gokei->isVisible())
        caption = QStringLiteral("both");
    else if (main->nokori->isVisible())
        caption = main->nokori->text();
    else if (main->gokei->isVisible())
        caption = main->gokei->text();
    QStringList list;
    for (int i = 0; i < main->list1->count(); ++i)
        list << main->list1->item(i)->text();
    return QStringLiteral("Nyuryoku=%1 Teisei=%2 Goteisei=%3 tape=%4 Totaltxt=%5 caption=%6 "
                          "List1=[%7] result=%8/%9")
        .arg(onOff(main->nyuryoku), onOff(main->teisei), onOff(main->goteisei),
             tapeShown    ? QStringLiteral("shown")
             : tapeHidden ? QStringLiteral("hidden")
                          : QStringLiteral("mixed"),
             main->totaltxt->text(), caption, list.join(QLatin1Char(',')), main->text3->text(),
             main->text4->text());
}

// NyuryokuForm4 with `rows` typed.
EntryScreen *openTotalEntry(Session &s, const QStringList &rows = {})
{
    return guitest::openPageOne(s.main, true, rows);
}

// A successful calculation of rows typed on the page-1 screen of a mode.
[[nodiscard]] bool pageOneRun(Session &s, bool total, const QStringList &rows)
{
    const ScreenId pageOne = guitest::modeOf(s.main, total).pageOne;
    EntryScreen *entry = guitest::openPageOne(s.main, total, rows);
    GUITEST_VERIFY(entry);
    GUITEST_VERIFY(press(entry));
    GUITEST_VERIFY(!screen(pageOne));
    return true;
}

// A successful remaining time from NyuryokuForm, or total from NyuryokuForm4.
[[nodiscard]] bool remainingRun(Session &s, const QStringList &rows)
{
    return pageOneRun(s, false, rows);
}
[[nodiscard]] bool totalRun(Session &s, const QStringList &rows)
{
    return pageOneRun(s, true, rows);
}

}  // namespace

class Test_total : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void rowCases_data();
    void rowCases();
    void blankRowsBecomeZeroUpToTheFailingRow();
    void secondRowFailureKeepsWhatWasDone_data();
    void secondRowFailureKeepsWhatWasDone();
    void correctionScreenCountsItsOwnRowsOnly();
    void failingCarrySlotOnPageTwo_data();
    void failingCarrySlotOnPageTwo();
    void typicalSequence();
    void remainingFromScreenLeftOpenDuringTotal_data();
    void remainingFromScreenLeftOpenDuringTotal();
    void remainingFailingAtFirstRow_data();
    void remainingFailingAtFirstRow();
};

void Test_total::workedExamples_data()
{
    QTest::addColumn<QStringList>("pageOne");
    QTest::addColumn<QStringList>("pageTwo");  // typed on NyuryokuForm5 after 続けて入力
    QTest::addColumn<bool>("throughPageTwo");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text4");

    QTest::newRow("4:30 3:45 10:50")
        << QStringList{"4:30", "3:45", "10:50"} << QStringList{} << false
        << QStringList{"4:30", "3:45", "10:50"} + zeroLines(12) << "19"
        << "5";
    QTest::newRow("seconds carry: 4:00 and three 0:59")
        << QStringList{"4:00", "0:59", "0:59", "0:59"} << QStringList{} << false
        << QStringList{"4:00", "0:59", "0:59", "0:59"} + zeroLines(11) << "6"
        << "57";
    QTest::newRow("all rows empty")
        << QStringList{} << QStringList{} << false << zeroLines(15) << "0"
        << "0";
    QTest::newRow("ten rows 54:40") << repeated("54:40", 10) << QStringList{} << false
                                    << repeated("54:40", 10) + zeroLines(5) << "546"
                                    << "40";
    QTest::newRow("NyuryokuForm5: fifteen 4:00, song 16 5:15")
        << repeated("4:00", 15) << QStringList{"5:15"} << true
        << repeated("4:00", 15) + QStringList{"5:15"} + zeroLines(14) << "65"
        << "15";
}

void Test_total::workedExamples()
{
    QFETCH(QStringList, pageOne);
    QFETCH(QStringList, pageTwo);
    QFETCH(bool, throughPageTwo);
    QFETCH(QStringList, list);
    QFETCH(QString, text3);
    QFETCH(QString, text4);

    Session s;
    EntryScreen *entry = openTotalEntry(s, pageOne);
    QVERIFY(entry);
    if (throughPageTwo) {
        entry = guitest::continueToPageTwo(entry);
        QVERIFY(!screen(ScreenId::TotalEntry));
        QVERIFY(entry);
        QVERIFY(guitest::typeRows(entry, pageTwo));
    }
    const ScreenId id = entry->id();
    QVERIFY(press(entry));

    QCOMPARE(s.messageTexts(), QStringList{});
    QCOMPARE(s.listLines(), list);
    QCOMPARE(s.main->text3->text(), text3);
    QCOMPARE(s.main->text4->text(), text4);
    QCOMPARE(songTable(s.main), storedRows(pageOne, pageTwo));
    QVERIFY2(!screen(id), "the screen closes after a total");
    QVERIFY(s.main->gokei->isVisible());
    QVERIFY(!s.main->nokori->isVisible());
}

void Test_total::rowCases_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("message");   // empty: the total succeeds
    QTest::addColumn<int>("failSlot");      // -1: no box gets the focus
    QTest::addColumn<bool>("failMinutes");  // which box of the failing row
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text4");

    QTest::newRow("seconds 59 pass")
        << QStringList{"0:59"} << "" << -1 << false << QStringList{"0:59"} + zeroLines(14) << "0"
        << "59";
    QTest::newRow("seconds 60 fail")
        << QStringList{"1:00", "2:60"} << kBadSeconds << 1 << false << QStringList{"1:00"} << ""
        << "";
    QTest::newRow("seconds -1 fail, first row")
        << QStringList{"2:-1"} << kBadSeconds << 0 << false << QStringList{} << ""
        << "";
    QTest::newRow("seconds 59.5 fail")
        << QStringList{"3:59.5"} << kBadSeconds << 0 << false << QStringList{} << ""
        << "";
    QTest::newRow("minutes -1 fail, first row")
        << QStringList{"-1:30"} << kBadMinutes << 0 << true << QStringList{} << ""
        << "";
    QTest::newRow("both wrong: minutes reported")
        << QStringList{"5:00", "-1:75"} << kBadMinutes << 1 << true << QStringList{"5:00"} << ""
        << "";
    QTest::newRow("letters in the minutes")
        << QStringList{"abc:10"} << kBadMinutes << 0 << true << QStringList{} << ""
        << "";
    QTest::newRow("0:00 passes") << QStringList{"0:00"} << "" << -1 << false << zeroLines(15) << "0"
                                 << "0";
    QTest::newRow("120:00, no upper bound") << QStringList{"120:00"} << "" << -1 << false
                                            << QStringList{"120:00"} + zeroLines(14) << "120"
                                            << "0";
    QTest::newRow("Text4 unpadded")
        << QStringList{"1:05"} << "" << -1 << false << QStringList{"1:05"} + zeroLines(14) << "1"
        << "5";
    QTest::newRow("seconds typed 5 list as 05")
        << QStringList{"0:5"} << "" << -1 << false << QStringList{"0:05"} + zeroLines(14) << "0"
        << "5";
    QTest::newRow("minutes 2.5 count 2")
        << QStringList{"2.5:0"} << "" << -1 << false << QStringList{"2.5:00"} + zeroLines(14) << "2"
        << "0";
    QTest::newRow("minutes 3.5 count 4")
        << QStringList{"3.5:0"} << "" << -1 << false << QStringList{"3.5:00"} + zeroLines(14) << "4"
        << "0";
    QTest::newRow("minutes 04 listed as typed")
        << QStringList{"04:30"} << "" << -1 << false << QStringList{"04:30"} + zeroLines(14) << "4"
        << "30";
    QTest::newRow("546:59 is the largest total")
        << repeated("54:40", 10) + QStringList{"0:19"} << "" << -1 << false
        << repeated("54:40", 10) + QStringList{"0:19"} + zeroLines(4) << "546"
        << "59";
    QTest::newRow("547:00 cannot be shown")
        << repeated("54:40", 10) + QStringList{"0:20"} << kTotalTooLarge << -1 << false
        << repeated("54:40", 10) + QStringList{"0:20"} + zeroLines(4) << ""
        << "";
    QTest::newRow("eleven rows 54:40") << repeated("54:40", 11) << kTotalTooLarge << -1 << false
                                       << repeated("54:40", 11) + zeroLines(4) << ""
                                       << "";
    QTest::newRow("row of 40000 minutes") << QStringList{"1:00", "40000:00"} << kMinutesTooLarge
                                          << 1 << true << QStringList{"1:00"} << ""
                                          << "";
    QTest::newRow("32768 minutes too large")
        << QStringList{"32768:00"} << kMinutesTooLarge << 0 << true << QStringList{} << ""
        << "";
    QTest::newRow("32767 minutes still counts")
        << QStringList{"32767:00"} << kTotalTooLarge << -1 << false
        << QStringList{"32767:00"} + zeroLines(14) << ""
        << "";
}

void Test_total::rowCases()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, message);
    QFETCH(int, failSlot);
    QFETCH(bool, failMinutes);
    QFETCH(QStringList, list);
    QFETCH(QString, text3);
    QFETCH(QString, text4);

    Session s;
    EntryScreen *entry = openTotalEntry(s, rows);
    QVERIFY(entry);
    QVERIFY(press(entry));

    QCOMPARE(s.messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(s.listLines(), list);
    QCOMPARE(s.main->text3->text(), text3);
    QCOMPARE(s.main->text4->text(), text4);
    QVERIFY(s.main->gokei->isVisible());
    if (message.isEmpty()) {
        QVERIFY(!screen(ScreenId::TotalEntry));
        return;
    }
    QCOMPARE(screen(ScreenId::TotalEntry), entry);
    QVERIFY(entry->isVisible());
    if (failSlot >= 0) {
        QWidget *box =
            failMinutes ? guitest::minuteBox(entry, failSlot) : guitest::secondBox(entry, failSlot);
        QCOMPARE(entry->focusWidget(), box);
        // The failing row is stored as typed; its partner slot on page 2 is "0".
        const QString typed = rows.at(failSlot);
        QCOMPARE(songTable(s.main).at(failSlot),
                 QString(typed).replace(QLatin1Char(':'), QLatin1Char('|')));
        QCOMPARE(songTable(s.main).at(failSlot + 15), QStringLiteral("0|0"));
    }
}

void Test_total::blankRowsBecomeZeroUpToTheFailingRow()
{
    Session s;
    // Row 2 empty, row 3 without seconds, row 4 without minutes, row 5 fails,
    // row 6 empty and never reached.
    EntryScreen *entry = openTotalEntry(s, {"4:30", "", "5:", ":20", "1:75"});
    QVERIFY(entry);
    QVERIFY(press(entry));

    QCOMPARE(s.messageTexts(), QStringList{kBadSeconds});
    QCOMPARE(entry->focusWidget(), guitest::secondBox(entry, 4));
    QCOMPARE(s.listLines(), (QStringList{"4:30", "0:00", "0:00", "0:00"}));
    for (int slot = 1; slot <= 3; ++slot) {
        QCOMPARE(guitest::minuteBox(entry, slot)->text(), QStringLiteral("0"));
        QCOMPARE(guitest::secondBox(entry, slot)->text(), QStringLiteral("0"));
    }
    QCOMPARE(guitest::minuteBox(entry, 5)->text(), QString());
    const QStringList songs = songTable(s.main);
    QCOMPARE(songs.mid(0, 6), (QStringList{"4|30", "0|0", "0|0", "0|0", "1|75", "|"}));
    QCOMPARE(songs.mid(15, 6), (QStringList{"0|0", "0|0", "0|0", "0|0", "0|0", "|"}));

    // Corrected, the same screen totals: the blank rows now count as 0:00.
    QVERIFY(guitest::type(guitest::secondBox(entry, 4), QStringLiteral("15")));
    QVERIFY(press(entry));
    QCOMPARE(s.messageTexts().size(), 1);
    QCOMPARE(s.listLines(), QStringList({"4:30", "0:00", "0:00", "0:00", "1:15"}) + zeroLines(10));
    QCOMPARE(s.main->text3->text(), QStringLiteral("5"));
    QCOMPARE(s.main->text4->text(), QStringLiteral("45"));
    QVERIFY(!screen(ScreenId::TotalEntry));
}

void Test_total::secondRowFailureKeepsWhatWasDone_data()
{
    QTest::addColumn<bool>("fromRemainingMode");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text4");

    // Already in total mode: the earlier total stays.
    QTest::newRow("after a total") << false << "1"
                                   << "5";
    // The failing total switched the window out of remaining mode: the
    // remaining time is not left under the total's caption.
    QTest::newRow("after a remaining time") << true << ""
                                            << "";
}

void Test_total::secondRowFailureKeepsWhatWasDone()
{
    QFETCH(bool, fromRemainingMode);
    QFETCH(QString, text3);
    QFETCH(QString, text4);

    Session s;
    if (fromRemainingMode) {
        QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
        QVERIFY(remainingRun(s, {"4:30"}));
        QCOMPARE(s.main->text3->text(), QStringLiteral("41"));
        QCOMPARE(s.main->text4->text(), QStringLiteral("30"));
        QVERIFY(s.main->teisei->isEnabled());
    } else {
        QVERIFY(totalRun(s, {"1:05"}));
        QCOMPARE(s.main->text3->text(), QStringLiteral("1"));
    }

    EntryScreen *entry = openTotalEntry(s, {"4:30", "3:75"});
    QVERIFY(entry);
    QVERIFY(press(entry));

    QCOMPARE(s.messageTexts(), QStringList{kBadSeconds});
    QCOMPARE(entry->focusWidget(), guitest::secondBox(entry, 1));
    QCOMPARE(screen(ScreenId::TotalEntry), entry);
    QCOMPARE(s.listLines(), QStringList{"4:30"});
    const QStringList songs = songTable(s.main);
    QCOMPARE(songs.at(0), QStringLiteral("4|30"));
    QCOMPARE(songs.at(1), QStringLiteral("3|75"));
    QCOMPARE(songs.at(15), QStringLiteral("0|0"));
    QCOMPARE(songs.at(16), QStringLiteral("0|0"));
    QCOMPARE(s.main->text3->text(), text3);
    QCOMPARE(s.main->text4->text(), text4);
    QVERIFY(s.main->gokei->isVisible());
    QVERIFY(!s.main->nokori->isVisible());
    QVERIFY(!s.main->label1->isVisible());
    QVERIFY(!s.main->totaltxt->isVisible());
    QVERIFY(!s.main->label2->isVisible());
    QVERIFY(!s.main->nyuryoku->isEnabled());
    QVERIFY(!s.main->teisei->isEnabled());
    QVERIFY(s.main->goteisei->isEnabled());
    QVERIFY(verifyFixedControls(s.main));
}

void Test_total::correctionScreenCountsItsOwnRowsOnly()
{
    Session s;
    // Thirty songs through both pages: 1:10 on page 1, 2:20 on page 2.
    EntryScreen *entry = openTotalEntry(s, repeated("1:10", 15));
    QVERIFY(entry);
    EntryScreen *page2 = guitest::continueToPageTwo(entry);
    QVERIFY(page2);
    QVERIFY(guitest::typeRows(page2, repeated("2:20", 15)));
    QVERIFY(press(page2));
    QCOMPARE(s.main->text3->text(), QStringLiteral("52"));
    QCOMPARE(s.main->text4->text(), QStringLiteral("30"));
    QCOMPARE(s.listLines(), repeated("1:10", 15) + repeated("2:20", 15));

    QVERIFY(click(s.main->goteisei));
    EntryScreen *correction = screen(ScreenId::TotalCorrection);
    QVERIFY(correction);
    QCOMPARE(guitest::minuteText(correction, 15), QStringLiteral("2"));
    QCOMPARE(guitest::secondText(correction, 29), QStringLiteral("20"));
    QVERIFY(press(correction));

    QCOMPARE(s.messageTexts(), QStringList{});
    QVERIFY(!screen(ScreenId::TotalCorrection));
    QCOMPARE(s.listLines(), repeated("1:10", 15));
    QCOMPARE(s.main->text3->text(), QStringLiteral("17"));
    QCOMPARE(s.main->text4->text(), QStringLiteral("30"));
    QCOMPARE(songTable(s.main), repeated("1|10", 15) + repeated("0|0", 15));
}

void Test_total::failingCarrySlotOnPageTwo_data()
{
    guitest::addFlagRows("byEnter", "合計時間を出す clicked", "Enter in a row of page 2");
}

void Test_total::failingCarrySlotOnPageTwo()
{
    QFETCH(bool, byEnter);
    Session s;
    EntryScreen *entry = openTotalEntry(s, {"1:00", "2:00", "3:00", "4:75"});
    QVERIFY(entry);
    EntryScreen *page2 = guitest::continueToPageTwo(entry);
    QCOMPARE(s.messageTexts(), QStringList{kBadSeconds});
    QCOMPARE(screen(ScreenId::TotalEntry), entry);
    QVERIFY(page2);
    QCOMPARE(guitest::secondText(page2, 3), QStringLiteral("75"));

    QVERIFY(guitest::typeRows(page2, {"6:00"}));
    QPushButton *calculate = guitest::button(page2, "Command2");
    if (byEnter) {
        QCOMPARE(page2->focusWidget(), guitest::secondBox(page2, 15));
        QTest::keyClick(guitest::secondBox(page2, 15), Qt::Key_Return);
        settle();
    } else {
        QVERIFY(press(page2));
    }

    QCOMPARE(s.messageTexts(), (QStringList{kBadSeconds, kBadSeconds}));
    QCOMPARE(screen(ScreenId::TotalPage2), page2);
    QVERIFY(page2->isVisible());
    // The failing text is in a carry slot, which has no box: the focus is
    // left on the button that started the total.
    QCOMPARE(page2->focusWidget(), calculate);
    QCOMPARE(s.listLines(), (QStringList{"1:00", "2:00", "3:00"}));
    QCOMPARE(songTable(s.main).at(3), QStringLiteral("4|75"));
    QCOMPARE(s.main->text3->text(), QString());
    QVERIFY(s.main->gokei->isVisible());
}

void Test_total::typicalSequence()
{
    Session s;
    const guitest::MainView &main = s.main;
    const QString zeros13 = zeroLines(13).join(QLatin1Char(','));

    // Start.
    QCOMPARE(modeLine(main),
             QStringLiteral("Nyuryoku=off Teisei=off Goteisei=off tape=shown Totaltxt= "
                            "caption=テープの残り時間は List1=[] result=/"));
    QVERIFY(verifyFixedControls(main));

    // Tape capacity accepted.
    QVERIFY(guitest::acceptCapacity(main, QStringLiteral("46")));
    QCOMPARE(modeLine(main),
             QStringLiteral("Nyuryoku=on Teisei=off Goteisei=off tape=shown Totaltxt=46 "
                            "caption=テープの残り時間は List1=[] result=/"));
    QVERIFY(verifyFixedControls(main));

    // Successful remaining-time calculation: 2760 - 495 = 2265 seconds.
    QVERIFY(remainingRun(s, {"4:30", "3:45"}));
    QCOMPARE(modeLine(main),
             QStringLiteral("Nyuryoku=on Teisei=on Goteisei=off tape=shown Totaltxt=46 "
                            "caption=テープの残り時間は List1=[4:30,3:45,%1] result=37/45")
                 .arg(zeros13));
    QVERIFY(verifyFixedControls(main));

    // Songs that exceed the tape: -240 seconds behind the message, then 0 and 0.
    EntryScreen *entry = guitest::openPageOne(main, false, {"40:00", "10:00"});
    QVERIFY(entry);
    QVERIFY(press(entry));
    QCOMPARE(s.messageTexts(), QStringList{kOverCapacity});
    QCOMPARE(s.messages.at(0).text3, QStringLiteral("-4"));
    QCOMPARE(s.messages.at(0).text4, QStringLiteral("0"));
    QCOMPARE(screen(ScreenId::Entry), entry);
    QCOMPARE(modeLine(main),
             QStringLiteral("Nyuryoku=on Teisei=on Goteisei=off tape=shown Totaltxt=46 "
                            "caption=テープの残り時間は List1=[40:00,10:00,%1] result=0/0")
                 .arg(zeros13));
    QVERIFY(verifyFixedControls(main));
    QVERIFY(press(entry, "Command3"));
    QVERIFY(!screen(ScreenId::Entry));

    // Successful total-time calculation.
    QVERIFY(totalRun(s, {"4:30", "3:45", "10:50"}));
    QCOMPARE(modeLine(main),
             QStringLiteral("Nyuryoku=off Teisei=off Goteisei=on tape=hidden Totaltxt=46 "
                            "caption=収録時間の合計は List1=[4:30,3:45,10:50,%1] result=19/5")
                 .arg(zeroLines(12).join(QLatin1Char(','))));
    QVERIFY(verifyFixedControls(main));

    // Tape capacity accepted again: back to remaining mode, 訂正 as it was,
    // the song table untouched.
    QVERIFY(guitest::acceptCapacity(main, QStringLiteral("50")));
    QCOMPARE(modeLine(main),
             QStringLiteral("Nyuryoku=on Teisei=off Goteisei=off tape=shown Totaltxt=50 "
                            "caption=テープの残り時間は List1=[] result=/"));
    QVERIFY(verifyFixedControls(main));
    QCOMPARE(songTable(main).mid(0, 3), (QStringList{"4|30", "3|45", "10|50"}));

    // Once more in remaining mode: a new capacity leaves an enabled 訂正 enabled.
    QVERIFY(remainingRun(s, {"1:00"}));
    QVERIFY(main->teisei->isEnabled());
    QVERIFY(guitest::acceptCapacity(main, QStringLiteral("60")));
    QCOMPARE(modeLine(main),
             QStringLiteral("Nyuryoku=on Teisei=on Goteisei=off tape=shown Totaltxt=60 "
                            "caption=テープの残り時間は List1=[] result=/"));
    QCOMPARE(s.messageTexts().size(), 1);
}

void Test_total::remainingFromScreenLeftOpenDuringTotal_data()
{
    QTest::addColumn<int>("screenId");
    QTest::addColumn<bool>("failing");  // the screen's first row has seconds 75
    QTest::addColumn<QString>("expected");

    // The main window afterwards, back in remaining mode with the capacity of
    // 46 minutes; List1 is left out.
    const auto remainingMode = [](const char *goteisei, const char *result) {
        return QStringLiteral("Nyuryoku=off Teisei=on Goteisei=%1 tape=shown Totaltxt=46 "
                              "caption=テープの残り時間は result=%2")
            .arg(QLatin1String(goteisei), QLatin1String(result));
    };

    // 2760 seconds of tape; 4:30 leaves 41:30, 4:30 and 1:00 leave 40:30.
    // A failing calculation still switches the mode: the total is not left
    // standing under the remaining time's caption.
    QTest::newRow("NyuryokuForm, failing row")
        << int(ScreenId::Entry) << true << remainingMode("on", "/");
    QTest::newRow("NyuryokuForm3, failing row")
        << int(ScreenId::Correction) << true << remainingMode("off", "/");
    QTest::newRow("NyuryokuForm keeps 合計の訂正")
        << int(ScreenId::Entry) << false << remainingMode("on", "41/30");
    QTest::newRow("NyuryokuForm2 keeps 合計の訂正")
        << int(ScreenId::Page2) << false << remainingMode("on", "40/30");
    QTest::newRow("NyuryokuForm3 disables 合計の訂正")
        << int(ScreenId::Correction) << false << remainingMode("off", "41/30");
}

void Test_total::remainingFromScreenLeftOpenDuringTotal()
{
    QFETCH(int, screenId);
    QFETCH(bool, failing);
    QFETCH(QString, expected);
    const auto id = ScreenId(screenId);

    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    EntryScreen *open = nullptr;
    if (id == ScreenId::Correction) {
        QVERIFY(remainingRun(s, {"4:30"}));
        QVERIFY(click(s.main->teisei));
    } else {
        EntryScreen *entry = guitest::openPageOne(s.main, false, {"4:30"});
        QVERIFY(entry);
        if (id == ScreenId::Page2)
            QVERIFY(guitest::typeRows(guitest::continueToPageTwo(entry), {"1:00"}));
    }
    open = screen(id);
    QVERIFY(open);
    QLineEdit *failingBox = guitest::secondBox(open, guitest::firstVisibleSlot(open));
    if (failing)
        QVERIFY(guitest::type(failingBox, QStringLiteral("75")));

    // A total runs while the remaining-mode screen stands open.
    QVERIFY(totalRun(s, {"10:00"}));
    QVERIFY(s.main->gokei->isVisible());
    QVERIFY(s.main->goteisei->isEnabled());
    QCOMPARE(screen(id), open);

    QVERIFY(press(open));
    if (failing) {
        QCOMPARE(s.messageTexts(), QStringList{kBadSeconds});
        QCOMPARE(screen(id), open);
        QCOMPARE(open->focusWidget(), failingBox);
        QCOMPARE(s.listLines(), QStringList{});
    } else {
        QCOMPARE(s.messageTexts(), QStringList{});
        QVERIFY(!screen(id));
    }
    QString state = modeLine(s.main);
    state.remove(QRegularExpression(QStringLiteral(" List1=\\[[^\\]]*\\]")));
    QCOMPARE(state, expected);
    QVERIFY(verifyFixedControls(s.main));
}

void Test_total::remainingFailingAtFirstRow_data()
{
    QTest::addColumn<bool>("earlierResult");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("message");

    QTest::newRow("minutes -1, first calculation") << false << "-1:00" << kBadMinutes;
    QTest::newRow("seconds 60, first calculation") << false << "3:60" << kBadSeconds;
    QTest::newRow("minutes -1 after a result") << true << "-1:00" << kBadMinutes;
    QTest::newRow("seconds 60 after a result") << true << "3:60" << kBadSeconds;
    QTest::newRow("letters after a result") << true << "x:10" << kBadMinutes;
}

void Test_total::remainingFailingAtFirstRow()
{
    QFETCH(bool, earlierResult);
    QFETCH(QString, row);
    QFETCH(QString, message);

    Session s;
    QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    if (earlierResult)
        QVERIFY(remainingRun(s, {"4:30", "3:45"}));
    const QString text3 = s.main->text3->text();
    const QString text4 = s.main->text4->text();

    EntryScreen *entry = guitest::openPageOne(s.main, false, {row, "2:00"});
    QVERIFY(entry);
    QVERIFY(press(entry));

    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(screen(ScreenId::Entry), entry);
    QCOMPARE(s.listLines(), QStringList{});
    QVERIFY(s.main->teisei->isEnabled());
    QVERIFY(s.main->goukei->isEnabled());
    QVERIFY(!s.main->gokei->isVisible());
    QVERIFY(s.main->nokori->isVisible());
    QCOMPARE(s.main->text3->text(), text3);
    QCOMPARE(s.main->text4->text(), text4);
    QVERIFY(verifyFixedControls(s.main));
}

GUITEST_MAIN(Test_total)
#include "test_total.moc"
