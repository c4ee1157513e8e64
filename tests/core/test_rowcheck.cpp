// SPDX-License-Identifier: MIT
#include "core/rowcheck.h"
#include "support/valuetest.h"

#include <QTest>

using tavelo::RowFault;
using valuetest::text;

namespace {

QByteArray faultName(RowFault fault)
{
    switch (fault) {
    case RowFault::None: return "None";
    case RowFault::Minutes: return "Minutes";
    case RowFault::Seconds: return "Seconds";
    }
    return "unknown";
}

}  // namespace

class TestRowCheck : public QObject {
    Q_OBJECT
private slots:
    void checkRow_data();
    void checkRow();
    void values_data();
    void values();
    void isBlankRow_data();
    void isBlankRow();
};

void TestRowCheck::checkRow_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("minutes");
    QTest::addColumn<QByteArray>("seconds");
    QTest::addColumn<QByteArray>("fault");

    // Seconds: 0 to 59, fractions allowed.
    QTest::addRow("4:59 passes") << QByteArray("4") << QByteArray("59") << QByteArray("None");
    QTest::addRow("4:0 passes") << QByteArray("4") << QByteArray("0") << QByteArray("None");
    QTest::addRow("seconds 30.5 pass") << QByteArray("4") << QByteArray("30.5") << QByteArray("None");
    QTest::addRow("seconds 58.9 pass") << QByteArray("4") << QByteArray("58.9") << QByteArray("None");
    QTest::addRow("seconds 05 pass") << QByteArray("4") << QByteArray("05") << QByteArray("None");
    QTest::addRow("seconds +5 pass") << QByteArray("4") << QByteArray("+5") << QByteArray("None");
    QTest::addRow("seconds -0 pass") << QByteArray("4") << QByteArray("-0") << QByteArray("None");
    QTest::addRow("seconds with blanks pass") << QByteArray("4") << QByteArray(" 5 ") << QByteArray("None");
    QTest::addRow("seconds 5.9e1 pass") << QByteArray("4") << QByteArray("5.9e1") << QByteArray("None");
    QTest::addRow("seconds 60") << QByteArray("4") << QByteArray("60") << QByteArray("Seconds");
    QTest::addRow("seconds 59.5") << QByteArray("4") << QByteArray("59.5") << QByteArray("Seconds");
    QTest::addRow("seconds 59.0001") << QByteArray("4") << QByteArray("59.0001") << QByteArray("Seconds");
    QTest::addRow("seconds -1") << QByteArray("4") << QByteArray("-1") << QByteArray("Seconds");
    QTest::addRow("seconds -0.5") << QByteArray("4") << QByteArray("-0.5") << QByteArray("Seconds");
    QTest::addRow("seconds 75") << QByteArray("3") << QByteArray("75") << QByteArray("Seconds");
    QTest::addRow("seconds 6e1") << QByteArray("4") << QByteArray("6e1") << QByteArray("Seconds");

    // Minutes: 0 or more, no upper bound.
    QTest::addRow("0:0 passes") << QByteArray("0") << QByteArray("0") << QByteArray("None");
    QTest::addRow("minutes 200 pass") << QByteArray("200") << QByteArray("0") << QByteArray("None");
    QTest::addRow("minutes 120 pass") << QByteArray("120") << QByteArray("0") << QByteArray("None");
    QTest::addRow("minutes 2.5 pass") << QByteArray("2.5") << QByteArray("0") << QByteArray("None");
    QTest::addRow("minutes 04 pass") << QByteArray("04") << QByteArray("30") << QByteArray("None");
    QTest::addRow("minutes -0 pass") << QByteArray("-0") << QByteArray("0") << QByteArray("None");
    QTest::addRow("minutes -1") << QByteArray("-1") << QByteArray("0") << QByteArray("Minutes");
    QTest::addRow("minutes -0.5") << QByteArray("-0.5") << QByteArray("0") << QByteArray("Minutes");
    QTest::addRow("minutes -1e-9") << QByteArray("-1e-9") << QByteArray("0") << QByteArray("Minutes");

    // Minutes are tested first.
    QTest::addRow("-1:75 reports minutes") << QByteArray("-1") << QByteArray("75") << QByteArray("Minutes");
    QTest::addRow("abc:abc reports minutes") << QByteArray("abc") << QByteArray("abc") << QByteArray("Minutes");

    // Minutes that are no number.
    QTest::addRow("minutes letters") << QByteArray("abc") << QByteArray("0") << QByteArray("Minutes");
    QTest::addRow("minutes blanks") << QByteArray("   ") << QByteArray("0") << QByteArray("Minutes");
    QTest::addRow("minutes 1:30") << QByteArray("1:30") << QByteArray("0") << QByteArray("Minutes");
    QTest::addRow("minutes 1e400") << QByteArray("1e400") << QByteArray("0") << QByteArray("Minutes");
    QTest::addRow("minutes 4a") << QByteArray("4a") << QByteArray("0") << QByteArray("Minutes");
    QTest::addRow("minutes 1 2") << QByteArray("1 2") << QByteArray("0") << QByteArray("Minutes");
    QTest::addRow("minutes empty") << QByteArray("") << QByteArray("30") << QByteArray("Minutes");

    // Seconds that are no number.
    QTest::addRow("seconds letters") << QByteArray("4") << QByteArray("abc") << QByteArray("Seconds");
    QTest::addRow("seconds blanks") << QByteArray("4") << QByteArray("   ") << QByteArray("Seconds");
    QTest::addRow("seconds 1:30") << QByteArray("4") << QByteArray("1:30") << QByteArray("Seconds");
    QTest::addRow("seconds 1e400") << QByteArray("4") << QByteArray("1e400") << QByteArray("Seconds");
    QTest::addRow("seconds nan") << QByteArray("4") << QByteArray("nan") << QByteArray("Seconds");
    QTest::addRow("seconds empty") << QByteArray("4") << QByteArray("") << QByteArray("Seconds");

    // Full-width digits count with their true value.
    QTest::addRow("full-width ４:５９") << QByteArray("４") << QByteArray("５９") << QByteArray("None");
    QTest::addRow("full-width seconds ６０") << QByteArray("4") << QByteArray("６０") << QByteArray("Seconds");
    QTest::addRow("full-width seconds －１") << QByteArray("4") << QByteArray("－１") << QByteArray("Seconds");
    QTest::addRow("full-width minutes －１") << QByteArray("－１") << QByteArray("0") << QByteArray("Minutes");
    QTest::addRow("full-width minutes ２．５") << QByteArray("２．５") << QByteArray("３０．５") << QByteArray("None");
    QTest::addRow("ideographic blanks") << QByteArray("\u3000４") << QByteArray("５\u3000") << QByteArray("None");
    QTest::addRow("ideographic blanks only") << QByteArray("\u3000") << QByteArray("0") << QByteArray("Minutes");
    // clang-format on
}

