// SPDX-License-Identifier: MIT
// The song list as text: its form, and the tracklist reader reading it back
// as the lengths the calculation counted.
#include "core/listtext.h"
#include "core/rowcheck.h"
#include "core/timetext.h"
#include "readers/tracklist.h"

#include <QTest>

using namespace tavelo;

namespace {

MainState listed(const QStringList &list, bool totalMode, const QString &minutes,
                 const QString &seconds)
{
    MainState state;
    state.list = list;
    state.totalMode = totalMode;
    state.resultMinutes = minutes;
    state.resultSeconds = seconds;
    return state;
}

}  // namespace

class TestListText : public QObject {
    Q_OBJECT

private slots:
    void form()
    {
        const QStringList list{"4:30", "3:05", "abc", "０:59", "0:00"};
        QCOMPARE(listText(listed(list, false, "2", "25")),
                 QStringLiteral("# 曲の一覧（5曲）\n"
                                "1. [0:00] 4:30\n"
                                "2. [4:30] 3:05\n"
                                "3. [7:35] abc\n"
                                "4. [7:35] 0:59\n"
                                "5. [8:34] 0:00\n"
                                "# テープの残り時間は 2分25秒です。\n"));
        QCOMPARE(listText(listed({"75:00", "1:00"}, true, "76", "0")),
                 QStringLiteral("# 曲の一覧（2曲）\n1. [0:00] 75:00\n2. [75:00] 1:00\n"
                                "# 収録時間の合計は 76分0秒です。\n"));
        QCOMPARE(listText(listed({}, true, "", "")), QStringLiteral("# 曲の一覧（0曲）\n"));
    }

    // Rows as the calculation lists them (the minutes as typed, the seconds in
    // two digits) with the titles a drop gave them, then read back: one song
    // per row, as long as the calculation counted the row, titled as its slot.
    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("rows");  // "minutes|seconds|title"
        // clang-format off
        QTest::newRow("plain")         << QStringList{"4|30", "3|5", "0|0", "12|59"};
        QTest::newRow("full-width")    << QStringList{"４|３０", "１２|０"};
        QTest::newRow("minutes ties")  << QStringList{"4.5|30", "5.5|0", "0.5|0", "2.5|59", "1.5|1"};
        QTest::newRow("numbers")       << QStringList{"4.4|30", "4.6|0", "1e1|7.4", " 3 |0", "-0|0", "1e-400|5"};
        QTest::newRow("largest")       << QStringList{"32767|59", "32767.4|59", "32767|59"};
        QTest::newRow("thirty rows")   << QStringList(30, "9|9");
        QTest::newRow("titles")        << QStringList{"4|30|Song", "3|5|", "5|0|99 Balloons / 4 Band", "2|2|Midnight 24:00"};
        QTest::newRow("title lines")   << QStringList{"4|30|  two\nlines  ", "1|0|［Live］ 歌"};
        // clang-format on
    }
    void roundTrip()
    {
        QFETCH(QStringList, rows);
        MainState state;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QString minutes = rows[i].section(u'|', 0, 0);
            const QString seconds = rows[i].section(u'|', 1, 1);
            state.list << listLine(minutes, seconds);
            state.songs.at(std::size_t(i)) = boxTexts(0, rows[i].section(u'|', 2));
        }
        const auto songs = readTracklist(listText(state));
        QCOMPARE(songs.size(), std::size_t(rows.size()));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const CheckedRow counted =
                checkRow(rows[i].section(u'|', 0, 0), rows[i].section(u'|', 1, 1));
            QVERIFY2(counted.values, qPrintable(rows[i]));
            QCOMPARE(songs.at(i).milliseconds,
                     (qint64{counted.values->minutes} * 60 + counted.values->seconds) * 1000);
            QCOMPARE(songs.at(i).title, rows[i].section(u'|', 2).simplified());
        }
    }
};

QTEST_APPLESS_MAIN(TestListText)
#include "test_listtext.moc"
