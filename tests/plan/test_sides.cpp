// SPDX-License-Identifier: MIT
#include "plan/sides.h"
#include "support/valuetest.h"

#include <QTest>

#include <map>

using namespace tavelo;

namespace {

// "10:00 31:00" -> songs in slots 0, 1 of those lengths.
std::vector<SideSong> songs(const QByteArray &times)
{
    std::vector<SideSong> out;
    for (const QByteArray &t : times.split(' ')) {
        if (t.isEmpty())
            continue;
        const QList<QByteArray> ms = t.split(':');
        out.push_back({int(out.size()), ms[0].toLongLong() * 60 + ms[1].toLongLong(), {}});
    }
    return out;
}

// Song numbers (1 for the first) of a side, "1,2,3".
QByteArray numbers(const Side &side, const std::vector<SideSong> &all)
{
    QByteArrayList out;
    for (const int i : side.songs)
        out << QByteArray::number(all.at(std::size_t(i)).slot + 1);
    return out.join(',');
}

// "4:30 0:0 x:1" -> a song table with those slots, the rest "0","0".
Slots table(const QByteArray &rows)
{
    Slots out;
    out.fill(zeroTime());
    int i = 0;
    for (const QByteArray &row : rows.split(' ')) {
        if (row.isEmpty())
            continue;
        const int colon = row.indexOf(':');
        out.at(i++) = {valuetest::text(row.left(colon)), valuetest::text(row.mid(colon + 1))};
    }
    return out;
}

}  // namespace

class Test_sides : public QObject {
    Q_OBJECT
private slots:
    void split_data();
    void split();
    void songsOfTheTable_data();
    void songsOfTheTable();
    void view_data();
    void view();
    void titleEdits_data();
    void titleEdits();
};

void Test_sides::split_data()
{
    QTest::addColumn<QByteArray>("times");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("leader");
    QTest::addColumn<int>("extra");
    QTest::addColumn<QByteArray>("sideA");
    QTest::addColumn<QByteArray>("sideB");
    QTest::addColumn<qint64>("leftA");
    QTest::addColumn<qint64>("leftB");
    // clang-format off
    QTest::newRow("no songs")               << QByteArray("")                      << 1800 << 0 << 0 << 0   << QByteArray("")      << QByteArray("")      << 1800ll << 1800ll;
    QTest::newRow("exact fit")              << QByteArray("10:0 10:0 10:0")        << 1800 << 0 << 0 << 0   << QByteArray("1,2,3") << QByteArray("")      << 0ll    << 1800ll;
    QTest::newRow("rollover")               << QByteArray("10:0 15:0 10:0 5:0")    << 1800 << 0 << 0 << 0   << QByteArray("1,2")   << QByteArray("3,4")   << 300ll  << 900ll;
    QTest::newRow("later short song waits") << QByteArray("20:0 15:0 5:0")         << 1800 << 0 << 0 << 0   << QByteArray("1")     << QByteArray("2,3")   << 600ll  << 600ll;
    QTest::newRow("first longer than side") << QByteArray("31:0 5:0")              << 1800 << 0 << 0 << 0   << QByteArray("")      << QByteArray("1,2")   << 1800ll << -360ll;
    QTest::newRow("side B over")            << QByteArray("20:0 20:0 20:0")        << 1800 << 0 << 0 << 0   << QByteArray("1")     << QByteArray("2,3")   << 600ll  << -600ll;
    QTest::newRow("fits without gap")       << QByteArray("10:0 10:0 9:59")        << 1800 << 0 << 0 << 0   << QByteArray("1,2,3") << QByteArray("")      << 1ll    << 1800ll;
    QTest::newRow("gap pushes song to B")   << QByteArray("10:0 10:0 9:59")        << 1800 << 1 << 0 << 0   << QByteArray("1,2")   << QByteArray("3")     << 599ll  << 1201ll;
    QTest::newRow("gaps only between songs")<< QByteArray("10:0 10:0 9:58")        << 1800 << 1 << 0 << 0   << QByteArray("1,2,3") << QByteArray("")      << 0ll    << 1800ll;
    QTest::newRow("leader pushes song to B")<< QByteArray("10:0 10:0 9:59")        << 1800 << 0 << 2 << 0   << QByteArray("1,2")   << QByteArray("3")     << 598ll  << 1199ll;
    QTest::newRow("leader on both sides")   << QByteArray("29:55 29:55")           << 1800 << 4 << 5 << 0   << QByteArray("1")     << QByteArray("2")     << 0ll    << 0ll;
    QTest::newRow("extra takes one more")   << QByteArray("10:0 10:0 10:0 1:15")   << 1800 << 0 << 0 << 75  << QByteArray("1,2,3,4") << QByteArray("")    << 0ll    << 1875ll;
    QTest::newRow("extra clamped to 3 min") << QByteArray("33:01")                 << 1800 << 0 << 0 << 999 << QByteArray("")      << QByteArray("1")     << 1980ll << -1ll;
    QTest::newRow("leader longer than side")<< QByteArray("0:1")                   << 0    << 0 << 5 << 0   << QByteArray("")      << QByteArray("1")     << -5ll   << -6ll;
    QTest::newRow("0:00 song fits anywhere")<< QByteArray("30:0 0:0 1:0")          << 1800 << 0 << 0 << 0   << QByteArray("1,2")   << QByteArray("3")     << 0ll    << 1740ll;
    QTest::newRow("largest values")         << QByteArray("32767:59 32767:59")     << 2147483647 << 10 << 10 << 180 << QByteArray("1,2") << QByteArray("") << 2147483647ll + 180 - 10 - 10 - 2 * 1966079ll << 2147483647ll + 180 - 10;
    // clang-format on
}

