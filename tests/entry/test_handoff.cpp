// SPDX-License-Identifier: MIT
// 続けて入力 and 次画面を訂正, driven through the real buttons: what reaches the
// page-2 screen slot by slot, what the source screen shows, where the focus
// goes, which screens stay open, and that the main window and its song table
// are left alone.

#include "support/guitest.h"

using guitest::kBadMinutes;
using guitest::kBadSeconds;
using guitest::mainSnapshot;
using guitest::Mode;
using guitest::press;
using guitest::rows;
using guitest::Session;
using guitest::slotText;
using guitest::slotTexts;
using guitest::typeRow;
using tavelo::EntryScreen;
using tavelo::kRowsPerPage;
using tavelo::kSlotCount;
using tavelo::ScreenId;

namespace {

// Remaining mode needs a tape capacity before 録音時間入力 can be pressed.
[[nodiscard]] bool startMode(Session &s, bool totalMode)
{
    if (!totalMode)
        GUITEST_VERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
    return true;
}

// A column "totalMode" with a row for page 2 of each mode and what the main
// window's result fields show at the end there.
void addPageTwoRows(const char *remaining3, const char *remaining4, const char *total3,
                    const char *total4)
{
    QTest::addColumn<bool>("totalMode");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text4");
    QTest::newRow("NyuryokuForm2") << false << remaining3 << remaining4;
    QTest::newRow("NyuryokuForm5") << true << total3 << total4;
}

}  // namespace

class Test_handoff : public QObject {
    Q_OBJECT
private slots:
    void continueCarriesRowsAsTyped_data();
    void continueCarriesRowsAsTyped();
    void continueStopsAtFailingRow_data();
    void continueStopsAtFailingRow();
    void pageTwoMeetsFailingCarrySlot_data();
    void pageTwoMeetsFailingCarrySlot();
    void continueKeepsTypedPageTwoRows_data();
    void continueKeepsTypedPageTwoRows();
    void continueWithHalfEmptyRow_data();
    void continueWithHalfEmptyRow();
    void correctNextWithEmptySecond_data();
    void correctNextWithEmptySecond();
    void correctNextOverwritesAllSlots_data();
    void correctNextOverwritesAllSlots();
    void laterHandOffWins_data();
    void laterHandOffWins();
    void correctNextMeetsNegativeCarrySlot();
    void handOffLeavesSongTable_data();
    void handOffLeavesSongTable();
    void cancelOnPageTwoDiscardsCarriedSongs_data();
    void cancelOnPageTwoDiscardsCarriedSongs();
};

void Test_handoff::continueCarriesRowsAsTyped_data()
{
    guitest::addFlagRows("totalMode", "NyuryokuForm to NyuryokuForm2",
                         "NyuryokuForm4 to NyuryokuForm5");
}

void Test_handoff::continueCarriesRowsAsTyped()
{
    QFETCH(bool, totalMode);
    const QStringList rows{"1:05",  "2:10", "03:0", "4:59", "0:0", "2.5:30.5", "１:３０", "120:00",
                           " 3 :4", "5:5",  "6:06", "7:7",  "8:8", "9:9",      "10:10"};

    Session s;
    QVERIFY(startMode(s, totalMode));
    const Mode mode = guitest::modeOf(s.main, totalMode);
    EntryScreen *one = guitest::openPageOne(s.main, totalMode, rows);
    QVERIFY(one);
    const QStringList before = mainSnapshot(s.main);

    EntryScreen *two = guitest::continueToPageTwo(one);

    QCOMPARE(s.messageTexts(), QStringList{});
    QVERIFY(!guitest::screen(mode.pageOne));
    QVERIFY(two);
    QVERIFY(two->isVisible());
    QStringList expected;
    for (const QString &row : rows)
        expected << QString(row).replace(QLatin1Char(':'), QLatin1Char('|'));
    expected += guitest::rows("15*|");
    QCOMPARE(slotTexts(two), expected);
    QCOMPARE(mainSnapshot(s.main), before);
}

