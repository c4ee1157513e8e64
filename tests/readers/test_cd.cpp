// SPDX-License-Identifier: MIT
// Audio CDs: track lengths from tables of contents as drives give them,
// titles from CD-TEXT packs, the disc a drop of cdda URLs means, and what a
// drive in trouble gives, with a drive of our own fed recorded bytes.
#include "readers/cddrive.h"
#include "support/fakecd.h"

#include <QTest>

using namespace tavelo;
using fakecd::cdTextBytes;
using fakecd::kEnglish;
using fakecd::kJapanese;
using fakecd::kKorean;
using fakecd::kLatin1;
using fakecd::kMsJis;
using fakecd::tocTable;

Q_DECLARE_METATYPE(tavelo::CdTrouble)

namespace {

// "1:206493 2:234960": each track's number and milliseconds; "refused" for
// no table.
QString describe(const std::optional<std::vector<CdTrack>> &tracks)
{
    if (!tracks)
        return QStringLiteral("refused");
    QStringList items;
    for (const CdTrack &track : *tracks)
        items << QStringLiteral("%1:%2").arg(track.number).arg(track.milliseconds);
    return items.join(u' ');
}

// "0=Album|Band 2=Two|": the tracks with a title or a performer.
QString describe(const CdText &text)
{
    QStringList items;
    for (std::size_t n = 0; n < text.titles.size(); ++n)
        if (!text.titles.at(n).isEmpty() || !text.performers.at(n).isEmpty())
            items
                << QStringLiteral("%1=%2|%3").arg(n).arg(text.titles.at(n), text.performers.at(n));
    return items.join(u' ');
}

QString describe(const std::vector<FoundSong> &songs)
{
    QStringList items;
    for (const FoundSong &song : songs)
        items << QStringLiteral("%1 %2").arg(song.milliseconds).arg(songTitle(song));
    return items.join(QStringLiteral("; "));
}

// The bytes with the hex bytes of "offset:hex ..." written over them.
QByteArray patched(QByteArray bytes, const QString &patches)
{
    for (const QString &patch : patches.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = patch.split(u':');
        const QByteArray value = QByteArray::fromHex(parts[1].toLatin1());
        bytes.replace(parts[0].toInt(), value.size(), value);
    }
    return bytes;
}

// "ready,trayopen" as the statuses a drive gives in turn.
std::vector<DriveStatus> statusesOf(const QString &names)
{
    static const QMap<QString, DriveStatus> kNames{
        {QStringLiteral("ready"), DriveStatus::Ready},
        {QStringLiteral("missing"), DriveStatus::Missing},
        {QStringLiteral("forbidden"), DriveStatus::Forbidden},
        {QStringLiteral("nodisc"), DriveStatus::NoDisc},
        {QStringLiteral("trayopen"), DriveStatus::TrayOpen},
        {QStringLiteral("notready"), DriveStatus::NotReady}};
    std::vector<DriveStatus> statuses;
    for (const QString &name : names.split(u','))
        statuses.push_back(kNames.value(name));
    return statuses;
}

const QByteArray kThreeTracks = tocTable(QStringLiteral("a0 a15487 a33109 |52000"));
const QByteArray kAlbumText = cdTextBytes(
    {{kLatin1, kEnglish, {"Album", "One", "Two", "Three"}, {"Band", "Band", "Guest", "\t"}}});

}  // namespace

