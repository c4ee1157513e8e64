// SPDX-License-Identifier: MIT
// Song times dropped or pasted onto a screen: which rows they go into, how
// they are rounded, and the note about what could not be read or placed.
#include "calc/placesongs.h"
#include "support/foundtest.h"
#include "support/valuetest.h"

#include <QTest>

using namespace tavelo;
using foundtest::songsFrom;
using valuetest::slotsFrom;

Q_DECLARE_METATYPE(tavelo::ScreenId)
Q_DECLARE_METATYPE(tavelo::CdTrouble)

namespace {

// "r:B:l.csv:2 t::a.cue:07" -> a row B, the second of l.csv, and a track
// without a name, 07 of a.cue ("e" for an entry of a playlist).
std::vector<ListedItem> itemsFrom(const QString &notation)
{
    std::vector<ListedItem> items;
    for (const QString &item : notation.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(u':');
        const auto kind = parts[0] == u"r"   ? ListedItem::Kind::Row
                          : parts[0] == u"t" ? ListedItem::Kind::Track
                                             : ListedItem::Kind::Entry;
        items.push_back({kind, parts.value(1), parts.value(2), parts.value(3)});
    }
    return items;
}

// "2=3|27/Title 3=0|3|the note": the writes in order, each the slot's number
// and its texts in the notation of slots (the title after a slash), then the
// note; "!" in front for a write after the note, a second note, another
// screen or another effect. Filled slots are written as valuetest writes
// them, found songs as the readers' tests do.
QString describe(const Outcome &out, ScreenId screen)
{
    QStringList written;
    QString noted;
    bool fault = false;
    for (const Effect &effect : out) {
        if (const auto *write = std::get_if<WriteSlot>(&effect)) {
            fault = fault || write->screen != screen || !noted.isEmpty();
            written << QStringLiteral("%1=%2|%3")
                               .arg(write->slot)
                               .arg(write->time.minutes, write->time.seconds) +
                           (write->time.title.isEmpty() ? QString() : u'/' + write->time.title);
        } else if (const auto *shown = std::get_if<ShowNote>(&effect)) {
            fault = fault || shown->screen != screen || !noted.isEmpty();
            noted = shown->text;
        } else {
            fault = true;
        }
    }
    return (fault ? QStringLiteral("!") : QString()) + written.join(u' ') + u'|' + noted;
}

}  // namespace

