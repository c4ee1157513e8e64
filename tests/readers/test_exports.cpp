// SPDX-License-Identifier: MIT
// The readers of exported playlists and CUE sheets, over bytes: CSV and TSV
// exports, PLS, XSPF, the music app's XML export, and CUE sheets with the
// lengths of their files given.
#include "readers/csvexport.h"
#include "readers/cue.h"
#include "readers/musicxml.h"
#include "readers/pls.h"
#include "readers/textcodec.h"
#include "readers/xspf.h"
#include "support/foundtest.h"

#include <QElapsedTimer>
#include <QTest>

using namespace tavelo;

namespace {

using foundtest::describe;

QString describe(const PlaylistRead &read)
{
    return describe(read.entries) + (read.broken ? QStringLiteral(" [broken]") : QString());
}

QString describe(const std::vector<CueSong> &songs)
{
    std::vector<FoundSong> found;
    for (const CueSong &s : songs)
        found.push_back(s.song);
    return describe(found);
}

QString decoded(const QByteArray &bytes, TextRules rules = kListText)
{
    return decodeText(bytes, rules).value_or(QString());
}

const QByteArray kLaughs =
    "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n <!ENTITY lol \"lol\">\n"
    " <!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
    " <!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">\n"
    " <!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n"
    " <!ENTITY lol9 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">\n]>\n";

QByteArray xspfOf(const QByteArray &tracks)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playlist version=\"1\" "
           "xmlns=\"http://xspf.org/ns/0/\"><trackList>" +
           tracks + "</trackList></playlist>";
}

QByteArray track(const QByteArray &fields) { return "<track>" + fields + "</track>"; }

// A music app export: the tracks by ID, then the playlists.
QByteArray plistOf(const QByteArray &tracks, const QByteArray &playlists)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD "
           "PLIST "
           "1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">"
           "<dict><key>Major Version</key><integer>1</integer><key>Tracks</key><dict>" +
           tracks + "</dict>" + playlists + "</dict></plist>";
}

QByteArray plistTrack(int id, const QByteArray &fields)
{
    const QByteArray n = QByteArray::number(id);
    return "<key>" + n + "</key><dict><key>Track ID</key><integer>" + n +
           "</integer><key>Play Count</key><integer>3</integer>" + fields + "</dict>";
}

QByteArray items(const QList<int> &ids)
{
    QByteArray list = "<key>Playlists</key><array><dict><key>Name</key><string>Mix</string>"
                      "<key>Playlist Items</key><array>";
    for (int id : ids)
        list += "<dict><key>Track ID</key><integer>" + QByteArray::number(id) + "</integer></dict>";
    return list + "</array></dict></array>";
}

const QByteArray kTwo =
    plistTrack(7, "<key>Name</key><string>Song</string><key>Artist</key>"
                  "<string>Band</string><key>Total Time</key><integer>207466</integer>"
                  "<key>Location</key><string>file://localhost/m/a%20b.m4a</string>") +
    plistTrack(9, "<key>Name</key><string>B</string><key>Total Time</key>"
                  "<integer>1000</integer>");

}  // namespace