void Test_sides::split()
{
    QFETCH(QByteArray, times);
    QFETCH(int, side);
    QFETCH(int, gap);
    QFETCH(int, leader);
    QFETCH(int, extra);
    const std::vector<SideSong> all = songs(times);
    const SidesSplit result = splitSides(all, side, {gap, leader, extra});
    QTEST(numbers(result.a, all), "sideA");
    QTEST(numbers(result.b, all), "sideB");
    QTEST(qint64(result.a.left), "leftA");
    QTEST(qint64(result.b.left), "leftB");
}

void Test_sides::songsOfTheTable_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QByteArray>("expected");  // slot+1 = seconds
    // clang-format off
    QTest::newRow("start: all empty")        << QByteArray(":")                   << QByteArray("");
    QTest::newRow("unused slots dropped")    << QByteArray("4:30 3:45")           << QByteArray("1=270,2=225");
    QTest::newRow("0:00 between kept")       << QByteArray("4:30 0:0 3:45")       << QByteArray("1=270,2=0,3=225");
    QTest::newRow("ends at refused row")     << QByteArray("4:30 x:1 3:45")       << QByteArray("1=270");
    QTest::newRow("ends at bad seconds")     << QByteArray("4:30 1:60 3:45")      << QByteArray("1=270");
    QTest::newRow("ends at 16-bit overflow") << QByteArray("4:30 40000:0 3:45")   << QByteArray("1=270");
    QTest::newRow("ends at blank")           << QByteArray("4:30 :5 3:45")        << QByteArray("1=270");
    QTest::newRow("values as counted")       << QByteArray("2.5:10.5 ３:５")       << QByteArray("1=130,2=185");
    // clang-format on
}

void Test_sides::songsOfTheTable()
{
    QFETCH(QByteArray, rows);
    QByteArrayList got;
    for (const SideSong &song : songsOfTable(table(rows)))
        got << QByteArray::number(song.slot + 1) + '=' + QByteArray::number(song.seconds);
    QTEST(got.join(','), "expected");
}

