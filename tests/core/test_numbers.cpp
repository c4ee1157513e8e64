// SPDX-License-Identifier: MIT
#include "core/numbers.h"
#include "support/valuetest.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <string>

using namespace tavelo;
using valuetest::compareOptional;
using valuetest::text;

namespace {

// Exact comparison of doubles: the readings must give the nearest double, not
// something close to it.
bool sameValue(double actual, double expected) { return actual == expected; }

QByteArray repeated(char c, int count) { return QByteArray(count, c); }

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void asciiForm_data();
    void asciiForm();
    void strictNumber_data();
    void strictNumber();
    void roundToInt16_data();
    void roundToInt16();
    void roundToInt32_data();
    void roundToInt32();
};

void TestConversion::asciiForm_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    // Everything beyond ASCII that is not a full-width part of a number
    // becomes DEL, one for each UTF-16 unit, so it can never pass for a digit.
    QTest::addRow("ascii unchanged") << QByteArray("12.5e-3 abc") << QByteArray("12.5e-3 abc");
    QTest::addRow("full-width digits") << QByteArray("０１２３４５６７８９") << QByteArray("0123456789");
    QTest::addRow("full-width signs and point") << QByteArray("＋－．") << QByteArray("+-.");
    QTest::addRow("minus sign U+2212") << QByteArray("\u2212" "5") << QByteArray("-5");
    QTest::addRow("full-width exponent letters") << QByteArray("１ｅ２１Ｅ２") << QByteArray("1e21E2");
    QTest::addRow("ideographic space") << QByteArray("\u3000５\u3000") << QByteArray(" 5 ");
    QTest::addRow("other full-width letters") << QByteArray("ａｂｃ") << QByteArray("\x7f\x7f\x7f");
    QTest::addRow("kana") << QByteArray("ごふん") << QByteArray("\x7f\x7f\x7f");
    QTest::addRow("emoji, two units") << QByteArray("5\U0001F3B5") << QByteArray("5\x7f\x7f");
    QTest::addRow("arabic-indic digit") << QByteArray("\u0665") << QByteArray("\x7f");
    QTest::addRow("empty") << QByteArray() << QByteArray();
    // clang-format on
}

void TestConversion::asciiForm()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(tavelo::asciiForm(text(input))), expected);
}