void TestRowCheck::checkRow()
{
    QFETCH(QByteArray, minutes);
    QFETCH(QByteArray, seconds);
    QFETCH(QByteArray, fault);
    QCOMPARE(faultName(tavelo::checkRow(text(minutes), text(seconds)).fault), fault);
}

// What a passing row counts with, as "minutes:seconds", or "none" when its
// minutes need more than 16 bits.
void TestRowCheck::values_data()
{
    QTest::addColumn<QByteArray>("minutes");
    QTest::addColumn<QByteArray>("seconds");
    QTest::addColumn<QByteArray>("values");
    // clang-format off
    QTest::addRow("plain")               << QByteArray("4")      << QByteArray("59")   << QByteArray("4:59");
    QTest::addRow("halves to even")      << QByteArray("2.5")    << QByteArray("30.5") << QByteArray("2:30");
    QTest::addRow("halves up to even")   << QByteArray("3.5")    << QByteArray("58.5") << QByteArray("4:58");
    QTest::addRow("exponent")            << QByteArray("1e4")    << QByteArray("5.9e1")<< QByteArray("10000:59");
    QTest::addRow("full width")          << QByteArray("３")     << QByteArray("０７") << QByteArray("3:7");
    QTest::addRow("largest minutes")     << QByteArray("32767")  << QByteArray("0")    << QByteArray("32767:0");
    QTest::addRow("32767.5 rounds over") << QByteArray("32767.5")<< QByteArray("0")    << QByteArray("none");
    QTest::addRow("minutes too large")   << QByteArray("1e300")  << QByteArray("0")    << QByteArray("none");
    // clang-format on
}

void TestRowCheck::values()
{
    QFETCH(QByteArray, minutes);
    QFETCH(QByteArray, seconds);
    QFETCH(QByteArray, values);
    const tavelo::CheckedRow row = tavelo::checkRow(text(minutes), text(seconds));
    QCOMPARE(faultName(row.fault), QByteArray("None"));
    const QByteArray shown = row.values ? QByteArray::number(row.values->minutes) + ':' +
                                              QByteArray::number(row.values->seconds)
                                        : QByteArray("none");
    QCOMPARE(shown, values);
}

void TestRowCheck::isBlankRow_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("minutes");
    QTest::addColumn<QByteArray>("seconds");
    QTest::addColumn<bool>("blank");

    QTest::addRow("both empty") << QByteArray("") << QByteArray("") << true;
    QTest::addRow("minutes empty") << QByteArray("") << QByteArray("30") << true;
    QTest::addRow("seconds empty") << QByteArray("4") << QByteArray("") << true;
    QTest::addRow("both filled") << QByteArray("4") << QByteArray("30") << false;
    QTest::addRow("space is not empty") << QByteArray(" ") << QByteArray("30") << false;
    QTest::addRow("spaces in both") << QByteArray(" ") << QByteArray(" ") << false;
    QTest::addRow("ideographic space is not empty") << QByteArray("4") << QByteArray("\u3000") << false;
    // clang-format on
}

void TestRowCheck::isBlankRow()
{
    QFETCH(QByteArray, minutes);
    QFETCH(QByteArray, seconds);
    QFETCH(bool, blank);
    QCOMPARE(tavelo::isBlankRow(text(minutes), text(seconds)), blank);
}

QTEST_APPLESS_MAIN(TestRowCheck)
#include "test_rowcheck.moc"