// Page 2 already holds "1" and "0" in every carry slot from an earlier
// hand-off; the second hand-off stops at the failing row.
void Test_handoff::continueStopsAtFailingRow_data()
{
    // clang-format off
    QTest::addColumn<bool>("totalMode");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("minuteBox");

    QTest::newRow("seconds 75 in row 4") << false << 3 << "2" << "75" << kBadSeconds << false;
    QTest::newRow("minutes -1 in row 1") << false << 0 << "-1" << "0" << kBadMinutes << true;
    QTest::newRow("seconds -1 in row 15") << false << 14 << "2" << "-1" << kBadSeconds << false;
    QTest::newRow("minutes are letters in row 7") << false << 6 << "abc" << "0" << kBadMinutes << true;
    QTest::newRow("seconds are blanks in row 9") << false << 8 << "2" << " " << kBadSeconds << false;
    QTest::newRow("total mode, seconds 75 in row 4") << true << 3 << "2" << "75" << kBadSeconds << false;
    // clang-format on
}

void Test_handoff::continueStopsAtFailingRow()
{
    QFETCH(bool, totalMode);
    QFETCH(int, slot);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, message);
    QFETCH(bool, minuteBox);

    Session s;
    QVERIFY(startMode(s, totalMode));
    const Mode mode = guitest::modeOf(s.main, totalMode);
    EntryScreen *first = guitest::openPageOne(s.main, totalMode, rows("15*1:0"));
    QVERIFY(first);
    EntryScreen *two = guitest::continueToPageTwo(first);
    QVERIFY(two);
    QCOMPARE(slotText(two, 14), QStringLiteral("1|0"));

    EntryScreen *one = guitest::openPageOne(s.main, totalMode, rows("15*2:0"));
    QVERIFY(one);
    QVERIFY(typeRow(one, slot, minutes, seconds));
    const QStringList before = mainSnapshot(s.main);

    QVERIFY(press(one, "Command1"));

    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(guitest::screen(mode.pageOne), one);
    QCOMPARE(guitest::screen(mode.pageTwo), two);
    QVERIFY(two->isVisible());
    QCOMPARE(one->focusWidget(),
             minuteBox ? guitest::minuteBox(one, slot) : guitest::secondBox(one, slot));
    for (int k = 0; k < kRowsPerPage; ++k) {
        const QString want = k < slot    ? QStringLiteral("2|0")
                             : k == slot ? minutes + QLatin1Char('|') + seconds
                                         : QStringLiteral("1|0");
        QCOMPARE(slotText(two, k), want);
    }
    QCOMPARE(mainSnapshot(s.main), before);

    // Corrected, the second click carries all fifteen rows and closes page 1.
    QVERIFY(typeRow(one, slot, QStringLiteral("2"), QStringLiteral("15")));
    QVERIFY(press(one, "Command1"));
    QCOMPARE(s.messageTexts(), QStringList{message});
    QVERIFY(!guitest::screen(mode.pageOne));
    QCOMPARE(guitest::screen(mode.pageTwo), two);
    for (int k = 0; k < kRowsPerPage; ++k)
        QCOMPARE(slotText(two, k), k == slot ? QStringLiteral("2|15") : QStringLiteral("2|0"));
    QCOMPARE(mainSnapshot(s.main), before);
}

// After 続けて入力 stopped at seconds 75 in row 4, the calculation on page 2
// meets that text in carry slot 3, which has no box: the focus stays on the
// button that was pressed.
void Test_handoff::pageTwoMeetsFailingCarrySlot_data()
{
    guitest::addFlagRows("totalMode", "残り時間を出す on NyuryokuForm2",
                         "合計時間を出す on NyuryokuForm5");
}

void Test_handoff::pageTwoMeetsFailingCarrySlot()
{
    QFETCH(bool, totalMode);

    Session s;
    QVERIFY(startMode(s, totalMode));
    const Mode mode = guitest::modeOf(s.main, totalMode);
    EntryScreen *one =
        guitest::openPageOne(s.main, totalMode, {"4:30", "3:45", "2:0", "3:75", "1:0"});
    QVERIFY(one);
    EntryScreen *two = guitest::continueToPageTwo(one);
    QCOMPARE(s.messageTexts(), QStringList{kBadSeconds});
    QVERIFY(two);
    QCOMPARE(slotText(two, 3), QStringLiteral("3|75"));

    QPushButton *pressed = guitest::button(two, "Command2");
    QVERIFY(guitest::click(pressed));
    guitest::settle();

    QCOMPARE(s.messageTexts(), QStringList({kBadSeconds, kBadSeconds}));
    QCOMPARE(two->focusWidget(), pressed);
    QCOMPARE(s.listLines(), QStringList({"4:30", "3:45", "2:00"}));
    QCOMPARE(slotText(s.main, 3), QStringLiteral("3|75"));
    QCOMPARE(s.main->text3->text(), QString());
    QCOMPARE(s.main->text4->text(), QString());
    QCOMPARE(guitest::screen(mode.pageTwo), two);
    QCOMPARE(guitest::screen(mode.pageOne), one);
}

