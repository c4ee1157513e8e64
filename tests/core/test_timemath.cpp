// SPDX-License-Identifier: MIT
#include "core/numbers.h"
#include "core/timemath.h"
#include "core/timetext.h"
#include "support/valuetest.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <limits>

using namespace tavelo;
using valuetest::compareOptional;
using valuetest::text;

namespace {

constexpr qint64 kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr qint64 kMin32 = std::numeric_limits<std::int32_t>::min();

// Adds rows until the sums reach the given values; rows stay within 16 bits.
bool fill(TimeSum &sum, qint64 minutes, qint64 seconds)
{
    const auto step = [](qint64 &left) -> std::int16_t {
        const qint64 s = std::clamp<qint64>(left, -32768, 32767);
        left -= s;
        return static_cast<std::int16_t>(s);
    };
    while (minutes != 0 || seconds != 0) {
        const std::int16_t m = step(minutes);
        const std::int16_t s = step(seconds);
        if (!sum.add(m, s))
            return false;
    }
    return true;
}

}  // namespace

class TestTimeMath : public QObject {
    Q_OBJECT
private slots:
    void sumsOfRows_data();
    void sumsOfRows();
    void totalSeconds_data();
    void totalSeconds();
    void refusedAddLeavesSumsAlone();
    void capacitySeconds_data();
    void capacitySeconds();
    void splitSeconds_data();
    void splitSeconds();
    void twoDigitPattern_data();
    void twoDigitPattern();
    void listLine_data();
    void listLine();
};

void TestTimeMath::sumsOfRows_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("total");

    QTest::addRow("no rows") << QByteArray("") << 0 << 0 << 0;
    QTest::addRow("4:30 3:45") << QByteArray("4:30 3:45") << 7 << 75 << 495;
    QTest::addRow("4:30 3:45 10:50") << QByteArray("4:30 3:45 10:50") << 17 << 125 << 1145;
    QTest::addRow("4:00 and three 0:59") << QByteArray("4:0 3*0:59") << 4 << 177 << 417;
    QTest::addRow("ten rows 54:40") << QByteArray("10*54:40 5*0:0") << 540 << 400 << 32800;
    QTest::addRow("fifteen 4:00 and 5:15") << QByteArray("15*4:0 5:15 14*0:0") << 65 << 15 << 3915;
    QTest::addRow("fifteen 3:0 and 1:30") << QByteArray("15*3:0 1:30") << 46 << 30 << 2790;
    QTest::addRow("thirty rows of 32767:59") << QByteArray("30*32767:59") << 983010 << 1770 << 58982370;
    // clang-format on
}

void TestTimeMath::sumsOfRows()
{
    QFETCH(QByteArray, rows);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(int, total);

    TimeSum sum;
    for (const QString &row : valuetest::rows(QString::fromLatin1(rows)))
        QVERIFY(sum.add(std::int16_t(row.section(u':', 0, 0).toInt()),
                        std::int16_t(row.section(u':', 1).toInt())));
    QCOMPARE(sum.minutes(), minutes);
    QCOMPARE(sum.seconds(), seconds);
    QVERIFY(sum.totalSeconds());
    QCOMPARE(*sum.totalSeconds(), total);
}

void TestTimeMath::totalSeconds_data()
{
    QTest::addColumn<qint64>("minutes");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<qint64>("total");

    QTest::addRow("zero") << qint64(0) << qint64(0) << true << qint64(0);
    QTest::addRow("largest") << qint64(35791394) << qint64(7) << true << kMax32;
    QTest::addRow("one second beyond") << qint64(35791394) << qint64(8) << false << qint64(0);
    QTest::addRow("minutes beyond") << qint64(35791395) << qint64(0) << false << qint64(0);
    QTest::addRow("seconds alone at max") << qint64(0) << kMax32 << true << kMax32;
    QTest::addRow("minutes bring seconds back in") << qint64(-1) << kMax32 << true << kMax32 - 60;
    QTest::addRow("smallest") << qint64(-35791394) << qint64(-8) << true << kMin32;
    QTest::addRow("one second below") << qint64(-35791394) << qint64(-9) << false << qint64(0);
}

void TestTimeMath::totalSeconds()
{
    QFETCH(qint64, minutes);
    QFETCH(qint64, seconds);
    QFETCH(bool, fits);
    QFETCH(qint64, total);

    TimeSum sum;
    QVERIFY(fill(sum, minutes, seconds));
    QCOMPARE(qint64(sum.minutes()), minutes);
    QCOMPARE(qint64(sum.seconds()), seconds);
    compareOptional(sum.totalSeconds(), fits, total);
}

