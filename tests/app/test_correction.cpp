// SPDX-License-Identifier: MIT
// 訂正 and 合計の訂正: the correction screens filled from the song table,
// driven through the real buttons after real calculations.

#include "support/guitest.h"

using namespace guitest;

namespace {

// Song n as "n|n+10", or its row "n:n+10".
QString song(int n, QChar separator)
{
    return QString::number(n) + separator + QString::number(n + 10);
}

QStringList songRows(int from, int to)
{
    QStringList rows;
    for (int n = from; n <= to; ++n)
        rows << song(n, QLatin1Char(':'));
    return rows;
}

QStringList songSlots(int from, int to)
{
    QStringList texts;
    for (int n = from; n <= to; ++n)
        texts << song(n, QLatin1Char('|'));
    return texts;
}

// A successful calculation of rows typed on page 1 (and, when given, on page 2).
[[nodiscard]] bool calculate(Session &s, bool total, const QStringList &pageOne,
                             const QStringList &pageTwo = {})
{
    if (!total && s.main->totaltxt->text().isEmpty())
        GUITEST_VERIFY(acceptCapacity(s.main, QStringLiteral("300")));
    EntryScreen *entry = openPageOne(s.main, total, pageOne);
    GUITEST_VERIFY(entry);
    if (!pageTwo.isEmpty()) {
        entry = continueToPageTwo(entry);
        GUITEST_VERIFY(entry);
        GUITEST_VERIFY(typeRows(entry, pageTwo));
    }
    const ScreenId id = entry->id();
    GUITEST_VERIFY(press(entry));
    GUITEST_COMPARE(s.messageTexts(), QStringList{});
    GUITEST_VERIFY(!screen(id));
    return true;
}

// 訂正 or 合計の訂正 after a calculation of 4:30 and 3:45: the correction
// screen that opens, or null when a step on the way failed.
EntryScreen *correctTwoSongs(Session &s, bool total)
{
    const Mode mode = modeOf(s.main, total);
    GUITEST_VERIFY(calculate(s, total, {"4:30", "3:45"}));
    GUITEST_VERIFY(click(mode.correct));
    return screen(mode.correction);
}

}  // namespace

class Test_correction : public QObject {
    Q_OBJECT
private slots:
    void showsTheStoredSongs_data();
    void showsTheStoredSongs();
    void twentySongsReachPageTwo_data();
    void twentySongsReachPageTwo();
    void zeroSlotsShowEmpty_data();
    void zeroSlotsShowEmpty();
    void pressingAgainReplacesEdits_data();
    void pressingAgainReplacesEdits();
};

void Test_correction::showsTheStoredSongs_data()
{
    addFlagRows("total", "訂正 after a remaining time", "合計の訂正 after a total");
}

void Test_correction::showsTheStoredSongs()
{
    QFETCH(bool, total);
    Session s;
    EntryScreen *correction = correctTwoSongs(s, total);
    QVERIFY(correction);
    QVERIFY(correction->isVisible());
    QCOMPARE(boxTexts(correction).mid(0, 2), rows("4|30 3|45"));
    QCOMPARE(slotTexts(correction), QStringList({"4|30", "3|45"}) + rows("28*|"));
    QCOMPARE(s.messageTexts(), QStringList{});
}

void Test_correction::twentySongsReachPageTwo_data()
{
    // clang-format off
    QTest::addColumn<bool>("total");
    QTest::addColumn<QString>("first");   // result of the twenty songs

    // Songs n = n:(n+10) add up to 13010 seconds; the tape holds 18000.
    QTest::newRow("NyuryokuForm2 to NyuryokuForm3 to NyuryokuForm2") << false << "83/10";
    QTest::newRow("NyuryokuForm5 to NyuryokuForm6 to NyuryokuForm5") << true << "216/50";
    // clang-format on
}

