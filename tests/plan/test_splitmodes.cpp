// SPDX-License-Identifier: MIT
// The ways of splitting the songs over the sides, the shortest cassette that
// holds them, and the paper of a locale.
#include "core/timetext.h"
#include "plan/cassette.h"
#include "plan/paper.h"
#include "plan/splitmodes.h"
#include "support/valuetest.h"

#include <QTest>

using namespace tavelo;

namespace {

// "8*4:0 10:0" -> songs in slots 0.. of those lengths.
std::vector<SideSong> songs(const QString &times)
{
    std::vector<SideSong> out;
    for (const QString &t : valuetest::rows(times)) {
        const QStringList ms = t.split(QLatin1Char(':'));
        out.push_back({int(out.size()), ms[0].toLongLong() * 60 + ms[1].toLongLong(), {}});
    }
    return out;
}

// "order", "even" or "own5" (the user's flip after the fifth song).
SplitChoice choiceOf(const QString &mode)
{
    if (mode == QLatin1String("even"))
        return {SplitMode::Even, 0};
    if (mode.startsWith(QLatin1String("own")))
        return {SplitMode::OwnFlip, mode.mid(3).toInt() - 1};
    return {SplitMode::InOrder, 0};
}

}  // namespace

class Test_splitmodes : public QObject {
    Q_OBJECT
private slots:
    void modes_data();
    void modes();
    void cassette_data();
    void cassette();
    void paper_data();
    void paper();
};

// Side A takes the first `onA` songs, side B the rest; what each side uses
// counts its leader and the gaps between its songs.
void Test_splitmodes::modes_data()
{
    QTest::addColumn<QString>("times");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("gaps");  // gap and leader, seconds
    QTest::addColumn<int>("leader");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("onA");
    QTest::addColumn<QString>("used");  // side A / side B
    // clang-format off
    QTest::newRow("C46 8x4:00 in order: A ends at 5") << "8*4:0"        << 1380 << 0  << 0  << "order" << 5 << "20:00 / 12:00";
    QTest::newRow("C46 8x4:00 even: A ends at 4")     << "8*4:0"        << 1380 << 0  << 0  << "even"  << 4 << "16:00 / 16:00";
    QTest::newRow("C46 8x4:00 5 s in order")          << "8*4:0"        << 1380 << 5  << 5  << "order" << 5 << "20:25 / 12:15";
    QTest::newRow("C46 8x4:00 5 s even")              << "8*4:0"        << 1380 << 5  << 5  << "even"  << 4 << "16:20 / 16:20";
    QTest::newRow("even: exact tie, earlier flip")    << "5:0 10:0 5:0" << 1800 << 0  << 0  << "even"  << 1 << "5:00 / 15:00";
    QTest::newRow("even: song over half the side")    << "4:0 20:0 6:0" << 1800 << 0  << 0  << "even"  << 2 << "24:00 / 6:00";
    QTest::newRow("even: none fits, least overrun")   << "5:0 35:0 2:0" << 1800 << 0  << 0  << "even"  << 1 << "5:00 / 37:00";
    QTest::newRow("even: one song, on A")             << "10:0"         << 1800 << 0  << 0  << "even"  << 1 << "10:00 / 0:00";
    QTest::newRow("even: no songs, leaders only")     << ""             << 1800 << 0  << 5  << "even"  << 0 << "0:05 / 0:05";
    QTest::newRow("in order: every song on A")        << "3*10:0"       << 1800 << 0  << 0  << "order" << 3 << "30:00 / 0:00";
    QTest::newRow("even without gaps")                << "5*0:20 1:40"  << 600  << 0  << 0  << "even"  << 5 << "1:40 / 1:40";
    QTest::newRow("gaps move the even point")         << "5*0:20 1:40"  << 600  << 10 << 0  << "even"  << 4 << "1:50 / 2:10";
    QTest::newRow("leader moves both sides alike")    << "5*0:20 1:40"  << 600  << 0  << 10 << "even"  << 5 << "1:50 / 1:50";
    QTest::newRow("own flip at the first song")       << "8*4:0"        << 1380 << 0  << 0  << "own1"  << 1 << "4:00 / 28:00";
    QTest::newRow("own flip at the last song")        << "8*4:0"        << 1380 << 0  << 0  << "own8"  << 8 << "32:00 / 0:00";
    QTest::newRow("own flip past the last song")      << "3*4:0"        << 1380 << 0  << 0  << "own30" << 3 << "12:00 / 0:00";
    QTest::newRow("own flip before the first song")   << "3*4:0"        << 1380 << 0  << 0  << "own-4" << 1 << "4:00 / 8:00";
    // clang-format on
}