class TestExports : public QObject {
    Q_OBJECT

private slots:
    void table_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("kind");  // 0: no table, 1: no length column, 2: lengths
        // clang-format off
        QTest::newRow("quoted japanese")   << QByteArray("\"トラック名\",\"アーティスト名\",\"トラックの長さ（ミリ秒）\"\n\"雨\",\"歌手\",\"207466\"\n") << "207466 雨/歌手" << 2;
        QTest::newRow("bom, artists")      << QByteArray("\xEF\xBB\xBFTrack URI,Track Name,Album Name,Artist Name(s),Duration (ms)\nx:1,Song,Album,A;B,207466\n") << "207466 Song/A, B" << 2;
        QTest::newRow("track duration")    << QByteArray("Track Name,Track Duration (ms)\nA,1500\n") << "1500 A/" << 2;
        QTest::newRow("escaped quotes")    << QByteArray("\"Track Name\",\"Duration (ms)\"\n\"Say \"\"Hi\"\"\",\"1000\"\n") << "1000 Say \"Hi\"/" << 2;
        QTest::newRow("comma in quotes")   << QByteArray("Track Name,Artist Name(s),Duration (ms)\n\"A, B\",X,1000\n") << "1000 A, B/X" << 2;
        QTest::newRow("line in quotes")    << QByteArray("Track Name,Duration (ms)\n\"Line\r\none\",1000\nB,2000\n") << "1000 Line one/; 2000 B/" << 2;
        QTest::newRow("text export")       << QByteArray("Name\tArtist\tComposer\tTime\tYear\rSong\tBand\t\t207\t1999\rB\t\t\t30\t\r") << "207000 Song/Band; 30000 B/" << 2;
        QTest::newRow("text export ja")    << QByteArray("名前\tアーティスト\t時間\n雨\t歌手\t61\n") << "61000 雨/歌手" << 2;
        QTest::newRow("utf-16 text")       << QByteArray("\xFF\xFEN\0a\0m\0e\0\t\0T\0i\0m\0e\0\r\0A\0\t\0\x39\0\r\0", 30) << "9000 A/" << 2;
        QTest::newRow("shift_jis")         << QByteArray("\x8B\xC8\x96\xBC,\x92\xB7\x82\xB3\n\x89\x4A,3:27\n") << "207000 雨/" << 2;
        QTest::newRow("m:ss and h:mm:ss")  << QByteArray("Title,Length\nA,3:27\nB,1:02:03\nC,３分５秒\n") << "207000 A/; 3723000 B/; 185000 C/" << 2;
        QTest::newRow("median in ms")      << QByteArray("Title,Duration\nA,207466\nB,1000\n") << "207466 A/; 1000 B/" << 2;
        QTest::newRow("median in s")       << QByteArray("Title,Duration\nA,207\nB,30\nC,9999\n") << "207000 A/; 30000 B/; 9999000 C/" << 2;
        QTest::newRow("median 10,000: ms") << QByteArray("Title,Duration\nA,10000\nB,5\nC,20000\n") << "10000 A/; 5 B/; 20000 C/" << 2;
        QTest::newRow("median 9,999: s")   << QByteArray("Title,Duration\nA,9999\nB,5\nC,20000\n") << "9999000 A/; 5000 B/; 20000000 C/" << 2;
        QTest::newRow("unit seconds")      << QByteArray("Name,Time (s)\nA,2.5\nB,20000\n") << "2500 A/; 20000000 B/" << 2;
        QTest::newRow("unit 秒")           << QByteArray("曲名,長さ（秒）\nA,207\n") << "207000 A/" << 2;
        QTest::newRow("duration_ms")       << QByteArray("name,artists,duration_ms\nA,B,15\n") << "15 A/B" << 2;
        QTest::newRow("full-width header") << QByteArray("Ｔｉｔｌｅ,Ｔｉｍｅ\nA,60\n") << "60000 A/" << 2;
        QTest::newRow("rows without")      << QByteArray("Track Name,Duration (ms)\nA,1000\nB,\nC,0\nD,-1\nE,abc\nF,1e300\n,\n") << "1000 A/; 0 B/; 0 C/; 0 D/; 0 E/; 0 F/" << 2;
        QTest::newRow("no length column")  << QByteArray("Track name,Artist name,Album\nA,X,Y\n") << "0 A/X" << 1;
        QTest::newRow("no table")          << QByteArray("Song 3:27\nOther, 4:00\n") << "" << 0;
        QTest::newRow("semicolons")        << QByteArray("Titel;Interpret;Dauer\nLied;Band;3:27\n") << "207000 Lied/Band" << 2;
        QTest::newRow("sep line")          << QByteArray("sep=;\r\nName;Time\r\nA,B;60\r\n") << "60000 A,B/" << 2;
        QTest::newRow("location")          << QByteArray("Name\tTime\tLocation\nA\t\t/m/a.flac\nB\t5\tb.flac\nC\t\tfile:///m/c%20d.flac\n") << "/m/a.flac 0 A/; /p/b.flac 5000 B/; /m/c d.flac 0 C/" << 2;
        QTest::newRow("short row")         << QByteArray("Track Name,Artist Name(s),Duration (ms)\nA\n") << "0 A/" << 2;
        QTest::newRow("open quote")        << QByteArray("Track Name,Duration (ms)\n\"A,1000\nB,2000") << "0 A,1000 B,2000/" << 2;
        QTest::newRow("blank lines crlf")  << QByteArray("\r\nTrack Name,Duration (ms)\r\n\r\nA,1000\r\n") << "1000 A/" << 2;
        QTest::newRow("title over track")  << QByteArray("Track,Title,Time\n1,Song,3:00\n") << "180000 Song/" << 2;
        QTest::newRow("duration over time") << QByteArray("Time,Track Duration (ms),Name\n9,1000,A\n") << "1000 A/" << 2;
        QTest::newRow("album artist aside") << QByteArray("Album Artist Name(s),Track Name,Artist Name(s),Duration (ms)\nV,A,X,1\n") << "1 A/X" << 2;
        QTest::newRow("only a header")     << QByteArray("Track Name,Duration (ms)\n") << "" << 2;
        QTest::newRow("empty")             << QByteArray("") << "" << 0;
        // clang-format on
    }
    void table()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, entries);
        QFETCH(int, kind);
        const TableRead read = readTable(decoded(bytes), QStringLiteral("/p"));
        QCOMPARE(describe(read.entries), entries);
        QCOMPARE(int(read.table) + int(read.lengths), kind);
    }

    void pls_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("entries");
        // clang-format off
        QTest::newRow("example")          << QByteArray("[playlist]\nFile1=/music/a.flac\nTitle1=Artist - Song\nLength1=207\nNumberOfEntries=1\nVersion=2\n") << "/music/a.flac 207000 Song/Artist";
        QTest::newRow("unknown length")   << QByteArray("[playlist]\nFile1=a.mp3\nLength1=-1\n") << "/p/a.mp3 0 /";
        QTest::newRow("by number")        << QByteArray("[playlist]\nFile10=c.mp3\nFile2=b.mp3\nFile1=a.mp3\n") << "/p/a.mp3 0 /; /p/b.mp3 0 /; /p/c.mp3 0 /";
        QTest::newRow("backslashes")      << QByteArray("[playlist]\r\nFile1=sub\\a.mp3\r\n") << "/p/sub/a.mp3 0 /";
        QTest::newRow("file url")         << QByteArray("[playlist]\nFile1=file:///m/a%20b.mp3\n") << "/m/a b.mp3 0 /";
        QTest::newRow("stream kept")      << QByteArray("[playlist]\nFile1=http://radio/stream\nTitle1=Radio\n") << "http://radio/stream 0 Radio/";
        QTest::newRow("any case, blanks") << QByteArray("[Playlist]\n  file1 = a.mp3 \nLENGTH1=60.5\n") << "/p/a.mp3 60500 /";
        QTest::newRow("other section")    << QByteArray("[playlist]\nFile1=a.mp3\n[other]\nFile2=b.mp3\n") << "/p/a.mp3 0 /";
        QTest::newRow("before section")   << QByteArray("File9=x.mp3\n[playlist]\nFile1=a.mp3\n") << "/p/a.mp3 0 /";
        QTest::newRow("no section")       << QByteArray("File1=a.mp3\n") << "/p/a.mp3 0 /";
        QTest::newRow("no file")          << QByteArray("[playlist]\nTitle1=T\nLength1=60\nLength2=5\nFoo3=x\n") << "60000 T/; 5000 /";
        QTest::newRow("numbers refused")  << QByteArray("[playlist]\nFile0=a.mp3\nFile1234567890=b.mp3\nFile=c.mp3\nFilex1=d.mp3\n") << "";
        QTest::newRow("shift_jis")        << QByteArray("[playlist]\nFile1=\x89\x4A.mp3\nTitle1=\x89\xCC\x8E\xE8 - \x89\x4A\n") << "/p/雨.mp3 0 雨/歌手";
        QTest::newRow("empty")            << QByteArray("") << "";
        // clang-format on
    }
    void pls()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, entries);
        QCOMPARE(describe(readPls(decoded(bytes, kPlaylistText), QStringLiteral("/p"))), entries);
    }

    void isPlsText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("pls");
        // clang-format off
        QTest::newRow("header")       << QByteArray("[playlist]\nFile1=a\n") << true;
        QTest::newRow("blank first")  << QByteArray("\r\n  \n [PlayList] \n") << true;
        QTest::newRow("other first")  << QByteArray("File1=a\n[playlist]\n") << false;
        QTest::newRow("empty")        << QByteArray("") << false;
        // clang-format on
    }
    void isPlsText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, pls);
        QCOMPARE(isPls(decoded(bytes, kPlaylistText)), pls);
    }

    void xspf_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("entries");
        // clang-format off
        QTest::newRow("example")          << xspfOf(track("<location>file:///music/a.flac</location><title>Song</title><creator>Artist</creator><duration>207466</duration>")) << "/music/a.flac 207466 Song/Artist";
        QTest::newRow("no duration")      << xspfOf(track("<location>file:///m/a.flac</location>")) << "/m/a.flac 0 /";
        QTest::newRow("relative uri")     << xspfOf(track("<location>sub/a%20b%C3%A9.flac</location>")) << "/p/sub/a bé.flac 0 /";
        QTest::newRow("localhost")        << xspfOf(track("<location>file://localhost/m/a.flac</location>")) << "/m/a.flac 0 /";
        QTest::newRow("stream kept")      << xspfOf(track("<location>http://radio/x</location><title>R</title>")) << "http://radio/x 0 R/";
        QTest::newRow("first location")   << xspfOf(track("<location>a.flac</location><location>b.flac</location>")) << "/p/a.flac 0 /";
        QTest::newRow("two in order")     << xspfOf(track("<title>A</title><duration>1000</duration>") + track("<title>B</title><duration>2.6</duration>")) << "1000 A/; 3 B/";
        QTest::newRow("bad durations")    << xspfOf(track("<title>A</title><duration>-5</duration>") + track("<title>B</title><duration>x</duration>")) << "0 A/; 0 B/";
        QTest::newRow("extension aside")  << xspfOf(track("<title>A</title><extension application=\"x\"><title>no</title><duration>9</duration></extension>")) << "0 A/";
        QTest::newRow("no namespace")     << QByteArray("<playlist><trackList><track><title> A \n B </title><duration>5</duration></track></trackList></playlist>") << "5 A B/";
        QTest::newRow("track elsewhere")  << QByteArray("<playlist><track><title>A</title></track><trackList/></playlist>") << "";
        QTest::newRow("empty track")      << xspfOf(track("") + track("<image>x</image>")) << "";
        QTest::newRow("entities escaped") << xspfOf(track("<title>R&amp;B &#x96E8;</title><duration>1</duration>")) << "1 R&B 雨/";
        QTest::newRow("shift_jis")        << QByteArray("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><playlist><trackList><track><title>\x89\x4A</title><duration>1</duration></track></trackList></playlist>") << "1 雨/";
        QTest::newRow("cut short")        << xspfOf(track("<title>A</title><duration>1</duration>") + "<track><title>B</ti").chopped(23) << "1 A/ [broken]";
        QTest::newRow("billion laughs")   << kLaughs + "<playlist><trackList><track><title>&lol9;</title></track></trackList></playlist>" << " [broken]";
        QTest::newRow("undeclared entity") << xspfOf(track("<title>&lol;</title><duration>1</duration>")) << " [broken]";
        QTest::newRow("other root")       << QByteArray("<html><trackList><track><title>A</title></track></trackList></html>") << " [broken]";
        QTest::newRow("no xml")           << QByteArray("[playlist]\nFile1=a\n") << " [broken]";
        QTest::newRow("empty")            << QByteArray("") << " [broken]";
        // clang-format on
    }
    void xspf()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, entries);
        QCOMPARE(describe(readXspf(bytes, QStringLiteral("/p"))), entries);
    }

    void musicXml_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("entries");
        // clang-format off
        QTest::newRow("playlist order")   << plistOf(kTwo, items({9, 7})) << "1000 B/; /m/a b.m4a 207466 Song/Band";
        QTest::newRow("no playlists")     << plistOf(kTwo, "") << "/m/a b.m4a 207466 Song/Band; 1000 B/";
        QTest::newRow("empty playlist")   << plistOf(kTwo, items({}).replace("</array></dict></array>", "</array></dict><dict><key>Playlist Items</key><array><dict><key>Track ID</key><integer>9</integer></dict></array></dict></array>")) << "1000 B/";
        QTest::newRow("twice, missing")   << plistOf(kTwo, items({9, 4, 9})) << "1000 B/; 1000 B/";
        QTest::newRow("no total time")    << plistOf(plistTrack(3, "<key>Name</key><string>C</string><key>Location</key><string>file:///m/c.mp3</string>"), items({3})) << "/m/c.mp3 0 C/";
        QTest::newRow("bad total time")   << plistOf(plistTrack(3, "<key>Total Time</key><integer>-4</integer>") + plistTrack(4, "<key>Total Time</key><string>x</string>"), "") << "0 /; 0 /";
        QTest::newRow("stream location")  << plistOf(plistTrack(3, "<key>Location</key><string>http://radio/x</string>"), "") << "http://radio/x 0 /";
        QTest::newRow("true and data")    << plistOf(plistTrack(3, "<key>Disabled</key><true/><key>Name</key><string>D</string><key>Artwork</key><data>AAAA</data>"), "") << "0 D/";
        QTest::newRow("no tracks")        << QByteArray("<plist version=\"1.0\"><dict><key>Playlists</key><array/></dict></plist>") << " [broken]";
        QTest::newRow("other root")       << QByteArray("<playlist><dict><key>Tracks</key><dict/></dict></playlist>") << " [broken]";
        QTest::newRow("billion laughs")   << kLaughs + "<plist><dict><key>Tracks</key><dict><key>1</key><dict><key>Name</key><string>&lol9;</string></dict></dict></dict></plist>" << " [broken]";
        QTest::newRow("too deep")         << plistOf(plistTrack(3, "<key>Name</key><string>D</string>") + "<key>4</key>" + QByteArray("<array>").repeated(40) + QByteArray("</array>").repeated(40), "") << "0 D/ [broken]";
        QTest::newRow("cut short")        << plistOf(kTwo, items({9, 7})).chopped(60) << "1000 B/ [broken]";
        QTest::newRow("empty")            << QByteArray("") << " [broken]";
        // clang-format on
    }
    void musicXml()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, entries);
        QCOMPARE(describe(readMusicXml(bytes, QStringLiteral("/p"))), entries);
    }

    void cueFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("files");
        // clang-format off
        QTest::newRow("quoted")        << QByteArray("FILE \"Album name.flac\" WAVE\n") << "Album name.flac";
        QTest::newRow("unquoted")      << QByteArray("file Album name.flac wave\n") << "Album name.flac";
        QTest::newRow("no type")       << QByteArray("FILE album.flac\n") << "album.flac";
        QTest::newRow("binary")        << QByteArray("FILE \"disc.bin\" BINARY\nFILE x.bin MOTOROLA\n") << "disc.bin [bin], x.bin [bin]";
        QTest::newRow("open quote")    << QByteArray("FILE \"a b.wav WAVE\n") << "a b.wav WAVE";
        QTest::newRow("shift_jis")     << QByteArray("FILE \"\x89\x4A.wav\" WAVE\n") << "雨.wav";
        QTest::newRow("utf-8 bom")     << QByteArray("\xEF\xBB\xBF" "FILE \"雨.wav\" WAVE\n") << "雨.wav";
        QTest::newRow("empty")         << QByteArray("FILE\n") << "";
        // clang-format on
    }
    void cueFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, files);
        QStringList names;
        for (const CueFile &file : readCueSheet(decoded(bytes)).files)
            names << file.name + (file.binary ? QStringLiteral(" [bin]") : QString());
        QCOMPARE(names.join(QStringLiteral(", ")), files);
    }

    void cue_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("lengths");  // of each FILE in ms, "-" for unreadable
        QTest::addColumn<QString>("songs");
        const QByteArray head = "PERFORMER \"Band\"\nTITLE \"Album\"\nFILE \"a.flac\" WAVE\n";
        // clang-format off
        QTest::newRow("one file")          << head + "TRACK 01 AUDIO\nTITLE \"A\"\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nTITLE \"B\"\nINDEX 01 03:27:00\nTRACK 03 AUDIO\nINDEX 01 07:00:37\n" << "600000" << "207000 A/Band; 213493 B/Band; 179507 /";
        QTest::newRow("gap with before")   << head + "TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 00 03:25:00\nINDEX 01 03:27:00\n" << "300000" << "207000 /; 93000 /";
        QTest::newRow("first index 00")    << head + "TRACK 01 AUDIO\nINDEX 00 00:00:00\nINDEX 01 00:02:00\nTRACK 02 AUDIO\nINDEX 01 01:00:00\n" << "90000" << "58000 /; 30000 /";
        QTest::newRow("pregap, postgap")   << head + "TRACK 01 AUDIO\nPREGAP 00:02:00\nINDEX 01 00:00:00\nPOSTGAP 00:01:00\nTRACK 02 AUDIO\nPREGAP 00:03:00\nINDEX 01 01:00:00\n" << "90000" << "64000 /; 30000 /";
        QTest::newRow("gaps appended")     << QByteArray("FILE 1.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 00 01:00:00\nFILE 2.wav WAVE\nINDEX 01 00:00:00\n") << "62000,30000" << "62000 /; 30000 /";
        QTest::newRow("gaps prepended")    << QByteArray("FILE 1.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nFILE 2.wav WAVE\nTRACK 02 AUDIO\nINDEX 00 00:00:00\nINDEX 01 00:02:00\n") << "60000,32000" << "62000 /; 30000 /";
        QTest::newRow("file between")      << QByteArray("FILE 1.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nFILE 2.wav WAVE\nFILE 3.wav WAVE\nTRACK 02 AUDIO\nINDEX 01 00:00:00\n") << "1000,2000,3000" << "3000 /; 3000 /";
        QTest::newRow("file unreadable")   << head + "TRACK 01 AUDIO\nTITLE \"A\"\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nTITLE \"B\"\nINDEX 01 01:00:00\n" << "-" << "60000 A/Band; 0 B/Band";
        QTest::newRow("middle unreadable") << QByteArray("FILE 1.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nFILE 2.wav WAVE\nTRACK 02 AUDIO\nINDEX 01 00:00:00\n") << "-,5000" << "0 /; 5000 /";
        QTest::newRow("going backwards")   << head + "TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 01 02:00:00\nTRACK 03 AUDIO\nINDEX 01 01:00:00\n" << "240000" << "120000 /; 120000 /; 0 /";
        QTest::newRow("file named twice")   << QByteArray("FILE 1.wav WAVE\nFILE 2.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nFILE 1.wav WAVE\nTRACK 02 AUDIO\nINDEX 01 00:00:00\n") << "1000,2000,1000" << "2000 /; 1000 /";
        QTest::newRow("beyond the end")    << head + "TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 01 05:00:00\n" << "240000" << "240000 /; 0 /";
        QTest::newRow("same start")        << head + "TRACK 01 AUDIO\nINDEX 01 01:00:00\nTRACK 02 AUDIO\nINDEX 01 01:00:00\n" << "120000" << "60000 /; 0 /";
        QTest::newRow("no index 01")       << head + "TRACK 01 AUDIO\nINDEX 00 00:00:00\nTRACK 02 AUDIO\nINDEX 01 00:30:00\n" << "60000" << "0 /; 30000 /";
        QTest::newRow("second index 01")   << head + "TRACK 01 AUDIO\nINDEX 01 00:00:00\nINDEX 01 00:10:00\nINDEX 02 00:20:00\n" << "60000" << "60000 /";
        QTest::newRow("index before file") << QByteArray("TRACK 01 AUDIO\nINDEX 01 00:00:00\nFILE a.wav WAVE\nTRACK 02 AUDIO\nINDEX 01 00:10:00\n") << "60000" << "0 /; 50000 /";
        QTest::newRow("data track")        << QByteArray("FILE d.bin BINARY\nTRACK 01 MODE1/2352\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 01 10:00:00\n") << "660000" << "60000 /";
        QTest::newRow("bad times")         << head + "TRACK 01 AUDIO\nINDEX 01 00:60:00\nTRACK 02 AUDIO\nINDEX 01 00:00:75\nTRACK 03 AUDIO\nINDEX 01 1:2\nTRACK 04 AUDIO\nINDEX 01 -1:00:00\nTRACK 05 AUDIO\nINDEX 01 9999999:00:00\n" << "1000" << "0 /; 0 /; 0 /; 0 /; 0 /";
        QTest::newRow("long minutes")      << head + "TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 01 100:00:01\n" << "6000100" << "6000013 /; 87 /";
        QTest::newRow("names")             << head + "TRACK 01 AUDIO\nTITLE \"A\"\nPERFORMER \"Guest\"\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nPERFORMER Solo\nINDEX 01 00:01:00\nTRACK 03 AUDIO\nINDEX 01 00:02:00\n" << "3000" << "1000 A/Guest; 1000 /Solo; 1000 /";
        QTest::newRow("any case, crlf")    << QByteArray("file a.wav wave\r\n  track 01 audio\r\n    title \"A B\"\r\n    index 01 00:00:00\r\nREM GENRE x\r\n") << "1000" << "1000 A B/";
        QTest::newRow("cp932")             << QByteArray("FILE \"a.wav\" WAVE\nTRACK 01 AUDIO\nTITLE \"\x89\x4A\x81\x60\x87\x40\"\nINDEX 01 00:00:00\n") << "1000" << "1000 雨～①/";
        QTest::newRow("nothing")           << QByteArray("REM only\n") << "" << "";
        // clang-format on
    }
    void cue()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, lengths);
        QFETCH(QString, songs);
        const CueSheet sheet = readCueSheet(decoded(bytes));
        const QStringList given = lengths.split(u',', Qt::SkipEmptyParts);
        std::vector<int> asked(sheet.files.size());
        const auto length = [&](int index) -> std::optional<std::int64_t> {
            ++asked.at(std::size_t(index));
            bool ok = false;
            const qint64 ms = given.value(index).toLongLong(&ok);
            return ok ? std::optional<std::int64_t>(ms) : std::nullopt;
        };
        QCOMPARE(describe(cueSongs(sheet, length)), songs);
        for (int times : asked)
            QVERIFY(times <= 1);
    }

    // Each file's length is asked for once, in the order of the files.
    void cueAsksForEachLengthOnce()
    {
        const CueSheet sheet = readCueSheet(u"FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n"
                                            u"TRACK 02 AUDIO\nINDEX 01 00:01:00\n"
                                            u"FILE b.wav WAVE\nTRACK 03 AUDIO\nINDEX 01 00:00:00\n"
                                            u"TRACK 04 AUDIO\nINDEX 01 00:01:00\n");
        QStringList asked;
        const auto length = [&](int index) -> std::optional<std::int64_t> {
            asked << sheet.files.at(std::size_t(index)).name;
            return 2000;
        };
        QCOMPARE(describe(cueSongs(sheet, length)),
                 QStringLiteral("1000 /; 1000 /; 1000 /; 1000 /"));
        QCOMPARE(asked, (QStringList{"a.wav", "b.wav"}));
    }

    // Large and hostile texts: each read in one pass, with the answer a
    // careful reader gives.
    void largeInputs_data()
    {
        QTest::addColumn<int>("reader");  // 0 table, 1 PLS, 2 CUE
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("entries");
        // clang-format off
        QTest::newRow("a million rows")       << 0 << QStringLiteral("Track Name,Duration (ms)\n") + QStringLiteral("Song,207466\n").repeated(1000000) << 1000000;
        QTest::newRow("a line of 8 MB")       << 0 << QStringLiteral("Track Name,Duration (ms)\n\"") + QString(8 << 20, u'x') << 1;
        QTest::newRow("8 MB of separators")   << 0 << QStringLiteral("Track Name,Duration (ms)\n") + QString(8 << 20, u',') << 0;
        QTest::newRow("8 MB of quotes")       << 0 << QStringLiteral("Track Name,Duration (ms)\n") + QString(8 << 20, u'"') << 1;
        QTest::newRow("a header of 8 MB")     << 0 << QStringLiteral("Time,").repeated(1 << 20) + u'\n' + QStringLiteral("1,").repeated(1 << 20) << 1;
        QTest::newRow("pls of a million")     << 1 << QStringLiteral("[playlist]\n") + QStringLiteral("File1=a\n").repeated(1000000) << 1;
        QTest::newRow("cue of 200 tracks")    << 2 << QStringLiteral("FILE a.wav WAVE\n") + QStringLiteral("TRACK 01 AUDIO\nINDEX 01 00:00:00\n").repeated(200) << 200;
        QTest::newRow("cue line of 8 MB")     << 2 << QStringLiteral("FILE \"") + QString(8 << 20, u'a') << 0;
        QTest::newRow("cue of 8 MB of words") << 2 << QStringLiteral("TRACK ").repeated(1 << 20) << 0;
        // clang-format on
    }
    void largeInputs()
    {
        QFETCH(int, reader);
        QFETCH(QString, text);
        QFETCH(int, entries);
        QElapsedTimer timer;
        timer.start();
        std::size_t found = 0;
        if (reader == 0)
            found = readTable(text, QStringLiteral("/p")).entries.size();
        else if (reader == 1)
            found = readPls(text, QStringLiteral("/p")).size();
        else
            found = cueSongs(readCueSheet(text), [](int) { return 1000; }).size();
        QCOMPARE(found, std::size_t(entries));
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    }

    // A CUE of 200 tracks over one file: 200 songs in order, the last to the
    // end of the file.
    void cueOfTwoHundredTracks()
    {
        QString text = QStringLiteral("FILE a.wav WAVE\n");
        for (int n = 0; n < 200; ++n)
            text += QStringLiteral("TRACK %1 AUDIO\nINDEX 01 %2:00:00\n").arg(n + 1).arg(n);
        const auto songs = cueSongs(readCueSheet(text), [](int) { return 200 * 60000 + 30000; });
        QCOMPARE(songs.size(), std::size_t(200));
        QCOMPARE(songs.front().song.milliseconds, 60000);
        QCOMPARE(songs.back().song.milliseconds, 90000);
        QCOMPARE(songs.back().number, QStringLiteral("200"));
    }

    // Elements nested a million deep and a billion laughs: refused at once.
    void hostileXml_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("deep xspf")
            << QByteArray("<playlist><trackList><track>") + QByteArray("<a>").repeated(1000000);
        QTest::newRow("deep plist") << QByteArray("<plist><dict><key>Tracks</key>") +
                                           QByteArray("<array>").repeated(1000000);
        QTest::newRow("laughs, xspf") << kLaughs + "<playlist>&lol9;</playlist>";
        QTest::newRow("laughs, plist") << kLaughs + "<plist>&lol9;</plist>";
    }
    void hostileXml()
    {
        QFETCH(QByteArray, bytes);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(readXspf(bytes, QStringLiteral("/p")).broken);
        QVERIFY(readMusicXml(bytes, QStringLiteral("/p")).broken);
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_APPLESS_MAIN(TestExports)
#include "test_exports.moc"
