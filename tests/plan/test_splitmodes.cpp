// SPDX-License-Identifier: MIT
// The ways of splitting the songs over the sides, the shortest cassette that
// holds them, and the paper of a locale.
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

// "order", "even" or "own5" (own flip after the fifth song).
SplitChoice choiceOf(const QString &mode)
{
    if (mode == QLatin1String("even"))
        return {SplitMode::Even, 0};
    if (mode.startsWith(QLatin1String("own")))
        return {SplitMode::OwnFlip, mode.mid(3).toInt() - 1};
    return {SplitMode::InOrder, 0};
}

QString numbers(const Side &side)
{
    QStringList out;
    for (const int i : side.songs)
        out << QString::number(i + 1);
    return out.join(QLatin1Char(','));
}

}  // namespace

class Test_splitmodes : public QObject {
    Q_OBJECT
private slots:
    void modes_data();
    void modes();
    void cassette_data();
    void cassette();
    void inWords_data();
    void inWords();
    void paper_data();
    void paper();
};

void Test_splitmodes::modes_data()
{
    QTest::addColumn<QString>("times");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("leader");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("sideA");
    QTest::addColumn<QString>("sideB");
    QTest::addColumn<int>("leftA");
    QTest::addColumn<int>("leftB");
    // clang-format off
    QTest::newRow("C46 8x4:00 in order")      << "8*4:0"                 << 1380 << 0  << 0  << "order" << "1,2,3,4,5"       << "6,7,8"           << 180  << 660;
    QTest::newRow("C46 8x4:00 even 16/16")    << "8*4:0"                 << 1380 << 0  << 0  << "even"  << "1,2,3,4"         << "5,6,7,8"         << 420  << 420;
    QTest::newRow("C46 8x4:00 5 s in order")  << "8*4:0"                 << 1380 << 5  << 5  << "order" << "1,2,3,4,5"       << "6,7,8"           << 155  << 645;
    QTest::newRow("C46 8x4:00 5 s even")      << "8*4:0"                 << 1380 << 5  << 5  << "even"  << "1,2,3,4"         << "5,6,7,8"         << 400  << 400;
    QTest::newRow("even: exact tie, earlier") << "5:0 10:0 5:0"          << 1800 << 0  << 0  << "even"  << "1"               << "2,3"             << 1500 << 900;
    QTest::newRow("even: song over half")     << "4:0 20:0 6:0"          << 1800 << 0  << 0  << "even"  << "1,2"             << "3"               << 360  << 1440;
    QTest::newRow("even: least overrun")      << "5:0 35:0 2:0"          << 1800 << 0  << 0  << "even"  << "1"               << "2,3"             << 1500 << -420;
    QTest::newRow("even: one song on A")      << "10:0"                  << 1800 << 0  << 0  << "even"  << "1"               << ""                << 1200 << 1800;
    QTest::newRow("even: 0:00 at flip to B")  << "4:0 0:0 4:0"           << 1800 << 0  << 0  << "even"  << "1"               << "2,3"             << 1560 << 1560;
    QTest::newRow("even: no songs")           << ""                      << 1800 << 0  << 5  << "even"  << ""                << ""                << 1795 << 1795;
    QTest::newRow("even without gaps")        << "5*0:20 1:40"           << 600  << 0  << 0  << "even"  << "1,2,3,4,5"       << "6"               << 500  << 500;
    QTest::newRow("gaps move the even point") << "5*0:20 1:40"           << 600  << 10 << 0  << "even"  << "1,2,3,4"         << "5,6"             << 490  << 470;
    QTest::newRow("leader moves both alike")  << "5*0:20 1:40"           << 600  << 0  << 10 << "even"  << "1,2,3,4,5"       << "6"               << 490  << 490;
    QTest::newRow("in order: all on A")       << "3*10:0"                << 1800 << 0  << 0  << "order" << "1,2,3"           << ""                << 0    << 1800;
    QTest::newRow("own flip at first song")   << "8*4:0"                 << 1380 << 0  << 0  << "own1"  << "1"               << "2,3,4,5,6,7,8"   << 1140 << -300;
    QTest::newRow("own flip at last song")    << "8*4:0"                 << 1380 << 0  << 0  << "own8"  << "1,2,3,4,5,6,7,8" << ""                << -540 << 1380;
    QTest::newRow("own flip past the end")    << "3*4:0"                 << 1380 << 0  << 0  << "own30" << "1,2,3"           << ""                << 660  << 1380;
    QTest::newRow("own flip before the first")<< "3*4:0"                 << 1380 << 0  << 0  << "own-4" << "1"               << "2,3"             << 1140 << 900;
    QTest::newRow("own flip with gaps")       << "8*4:0"                 << 1380 << 5  << 5  << "own6"  << "1,2,3,4,5,6"     << "7,8"             << -90  << 890;
    QTest::newRow("own flip, no songs")       << ""                      << 1380 << 0  << 0  << "own3"  << ""                << ""                << 1380 << 1380;
    // clang-format on
}