void TestTimeMath::refusedAddLeavesSumsAlone()
{
    TimeSum sum;
    QVERIFY(fill(sum, kMax32 - 1, kMax32 - 1));
    QVERIFY(sum.add(1, 1));
    QCOMPARE(qint64(sum.minutes()), kMax32);
    QCOMPARE(qint64(sum.seconds()), kMax32);

    // Either sum leaving 32 bits refuses the whole row.
    QVERIFY(!sum.add(1, 0));
    QVERIFY(!sum.add(0, 1));
    QVERIFY(!sum.add(-1, 1));
    QVERIFY(!sum.add(1, -1));
    QCOMPARE(qint64(sum.minutes()), kMax32);
    QCOMPARE(qint64(sum.seconds()), kMax32);
    QVERIFY(!sum.totalSeconds());

    QVERIFY(sum.add(-1, -1));
    QCOMPARE(qint64(sum.minutes()), kMax32 - 1);
    QCOMPARE(qint64(sum.seconds()), kMax32 - 1);
}

void TestTimeMath::capacitySeconds_data()
{
    QTest::addColumn<double>("minutes");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<qint64>("seconds");

    QTest::addRow("23") << 23.0 << true << qint64(1380);
    QTest::addRow("46") << 46.0 << true << qint64(2760);
    QTest::addRow("45.5") << 45.5 << true << qint64(2730);
    QTest::addRow("0.375 gives 22.5, to even") << 0.375 << true << qint64(22);
    QTest::addRow("0.3875 gives 23.25") << 0.3875 << true << qint64(23);
    QTest::addRow("0.0125 gives 0.75") << 0.0125 << true << qint64(1);
    QTest::addRow("0") << 0.0 << true << qint64(0);
    QTest::addRow("-0") << -0.0 << true << qint64(0);
    QTest::addRow("546") << 546.0 << true << qint64(32760);
    QTest::addRow("35791394.1 fits") << 35791394.1 << true << qint64(2147483646);
    QTest::addRow("35791394.11 reaches the top") << 35791394.11 << true << kMax32;
    QTest::addRow("35791394.125 rounds past the top") << 35791394.125 << false << qint64(0);
    QTest::addRow("35791395") << 35791395.0 << false << qint64(0);
    QTest::addRow("-1") << -1.0 << true << qint64(-60);
    QTest::addRow("-0.375") << -0.375 << true << qint64(-22);
    QTest::addRow("-35791394.1") << -35791394.1 << true << qint64(-2147483646);
    QTest::addRow("-35791394.1333 reaches the bottom") << -35791394.1333 << true << kMin32;
    QTest::addRow("-35791395") << -35791395.0 << false << qint64(0);
    QTest::addRow("1e300") << 1e300 << false << qint64(0);
}

void TestTimeMath::capacitySeconds()
{
    QFETCH(double, minutes);
    QFETCH(bool, fits);
    QFETCH(qint64, seconds);
    compareOptional(tavelo::capacitySeconds(minutes), fits, seconds);
}

void TestTimeMath::splitSeconds_data()
{
    QTest::addColumn<qint64>("input");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");

    QTest::addRow("885") << qint64(885) << true << 14 << 45;
    QTest::addRow("0") << qint64(0) << true << 0 << 0;
    QTest::addRow("59") << qint64(59) << true << 0 << 59;
    QTest::addRow("60") << qint64(60) << true << 1 << 0;
    QTest::addRow("183") << qint64(183) << true << 3 << 3;
    QTest::addRow("1145") << qint64(1145) << true << 19 << 5;
    QTest::addRow("32800") << qint64(32800) << true << 546 << 40;
    QTest::addRow("-1") << qint64(-1) << true << 0 << -1;
    QTest::addRow("-59") << qint64(-59) << true << 0 << -59;
    QTest::addRow("-60") << qint64(-60) << true << -1 << 0;
    QTest::addRow("-100") << qint64(-100) << true << -1 << -40;
    QTest::addRow("32819 largest") << qint64(32819) << true << 546 << 59;
    QTest::addRow("-32819 smallest") << qint64(-32819) << true << -546 << -59;
    QTest::addRow("32820") << qint64(32820) << false << 0 << 0;
    QTest::addRow("-32820") << qint64(-32820) << false << 0 << 0;
    QTest::addRow("65535") << qint64(65535) << false << 0 << 0;
    QTest::addRow("int32 max") << kMax32 << false << 0 << 0;
    QTest::addRow("int32 min") << kMin32 << false << 0 << 0;
    QTest::addRow("largest shown") << qint64(kLargestShownSeconds) << true << 546 << 59;
    QTest::addRow("beyond largest shown") << qint64(kLargestShownSeconds + 1) << false << 0 << 0;
}

void TestTimeMath::splitSeconds()
{
    QFETCH(qint64, input);
    QFETCH(bool, fits);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    const auto actual = tavelo::splitSeconds(std::int32_t(input));
    QCOMPARE(actual.has_value(), fits);
    if (fits) {
        QCOMPARE(int(actual->minutes), minutes);
        QCOMPARE(int(actual->seconds), seconds);
    }
}