void Test_correction::twentySongsReachPageTwo()
{
    QFETCH(bool, total);
    QFETCH(QString, first);
    Session s;
    const Mode mode = modeOf(s.main, total);
    QVERIFY(calculate(s, total, songRows(1, 15), songRows(16, 20)));
    QCOMPARE(s.main->text3->text() + QLatin1Char('/') + s.main->text4->text(), first);

    QVERIFY(click(mode.correct));
    EntryScreen *correction = screen(mode.correction);
    QVERIFY(correction);
    QCOMPARE(boxTexts(correction), songSlots(1, 15));
    QCOMPARE(slotTexts(correction), songSlots(1, 20) + rows("10*|"));

    QVERIFY(press(correction, "Command4"));
    QCOMPARE(s.messageTexts(), QStringList{});
    QVERIFY(!screen(mode.correction));
    EntryScreen *page2 = screen(mode.pageTwo);
    QVERIFY(page2);
    QCOMPARE(boxTexts(page2).mid(0, 5), songSlots(16, 20));
    QCOMPARE(slotTexts(page2), songSlots(1, 20) + rows("10*|"));

    // Calculated again on page 2, the twenty songs come back unchanged.
    QVERIFY(press(page2));
    QCOMPARE(s.messageTexts(), QStringList{});
    QVERIFY(!screen(mode.pageTwo));
    QCOMPARE(s.main->text3->text() + QLatin1Char('/') + s.main->text4->text(), first);
    QCOMPARE(s.listLines().size(), 30);
}

// A song of 0:00 shows empty, through real calculations on both pages;
// which texts read as 0 is pinned in test_operations (openCorrection).
void Test_correction::zeroSlotsShowEmpty_data()
{
    // clang-format off
    QTest::addColumn<QString>("minutes");  // typed into row 3
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("shownMinutes");
    QTest::addColumn<QString>("shownSeconds");

    QTest::newRow("00 and 0") << "00" << "0" << "" << "";
    QTest::newRow("0 and 5 kept") << "0" << "5" << "0" << "5";
    // clang-format on
}

void Test_correction::zeroSlotsShowEmpty()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, shownMinutes);
    QFETCH(QString, shownSeconds);

    for (const bool total : {false, true}) {
        Session s;
        const Mode mode = modeOf(s.main, total);
        // The row goes in as song 3 and, on page 2, as song 18.
        const QString row = minutes + QLatin1Char(':') + seconds;
        QVERIFY(calculate(s, total, {"4:30", "3:45", row}, {"", "", row}));
        QCOMPARE(song(2).minutes, minutes);
        QCOMPARE(song(17).seconds, seconds);

        QVERIFY(click(mode.correct));
        EntryScreen *correction = screen(mode.correction);
        QVERIFY(correction);
        QCOMPARE(minuteBox(correction, 2)->text(), shownMinutes);
        QCOMPARE(secondBox(correction, 2)->text(), shownSeconds);
        QCOMPARE(minuteText(correction, 17), shownMinutes);
        QCOMPARE(secondText(correction, 17), shownSeconds);
        QCOMPARE(minuteBox(correction, 0)->text(), QStringLiteral("4"));
        QCOMPARE(secondBox(correction, 1)->text(), QStringLiteral("45"));
        QCOMPARE(minuteText(correction, 16), QString());
    }
}

void Test_correction::pressingAgainReplacesEdits_data()
{
    addFlagRows("total", "訂正", "合計の訂正");
}

// Pressed again, the button refills the open screen; neither opening nor
// refilling touches the main window or its song table.
void Test_correction::pressingAgainReplacesEdits()
{
    QFETCH(bool, total);
    Session s;
    const Mode mode = modeOf(s.main, total);
    QVERIFY(calculate(s, total, {"4:30", "3:45"}));
    const QStringList before = mainSnapshot(s.main);
    QVERIFY(click(mode.correct));
    EntryScreen *correction = screen(mode.correction);
    QVERIFY(correction);
    QVERIFY(typeRows(correction, {"9:09", "", "", "", "7:07"}));
    QVERIFY(type(secondBox(correction, 1), QString()));

    QVERIFY(click(mode.correct));
    QCOMPARE(screen(mode.correction), correction);
    QVERIFY(correction->isVisible());
    QCOMPARE(slotTexts(correction), QStringList({"4|30", "3|45"}) + rows("28*|"));
    QCOMPARE(s.messageTexts(), QStringList{});
    QCOMPARE(mainSnapshot(s.main), before);
}

GUITEST_MAIN(Test_correction)
#include "test_correction.moc"