void Test_splitmodes::modes()
{
    QFETCH(QString, times);
    QFETCH(int, side);
    QFETCH(int, gaps);
    QFETCH(int, leader);
    QFETCH(QString, mode);
    const std::vector<SideSong> list = songs(times);
    const SidesSplit split = splitBy(list, side, {gaps, leader, 0}, choiceOf(mode));
    QTEST(int(split.a.songs.size()), "onA");
    QCOMPARE(split.a.songs.size() + split.b.songs.size(), list.size());
    QTEST(clockText(split.a.used) + QStringLiteral(" / ") + clockText(split.b.used), "used");
    QCOMPARE(split.a.left, side - split.a.used);
    QCOMPARE(split.b.left, side - split.b.used);
}

void Test_splitmodes::cassette_data()
{
    QTest::addColumn<QString>("times");
    QTest::addColumn<int>("gaps");  // gap and leader alike
    QTest::addColumn<int>("extra");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("8x4:00, 5 s gaps and leader, even")  << "8*4:0"      << 5 << 0  << "even"  << "C40なら収まります（A面 残り3:40、B面 残り3:40）";
    QTest::newRow("8x4:00, 5 s gaps and leader, order") << "8*4:0"      << 5 << 0  << "order" << "C40なら収まります（A面 残り3:40、B面 残り3:40）";
    QTest::newRow("8x4:00, 5 s, own flip at 6")         << "8*4:0"      << 5 << 0  << "own6"  << "C50なら収まります（A面 残り0:30、B面 残り16:50）";
    QTest::newRow("exact fit")                          << "20:0 20:0"  << 0 << 0  << "even"  << "C40なら収まります（A面 残り0:00、B面 残り0:00）";
    QTest::newRow("one second over")                    << "20:0 20:1"  << 0 << 0  << "even"  << "C46なら収まります（A面 残り3:00、B面 残り2:59）";
    QTest::newRow("extra length: a shorter tape")       << "20:0 20:30" << 0 << 30 << "even"  << "C40なら収まります（A面 残り0:30、B面 残り0:00）";
    QTest::newRow("C110, between C100 and C120")        << "52:0"       << 0 << 0  << "order" << "C110なら収まります（A面 残り3:00、B面 残り55:00）";
    QTest::newRow("none fits")                          << "60:0 60:1"  << 0 << 0  << "even"  << "どのカセットにも収まりません（最長のC120でも足りません）";
    // clang-format on
}

void Test_splitmodes::cassette()
{
    QFETCH(QString, times);
    QFETCH(int, gaps);
    QFETCH(int, extra);
    QFETCH(QString, mode);
    QTEST(cassetteText(shortestCassette(songs(times), {gaps, gaps, extra}, choiceOf(mode))),
          "text");
}

void Test_splitmodes::paper_data()
{
    QTest::addColumn<QLocale::Territory>("territory");
    QTest::addColumn<QLocale::MeasurementSystem>("measurement");
    QTest::addColumn<QSizeF>("size");
    const QSizeF a4(210, 297), letter(215.9, 279.4);
    // clang-format off
    QTest::newRow("Japan")                << QLocale::Japan        << QLocale::MetricSystem     << a4;
    QTest::newRow("United States")        << QLocale::UnitedStates << QLocale::ImperialUSSystem << letter;
    QTest::newRow("Canada, metric")       << QLocale::Canada       << QLocale::MetricSystem     << letter;
    QTest::newRow("Liberia, US units")    << QLocale::Liberia      << QLocale::ImperialUSSystem << a4;
    QTest::newRow("no country, US units") << QLocale::AnyTerritory << QLocale::ImperialUSSystem << letter;
    // clang-format on
}

void Test_splitmodes::paper()
{
    QFETCH(QLocale::Territory, territory);
    QFETCH(QLocale::MeasurementSystem, measurement);
    QTEST(paperSize(paperOfLocale(territory, measurement)), "size");
}

QTEST_APPLESS_MAIN(Test_splitmodes)
#include "test_splitmodes.moc"