// The whole way from the typed texts to the shown result, as the remaining
// time (capacity given) or the total (capacity empty).
void TestTimeMath::twoDigitPattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("0") << 0.0 << QByteArray("00");
    QTest::addRow("-0") << -0.0 << QByteArray("00");
    QTest::addRow("7") << 7.0 << QByteArray("07");
    QTest::addRow("45") << 45.0 << QByteArray("45");
    QTest::addRow("59") << 59.0 << QByteArray("59");
    QTest::addRow("123") << 123.0 << QByteArray("123");
    QTest::addRow("-5") << -5.0 << QByteArray("-05");
    QTest::addRow("-45") << -45.0 << QByteArray("-45");
    QTest::addRow("-123") << -123.0 << QByteArray("-123");
    // Halves go away from zero here; the sums round them to even elsewhere.
    QTest::addRow("0.5") << 0.5 << QByteArray("01");
    QTest::addRow("2.5") << 2.5 << QByteArray("03");
    QTest::addRow("30.5") << 30.5 << QByteArray("31");
    QTest::addRow("-30.5") << -30.5 << QByteArray("-31");
    QTest::addRow("0.4") << 0.4 << QByteArray("00");
    QTest::addRow("-0.4 shows no sign") << -0.4 << QByteArray("00");
    QTest::addRow("59.4") << 59.4 << QByteArray("59");
    QTest::addRow("99.5") << 99.5 << QByteArray("100");
    QTest::addRow("1e-300") << 1e-300 << QByteArray("00");
    QTest::addRow("1e20") << 1e20 << QByteArray("100000000000000000000");
}

void TestTimeMath::twoDigitPattern()
{
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(tavelo::twoDigitPattern(value).toUtf8(), expected);
}

void TestTimeMath::listLine_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("minutes");
    QTest::addColumn<QByteArray>("seconds");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("4 7") << QByteArray("4") << QByteArray("7") << QByteArray("4:07");
    QTest::addRow("10 50") << QByteArray("10") << QByteArray("50") << QByteArray("10:50");
    QTest::addRow("04 30") << QByteArray("04") << QByteArray("30") << QByteArray("04:30");
    QTest::addRow("6 0") << QByteArray("6") << QByteArray("0") << QByteArray("6:00");
    QTest::addRow("0 0") << QByteArray("0") << QByteArray("0") << QByteArray("0:00");
    QTest::addRow("54 40") << QByteArray("54") << QByteArray("40") << QByteArray("54:40");
    QTest::addRow("2.5 0") << QByteArray("2.5") << QByteArray("0") << QByteArray("2.5:00");
    QTest::addRow("4 05") << QByteArray("4") << QByteArray("05") << QByteArray("4:05");
    QTest::addRow("4 +5") << QByteArray("4") << QByteArray("+5") << QByteArray("4:05");
    QTest::addRow("4 30.5") << QByteArray("4") << QByteArray("30.5") << QByteArray("4:31");
    QTest::addRow("4 0.5") << QByteArray("4") << QByteArray("0.5") << QByteArray("4:01");
    QTest::addRow("4 59.4") << QByteArray("4") << QByteArray("59.4") << QByteArray("4:59");
    QTest::addRow("4 blanks around 5") << QByteArray("4") << QByteArray(" 5 ") << QByteArray("4:05");
    QTest::addRow("4 -0") << QByteArray("4") << QByteArray("-0") << QByteArray("4:00");
    QTest::addRow("4 1e1") << QByteArray("4") << QByteArray("1e1") << QByteArray("4:10");
    QTest::addRow("4 full-width 5") << QByteArray("4") << QByteArray("５") << QByteArray("4:05");
    QTest::addRow("full-width minutes as typed") << QByteArray("４") << QByteArray("５") << QByteArray("４:05");
    QTest::addRow("minutes with blanks as typed") << QByteArray(" 4 ") << QByteArray("5") << QByteArray(" 4 :05");
    QTest::addRow("4 abc kept") << QByteArray("4") << QByteArray("abc") << QByteArray("4:abc");
    QTest::addRow("4 1:30 kept") << QByteArray("4") << QByteArray("1:30") << QByteArray("4:1:30");
    QTest::addRow("4 blanks kept") << QByteArray("4") << QByteArray("  ") << QByteArray("4:  ");
    // clang-format on
}

void TestTimeMath::listLine()
{
    QFETCH(QByteArray, minutes);
    QFETCH(QByteArray, seconds);
    QFETCH(QByteArray, expected);
    QCOMPARE(tavelo::listLine(text(minutes), text(seconds)).toUtf8(), expected);
}

QTEST_APPLESS_MAIN(TestTimeMath)
#include "test_timemath.moc"