// Songs 16-30 are typed on an open page 2; a later 続けて入力 overwrites only
// the carry slots, and the calculation there counts all thirty songs.
void Test_handoff::continueKeepsTypedPageTwoRows_data()
{
    // 15 x 2:00 + 15 x 1:01 = 45:15; the tape holds 46:00.
    addPageTwoRows("0", "45", "45", "15");
}

void Test_handoff::continueKeepsTypedPageTwoRows()
{
    QFETCH(bool, totalMode);
    QFETCH(QString, text3);
    QFETCH(QString, text4);

    Session s;
    QVERIFY(startMode(s, totalMode));
    const Mode mode = guitest::modeOf(s.main, totalMode);
    EntryScreen *first = guitest::openPageOne(s.main, totalMode);
    QVERIFY(first);
    EntryScreen *two = guitest::continueToPageTwo(first);
    QVERIFY(two);
    QVERIFY(guitest::typeRows(two, rows("15*1:01")));

    EntryScreen *one = guitest::openPageOne(s.main, totalMode, rows("15*2:0"));
    QVERIFY(one);
    QVERIFY(press(one, "Command1"));

    QCOMPARE(s.messageTexts(), QStringList{});
    QVERIFY(!guitest::screen(mode.pageOne));
    QCOMPARE(guitest::screen(mode.pageTwo), two);
    QCOMPARE(slotTexts(two), rows("15*2|0") + rows("15*1|01"));

    QVERIFY(press(two));
    QCOMPARE(s.messageTexts(), QStringList{});
    QCOMPARE(s.listLines(), rows("15*2:00") + rows("15*1:01"));
    QCOMPARE(s.main->text3->text(), text3);
    QCOMPARE(s.main->text4->text(), text4);
    QVERIFY(!guitest::screen(mode.pageTwo));
}

// Row 2 is half empty (or empty); it goes on as 0:00 and passes. With a
// failing row 4 behind it the page-1 screen stays open and can be looked at.
void Test_handoff::continueWithHalfEmptyRow_data()
{
    // clang-format off
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<bool>("laterFailure");

    QTest::newRow("seconds empty") << "4" << "" << false;
    QTest::newRow("minutes empty") << "" << "30" << false;
    QTest::newRow("both empty") << "" << "" << false;
    QTest::newRow("seconds empty, minutes letters") << "abc" << "" << false;
    QTest::newRow("seconds empty, a later row fails") << "4" << "" << true;
    QTest::newRow("minutes empty, a later row fails") << "" << "30" << true;
    QTest::newRow("minutes negative and seconds empty, a later row fails") << "-4" << "" << true;
    // clang-format on
}

void Test_handoff::continueWithHalfEmptyRow()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(bool, laterFailure);

    Session s;
    QVERIFY(startMode(s, false));
    EntryScreen *one = guitest::openPageOne(s.main, false, {"4:30"});
    QVERIFY(one);
    QVERIFY(typeRow(one, 1, minutes, seconds));
    QVERIFY(typeRow(one, 2, QStringLiteral("3"), QStringLiteral("45")));
    if (laterFailure)
        QVERIFY(typeRow(one, 3, QStringLiteral("-1"), QStringLiteral("0")));

    EntryScreen *two = guitest::continueToPageTwo(one);
    QVERIFY(two);
    QCOMPARE(slotTexts(two).mid(0, 3), rows("4|30 0|0 3|45"));
    QCOMPARE(slotText(s.main, 1), QStringLiteral("0|0"));
    // Only the blank rule writes the song table.
    QCOMPARE(slotText(s.main, 0), QStringLiteral("|"));
    QCOMPARE(slotText(s.main, 2), QStringLiteral("|"));
    QCOMPARE(slotText(s.main, 16), QStringLiteral("|"));
    if (!laterFailure) {
        QCOMPARE(s.messageTexts(), QStringList{});
        QVERIFY(!guitest::screen(ScreenId::Entry));
        QCOMPARE(slotText(s.main, 4), QStringLiteral("0|0"));
        return;
    }
    QCOMPARE(s.messageTexts(), QStringList{kBadMinutes});
    QCOMPARE(guitest::screen(ScreenId::Entry), one);
    QCOMPARE(one->focusWidget(), guitest::minuteBox(one, 3));
    QCOMPARE(guitest::minuteBox(one, 1)->text(), minutes);
    QCOMPARE(guitest::secondBox(one, 1)->text(), seconds);
    QCOMPARE(slotText(s.main, 4), QStringLiteral("|"));
}