void Test_splitmodes::modes()
{
    QFETCH(QString, times);
    QFETCH(int, side);
    QFETCH(int, gap);
    QFETCH(int, leader);
    QFETCH(QString, mode);
    const SidesSplit split = splitBy(songs(times), side, {gap, leader, 0}, choiceOf(mode));
    QTEST(numbers(split.a), "sideA");
    QTEST(numbers(split.b), "sideB");
    QTEST(int(split.a.left), "leftA");
    QTEST(int(split.b.left), "leftB");
}

void Test_splitmodes::cassette_data()
{
    QTest::addColumn<QString>("times");
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("leader");
    QTest::addColumn<int>("extra");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("8x4:00 5 s even")        << "8*4:0"        << 5 << 5 << 0  << "even"  << "C40なら収まります（A面 残り3:40、B面 残り3:40）";
    QTest::newRow("8x4:00 5 s in order")    << "8*4:0"        << 5 << 5 << 0  << "order" << "C40なら収まります（A面 残り3:40、B面 残り3:40）";
    QTest::newRow("8x4:00 5 s flip at 6")   << "8*4:0"        << 5 << 5 << 0  << "own6"  << "C50なら収まります（A面 残り0:30、B面 残り16:50）";
    QTest::newRow("exact fit")              << "20:0 20:0"    << 0 << 0 << 0  << "even"  << "C40なら収まります（A面 残り0:00、B面 残り0:00）";
    QTest::newRow("one second over")        << "20:0 20:1"    << 0 << 0 << 0  << "even"  << "C46なら収まります（A面 残り3:00、B面 残り2:59）";
    QTest::newRow("in order: A full")       << "15:0 10:0 15:0" << 0 << 0 << 0 << "order" << "C50なら収まります（A面 残り0:00、B面 残り10:00）";
    QTest::newRow("even: same tape")        << "15:0 10:0 15:0" << 0 << 0 << 0 << "even"  << "C50なら収まります（A面 残り10:00、B面 残り0:00）";
    QTest::newRow("longest, exactly")       << "60:0 60:0"    << 0 << 0 << 0  << "even"  << "C120なら収まります（A面 残り0:00、B面 残り0:00）";
    QTest::newRow("none fits")              << "60:0 60:1"    << 0 << 0 << 0  << "even"  << "どのカセットにも収まりません（最長のC120でも足りません）";
    QTest::newRow("leader: none fits")      << "60:0"         << 0 << 1 << 0  << "order" << "どのカセットにも収まりません（最長のC120でも足りません）";
    QTest::newRow("without extra")          << "20:0 20:30"   << 0 << 0 << 0  << "even"  << "C46なら収まります（A面 残り3:00、B面 残り2:30）";
    QTest::newRow("extra: shorter enough")  << "20:0 20:30"   << 0 << 0 << 30 << "even"  << "C40なら収まります（A面 残り0:30、B面 残り0:00）";
    QTest::newRow("C100 and C110 tried")    << "52:0"         << 0 << 0 << 0  << "order" << "C110なら収まります（A面 残り3:00、B面 残り55:00）";
    // clang-format on
}