void TestConversion::strictNumber_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<double>("value");

    // Plain numbers.
    QTest::addRow("59") << QByteArray("59") << true << 59.0;
    QTest::addRow("0") << QByteArray("0") << true << 0.0;
    QTest::addRow("-1") << QByteArray("-1") << true << -1.0;
    QTest::addRow("-0.5") << QByteArray("-0.5") << true << -0.5;
    QTest::addRow("200") << QByteArray("200") << true << 200.0;
    QTest::addRow("+5") << QByteArray("+5") << true << 5.0;
    QTest::addRow("-0") << QByteArray("-0") << true << 0.0;
    QTest::addRow("05") << QByteArray("05") << true << 5.0;
    QTest::addRow("5.") << QByteArray("5.") << true << 5.0;
    QTest::addRow(".5") << QByteArray(".5") << true << 0.5;
    QTest::addRow("-.5") << QByteArray("-.5") << true << -0.5;
    QTest::addRow("30.5") << QByteArray("30.5") << true << 30.5;
    QTest::addRow("1e2") << QByteArray("1e2") << true << 100.0;
    QTest::addRow("1E-1") << QByteArray("1E-1") << true << 0.1;
    QTest::addRow("2.5e+1") << QByteArray("2.5e+1") << true << 25.0;
    QTest::addRow("1e-400 underflows to 0") << QByteArray("1e-400") << true << 0.0;
    QTest::addRow("0e99999 is 0") << QByteArray("0e99999") << true << 0.0;

    // Blanks around the number.
    QTest::addRow("spaces around") << QByteArray(" 5 ") << true << 5.0;
    QTest::addRow("leading tab") << QByteArray("\t5") << true << 5.0;
    QTest::addRow("ideographic spaces around") << QByteArray("\u3000５\u3000") << true << 5.0;

    // Full-width forms count as their ASCII twins.
    QTest::addRow("full-width 59") << QByteArray("５９") << true << 59.0;
    QTest::addRow("full-width -1") << QByteArray("－１") << true << -1.0;
    QTest::addRow("full-width +5") << QByteArray("＋５") << true << 5.0;
    QTest::addRow("full-width 4.5") << QByteArray("４．５") << true << 4.5;
    QTest::addRow("full-width 1e2") << QByteArray("１ｅ２") << true << 100.0;
    QTest::addRow("mixed widths 6０") << QByteArray("6０") << true << 60.0;

    // Long texts.
    QTest::addRow("400 leading zeros") << (repeated('0', 400) + "5") << true << 5.0;
    QTest::addRow("long fraction 1e-31") << ("0." + repeated('0', 30) + "1") << true << 1e-31;
    QTest::addRow("long fraction below double") << ("0." + repeated('0', 400) + "1") << true << 0.0;
    QTest::addRow("long fraction with large exponent") << ("0." + repeated('0', 399) + "1e400") << true << 1.0;
    QTest::addRow("400 digits with negative exponent") << ("1" + repeated('0', 400) + "e-399") << true << 10.0;
    QTest::addRow("400 digits with exponent below double") << ("1" + repeated('0', 400) + "e-800") << true << 0.0;
    QTest::addRow("400 nines after 59. reach 60") << ("59." + repeated('9', 400)) << true << 60.0;

    // Not one number.
    QTest::addRow("empty") << QByteArray("") << false << 0.0;
    QTest::addRow("blanks only") << QByteArray("   ") << false << 0.0;
    QTest::addRow("ideographic space only") << QByteArray("\u3000") << false << 0.0;
    QTest::addRow("abc") << QByteArray("abc") << false << 0.0;
    QTest::addRow("1:30") << QByteArray("1:30") << false << 0.0;
    QTest::addRow("5a") << QByteArray("5a") << false << 0.0;
    QTest::addRow("a5") << QByteArray("a5") << false << 0.0;
    QTest::addRow("1,000") << QByteArray("1,000") << false << 0.0;
    QTest::addRow("1 2") << QByteArray("1 2") << false << 0.0;
    QTest::addRow("- 5") << QByteArray("- 5") << false << 0.0;
    QTest::addRow("5 .") << QByteArray("5 .") << false << 0.0;
    QTest::addRow("--5") << QByteArray("--5") << false << 0.0;
    QTest::addRow("lone point") << QByteArray(".") << false << 0.0;
    QTest::addRow("lone sign") << QByteArray("-") << false << 0.0;
    QTest::addRow("1.2.3") << QByteArray("1.2.3") << false << 0.0;
    QTest::addRow("5e without digits") << QByteArray("5e") << false << 0.0;
    QTest::addRow("5e+ without digits") << QByteArray("5e+") << false << 0.0;
    QTest::addRow("1 e2") << QByteArray("1 e2") << false << 0.0;
    QTest::addRow("0x10") << QByteArray("0x10") << false << 0.0;
    QTest::addRow("inf") << QByteArray("inf") << false << 0.0;
    QTest::addRow("nan") << QByteArray("nan") << false << 0.0;
    QTest::addRow("Infinity") << QByteArray("Infinity") << false << 0.0;
    QTest::addRow("line feed after") << QByteArray("5\n") << false << 0.0;
    QTest::addRow("NUL after") << QByteArray("5\0", 2) << false << 0.0;
    QTest::addRow("emoji") << QByteArray("\U0001F3B5") << false << 0.0;
    QTest::addRow("digit and emoji") << QByteArray("5\U0001F3B5") << false << 0.0;
    QTest::addRow("arabic-indic 5") << QByteArray("\u0665") << false << 0.0;
    QTest::addRow("full-width letters") << QByteArray("ａｂｃ") << false << 0.0;

    // Beyond a double.
    QTest::addRow("1e400") << QByteArray("1e400") << false << 0.0;
    QTest::addRow("-1e400") << QByteArray("-1e400") << false << 0.0;
    QTest::addRow("400 digits") << ("1" + repeated('0', 399)) << false << 0.0;
    QTest::addRow("0.001e400") << QByteArray("0.001e400") << false << 0.0;
    QTest::addRow("long fraction with exponent beyond double") << ("0." + repeated('0', 399) + "1e709") << false << 0.0;
    QTest::addRow("huge exponent") << QByteArray("1e99999999999999999999") << false << 0.0;
    // clang-format on
}