// The correction screen's row 2 lacks its seconds. Page 2 receives the row
// as it stands; the correction screen itself shows 0 and 0 there.
void Test_handoff::correctNextWithEmptySecond_data()
{
    QTest::addColumn<bool>("totalMode");
    QTest::addColumn<bool>("laterFailure");

    QTest::newRow("NyuryokuForm3, no row fails") << false << false;
    QTest::newRow("NyuryokuForm3, row 5 fails") << false << true;
    QTest::newRow("NyuryokuForm6, no row fails") << true << false;
    QTest::newRow("NyuryokuForm6, row 5 fails") << true << true;
}

void Test_handoff::correctNextWithEmptySecond()
{
    QFETCH(bool, totalMode);
    QFETCH(bool, laterFailure);

    Session s;
    QVERIFY(startMode(s, totalMode));
    const Mode mode = guitest::modeOf(s.main, totalMode);
    const QStringList before = mainSnapshot(s.main);
    EntryScreen *source = guitest::program().showScreen(mode.correction);
    QVERIFY(source);
    QVERIFY(guitest::typeRows(source, {"4:30", "", "2:15"}));
    QVERIFY(guitest::type(guitest::minuteBox(source, 1), QStringLiteral("3")));
    if (laterFailure)
        QVERIFY(typeRow(source, 4, QStringLiteral("1"), QStringLiteral("60")));
    source->setSlot(15, {QStringLiteral("5"), QStringLiteral("0")});

    QVERIFY(press(source, "Command4"));

    EntryScreen *two = guitest::screen(mode.pageTwo);
    QVERIFY(two);
    QVERIFY(two->isVisible());
    QCOMPARE(slotTexts(two).mid(0, 4), rows("4|30 3| 2|15 |"));
    QCOMPARE(mainSnapshot(s.main), before);
    if (!laterFailure) {
        QCOMPARE(s.messageTexts(), QStringList{});
        QVERIFY(!guitest::screen(mode.correction));
        QCOMPARE(guitest::minuteBox(two, 15)->text(), QStringLiteral("5"));
        QCOMPARE(guitest::secondBox(two, 15)->text(), QStringLiteral("0"));
        return;
    }
    QCOMPARE(s.messageTexts(), QStringList{kBadSeconds});
    QCOMPARE(guitest::screen(mode.correction), source);
    QCOMPARE(source->focusWidget(), guitest::secondBox(source, 4));
    QCOMPARE(slotTexts(source).mid(0, 6), rows("4|30 0|0 2|15 0|0 1|60 |"));
    QCOMPARE(slotText(two, 4), QStringLiteral("1|60"));
    QCOMPARE(slotText(two, 15), QStringLiteral("|"));
}

// Page 2 is open with other texts in all its slots; 次画面を訂正 replaces all
// thirty with the correction screen's texts as they stood, empty ones too.
void Test_handoff::correctNextOverwritesAllSlots_data()
{
    guitest::addFlagRows("totalMode", "NyuryokuForm3 to NyuryokuForm2",
                         "NyuryokuForm6 to NyuryokuForm5");
}