void Test_sides::view_data()
{
    QTest::addColumn<QByteArray>("times");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("flip");  // or the refusal's text
    QTest::addColumn<QString>("summaryA");
    QTest::addColumn<QString>("summaryB");
    QTest::addColumn<QByteArray>("over");  // the sides that run over: "", "B", "AB"
    // clang-format off
    QTest::newRow("exact fit")      << QByteArray("10:0 10:0 10:0")     << QStringLiteral("30")    << QStringLiteral("全曲がA面に入ります（A面の最後は3曲目）。") << QStringLiteral("合計 30:00　残り 0:00") << QStringLiteral("合計 0:00　残り 30:00") << QByteArray("");
    QTest::newRow("B exactly full") << QByteArray("30:0 30:0")          << QStringLiteral("30")    << QStringLiteral("A面の最後は1曲目、B面は2曲目から。")   << QStringLiteral("合計 30:00　残り 0:00") << QStringLiteral("合計 30:00　残り 0:00") << QByteArray("");
    QTest::newRow("B a second over")<< QByteArray("30:0 30:1")          << QStringLiteral("30")    << QStringLiteral("A面の最後は1曲目、B面は2曲目から。")   << QStringLiteral("合計 30:00　残り 0:00") << QStringLiteral("合計 30:01　0:01 はみ出します") << QByteArray("B");
    QTest::newRow("split")          << QByteArray("10:0 15:0 10:0 5:0") << QStringLiteral("30")    << QStringLiteral("A面の最後は2曲目、B面は3曲目から。")   << QStringLiteral("合計 25:00　残り 5:00") << QStringLiteral("合計 15:00　残り 15:00") << QByteArray("");
    QTest::newRow("B over")         << QByteArray("20:0 20:0 20:10")    << QStringLiteral("30")    << QStringLiteral("A面の最後は1曲目、B面は2曲目から。")   << QStringLiteral("合計 20:00　残り 10:00") << QStringLiteral("合計 40:10　10:10 はみ出します") << QByteArray("B");
    QTest::newRow("all on A")       << QByteArray("1:0")                << QStringLiteral("1.5")   << QStringLiteral("全曲がA面に入ります（A面の最後は1曲目）。") << QStringLiteral("合計 1:00　残り 0:30") << QStringLiteral("合計 0:00　残り 1:30") << QByteArray("");
    QTest::newRow("none on A")      << QByteArray("46:0")               << QStringLiteral("45")    << QStringLiteral("A面に入る曲がありません。全曲がB面です。") << QStringLiteral("合計 0:00　残り 45:00") << QStringLiteral("合計 46:00　1:00 はみ出します") << QByteArray("B");
    QTest::newRow("no songs")       << QByteArray("")                   << QStringLiteral("46")    << QStringLiteral("計算した曲がありません。") << QStringLiteral("合計 0:00　残り 46:00") << QStringLiteral("合計 0:00　残り 46:00") << QByteArray("");
    QTest::newRow("too much left")  << QByteArray("1:0")                << QStringLiteral("1000")  << QStringLiteral("全曲がA面に入ります（A面の最後は1曲目）。") << QStringLiteral("合計 1:00　残り時間が546分59秒を超えるため表示できません。") << QStringLiteral("合計 0:00　残り時間が546分59秒を超えるため表示できません。") << QByteArray("");
    QTest::newRow("total too large")<< QByteArray("32767:0")            << QStringLiteral("30")    << QStringLiteral("A面に入る曲がありません。全曲がB面です。") << QStringLiteral("合計 0:00　残り 30:00") << QStringLiteral("合計時間が546分59秒を超えるため表示できません。　残り時間が546分59秒を超えるため表示できません。") << QByteArray("B");
    QTest::newRow("not a number")   << QByteArray("1:0")                << QStringLiteral("三十")  << QStringLiteral("録音可能時間の入力が間違ってます。") << QString() << QString() << QByteArray("");
    QTest::newRow("empty")          << QByteArray("1:0")                << QString()               << QStringLiteral("録音可能時間の入力が間違ってます。") << QString() << QString() << QByteArray("");
    QTest::newRow("negative")       << QByteArray("1:0")                << QStringLiteral("-1")    << QStringLiteral("録音可能時間の入力が間違ってます。") << QString() << QString() << QByteArray("");
    QTest::newRow("too large")      << QByteArray("1:0")                << QStringLiteral("1e300") << QStringLiteral("録音可能時間が大きすぎます。") << QString() << QString() << QByteArray("");
    QTest::newRow("just too large") << QByteArray("1:0")                << QStringLiteral("35791395") << QStringLiteral("録音可能時間が大きすぎます。") << QString() << QString() << QByteArray("");
    QTest::newRow("full-width")     << QByteArray("1:0")                << QStringLiteral("３０")  << QStringLiteral("全曲がA面に入ります（A面の最後は1曲目）。") << QStringLiteral("合計 1:00　残り 29:00") << QStringLiteral("合計 0:00　残り 30:00") << QByteArray("");
    // clang-format on
}

void Test_sides::view()
{
    QFETCH(QByteArray, times);
    QFETCH(QString, minutes);
    const SidesView v = sidesView(songs(times), {minutes, {}, {}, {}, {}, {}});
    QTEST(v.refusal ? messageText(*v.refusal) : v.flip, "flip");
    QTEST(v.a.summary, "summaryA");
    QTEST(v.b.summary, "summaryB");
    QTEST(QByteArray(v.a.over ? "A" : "") + (v.b.over ? "B" : ""), "over");
}

namespace {

// "0=a 2=" -> slot 0 titled "a", slot 2 untitled.
std::map<int, QString> bySlot(const QString &written)
{
    std::map<int, QString> out;
    for (const QString &entry : written.split(u' ', Qt::SkipEmptyParts))
        out[entry.section(u'=', 0, 0).toInt()] = entry.section(u'=', 1);
    return out;
}

}  // namespace

void Test_sides::titleEdits_data()
{
    QTest::addColumn<QString>("songs");  // each song's slot and own title
    QTest::addColumn<QString>("edits");  // titles typed, by slot
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("no edits")           << QString("0=a 1= 2=c") << QString("")        << QString("0=a 1= 2=c");
    QTest::newRow("edit over a title")  << QString("0=a 1= 2=c") << QString("0=x")     << QString("0=x 1= 2=c");
    QTest::newRow("edit where none")    << QString("0=a 1= 2=c") << QString("1=y")     << QString("0=a 1=y 2=c");
    QTest::newRow("edit to empty")      << QString("0=a 1= 2=c") << QString("2=")      << QString("0=a 1= 2=");
    QTest::newRow("edit of no song")    << QString("0=a 1= 2=c") << QString("7=z -1=z") << QString("0=a 1= 2=c");
    QTest::newRow("by slot, not place") << QString("0=a 2=c")    << QString("1=y 2=z") << QString("0=a 2=z");
    // clang-format on
}

void Test_sides::titleEdits()
{
    QFETCH(QString, songs);
    QFETCH(QString, edits);
    std::vector<SideSong> given;
    for (const auto &[slot, title] : bySlot(songs))
        given.push_back({slot, 60, title});
    QStringList got;
    for (const SideSong &song : withTitleEdits(given, bySlot(edits)))
        got << QString::number(song.slot) + u'=' + song.title;
    QTEST(got.join(u' '), "shown");
}

QTEST_APPLESS_MAIN(Test_sides)
#include "test_sides.moc"