void TestConversion::strictNumber()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, converts);
    QFETCH(double, value);

    const auto actual = tavelo::strictNumber(text(input));
    QCOMPARE(actual.has_value(), converts);
    if (converts)
        QVERIFY2(
            sameValue(*actual, value),
            qPrintable(
                QString("got %1, expected %2").arg(*actual, 0, 'g', 17).arg(value, 0, 'g', 17)));
}

void TestConversion::roundToInt16_data()
{
    QTest::addColumn<double>("input");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("value");

    QTest::addRow("0.5") << 0.5 << true << 0;
    QTest::addRow("1.5") << 1.5 << true << 2;
    QTest::addRow("2.5") << 2.5 << true << 2;
    QTest::addRow("3.5") << 3.5 << true << 4;
    QTest::addRow("2.5000001") << 2.5000001 << true << 3;
    QTest::addRow("-0.5") << -0.5 << true << 0;
    QTest::addRow("-1.5") << -1.5 << true << -2;
    QTest::addRow("-2.5") << -2.5 << true << -2;
    QTest::addRow("32767") << 32767.0 << true << 32767;
    QTest::addRow("32767.5") << 32767.5 << false << 0;
    QTest::addRow("-32768") << -32768.0 << true << -32768;
    QTest::addRow("-32768.5") << -32768.5 << true << -32768;
    QTest::addRow("-32769") << -32769.0 << false << 0;
    QTest::addRow("1e300") << 1e300 << false << 0;
    QTest::addRow("inf") << kInf << false << 0;
    QTest::addRow("-inf") << -kInf << false << 0;
    QTest::addRow("nan") << kNaN << false << 0;
}

void TestConversion::roundToInt16()
{
    QFETCH(double, input);
    QFETCH(bool, fits);
    QFETCH(int, value);
    compareOptional(tavelo::roundToInt16(input), fits, value);
}

void TestConversion::roundToInt32_data()
{
    QTest::addColumn<double>("input");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<qint64>("value");

    QTest::addRow("22.5") << 22.5 << true << qint64(22);
    QTest::addRow("23.5") << 23.5 << true << qint64(24);
    QTest::addRow("-22.5") << -22.5 << true << qint64(-22);
    QTest::addRow("max") << 2147483647.0 << true << qint64(2147483647);
    QTest::addRow("max + 0.4") << 2147483647.4 << true << qint64(2147483647);
    QTest::addRow("max + 0.5 rounds up to even") << 2147483647.5 << false << qint64(0);
    QTest::addRow("max - 0.5 rounds down to even") << 2147483646.5 << true << qint64(2147483646);
    QTest::addRow("max + 1") << 2147483648.0 << false << qint64(0);
    QTest::addRow("min") << -2147483648.0 << true << qint64(-2147483648LL);
    QTest::addRow("min - 0.5 rounds to even min") << -2147483648.5 << true << qint64(-2147483648LL);
    QTest::addRow("min - 0.6") << -2147483648.6 << false << qint64(0);
    QTest::addRow("min - 1") << -2147483649.0 << false << qint64(0);
    QTest::addRow("1e300") << 1e300 << false << qint64(0);
    QTest::addRow("inf") << kInf << false << qint64(0);
    QTest::addRow("-inf") << -kInf << false << qint64(0);
    QTest::addRow("nan") << kNaN << false << qint64(0);
}

void TestConversion::roundToInt32()
{
    QFETCH(double, input);
    QFETCH(bool, fits);
    QFETCH(qint64, value);
    compareOptional(tavelo::roundToInt32(input), fits, value);
}

QTEST_APPLESS_MAIN(TestConversion)
#include "test_numbers.moc"