void Test_handoff::correctNextOverwritesAllSlots()
{
    QFETCH(bool, totalMode);

    Session s;
    QVERIFY(startMode(s, totalMode));
    const Mode mode = guitest::modeOf(s.main, totalMode);
    EntryScreen *one = guitest::openPageOne(s.main, totalMode, rows("15*9:9"));
    QVERIFY(one);
    EntryScreen *two = guitest::continueToPageTwo(one);
    QVERIFY(two);
    QVERIFY(guitest::typeRows(two, rows("15*8:8")));

    EntryScreen *source = guitest::program().showScreen(mode.correction);
    QVERIFY(source);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (slot == 3 || slot == 20)
            continue;  // left empty
        const QString minutes = QString::number(slot);
        const QString seconds = QStringLiteral("0%1").arg(slot % 6);
        if (guitest::minuteBox(source, slot))
            QVERIFY(typeRow(source, slot, minutes, seconds));
        else
            source->setSlot(slot, {minutes, seconds});
    }
    const QStringList expected = slotTexts(source);
    QCOMPARE(expected.at(20), QStringLiteral("|"));

    QVERIFY(press(source, "Command4"));

    QCOMPARE(s.messageTexts(), QStringList{});
    QVERIFY(!guitest::screen(mode.correction));
    QCOMPARE(guitest::screen(mode.pageTwo), two);
    QCOMPARE(slotTexts(two), expected);
    QCOMPARE(guitest::minuteBox(two, 29)->text(), QStringLiteral("29"));
}

// The page-1 screen and the correction screen are open together and both
// hand off to the one page-2 screen; each overwrites what it copies.
void Test_handoff::laterHandOffWins_data()
{
    // clang-format off
    QTest::addColumn<bool>("entryFirst");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("続けて入力, then 次画面を訂正") << true << rows("15*2|0") + rows("15*3|0");
    QTest::newRow("次画面を訂正, then 続けて入力") << false << rows("15*1|0") + rows("15*3|0");
    // clang-format on
}

void Test_handoff::laterHandOffWins()
{
    QFETCH(bool, entryFirst);
    QFETCH(QStringList, expected);

    Session s;
    QVERIFY(startMode(s, false));
    EntryScreen *entry = guitest::openPageOne(s.main, false, rows("15*1:0"));
    QVERIFY(entry);
    EntryScreen *correction = guitest::program().showScreen(ScreenId::Correction);
    QVERIFY(correction);
    QVERIFY(guitest::typeRows(correction, rows("15*2:0")));
    for (int slot = kRowsPerPage; slot < kSlotCount; ++slot)
        correction->setSlot(slot, {QStringLiteral("3"), QStringLiteral("0")});

    QPushButton *continueButton = guitest::button(entry, "Command1");
    QPushButton *correctNextButton = guitest::button(correction, "Command4");
    QPushButton *firstButton = entryFirst ? continueButton : correctNextButton;
    QPushButton *secondButton = entryFirst ? correctNextButton : continueButton;
    QVERIFY(guitest::click(firstButton));
    guitest::settle();
    EntryScreen *two = guitest::screen(ScreenId::Page2);
    QVERIFY(two);
    QVERIFY(guitest::click(secondButton));
    guitest::settle();

    QCOMPARE(s.messageTexts(), QStringList{});
    QVERIFY(!guitest::screen(ScreenId::Entry));
    QVERIFY(!guitest::screen(ScreenId::Correction));
    QCOMPARE(guitest::screen(ScreenId::Page2), two);
    QCOMPARE(slotTexts(two), expected);
}

// A page-2 calculation stopped at song 18 with negative minutes, which so
// reached the song table; 訂正 puts it into a carry slot of the correction
// screen, where 次画面を訂正 meets it.
void Test_handoff::correctNextMeetsNegativeCarrySlot()
{
    Session s;
    QVERIFY(startMode(s, false));
    EntryScreen *one = guitest::openPageOne(s.main, false, rows("15*1:0"));
    QVERIFY(one);
    EntryScreen *two = guitest::continueToPageTwo(one);
    QVERIFY(two);
    QVERIFY(guitest::typeRows(two, {"2:0", "2:0", "-2:30", "7:7"}));
    QVERIFY(press(two));
    QCOMPARE(s.messageTexts(), QStringList{kBadMinutes});
    QCOMPARE(slotText(s.main, 17), QStringLiteral("-2|30"));

    QVERIFY(guitest::click(s.main->teisei));
    EntryScreen *source = guitest::screen(ScreenId::Correction);
    QVERIFY(source);
    QCOMPARE(slotText(source, 17), QStringLiteral("-2|30"));
    QVERIFY(guitest::type(guitest::minuteBox(source, 0), QStringLiteral("5")));
    const QStringList before = mainSnapshot(s.main);

    QPushButton *pressed = guitest::button(source, "Command4");
    QVERIFY(guitest::click(pressed));
    guitest::settle();

    QCOMPARE(s.messageTexts(), QStringList({kBadMinutes, kBadMinutes}));
    QCOMPARE(source->focusWidget(), pressed);
    QCOMPARE(guitest::screen(ScreenId::Correction), source);
    QCOMPARE(guitest::screen(ScreenId::Page2), two);
    QVERIFY(two->isVisible());
    QCOMPARE(slotText(two, 0), QStringLiteral("5|0"));
    QCOMPARE(guitest::minuteBox(two, 17)->text(), QStringLiteral("-2"));
    QCOMPARE(guitest::minuteBox(two, 18)->text(), QStringLiteral("7"));  // not reached
    QCOMPARE(mainSnapshot(s.main), before);
}