class TestPlaceSongs : public QObject {
    Q_OBJECT

private slots:
    void place_data()
    {
        QTest::addColumn<ScreenId>("screen");
        QTest::addColumn<QString>("filled");
        QTest::addColumn<int>("row");  // -1: dropped outside the rows
        QTest::addColumn<QString>("songs");
        QTest::addColumn<QStringList>("unreadable");
        QTest::addColumn<QStringList>("leftOver");
        QTest::addColumn<QString>("writes");
        QTest::addColumn<QString>("note");
        const QStringList none;
        // clang-format off
        QTest::newRow("row 3 of page 1")      << ScreenId::Entry << "2*4|30 1|1" << 2 << "207000; 2500; 1499" << none << none << "2=3|27 3=0|3 4=0|1" << "";
        QTest::newRow("rounding")             << ScreenId::TotalEntry << "" << 0 << "59500; 4500000; 0; 499; 500; 3723000" << none << none << "0=1|0 1=75|0 2=0|0 3=0|0 4=0|1 5=62|3" << "";
        QTest::newRow("page 2 row")           << ScreenId::Page2 << "15*3|0" << 20 << "60000; 60000" << none << none << "20=1|0 21=1|0" << "";
        QTest::newRow("page 2 overflow")      << ScreenId::TotalPage2 << "" << 28 << "1000 A/; 2000 B/; 3000 C/; 4000" << none << none << "28=0|1/A 29=0|2/B" << "2曲は入りきりませんでした：C、0:04";
        QTest::newRow("hidden carry slot")    << ScreenId::Page2 << "15*| 2*1|0" << 3 << "60000" << none << none << "17=1|0" << "";
        QTest::newRow("correction last row")  << ScreenId::Correction << "" << 14 << "1000; 2000 B/" << none << none << "14=0|1" << "1曲は入りきりませんでした：B";
        QTest::newRow("outside first empty")  << ScreenId::Entry << "2*4|30 4| |5" << -1 << "60000; 120000" << none << none << "4=1|0 5=2|0" << "";
        QTest::newRow("outside page 2")       << ScreenId::TotalPage2 << "15*| 1|0" << -1 << "60000" << none << none << "16=1|0" << "";
        QTest::newRow("outside no room")      << ScreenId::Entry << "15*0|0" << -1 << "1000 A/; 2000 B/" << none << none << "" << "空いている行がないため、2曲は入りませんでした：A、B";
        QTest::newRow("unreadable")           << ScreenId::Entry << "" << 0 << "1000" << QStringList{"a.mp3", "b.txt"} << none << "0=0|1" << "2件を読めませんでした：a.mp3、b.txt";
        QTest::newRow("many unreadable")      << ScreenId::Entry << "" << -1 << "" << QStringList{"a", "b", "c", "d", "e"} << none << "" << "5件を読めませんでした：a、b、c ほか 2件";
        QTest::newRow("left over")            << ScreenId::Entry << "" << 13 << "1000; 2000; 3000" << none << QStringList{"x.mp3", "y.mp3"} << "13=0|1 14=0|2" << "3件は入りきりませんでした：0:03、x.mp3、y.mp3";
        QTest::newRow("both notes")           << ScreenId::Correction << "" << 14 << "1000 A/; 2000 B/" << QStringList{"bad.flac"} << none << "14=0|1/A" << "1件を読めませんでした：bad.flac\n1曲は入りきりませんでした：B";
        QTest::newRow("titles and artists")   << ScreenId::Entry << "" << 0 << "207000 Song/Band; 1000 /Band; 2000 Solo/" << none << none << "0=3|27/Song / Band 1=0|1/Band 2=0|2/Solo" << "";
        QTest::newRow("drop on first row")    << ScreenId::Entry << "2*9|9" << 0 << "60000" << none << none << "0=1|0" << "";
        QTest::newRow("drop on first of p2")  << ScreenId::Page2 << "15*| 2*9|9" << 15 << "60000" << none << none << "15=1|0" << "";
        QTest::newRow("carry slot 15 hidden") << ScreenId::Entry << "9|9" << 15 << "60000" << none << none << "1=1|0" << "";
        QTest::newRow("below page 2 hidden")  << ScreenId::TotalPage2 << "15*| 9|9" << 30 << "60000" << none << none << "16=1|0" << "";
        QTest::newRow("last row of 15")       << ScreenId::Entry << "" << 14 << "1000; 2000" << none << none << "14=0|1" << "1曲は入りきりませんでした：0:02";
        QTest::newRow("note rounds as rows")  << ScreenId::Correction << "" << 14 << "1000; 59500; 119499; 119500" << none << none << "14=0|1" << "3曲は入りきりませんでした：1:00、1:59、2:00";
        QTest::newRow("note names as rows")   << ScreenId::Correction << "" << 14 << "1000; 2000 /Band; 3000 T/B" << none << none << "14=0|1" << "2曲は入りきりませんでした：Band、T / B";
        QTest::newRow("title made one line")  << ScreenId::Entry << "" << 0 << "1000 \ttwo\nlines\r\n/" << none << none << "0=0|1/two lines" << "";
        QTest::newRow("nothing found")        << ScreenId::TotalCorrection << "" << 0 << "" << none << none << "" << "時間が見つかりませんでした。";
        // clang-format on
    }
    void place()
    {
        QFETCH(ScreenId, screen);
        QFETCH(QString, filled);
        QFETCH(int, row);
        QFETCH(QString, songs);
        QFETCH(QStringList, unreadable);
        QFETCH(QStringList, leftOver);
        QFETCH(QString, writes);
        QFETCH(QString, note);
        const Outcome out =
            placeSongs(screen, slotsFrom(filled), row < 0 ? std::nullopt : std::optional<int>(row),
                       {songsFrom(songs), unreadable, leftOver});
        QCOMPARE(describe(out, screen), writes + u'|' + note);
    }

