// SPDX-License-Identifier: MIT
// The song list as text: its form, and the tracklist reader reading it back
// as the same times.
#include "core/listtext.h"
#include "core/timemath.h"
#include "readers/tracklist.h"

#include <QTest>

using namespace tavelo;

class TestListText : public QObject {
    Q_OBJECT

private slots:
    void form()
    {
        const QStringList list{"4:30", "3:05", "abc", "０:59", "0:00"};
        QCOMPARE(listText(list, {}, false, "2", "25"),
                 QStringLiteral("# 曲の一覧（5曲）\n"
                                "1. [0:00] 4:30\n"
                                "2. [4:30] 3:05\n"
                                "3. [7:35] abc\n"
                                "4. [7:35] 0:59\n"
                                "5. [8:34] 0:00\n"
                                "# テープの残り時間は 2分25秒です。\n"));
        QCOMPARE(listText({"75:00", "1:00"}, {}, true, "76", "0"),
                 QStringLiteral("# 曲の一覧（2曲）\n1. [0:00] 75:00\n2. [75:00] 1:00\n"
                                "# 収録時間の合計は 76分0秒です。\n"));
        QCOMPARE(listText({}, {}, true, "", ""), QStringLiteral("# 曲の一覧（0曲）\n"));
    }

    // Rows as the calculation lists them (the minutes as typed, the seconds in
    // two digits), then read back: one song per row, of the row's length.
    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("rows");  // "minutes|seconds|title"
        // clang-format off
        QTest::newRow("plain")       << QStringList{"4|30", "3|5", "0|0", "12|59"};
        QTest::newRow("full-width")  << QStringList{"４|３０", "１２|０"};
        QTest::newRow("numbers")     << QStringList{"4.5|30", "5.5|0", "1e1|7.4", " 3 |0", "-0|0"};
        QTest::newRow("largest")     << QStringList{"32767|59", "32767|59"};
        QTest::newRow("thirty rows") << QStringList(30, "9|9");
        QTest::newRow("titles")      << QStringList{"4|30|Song", "3|5|", "5|0|99 Balloons / 4 Band", "2|2|Midnight 24:00"};
        QTest::newRow("title lines") << QStringList{"4|30|  two\nlines  ", "1|0|［Live］ 歌"};
        // clang-format on
    }
    void roundTrip()
    {
        QFETCH(QStringList, rows);
        QStringList list, titles;
        for (const QString &row : rows) {
            list << listLine(row.section(u'|', 0, 0), row.section(u'|', 1, 1));
            titles << row.section(u'|', 2);
        }
        const auto songs = readTracklist(listText(list, titles, false, "1", "0"));
        QCOMPARE(songs.size(), std::size_t(list.size()));
        for (qsizetype i = 0; i < list.size(); ++i) {
            const auto seconds = listLineSeconds(list.at(i));
            QVERIFY2(seconds, qPrintable(list.at(i)));
            QCOMPARE(songs.at(i).milliseconds, *seconds * 1000);
            QCOMPARE(songs.at(i).title, titles.at(i).simplified());
        }
    }
};

QTEST_APPLESS_MAIN(TestListText)
#include "test_listtext.moc"