// The song table holds an earlier run (4:30, 3:45, the rest 0); hand-offs
// without blank rows on page 1 leave it and the rest of the main window alone.
void Test_handoff::handOffLeavesSongTable_data()
{
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("messages");

    QTest::newRow("次画面を訂正 with blank rows") << true << QStringList{"5:0"} << 0;
    QTest::newRow("次画面を訂正 stopped by a row") << true << QStringList{"5:0", "1:99"} << 1;
    QTest::newRow("続けて入力 without blank rows") << false << rows("15*5:0") << 0;
    QTest::newRow("続けて入力 stopped by a row") << false << QStringList{"5:0", "6:0", "-1:0"} << 1;
}

void Test_handoff::handOffLeavesSongTable()
{
    QFETCH(bool, correct);
    QFETCH(QStringList, rows);
    QFETCH(int, messages);

    Session s;
    QVERIFY(startMode(s, false));
    EntryScreen *earlier = guitest::openPageOne(s.main, false, {"4:30", "3:45"});
    QVERIFY(earlier);
    QVERIFY(press(earlier));
    QCOMPARE(slotText(s.main, 1), QStringLiteral("3|45"));

    EntryScreen *source = nullptr;
    if (correct) {
        QVERIFY(guitest::click(s.main->teisei));
        source = guitest::screen(ScreenId::Correction);
        QVERIFY(source);
        QVERIFY(guitest::typeRows(source, rows));
    } else {
        source = guitest::openPageOne(s.main, false, rows);
        QVERIFY(source);
    }
    const QStringList before = mainSnapshot(s.main);

    QVERIFY(press(source, correct ? "Command4" : "Command1"));

    QCOMPARE(int(s.messages.size()), messages);
    QVERIFY(guitest::screen(ScreenId::Page2));
    QCOMPARE(mainSnapshot(s.main), before);
}

// キャンセル on page 2 after a hand-off: the carried songs are gone with the
// screen, and nothing reaches the song table or the main window.
void Test_handoff::cancelOnPageTwoDiscardsCarriedSongs_data()
{
    addPageTwoRows("46", "0", "0", "0");
}

void Test_handoff::cancelOnPageTwoDiscardsCarriedSongs()
{
    QFETCH(bool, totalMode);
    QFETCH(QString, text3);
    QFETCH(QString, text4);

    Session s;
    QVERIFY(startMode(s, totalMode));
    const Mode mode = guitest::modeOf(s.main, totalMode);
    EntryScreen *one = guitest::openPageOne(s.main, totalMode, rows("15*3:0"));
    QVERIFY(one);
    const QStringList before = mainSnapshot(s.main);
    EntryScreen *two = guitest::continueToPageTwo(one);
    QVERIFY(two);
    QVERIFY(guitest::typeRows(two, {"5:0"}));

    QVERIFY(press(two, "Command3"));
    QVERIFY(!guitest::screen(mode.pageTwo));
    QCOMPARE(mainSnapshot(s.main), before);

    // A new page 2 reached from an empty page 1 counts nothing of the above.
    EntryScreen *empty = guitest::openPageOne(s.main, totalMode);
    QVERIFY(empty);
    EntryScreen *fresh = guitest::continueToPageTwo(empty);
    QVERIFY(fresh);
    QCOMPARE(guitest::minuteBox(fresh, 15)->text(), QString());
    QVERIFY(press(fresh));
    QCOMPARE(s.messageTexts(), QStringList{});
    QCOMPARE(s.listLines(), rows("30*0:00"));
    QCOMPARE(s.main->text3->text(), text3);
    QCOMPARE(s.main->text4->text(), text4);
}

GUITEST_MAIN(Test_handoff)
#include "test_handoff.moc"