class TestCd : public QObject {
    Q_OBJECT

private slots:
    void tracks_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<int>(
            "session");  // where the last session starts; -1: the drive cannot say
        QTest::addColumn<QString>("tracks");
        QStringList even;
        for (int n = 1; n <= 99; ++n)
            even << QStringLiteral("%1:60000").arg(n);
        // clang-format off
        QTest::newRow("plain audio CD")            << kThreeTracks << -1 << "1:206493 2:234960 3:251880";
        QTest::newRow("plain, one session told")   << kThreeTracks << 0 << "1:206493 2:234960 3:251880";
        QTest::newRow("frames to nearest ms")      << tocTable("a0 a1 a3 a40 |78") << 0 << "1:13 2:27 3:493 4:507";
        QTest::newRow("enhanced CD, session told") << tocTable("a0 a20000 d60000 |80000") << 60000 << "1:266667 2:381333";
        QTest::newRow("enhanced CD, no session")   << tocTable("a0 a20000 d60000 |80000") << -1 << "1:266667 2:381333";
        QTest::newRow("data after audio, 1 session") << tocTable("a0 a20000 d60000 |80000") << 0 << "1:266667 2:533333";
        QTest::newRow("mixed mode: data first")    << tocTable("d0 a30000 a50000 |70000") << -1 << "2:266667 3:266667";
        QTest::newRow("data between audio")        << tocTable("a0 d10000 a20000 |30000") << 0 << "1:133333 3:133333";
        QTest::newRow("audio in the last session") << tocTable("a0 a20000 |40000") << 20000 << "1:266667 2:266667";
        QTest::newRow("hidden track one")          << tocTable("a33000 a50000 |70000") << -1 << "1:226667 2:266667";
        QTest::newRow("data only")                 << tocTable("d0 |300000") << 0 << "";
        QTest::newRow("99 tracks")                 << tocTable(fakecd::evenTracks(99, 4500)) << 0 << even.join(u' ');
        QTest::newRow("100 minutes")               << tocTable("a0 |450000") << 0 << "1:6000000";
        QTest::newRow("bytes after the table")     << tocTable("a0 |750") + "\x01\x02\x03" << -1 << "1:10000";
        QTest::newRow("empty")                     << QByteArray() << -1 << "refused";
        QTest::newRow("three bytes")               << QByteArray::fromHex("001201") << -1 << "refused";
        QTest::newRow("no entries")                << QByteArray::fromHex("00020101") << -1 << "refused";
        QTest::newRow("length below 2")            << patched(tocTable("a0 |750"), "0:0001") << -1 << "refused";
        QTest::newRow("cut short")                 << tocTable("a0 |750").chopped(1) << -1 << "refused";
        QTest::newRow("length off the entries")    << patched(tocTable("a0 |750"), "0:0013") + '\0' << -1 << "refused";
        QTest::newRow("first track 0")             << patched(tocTable("a0 |750"), "2:0000 6:00") << -1 << "refused";
        QTest::newRow("track 100")                 << patched(tocTable("a0 |750"), "2:6464 6:64") << -1 << "refused";
        QTest::newRow("first after last")          << QByteArray::fromHex("000a02010010aa0000000064") << -1 << "refused";
        QTest::newRow("entries fewer than tracks") << patched(tocTable("a0 a100 |750"), "3:03") << -1 << "refused";
        QTest::newRow("track numbers skip")        << patched(tocTable("a0 a100 |750"), "14:03") << -1 << "refused";
        QTest::newRow("no lead-out")               << patched(tocTable("a0 a100 |750"), "22:03") << -1 << "refused";
        QTest::newRow("starts equal")              << tocTable("a0 a100 |100") << -1 << "refused";
        QTest::newRow("starts fall")               << tocTable("a0 a100 |50") << -1 << "refused";
        QTest::newRow("negative start")            << patched(tocTable("a0 |750"), "8:ffffff6a") << -1 << "refused";
        QTest::newRow("beyond 100 minutes")        << tocTable("a0 |450001") << -1 << "refused";
        QTest::newRow("session gap over the track") << tocTable("a0 a20000 d25000 |40000") << 25000 << "refused";
        // clang-format on
    }
    void tracks()
    {
        QFETCH(QByteArray, table);
        QFETCH(int, session);
        QFETCH(QString, tracks);
        const CdToc toc{table, session >= 0 ? std::optional<std::int32_t>(session) : std::nullopt};
        QCOMPARE(describe(audioTracks(toc)), tracks);
    }

    // Packs of a published CD-TEXT example and the CRCs given with them.
    void crc_data()
    {
        QTest::addColumn<QByteArray>("pack");
        QTest::addColumn<int>("crc");
        // clang-format off
        QTest::newRow("size info 0") << QByteArray::fromHex("8F002B0001010D030C0C000000000100") << 0x7B3D;
        QTest::newRow("size info 1") << QByteArray::fromHex("8F012C0000000000000012032D000000") << 0xDAB7;
        QTest::newRow("size info 2") << QByteArray::fromHex("8F022D00000000000900000000000000") << 0x6A24;
        // clang-format on
    }
    void crc()
    {
        QFETCH(QByteArray, pack);
        QFETCH(int, crc);
        QCOMPARE(int(cdTextCrc(pack + QByteArray(2, '\0'))), crc);
    }

    void cdText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QByteArray longTitle(40, 'x');
        const QString x40 = QString::fromLatin1(longTitle);
        const QByteArray zeroCrcOfPack1 = patched(kAlbumText, QStringLiteral("38:0000"));
        // clang-format off
        QTest::newRow("album and tracks")       << kAlbumText << "0=Album|Band 1=One|Band 2=Two|Guest 3=Three|Guest";
        QTest::newRow("ISO-8859-1 letters")     << cdTextBytes({{kLatin1, kEnglish, {"Été", "Café", "Über"}, {}}}) << "0=Été| 1=Café| 2=Über|";
        QTest::newRow("title over four packs")  << cdTextBytes({{kLatin1, kEnglish, {"A", x40}, {}}}) << "0=A| 1=" + x40 + "|";
        QTest::newRow("Shift_JIS")              << cdTextBytes({{kMsJis, kJapanese, {"夏の庭", "海へ", "ＡＢＣ"}, {"山田", "\t", "\t"}}}) << "0=夏の庭|山田 1=海へ|山田 2=ＡＢＣ|山田";
        QTest::newRow("Shift_JIS with ASCII")   << cdTextBytes({{kMsJis, kJapanese, {"Live 東京", "Intro"}, {}}}) << "0=Live 東京| 1=Intro|";
        QTest::newRow("broken Shift_JIS")       << patched(cdTextBytes({{kMsJis, kJapanese, {"あい", "う"}, {}}}, false), "9:20") << "1=う|";
        QTest::newRow("bad CRC: its strings go") << patched(kAlbumText, "10:ff") << "0=|Band 1=|Band 2=|Guest 3=Three|Guest";
        QTest::newRow("bad CRC mid-string")     << patched(kAlbumText, "28:ff") << "0=Album|Band 1=One|Band 2=|Guest 3=|Guest";
        QTest::newRow("every CRC zero")         << cdTextBytes({{kLatin1, kEnglish, {"Album", "One"}, {"Band"}}}, false) << "0=Album|Band 1=One|";
        QTest::newRow("one CRC zero")           << zeroCrcOfPack1 << "0=Album|Band 1=One|Band 2=|Guest 3=|Guest";
        QTest::newRow("Japanese block chosen")  << cdTextBytes({{kLatin1, kEnglish, {"Summer"}, {"Yamada"}}, {kMsJis, kJapanese, {"夏"}, {"山田"}}}) << "0=夏|山田";
        QTest::newRow("else the first block")   << cdTextBytes({{kLatin1, kEnglish, {"Summer"}, {}}, {kLatin1, 0x08, {"Sommer"}, {}}}) << "0=Summer|";
        QTest::newRow("Korean gives nothing")   << cdTextBytes({{kKorean, 0x65, {"Album"}, {}}}) << "";
        QTest::newRow("control characters")     << cdTextBytes({{kLatin1, kEnglish, {"A\x01" "B\x7f", " C "}, {}}}) << "0=AB| 1=C|";
        QTest::newRow("length beyond the bytes") << patched(kAlbumText, "0:ffff") << "0=Album|Band 1=One|Band 2=Two|Guest 3=Three|Guest";
        QTest::newRow("length of one pack")     << patched(kAlbumText, "0:0014") << "0=Album| 1=One|";
        QTest::newRow("empty")                  << QByteArray() << "";
        QTest::newRow("header only")            << QByteArray::fromHex("00020000") << "";
        QTest::newRow("half a pack")            << kAlbumText.left(13) << "";
        QTest::newRow("garbage")                << QByteArray("\xff\xff\x00\x00" "0123456789abcdefghijklmnopqrstuvwxyz", 40) << "";
        // clang-format on
    }
    void cdText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(describe(decodeCdText(bytes)), text);
    }

    void request_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QString>("request");  // drive, tracks ("all"), names; "none"
        // clang-format off
        QTest::newRow("the disc")              << QStringList{"cdda://sr0/"} << "sr0 all";
        QTest::newRow("no slash")              << QStringList{"cdda://sr0"} << "sr0 all";
        QTest::newRow("scheme in capitals")    << QStringList{"CDDA://sr1/"} << "sr1 all";
        QTest::newRow("one track")             << QStringList{"cdda://sr0/Track%201.wav"} << "sr0 1 Track 1.wav";
        QTest::newRow("tracks in drop order")  << QStringList{"cdda://sr0/Track%2012.wav", "cdda://sr0/Track%203.wav"} << "sr0 12,3 Track 12.wav,Track 3.wav";
        QTest::newRow("leading zero")          << QStringList{"cdda://sr0/Track%2007.wav"} << "sr0 7 Track 07.wav";
        QTest::newRow("disc and a track")      << QStringList{"cdda://sr0/Track%202.wav", "cdda://sr0/"} << "sr0 all";
        QTest::newRow("another name: the disc") << QStringList{"cdda://sr0/Track%20100.wav"} << "sr0 all";
        QTest::newRow("second drive left out") << QStringList{"cdda://sr0/Track%201.wav", "cdda://sr1/Track%202.wav"} << "sr0 1 Track 1.wav";
        QTest::newRow("files around it")       << QStringList{"file:///tmp/a.flac", "cdda://sr0/"} << "sr0 all";
        QTest::newRow("no cdda URL")           << QStringList{"file:///tmp/a.flac", "http://sr0/Track%201.wav"} << "none";
        QTest::newRow("nothing")               << QStringList{} << "none";
        // clang-format on
    }
    void request()
    {
        QFETCH(QStringList, urls);
        QFETCH(QString, request);
        const std::optional<CdRequest> got = cdRequest(urls);
        QString text = QStringLiteral("none");
        if (got) {
            QStringList tracks;
            for (const int track : got->tracks)
                tracks << QString::number(track);
            text =
                got->drive + u' ' + (tracks.isEmpty() ? QStringLiteral("all") : tracks.join(u','));
            if (!got->names.isEmpty())
                text += u' ' + got->names.join(u',');
        }
        QCOMPARE(text, request);
    }

    // What a drive gives, from its status to the songs, with a drive fed
    // recorded bytes.
    void readDisc_data()
    {
        QTest::addColumn<QString>("statuses");
        QTest::addColumn<QByteArray>("table");  // empty: the drive gives no table
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<int>>("tracks");  // asked for; none: all
        QTest::addColumn<CdTrouble>("trouble");
        QTest::addColumn<QString>("songs");
        QTest::addColumn<QStringList>("unreadable");
        const QByteArray albumOnly =
            cdTextBytes({{kLatin1, kEnglish, {"Album", "One", "Two"}, {"Band"}}});
        const QList<int> all;
        const QStringList none;
        using T = CdTrouble;
        // clang-format off
        QTest::newRow("CD-TEXT titles")      << "ready" << kThreeTracks << kAlbumText << all << T::None << "206493 One / Band; 234960 Two / Guest; 251880 Three / Guest" << none;
        QTest::newRow("album performer")     << "ready" << kThreeTracks << albumOnly << all << T::None << "206493 One / Band; 234960 Two / Band; 251880 " << none;
        QTest::newRow("no CD-TEXT")          << "ready" << kThreeTracks << QByteArray() << all << T::None << "206493 ; 234960 ; 251880 " << none;
        QTest::newRow("tracks asked")        << "ready" << kThreeTracks << kAlbumText << QList<int>{3, 1} << T::None << "251880 Three / Guest; 206493 One / Band" << none;
        QTest::newRow("a data track asked")  << "ready" << tocTable("a0 d10000 a20000 |30000") << QByteArray() << QList<int>{2, 3} << T::None << "133333 " << QStringList{"Track 2.wav"};
        QTest::newRow("beyond the disc")     << "ready" << kThreeTracks << QByteArray() << QList<int>{14} << T::None << "" << QStringList{"Track 14.wav"};
        QTest::newRow("no drive")            << "missing" << kThreeTracks << kAlbumText << all << T::NoDrive << "" << none;
        QTest::newRow("not allowed")         << "forbidden" << kThreeTracks << kAlbumText << all << T::NoPermission << "" << none;
        QTest::newRow("no disc")             << "nodisc" << kThreeTracks << kAlbumText << all << T::NoDisc << "" << none;
        QTest::newRow("tray open")           << "trayopen" << kThreeTracks << kAlbumText << all << T::TrayOpen << "" << none;
        QTest::newRow("not ready")           << "notready" << kThreeTracks << kAlbumText << all << T::NotReady << "" << none;
        QTest::newRow("data disc")           << "ready" << tocTable("d0 |300000") << QByteArray() << all << T::DataDisc << "" << none;
        QTest::newRow("no table given")      << "ready" << QByteArray() << kAlbumText << all << T::Unreadable << "" << none;
        QTest::newRow("garbage table")       << "ready" << QByteArray("\x00\x01", 2) << kAlbumText << all << T::Unreadable << "" << none;
        QTest::newRow("ejected mid-read")    << "ready,trayopen" << kThreeTracks << kAlbumText << all << T::TrayOpen << "" << none;
        QTest::newRow("gone mid-read")       << "ready,nodisc" << QByteArray() << QByteArray() << all << T::NoDisc << "" << none;
        // clang-format on
    }
    void readDisc()
    {
        QFETCH(QString, statuses);
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, text);
        QFETCH(QList<int>, tracks);
        QFETCH(CdTrouble, trouble);
        QFETCH(QString, songs);
        QFETCH(QStringList, unreadable);
        fakecd::Disc disc{statusesOf(statuses), std::nullopt, text};
        if (!table.isEmpty())
            disc.toc = CdToc{table, 0};
        fakecd::FakeDrive drive(disc);
        CdRequest request;
        for (const int track : tracks) {
            request.tracks.push_back(track);
            request.names << QStringLiteral("Track %1.wav").arg(track);
        }
        const CdSongs found = readCd(drive, request);
        QCOMPARE(found.trouble, trouble);
        QCOMPARE(describe(found.songs), songs);
        QCOMPARE(found.unreadable, unreadable);
    }

    // A drive name that is no plain device name is never opened; on this
    // machine without a CD drive every name gives a missing drive.
    void kernelDriveNames_data()
    {
        QTest::addColumn<QString>("name");
        // clang-format off
        QTest::newRow("climbs out")   << "../etc/passwd";
        QTest::newRow("a path")       << "/dev/sr0";
        QTest::newRow("no block dev") << "null";
        QTest::newRow("too long")     << QString(40, u's');
        // clang-format on
    }
    void kernelDriveNames()
    {
        QFETCH(QString, name);
        QCOMPARE(openCdDrive(name)->status(), DriveStatus::Missing);
        QVERIFY(!openCdDrive(name)->toc());
        QCOMPARE(openCdDrive(name)->cdText(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestCd)
#include "test_cd.moc"