void Test_splitmodes::cassette()
{
    QFETCH(QString, times);
    QFETCH(int, gap);
    QFETCH(int, leader);
    QFETCH(int, extra);
    QFETCH(QString, mode);
    QTEST(cassetteText(shortestCassette(songs(times), {gap, leader, extra}, choiceOf(mode))),
          "text");
}

void Test_splitmodes::inWords_data()
{
    QTest::addColumn<QString>("times");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<int>("gaps");  // gap and leader alike
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("flip");  // or the refusal's text
    QTest::addColumn<QString>("cassette");
    // clang-format off
    QTest::newRow("C46 8x4:00 in order")    << "8*4:0" << "23" << 0 << "order" << "A面の最後は5曲目、B面は6曲目から。" << "C40なら収まります（A面 残り0:00、B面 残り8:00）";
    QTest::newRow("C46 8x4:00 even")        << "8*4:0" << "23" << 0 << "even"  << "A面の最後は4曲目、B面は5曲目から。" << "C40なら収まります（A面 残り4:00、B面 残り4:00）";
    QTest::newRow("C46 8x4:00 5 s even")    << "8*4:0" << "23" << 5 << "even"  << "A面の最後は4曲目、B面は5曲目から。" << "C40なら収まります（A面 残り3:40、B面 残り3:40）";
    QTest::newRow("own flip: all, over")    << "8*4:0" << "23" << 0 << "own8"  << "全曲がA面です（A面の最後は8曲目）。" << "C64なら収まります（A面 残り0:00、B面 残り32:00）";
    QTest::newRow("own flip: all, fitting") << "3*4:0" << "23" << 0 << "own3"  << "全曲がA面に入ります（A面の最後は3曲目）。" << "C40なら収まります（A面 残り8:00、B面 残り20:00）";
    QTest::newRow("no songs")               << ""      << "23" << 0 << "even"  << "計算した曲がありません。" << "";
    QTest::newRow("side length refused")    << "8*4:0" << "x"  << 0 << "even"  << "録音可能時間の入力が間違ってます。" << "";
    // clang-format on
}

void Test_splitmodes::inWords()
{
    QFETCH(QString, times);
    QFETCH(QString, minutes);
    QFETCH(int, gaps);
    QFETCH(QString, mode);
    SidesInputs inputs;
    inputs.sideMinutes = minutes;
    inputs.extras = {gaps, gaps, 0};
    inputs.split = choiceOf(mode);
    const SidesView view = sidesView(songs(times), inputs);
    QTEST(view.refusal ? messageText(*view.refusal) : view.flip, "flip");
    QTEST(view.cassette, "cassette");
}

void Test_splitmodes::paper_data()
{
    QTest::addColumn<QLocale::Territory>("territory");
    QTest::addColumn<QLocale::MeasurementSystem>("measurement");
    QTest::addColumn<QSizeF>("size");
    const QSizeF a4(210, 297), letter(215.9, 279.4);
    // clang-format off
    QTest::newRow("Japan")                 << QLocale::Japan         << QLocale::MetricSystem      << a4;
    QTest::newRow("United States")         << QLocale::UnitedStates  << QLocale::ImperialUSSystem  << letter;
    QTest::newRow("Canada, metric")        << QLocale::Canada        << QLocale::MetricSystem      << letter;
    QTest::newRow("Mexico")                << QLocale::Mexico        << QLocale::MetricSystem      << letter;
    QTest::newRow("Philippines")           << QLocale::Philippines   << QLocale::MetricSystem      << letter;
    QTest::newRow("United Kingdom")        << QLocale::UnitedKingdom << QLocale::ImperialUKSystem  << a4;
    QTest::newRow("Liberia, US units")     << QLocale::Liberia       << QLocale::ImperialUSSystem  << a4;
    QTest::newRow("no country, US units")  << QLocale::AnyTerritory  << QLocale::ImperialUSSystem  << letter;
    QTest::newRow("no country, metric")    << QLocale::AnyTerritory  << QLocale::MetricSystem      << a4;
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