    // Songs from an audio CD are placed as any others; a CD in trouble gives
    // one note of its own and writes nothing.
    void cdSongs_data()
    {
        QTest::addColumn<CdTrouble>("trouble");
        QTest::addColumn<QString>("songs");
        QTest::addColumn<QStringList>("unreadable");
        QTest::addColumn<QString>("writes");
        QTest::addColumn<QString>("note");
        const QStringList none;
        using T = CdTrouble;
        // clang-format off
        QTest::newRow("songs")         << T::None << "206493 One/Band; 234960" << none << "2=3|26/One / Band 3=3|55" << "";
        QTest::newRow("a track not there") << T::None << "" << QStringList{"Track 14.wav"} << "" << "1件を読めませんでした：Track 14.wav";
        QTest::newRow("no drive")      << T::NoDrive << "1000" << none << "" << "CDドライブが見つかりませんでした。";
        QTest::newRow("not allowed")   << T::NoPermission << "" << none << "" << "CDドライブを使う権限がありません。";
        QTest::newRow("no disc")       << T::NoDisc << "" << none << "" << "CDドライブにディスクが入っていません。";
        QTest::newRow("tray open")     << T::TrayOpen << "" << none << "" << "CDドライブのトレイが開いています。";
        QTest::newRow("not ready")     << T::NotReady << "" << none << "" << "CDドライブの準備ができていません。少し待ってから、もう一度お試しください。";
        QTest::newRow("data disc")     << T::DataDisc << "" << none << "" << "このディスクには音楽のトラックがありません。";
        QTest::newRow("unreadable")    << T::Unreadable << "1000" << QStringList{"x"} << "" << "CDを読み込めませんでした。";
        // clang-format on
    }
    void cdSongs()
    {
        QFETCH(CdTrouble, trouble);
        QFETCH(QString, songs);
        QFETCH(QStringList, unreadable);
        QFETCH(QString, writes);
        QFETCH(QString, note);
        const Outcome out =
            placeCdSongs(ScreenId::Entry, {}, 2, trouble, {songsFrom(songs), unreadable, {}});
        QCOMPARE(describe(out, ScreenId::Entry), writes + u'|' + note);
    }

    // What the rows of tables, the tracks of CUE sheets and the entries of
    // playlists left: a line each for files and entries, rows and tracks,
    // in that order, and one for what was left unread; each named by its
    // name, or by its list and its place there.
    void listedNotes_data()
    {
        QTest::addColumn<QString>("unreadable");
        QTest::addColumn<QString>("leftOver");
        QTest::addColumn<QStringList>("withoutLengths");
        QTest::addColumn<QString>("note");
        const QStringList none;
        // clang-format off
        QTest::newRow("rows")              << "r:B:l.csv:2 r::l.csv:5" << "" << none << "2行を読めませんでした：B、l.csv 5行目";
        QTest::newRow("tracks")            << "t:Two:a.cue:02 t::a.cue:07" << "" << none << "2トラックを読めませんでした：Two、a.cue トラック07";
        QTest::newRow("no length column")  << "e::p.xspf:3" << "" << QStringList{"l.csv"} << "2件を読めませんでした：l.csv（長さの列がありません）、p.xspf 3曲目";
        QTest::newRow("a line each")       << "t:T:a.cue:1 r:R:l.csv:1 e:E:p.pls:1" << "" << none << "1件を読めませんでした：E\n1行を読めませんでした：R\n1トラックを読めませんでした：T";
        QTest::newRow("left unread")       << "" << "t:T3:a.cue:03 r::l.csv:16" << none << "2件は入りきりませんでした：T3、l.csv 16行目";
        QTest::newRow("names cut to 40")   << "r:" + QString(41, u'x') + ":l.csv:1 r:" + QString(40, u'y') + ":l.csv:2" << "" << none << "2行を読めませんでした：" + QString(39, u'x') + "…、" + QString(40, u'y');
        // clang-format on
    }
    void listedNotes()
    {
        QFETCH(QString, unreadable);
        QFETCH(QString, leftOver);
        QFETCH(QStringList, withoutLengths);
        QFETCH(QString, note);
        DroppedSongs found;
        found.unreadableItems = itemsFrom(unreadable);
        found.leftOverItems = itemsFrom(leftOver);
        found.withoutLengths = withoutLengths;
        QCOMPARE(describe(placeSongs(ScreenId::Entry, {}, 0, found), ScreenId::Entry), u'|' + note);
    }

    // A title of a megabyte (a broken tag) is cut to a title's length in the
    // row, and to a name's in the note.
    void longTitleClipped()
    {
        const QString huge(1 << 20, u'a');
        const Outcome out =
            placeSongs(ScreenId::Entry, {}, 14, {{{1000, huge, {}}, {2000, huge, {}}}, {}, {}});
        QCOMPARE(out.size(), std::size_t(2));
        QCOMPARE(std::get<WriteSlot>(out.at(0)).time.title, QString(199, u'a') + QChar(0x2026));
        QVERIFY(std::get<ShowNote>(out.at(1)).text.endsWith(QString(39, u'a') + QChar(0x2026)));
    }
};

QTEST_APPLESS_MAIN(TestPlaceSongs)
#include "test_placesongs.moc"
