// SPDX-License-Identifier: MIT
// The main window's lasting state and the changes each operation makes to
// it, as the tables of the main window give them; no windows.

#include "core/model.h"

#include <QTest>

using namespace tavelo;

namespace {

// The states a user meets: the start, remaining mode after a calculation,
// total mode after a calculation.
MainState stateNamed(const QByteArray &name)
{
    MainState state;
    state.songs.fill({QStringLiteral("4"), QStringLiteral("30")});
    if (name == "start")
        return MainState{};
    takeCapacity(state, QStringLiteral("46"));
    state.list = QStringList{QStringLiteral("4:30")};
    state.resultMinutes = QStringLiteral("41");
    state.resultSeconds = QStringLiteral("30");
    if (name == "remaining") {
        enterRemainingMode(state, false);
    } else {
        enterTotalMode(state);
        state.resultMinutes = QStringLiteral("4");
    }
    return state;
}

// The mode as the user reads it off the window: which of 録音時間入力, 訂正 and
// 合計の訂正 are enabled, and which caption the result line has.
QByteArray modeOf(const MainState &s)
{
    QByteArray out;
    out += s.entryEnabled ? "entry " : "- ";
    out += s.correctionEnabled ? "correct " : "- ";
    out += s.totalCorrectionEnabled ? "totalcorrect " : "- ";
    out += s.totalMode ? "total" : "remaining";
    return out;
}

}  // namespace

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void changes_data();
    void changes();
    void typicalSequence();
};

void TestModel::startState()
{
    const MainState start;
    QCOMPARE(modeOf(start), QByteArray("- - - remaining"));
    QVERIFY(start.capacity.isEmpty() && start.list.isEmpty());
    QVERIFY(start.resultMinutes.isEmpty() && start.resultSeconds.isEmpty());
    for (const SongTime &slot : start.songs)
        QVERIFY(slot.minutes.isEmpty() && slot.seconds.isEmpty());
}

void TestModel::changes_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("operation");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<bool>("resultKept");

    // A tape capacity accepted: 録音時間入力 on, 合計の訂正 off, 訂正 as it was,
    // remaining mode with an empty list and result.
    QTest::newRow("capacity at start") << QByteArray("start") << QByteArray("capacity") << QByteArray("entry - - remaining") << false;
    QTest::newRow("capacity in remaining mode") << QByteArray("remaining") << QByteArray("capacity") << QByteArray("entry correct - remaining") << false;
    QTest::newRow("capacity in total mode") << QByteArray("total") << QByteArray("capacity") << QByteArray("entry - - remaining") << false;
    // The start of a remaining-time calculation: 訂正 on; from the correction
    // screen also 合計の訂正 off. The result stays unless the mode changes.
    QTest::newRow("remaining from page 1") << QByteArray("remaining") << QByteArray("remaining") << QByteArray("entry correct - remaining") << true;
    QTest::newRow("remaining at start") << QByteArray("start") << QByteArray("remaining") << QByteArray("- correct - remaining") << true;
    QTest::newRow("remaining after a total") << QByteArray("total") << QByteArray("remaining") << QByteArray("- correct totalcorrect remaining") << false;
    QTest::newRow("remaining from correction after a total") << QByteArray("total") << QByteArray("remaining correction") << QByteArray("- correct - remaining") << false;
    // The start of a total-time calculation: 録音時間入力 and 訂正 off, 合計の訂正 on.
    QTest::newRow("total at start") << QByteArray("start") << QByteArray("total") << QByteArray("- - totalcorrect total") << true;
    QTest::newRow("total in remaining mode") << QByteArray("remaining") << QByteArray("total") << QByteArray("- - totalcorrect total") << false;
    QTest::newRow("total in total mode") << QByteArray("total") << QByteArray("total") << QByteArray("- - totalcorrect total") << true;
    // clang-format on
}

void TestModel::changes()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, operation);
    QFETCH(QByteArray, mode);
    QFETCH(bool, resultKept);

    const MainState before = stateNamed(from);
    MainState after = before;
    if (operation == "capacity")
        takeCapacity(after, QStringLiteral("45.5"));
    else if (operation.startsWith("remaining"))
        enterRemainingMode(after, operation.endsWith("correction"));
    else
        enterTotalMode(after);

    QCOMPARE(modeOf(after), mode);
    // The song table is never touched by a change of mode.
    QCOMPARE(after.songs, before.songs);
    if (operation == "capacity") {
        QCOMPARE(after.capacity, QStringLiteral("45.5"));
        QVERIFY(after.list.isEmpty());
    } else {
        QCOMPARE(after.capacity, before.capacity);
        QCOMPARE(after.list, before.list);
    }
    if (resultKept) {
        QCOMPARE(after.resultMinutes, before.resultMinutes);
        QCOMPARE(after.resultSeconds, before.resultSeconds);
    } else {
        QVERIFY(after.resultMinutes.isEmpty() && after.resultSeconds.isEmpty());
    }
}

void TestModel::typicalSequence()
{
    // Start, capacity, a calculation, a total, a capacity again.
    MainState s;
    takeCapacity(s, QStringLiteral("46"));
    QCOMPARE(modeOf(s), QByteArray("entry - - remaining"));
    enterRemainingMode(s, false);
    QCOMPARE(modeOf(s), QByteArray("entry correct - remaining"));
    enterTotalMode(s);
    QCOMPARE(modeOf(s), QByteArray("- - totalcorrect total"));
    takeCapacity(s, QStringLiteral("60"));
    QCOMPARE(modeOf(s), QByteArray("entry - - remaining"));
    QCOMPARE(s.capacity, QStringLiteral("60"));
}

QTEST_APPLESS_MAIN(TestModel)
#include "test_model.moc"
