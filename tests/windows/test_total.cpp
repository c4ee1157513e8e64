// SPDX-License-Identifier: MIT
// 合計時間を出す on the three total-mode screens, driven through the real
// buttons and boxes, and a remaining time worked out while a total stands.
// The cases of the same shape in both modes are in test_calculation.cpp.

#include "support/guitest.h"

using namespace guitest;

namespace {

// NyuryokuForm4 with `rows` typed.
EntryScreen *openTotalEntry(Session &s, const QString &typed = {})
{
    return openPageOne(s.main, true, rows(typed));
}
}  // namespace

class Test_total : public QObject {
    Q_OBJECT
private slots:
    void correctionScreenCountsItsOwnRowsOnly();
    void remainingFromScreenLeftOpenDuringTotal_data();
    void remainingFromScreenLeftOpenDuringTotal();
    void remainingFailingAtFirstRow_data();
    void remainingFailingAtFirstRow();
};

void Test_total::correctionScreenCountsItsOwnRowsOnly()
{
    Session s;
    // Thirty songs through both pages: 1:10 on page 1, 2:20 on page 2.
    EntryScreen *entry = openTotalEntry(s, QStringLiteral("15*1:10"));
    QVERIFY(entry);
    EntryScreen *page2 = continueToPageTwo(entry);
    QVERIFY(page2);
    QVERIFY(typeRows(page2, rows("15*2:20")));
    QVERIFY(press(page2));
    QCOMPARE(s.result(), QStringLiteral("52/30"));
    QCOMPARE(s.listLines(), rows("15*1:10 15*2:20"));

    QVERIFY(click(s.main->goteisei));
    EntryScreen *correction = screen(ScreenId::TotalCorrection);
    QVERIFY(correction);
    QCOMPARE(minuteText(correction, 15), QStringLiteral("2"));
    QCOMPARE(secondText(correction, 29), QStringLiteral("20"));
    QVERIFY(press(correction));

    QCOMPARE(s.messageTexts(), QStringList{});
    QVERIFY(!screen(ScreenId::TotalCorrection));
    QCOMPARE(s.listLines(), rows("15*1:10"));
    QCOMPARE(s.result(), QStringLiteral("17/30"));
    QCOMPARE(songTable(s.main), rows("15*1|10 15*0|0"));
}

void Test_total::remainingFromScreenLeftOpenDuringTotal_data()
{
    QTest::addColumn<int>("screenId");
    QTest::addColumn<bool>("failing");  // the screen's first row has seconds 75
    QTest::addColumn<QString>("expected");

    // The main window afterwards, back in remaining mode with the capacity of
    // 46 minutes.
    const auto remainingMode = [](const char *goteisei, const char *list, const char *result) {
        return QStringLiteral("remaining | tape [46] | - correct %1 | list [%2] | result %3")
            .arg(QLatin1String(goteisei), QLatin1String(list), QLatin1String(result));
    };

    // 2760 seconds of tape; 4:30 leaves 41:30, 4:30 and 1:00 leave 40:30.
    // A failing calculation still switches the mode: the total is not left
    // standing under the remaining time's caption.
    // clang-format off
    QTest::newRow("NyuryokuForm, failing row") << int(ScreenId::Entry) << true << remainingMode("totalcorrect", "", "/");
    QTest::newRow("NyuryokuForm3, failing row") << int(ScreenId::Correction) << true << remainingMode("-", "", "/");
    QTest::newRow("NyuryokuForm keeps 合計の訂正") << int(ScreenId::Entry) << false << remainingMode("totalcorrect", "4:30 14*0:00", "41/30");
    QTest::newRow("NyuryokuForm2 keeps 合計の訂正") << int(ScreenId::Page2) << false << remainingMode("totalcorrect", "4:30 14*0:00 1:00 14*0:00", "40/30");
    QTest::newRow("NyuryokuForm3 disables 合計の訂正") << int(ScreenId::Correction) << false << remainingMode("-", "4:30 14*0:00", "41/30");
    // clang-format on
}

void Test_total::remainingFromScreenLeftOpenDuringTotal()
{
    QFETCH(int, screenId);
    QFETCH(bool, failing);
    QFETCH(QString, expected);
    const auto id = ScreenId(screenId);

    Session s;
    QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    EntryScreen *open = nullptr;
    if (id == ScreenId::Correction) {
        QVERIFY(calculateOnPageOne(s, false, {"4:30"}));
        QVERIFY(click(s.main->teisei));
    } else {
        EntryScreen *entry = openPageOne(s.main, false, {"4:30"});
        QVERIFY(entry);
        if (id == ScreenId::Page2)
            QVERIFY(typeRows(continueToPageTwo(entry), {"1:00"}));
    }
    open = screen(id);
    QVERIFY(open);
    QLineEdit *failingBox = secondBox(open, firstVisibleSlot(open));
    if (failing)
        QVERIFY(type(failingBox, QStringLiteral("75")));

    // A total runs while the remaining-mode screen stands open.
    QVERIFY(calculateOnPageOne(s, true, {"10:00"}));
    QVERIFY(s.main->gokei->isVisible());
    QVERIFY(s.main->goteisei->isEnabled());
    QCOMPARE(screen(id), open);

    QVERIFY(press(open));
    if (failing) {
        QCOMPARE(s.messageTexts(), QStringList{kBadSeconds});
        QCOMPARE(screen(id), open);
        QCOMPARE(open->focusWidget(), failingBox);
    } else {
        QCOMPARE(s.messageTexts(), QStringList{});
        QVERIFY(!screen(id));
    }
    QCOMPARE(s.summary(), expected);
}

void Test_total::remainingFailingAtFirstRow_data()
{
    QTest::addColumn<bool>("earlierResult");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("message");

    QTest::newRow("minutes -1, first calculation") << false << "-1:00" << kBadMinutes;
    QTest::newRow("seconds 60, first calculation") << false << "3:60" << kBadSeconds;
    QTest::newRow("letters after a result") << true << "x:10" << kBadMinutes;
}

void Test_total::remainingFailingAtFirstRow()
{
    QFETCH(bool, earlierResult);
    QFETCH(QString, row);
    QFETCH(QString, message);

    Session s;
    QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    if (earlierResult)
        QVERIFY(calculateOnPageOne(s, false, {"4:30", "3:45"}));
    const QString result = s.result();

    EntryScreen *entry = openPageOne(s.main, false, {row, "2:00"});
    QVERIFY(entry);
    QVERIFY(press(entry));

    QCOMPARE(s.messageTexts(), QStringList{message});
    QCOMPARE(screen(ScreenId::Entry), entry);
    QCOMPARE(s.summary(), QStringLiteral("remaining | tape [46] | entry correct - | list [] | "
                                         "result %1")
                              .arg(result));
}

GUITEST_MAIN(Test_total)
#include "test_total.moc"
