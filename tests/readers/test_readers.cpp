// SPDX-License-Identifier: MIT
// The readers of dropped and pasted songs: tracklist lines, playlist texts,
// the audio fixtures, and what a drop of awkward files gives.
#include "core/timetext.h"
#include "readers/audiofile.h"
#include "readers/audioscan.h"
#include "readers/dropped.h"
#include "readers/folder.h"
#include "readers/playlist.h"
#include "readers/regularfile.h"
#include "readers/suffixes.h"
#include "readers/textcodec.h"
#include "readers/tracklist.h"
#include "support/foundtest.h"
#include "support/valuetest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <taglib/fileref.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace tavelo;
using valuetest::text;

namespace {

QString fixture(const QString &name) { return QStringLiteral(TAVELO_FIXTURES "/audio/") + name; }

using foundtest::describe;

// What a drop could not read: the files by name, then "nolength l.csv" for
// a table without a length column, then "row B@l.csv#2" for a row, track or
// entry of a list, by its name, its list and its place there.
QStringList skipped(const DroppedSongs &found, const std::vector<ListedItem> &items)
{
    static const char *const kinds[] = {"entry", "row", "track"};
    QStringList out = found.unreadable;
    for (const QString &table : found.withoutLengths)
        out << QStringLiteral("nolength ") + table;
    for (const ListedItem &item : items)
        out << QStringLiteral("%1 %2@%3#%4")
                   .arg(QLatin1String(kinds[int(item.kind)]), item.name, item.list, item.number);
    return out;
}

QString readerName(std::optional<FileReader> reader)
{
    if (!reader)
        return QStringLiteral("none");
    switch (*reader) {
    case FileReader::Audio: return QStringLiteral("audio");
    case FileReader::Playlist: return QStringLiteral("playlist");
    case FileReader::Text: return QStringLiteral("text");
    case FileReader::Pls: return QStringLiteral("pls");
    case FileReader::Xspf: return QStringLiteral("xspf");
    case FileReader::Xml: return QStringLiteral("xml");
    case FileReader::Table: return QStringLiteral("table");
    case FileReader::Cue: return QStringLiteral("cue");
    }
    return {};
}

const QString kNoText = QStringLiteral("(no text)");

// A source of a terabyte: a head, then a pattern again and again.
class FakeTerabyte : public ScanSource {
public:
    FakeTerabyte(QByteArray head, QByteArray pattern)
        : head_(std::move(head)), pattern_(std::move(pattern))
    {
    }
    std::int64_t size() const override { return std::int64_t{1} << 40; }
    std::int64_t readAt(std::int64_t offset, char *to, std::int64_t length) override
    {
        read_ += length;
        for (std::int64_t i = 0; i < length; ++i) {
            const std::int64_t at = offset + i;
            const std::int64_t head = head_.size();
            to[i] = at < head ? head_.at(qsizetype(at))
                              : pattern_.at(qsizetype((at - head) % pattern_.size()));
        }
        return length;
    }
    std::int64_t bytesRead() const { return read_; }

private:
    QByteArray head_;
    QByteArray pattern_;
    std::int64_t read_ = 0;
};

void copyFixture(const QString &name, const QString &to)
{
    QVERIFY(QFile::copy(fixture(name), to));
}

QByteArray fixtureBytes(const QString &name)
{
    QFile file(fixture(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytesOf(std::initializer_list<quint32> values)
{
    QByteArray bytes;
    for (const quint32 v : values)
        bytes += char(v & 0xFF);
    return bytes;
}

QByteArray be32(quint32 n) { return bytesOf({n >> 24, n >> 16, n >> 8, n}); }

QByteArray le32(quint32 n) { return bytesOf({n, n >> 8, n >> 16, n >> 24}); }

// `count` frames of `bytes` each: the header, then zeros. `around` adds:
// "junk N" (N bytes of text before), "zeros N" (N zero bytes before), "gap N"
// (N zero bytes, then the frames again), "cut N" (the last N bytes gone),
// "info N" (the first frame an Info header counting N frames), "lame N" (the
// same with a LAME tag: delay 576, padding 1,000).
QByteArray mpegStream(const QByteArray &header, int bytes, int count, const QString &around)
{
    const QByteArray frame = header + QByteArray(bytes - 4, '\0');
    QByteArray frames = frame.repeated(count);
    const QString how = around.section(u' ', 0, 0);
    const int n = around.section(u' ', 1, 1).toInt();
    if (how == u"junk")
        return QByteArray("not a frame ").repeated(n / 12 + 1).left(n) + frames;
    if (how == u"zeros")
        return QByteArray(n, '\0') + frames;
    if (how == u"gap")
        return frames + QByteArray(n, '\0') + frames;
    if (how == u"cut")
        return frames.chopped(n);
    if (how == u"info" || how == u"lame") {
        // After the header and 32 bytes of side information (MPEG-1, stereo).
        QByteArray info = "Info" + be32(0x0F) + be32(quint32(n)) + be32(quint32(frames.size())) +
                          QByteArray(100 + 4, '\0');
        if (how == u"lame")
            info += "LAME3.100" + QByteArray(12, '\0') +
                    bytesOf({576 >> 4, (576 & 15) << 4 | 1000 >> 8, 1000});
        frames.replace(4 + 32, info.size(), info);
    }
    return frames;
}

// An ID3v2.3 tag holding a title (Latin-1), or no frame at all, and padding.
QByteArray id3v2Tag(const QByteArray &title, int padding)
{
    QByteArray frames;
    if (!title.isEmpty())
        frames = "TIT2" + be32(quint32(title.size() + 1)) + QByteArray(2, '\0') + '\0' + title;
    frames += QByteArray(padding, '\0');
    const auto size = quint32(frames.size());
    const QByteArray syncsafe =
        bytesOf({size >> 21 & 127, size >> 14 & 127, size >> 7 & 127, size & 127});
    return QByteArray("ID3\x03\x00\x00", 6) + syncsafe + frames;
}

// A WAV with a RIFF INFO list after its chunks: a title (INAM) and an artist
// (IART), NUL-ended, each padded to an even length.
QByteArray withInfoList(QByteArray wav, const QByteArray &title, const QByteArray &artist)
{
    const auto field = [](const char *id, const QByteArray &text) {
        QByteArray value = text + '\0';
        const QByteArray head = id + le32(quint32(value.size()));
        if (value.size() % 2)
            value += '\0';
        return head + value;
    };
    const QByteArray list = "INFO" + field("INAM", title) + field("IART", artist);
    wav += "LIST" + le32(quint32(list.size())) + list;
    wav.replace(4, 4, le32(quint32(wav.size() - 8)));
    return wav;
}

// A fixture's bytes changed as a row says: "junk" (2,400 bytes of text before
// them), "two tags" (two ID3v2 tags before them, the first with a title, the
// second with 2 KB of padding, as taggers leave room),
// "no count" (a FLAC's STREAMINFO sample count set to 0), "cut N" (only the
// first N bytes), "info" (a RIFF INFO list with a Shift_JIS title).
QByteArray shaped(const QByteArray &bytes, const QString &how)
{
    if (how == u"junk")
        return QByteArray("this is no frame ").repeated(150).left(2400) + bytes;
    if (how == u"two tags")
        return id3v2Tag("Twice", 16) + id3v2Tag({}, 2048) + bytes;
    if (how == u"no count") {
        QByteArray flac = bytes;
        // STREAMINFO's body starts at 8; its 36-bit sample count at 13.
        flac[13 + 8] = char(flac[13 + 8] & 0xF0);
        flac.replace(14 + 8, 4, QByteArray(4, '\0'));
        return flac;
    }
    if (how.startsWith(u"cut "))
        return bytes.left(how.mid(4).toInt());
    if (how == u"info")
        return withInfoList(bytes, "\x89\x4A\x82\xCC\x89\xCC", "Tavelo");  // 雨の歌 in Shift_JIS
    return bytes;
}

}  // namespace

class TestReaders : public QObject {
    Q_OBJECT

private slots:
    void tracklistLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<qint64>("milliseconds");  // -1: no song
        QTest::addColumn<QByteArray>("title");
        // clang-format off
        QTest::newRow("m:ss")                 << QByteArray("3:27") << 207000LL << QByteArray("");
        QTest::newRow("mm:ss")                << QByteArray("03:27") << 207000LL << QByteArray("");
        QTest::newRow("title artist time")    << QByteArray("Title · Artist 3:27") << 207000LL << QByteArray("Title · Artist");
        QTest::newRow("last time counts")     << QByteArray("Live 1:00 take 4:05") << 245000LL << QByteArray("Live 1:00 take");
        QTest::newRow("h:mm:ss")              << QByteArray("Suite 1:02:03") << 3723000LL << QByteArray("Suite");
        QTest::newRow("long minutes")         << QByteArray("Drone 75:00") << 4500000LL << QByteArray("Drone");
        QTest::newRow("fraction")             << QByteArray("A 0:02.5") << 2500LL << QByteArray("A");
        QTest::newRow("time first")           << QByteArray("4:30 - Song") << 270000LL << QByteArray("Song");
        QTest::newRow("time in brackets")     << QByteArray("Song (4:30)") << 270000LL << QByteArray("Song");
        QTest::newRow("brackets in title")    << QByteArray("Song (Live) 4:30") << 270000LL << QByteArray("Song (Live)");
        QTest::newRow("text both sides")      << QByteArray("Song [4:30] bonus") << 270000LL << QByteArray("Song bonus");
        QTest::newRow("number dot")           << QByteArray("1. Song 4:30") << 270000LL << QByteArray("Song");
        QTest::newRow("number zero blank")    << QByteArray("01 Song 4:30") << 270000LL << QByteArray("Song");
        QTest::newRow("number paren")         << QByteArray("1) Song 4:30") << 270000LL << QByteArray("Song");
        QTest::newRow("number dash")          << QByteArray("1 - Song 4:30") << 270000LL << QByteArray("Song");
        QTest::newRow("decimal kept")         << QByteArray("2.5 Men 4:30") << 270000LL << QByteArray("2.5 Men");
        QTest::newRow("ordinal kept")         << QByteArray("7th Heaven 4:30") << 270000LL << QByteArray("7th Heaven");
        QTest::newRow("year kept")            << QByteArray("1984 4:30") << 270000LL << QByteArray("1984");
        QTest::newRow("full-width")           << QByteArray("朝の歌　３：２７") << 207000LL << QByteArray("朝の歌");
        QTest::newRow("fun sec")              << QByteArray("昼の歌 3分27秒") << 207000LL << QByteArray("昼の歌");
        QTest::newRow("fun only")             << QByteArray("長い曲 12分") << 720000LL << QByteArray("長い曲");
        QTest::newRow("byou only")            << QByteArray("短い曲 27秒") << 27000LL << QByteArray("短い曲");
        QTest::newRow("full-width fun")       << QByteArray("３分０５秒") << 185000LL << QByteArray("");
        QTest::newRow("saved line")           << QByteArray("3. [7:30] Song  4:05") << 245000LL << QByteArray("Song");
        QTest::newRow("saved without title")  << QByteArray("12. [55:00] 4:05") << 245000LL << QByteArray("");
        QTest::newRow("saved number in title") << QByteArray("1. [0:00] 99 Balloons 3:52") << 232000LL << QByteArray("99 Balloons");
        QTest::newRow("saved start only")     << QByteArray("2. [4:30] abc") << -1LL << QByteArray();
        QTest::newRow("note")                 << QByteArray("# 4:30") << -1LL << QByteArray();
        QTest::newRow("indented note")        << QByteArray("  # テープの残り時間は 3分0秒です。") << -1LL << QByteArray();
        QTest::newRow("no time")              << QByteArray("Song title") << -1LL << QByteArray();
        QTest::newRow("empty")                << QByteArray("") << -1LL << QByteArray();
        QTest::newRow("seconds 60")           << QByteArray("Song 3:60") << -1LL << QByteArray();
        QTest::newRow("one-digit seconds")    << QByteArray("Song 3:7") << -1LL << QByteArray();
        QTest::newRow("three-digit seconds")  << QByteArray("Song 12:345") << -1LL << QByteArray();
        QTest::newRow("four fields")          << QByteArray("1:02:03:04") << -1LL << QByteArray();
        QTest::newRow("minutes field 60")     << QByteArray("1:60:00") << -1LL << QByteArray();
        QTest::newRow("byou 75")              << QByteArray("75秒") << -1LL << QByteArray();
        QTest::newRow("fun 75 byou")          << QByteArray("3分75秒") << -1LL << QByteArray();
        QTest::newRow("fun 60 byou")          << QByteArray("3分60秒") << -1LL << QByteArray();
        QTest::newRow("fun 59 byou")          << QByteArray("3分59秒") << 239000LL << QByteArray("");
        QTest::newRow("byou 60")              << QByteArray("60秒") << -1LL << QByteArray();
        QTest::newRow("full-width nine")      << QByteArray("歌 ９：５９") << 599000LL << QByteArray("歌");
        QTest::newRow("full-width nine fun")  << QByteArray("１９分０９秒") << 1149000LL << QByteArray("");
        QTest::newRow("largest")              << QByteArray("153722867280912:55") << 9223372036854775000LL << QByteArray("");
        QTest::newRow("beyond 64 bits")       << QByteArray("153722867280913:00") << -1LL << QByteArray();
        QTest::newRow("hours beyond")         << QByteArray("99999999999999999999:00:00") << -1LL << QByteArray();
        QTest::newRow("absurd last time")     << QByteArray("3:00 then 99999999999999999999:00") << -1LL << QByteArray();
        // clang-format on
    }
    void tracklistLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(qint64, milliseconds);
        QFETCH(QByteArray, title);
        const auto song = readTracklistLine(text(line));
        QCOMPARE(song.has_value(), milliseconds >= 0);
        if (song) {
            QCOMPARE(song->milliseconds, milliseconds);
            QCOMPARE(song->title, text(title));
        }
    }

    void tracklistText()
    {
        const auto songs = readTracklist(u"# list\r\n1. A 1:00\r\n\r\nB 2:00\rC 3:00\nD 4:00");
        QCOMPARE(describe(songs), QStringLiteral("60000 A/; 120000 B/; 180000 C/; 240000 D/"));
    }

    // A megabyte of text, ordinary and made to be slow for a careless reader,
    // is read in well under a second each.
    void tracklistIsLinear_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("songs");
        QTest::newRow("lines") << QStringLiteral("Song 3:27\n").repeated(100000) << 100000;
        QTest::newRow("one line of colons") << QStringLiteral("1:").repeated(500000) << 0;
        QTest::newRow("one line of times") << QStringLiteral("1:00 ").repeated(200000) << 1;
        QTest::newRow("digits") << QStringLiteral("１").repeated(1000000) << 0;
        QTest::newRow("fun") << QStringLiteral("1分").repeated(500000) << 1;
        QTest::newRow("line feeds") << QStringLiteral("\r").repeated(1000000) << 0;
    }
    void tracklistIsLinear()
    {
        QFETCH(QString, text);
        QFETCH(int, songs);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(readTracklist(text).size(), std::size_t(songs));
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    }

    void playlist_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("entries");
        // clang-format off
        QTest::newRow("relative")        << QByteArray("a.mp3\nsub/b.flac\n") << "/p/a.mp3 0 /; /p/sub/b.flac 0 /";
        QTest::newRow("absolute")        << QByteArray("/music/a.mp3\n") << "/music/a.mp3 0 /";
        QTest::newRow("dots")            << QByteArray("../x/./a.mp3\n") << "/x/a.mp3 0 /";
        QTest::newRow("file url")        << QByteArray("file:///m/a%20b.mp3\n") << "/m/a b.mp3 0 /";
        QTest::newRow("http kept")       << QByteArray("http://host/a.mp3\n") << "http://host/a.mp3 0 /";
        QTest::newRow("drive kept")      << QByteArray("C:\\Music\\a.mp3\n") << "C:\\Music\\a.mp3 0 /";
        QTest::newRow("backslashes")     << QByteArray("Music\\a.mp3\n") << "/p/Music/a.mp3 0 /";
        QTest::newRow("colon in name")   << QByteArray("Artist: Song.mp3\n") << "/p/Artist: Song.mp3 0 /";
        QTest::newRow("extinf")          << QByteArray("#EXTM3U\n#EXTINF:207,Artist - Title\na.mp3\n") << "/p/a.mp3 207000 Title/Artist";
        QTest::newRow("extinf lower case") << QByteArray("#extinf:30,T\na.mp3\n") << "/p/a.mp3 30000 T/";
        QTest::newRow("extinf decimal")  << QByteArray("#EXTINF:2.5,T\na.mp3\n") << "/p/a.mp3 2500 T/";
        QTest::newRow("extinf unknown")  << QByteArray("#EXTINF:-1,T\na.mp3\n") << "/p/a.mp3 0 T/";
        QTest::newRow("extinf zero")     << QByteArray("#EXTINF:0,T\na.mp3\n") << "/p/a.mp3 0 T/";
        QTest::newRow("extinf absurd")   << QByteArray("#EXTINF:1e300,T\na.mp3\n") << "/p/a.mp3 0 T/";
        QTest::newRow("extinf nan")      << QByteArray("#EXTINF:nan,T\na.mp3\n") << "/p/a.mp3 0 T/";
        QTest::newRow("extinf attrs")    << QByteArray("#EXTINF:-1 tvg-name=\"a,b\",T\na.mp3\n") << "/p/a.mp3 0 T/";
        QTest::newRow("extinf no comma") << QByteArray("#EXTINF:30\na.mp3\n") << "/p/a.mp3 30000 /";
        QTest::newRow("extinf per entry") << QByteArray("#EXTINF:30,T\na.mp3\nb.mp3\n") << "/p/a.mp3 30000 T/; /p/b.mp3 0 /";
        QTest::newRow("bom crlf blanks") << QByteArray("\xEF\xBB\xBF#EXTM3U\r\n\r\n  a.mp3  \r\n") << "/p/a.mp3 0 /";
        QTest::newRow("utf-8")           << QByteArray("#EXTINF:60,歌手 - 雨\n雨.mp3\n") << "/p/雨.mp3 60000 雨/歌手";
        QTest::newRow("shift_jis")       << QByteArray("#EXTINF:60,\x89\xCC\x8E\xE8 - \x89\x4A\n\x89\x4A.mp3\n") << "/p/雨.mp3 60000 雨/歌手";
        QTest::newRow("neither")         << QByteArray("\xFF\xFE\xFD.mp3\n") << "/p/\uFFFD\uFFFD\uFFFD.mp3 0 /";
        QTest::newRow("only comments")   << QByteArray("#EXTM3U\n#EXTINF:3,T\n") << "";
        QTest::newRow("empty")           << QByteArray("") << "";
        // clang-format on
    }
    void playlist()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, entries);
        QCOMPARE(describe(readPlaylist(bytes, QStringLiteral("/p"))), entries);
    }

    // Which reader a file goes to, by its suffix in any case.
    // What counts as a URI's scheme in a playlist's location.
    void uriScheme_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("scheme");
        // clang-format off
        QTest::newRow("http")            << "http" << true;
        QTest::newRow("plus, dot, dash") << "svn+ssh.a-b" << true;
        QTest::newRow("digits after")    << "x11" << true;
        QTest::newRow("empty")           << "" << false;
        QTest::newRow("digit first")     << "3d" << false;
        QTest::newRow("plus first")      << "+x" << false;
        QTest::newRow("a blank")         << "ht tp" << false;
        QTest::newRow("not ASCII")       << "ｈttp" << false;
        // clang-format on
    }
    void uriScheme()
    {
        QFETCH(QString, text);
        QFETCH(bool, scheme);
        QCOMPARE(isUriScheme(text), scheme);
    }

    void suffixes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reader");
        // clang-format off
        QTest::newRow("mp3")                << "a.mp3" << "audio";
        QTest::newRow("upper case")         << "TRACK.MP3" << "audio";
        QTest::newRow("mixed case")         << "Tone.Flac" << "audio";
        QTest::newRow("last of its kind")   << "x.tta" << "audio";
        QTest::newRow("m3u")                << "list.m3u" << "playlist";
        QTest::newRow("m3u8 upper case")    << "LIST.M3U8" << "playlist";
        QTest::newRow("txt")                << "songs.txt" << "text";
        QTest::newRow("txt upper case")     << "SONGS.TXT" << "text";
        QTest::newRow("pls")                << "radio.PLS" << "pls";
        QTest::newRow("xspf")               << "list.xspf" << "xspf";
        QTest::newRow("xml")                << "Library.xml" << "xml";
        QTest::newRow("csv")                << "export.CSV" << "table";
        QTest::newRow("tsv")                << "export.tsv" << "table";
        QTest::newRow("cue")                << "album.cue" << "cue";
        QTest::newRow("last dot counts")    << "a.mp3.part" << "none";
        QTest::newRow("no suffix")          << "README" << "none";
        QTest::newRow("empty suffix")       << "a." << "none";
        QTest::newRow("suffix as a prefix") << "a.mp" << "none";
        QTest::newRow("longer suffix")      << "a.mp33" << "none";
        QTest::newRow("folder with a dot")  << "/music/a.mp3/notes" << "none";
        QTest::newRow("path")               << "/music/a.b/01 Song.ogg" << "audio";
        // clang-format on
    }
    void suffixes()
    {
        QFETCH(QString, name);
        QFETCH(QString, reader);
        QCOMPARE(readerName(readerFor(name)), reader);
    }

    // The one guard of every reader: what kind and size of file is opened.
    void openedFiles_data()
    {
        QTest::addColumn<uint>("mode");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("largest");
        QTest::addColumn<bool>("opened");
        // clang-format off
        QTest::newRow("regular")           << uint(S_IFREG | 0644) << 1LL << kLargestText << true;
        QTest::newRow("empty")             << uint(S_IFREG | 0644) << 0LL << kLargestText << false;
        QTest::newRow("16 MiB of text")    << uint(S_IFREG | 0644) << 16777216LL << kLargestText << true;
        QTest::newRow("one byte more")     << uint(S_IFREG | 0644) << 16777217LL << kLargestText << false;
        QTest::newRow("16 KiB and more")   << uint(S_IFREG | 0644) << 16385LL << kLargestText << true;
        QTest::newRow("large audio")       << uint(S_IFREG | 0644) << 17179869184LL << kAnySize << true;
        QTest::newRow("fifo")              << uint(S_IFIFO | 0644) << 0LL << kAnySize << false;
        QTest::newRow("fifo with a size")  << uint(S_IFIFO | 0644) << 10LL << kAnySize << false;
        QTest::newRow("character device")  << uint(S_IFCHR | 0666) << 0LL << kAnySize << false;
        QTest::newRow("block device")      << uint(S_IFBLK | 0660) << 1048576LL << kAnySize << false;
        QTest::newRow("socket")            << uint(S_IFSOCK | 0755) << 10LL << kAnySize << false;
        QTest::newRow("folder")            << uint(S_IFDIR | 0755) << 4096LL << kAnySize << false;
        // clang-format on
    }
    void openedFiles()
    {
        QFETCH(uint, mode);
        QFETCH(qint64, size);
        QFETCH(qint64, largest);
        QFETCH(bool, opened);
        QCOMPARE(isReadableFile(mode_t(mode), size, largest), opened);
    }

    // Bytes as text: the encodings, the lead and trail bytes of Shift_JIS,
    // and the control characters that make bytes no text file.
    void decoding_data()
    {
        QTest::addColumn<bool>("playlist");  // the playlist's rules, else a text file's
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("ascii")                 << false << QByteArray("a 1:00") << "a 1:00";
        QTest::newRow("utf-8")                 << false << QByteArray("歌") << "歌";
        QTest::newRow("utf-8 bom")             << false << QByteArray("\xEF\xBB\xBF歌") << "歌";
        QTest::newRow("bom then shift_jis")    << false << QByteArray("\xEF\xBB\xBF\x82\xA0") << "あ";
        QTest::newRow("utf-16le bom")          << false << QByteArray("\xFF\xFE\x4C\x6B", 4) << "歌";
        QTest::newRow("utf-16be bom")          << false << QByteArray("\xFE\xFF\x6B\x4C", 4) << "歌";
        QTest::newRow("utf-16 odd length")     << false << QByteArray("\xFF\xFE\x4C\x6B\x20", 5) << kNoText;
        QTest::newRow("shift_jis")             << false << QByteArray("\x82\xA0 1:00") << "あ 1:00";
        QTest::newRow("lead 0x80")             << false << QByteArray("\x80\x40") << kNoText;
        QTest::newRow("lead 0x81")             << false << QByteArray("\x81\x40") << "\u3000";
        QTest::newRow("lead 0x9F")             << false << QByteArray("\x9F\x40") << "檗";
        QTest::newRow("single 0xA0")           << false << QByteArray("\xA0") << kNoText;
        QTest::newRow("lead 0xA0")             << false << QByteArray("\xA0\x40") << kNoText;
        QTest::newRow("half-width 0xA1")       << false << QByteArray("\xA1") << "｡";
        QTest::newRow("half-width 0xDF")       << false << QByteArray("\xDF") << "ﾟ";
        QTest::newRow("lead 0xE0")             << false << QByteArray("\xE0\x40") << "漾";
        QTest::newRow("lead 0xEA")             << false << QByteArray("\xEA\xA4") << "熙";
        QTest::newRow("vendor lead 0xF0")      << false << QByteArray("\xF0\x40") << kNoText;
        QTest::newRow("vendor lead 0xFA")      << false << QByteArray("\xFA\x40") << kNoText;
        QTest::newRow("latin-1 umlauts")       << false << QByteArray("M\xFC" "de K\xF6nig") << kNoText;
        QTest::newRow("trail 0x3F")            << false << QByteArray("\x81\x3F") << kNoText;
        QTest::newRow("trail 0x7E")            << false << QByteArray("\x81\x7E") << "×";
        QTest::newRow("trail 0x7F")            << false << QByteArray("\x81\x7F") << kNoText;
        QTest::newRow("trail 0x80")            << false << QByteArray("\x81\x80") << "÷";
        QTest::newRow("trail 0xFC")            << false << QByteArray("\x81\xFC") << "◯";
        QTest::newRow("trail 0xFD")            << false << QByteArray("\x81\xFD") << kNoText;
        QTest::newRow("lead at the end")       << false << QByteArray("a\x82") << kNoText;
        QTest::newRow("blanks and line ends")  << false << QByteArray("\t\n\r\f\v") << "\t\n\r\f\v";
        QTest::newRow("nul")                   << false << QByteArray("a\0b", 3) << kNoText;
        QTest::newRow("control 0x01")          << false << QByteArray("a\x01") << kNoText;
        QTest::newRow("backspace")             << false << QByteArray("a\x08") << kNoText;
        QTest::newRow("control 0x1F")          << false << QByteArray("a\x1F") << kNoText;
        QTest::newRow("delete")                << false << QByteArray("a\x7F") << kNoText;
        QTest::newRow("blank 0x20")            << false << QByteArray("a b") << "a b";
        QTest::newRow("control in shift_jis")  << false << QByteArray("\x82\xA0\x01") << kNoText;
        QTest::newRow("playlist control")      << true << QByteArray("a\x01") << "a\x01";
        QTest::newRow("playlist shift_jis")    << true << QByteArray("\x82\xA0") << "あ";
        QTest::newRow("playlist bom sjis")     << true << QByteArray("\xEF\xBB\xBF\x82\xA0") << "あ";
        QTest::newRow("playlist broken")       << true << QByteArray("a\xFF") << "a\uFFFD";
        QTest::newRow("playlist no utf-16")    << true << QByteArray("\xFF\xFE\x41\x00", 4) << QString::fromUtf16(u"\uFFFD\uFFFDA\0", 4);
        // clang-format on
    }
    void decoding()
    {
        QFETCH(bool, playlist);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const auto decoded = decodeText(bytes, playlist ? kPlaylistText : kTextFile);
        QCOMPARE(decoded.value_or(kNoText), text);
    }

    // Each fixture dropped on its own: the length in whole seconds (halves up)
    // and the title, or no song.
    void fixtures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("seconds");  // -1: unreadable
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("artist");
        // clang-format off
        QTest::newRow("mp3 cbr")            << "cbr.mp3" << 3 << "Sine" << "Tavelo";
        QTest::newRow("mp3 vbr xing")       << "vbr-xing.mp3" << 3 << "" << "";
        QTest::newRow("mp3 vbr no xing")    << "vbr-noxing.mp3" << 3 << "" << "";
        QTest::newRow("id3v2 shift_jis")    << "sjis-id3v2.mp3" << 3 << "あめのうた" << "うたびと";
        QTest::newRow("id3v1 shift_jis")    << "sjis-id3v1.mp3" << 3 << "こもりうた" << "うたびと";
        QTest::newRow("flac 2.5 s")         << "tone.flac" << 3 << "Flac tone" << "Tavelo";
        QTest::newRow("vorbis 1.4 s")       << "tone.ogg" << 1 << "雨の日" << "うたびと";
        QTest::newRow("opus")               << "tone.opus" << 3 << "Opus tone" << "";
        QTest::newRow("wav 2.5 s")          << "tone.wav" << 3 << "" << "";
        QTest::newRow("aiff 1.4 s")         << "tone.aiff" << 1 << "" << "";
        QTest::newRow("japanese name")      << "あめ.ogg" << 1 << "雨の日" << "うたびと";
        QTest::newRow("text named mp3")     << "text.mp3" << -1 << "" << "";
        QTest::newRow("empty flac")         << "empty.flac" << -1 << "" << "";
        QTest::newRow("truncated flac")     << "truncated.flac" << -1 << "" << "";
        QTest::newRow("truncated mp3")      << "truncated.mp3" << -1 << "" << "";
        QTest::newRow("missing")            << "missing.mp3" << -1 << "" << "";
        // clang-format on
    }
    void fixtures()
    {
        QFETCH(QString, file);
        QFETCH(int, seconds);
        QFETCH(QString, title);
        QFETCH(QString, artist);
        const DroppedSongs found = readDropped({fixture(file)}, 15);
        QVERIFY(found.leftOver.isEmpty());
        if (seconds < 0) {
            QCOMPARE(found.songs.size(), std::size_t(0));
            QCOMPARE(found.unreadable, QStringList{file});
            return;
        }
        QCOMPARE(found.unreadable, QStringList{});
        QCOMPARE(found.songs.size(), std::size_t(1));
        QCOMPARE(wholeSeconds(found.songs[0].milliseconds), seconds);
        QCOMPARE(found.songs[0].title, title);
        QCOMPARE(found.songs[0].artist, artist);
    }

    // Files of ordinary but tricky shapes, each against its decoded length
    // (the samples the encoder was given) in whole seconds, halves up.
    void lengths_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("how");  // the bytes changed first (see shaped())
        QTest::addColumn<int>("seconds");  // -1: unreadable
        QTest::addColumn<QString>("title");
        // clang-format off
        QTest::newRow("mp3 delay and padding off")  << "delay.mp3" << "" << 2 << "";        // 2.47 s; 2.66 s with them
        QTest::newRow("mp3 junk before frames")     << "cbr.mp3" << "junk" << 3 << "Sine / Tavelo";
        QTest::newRow("mp3 id3v2 tags repeated")    << "cbr.mp3" << "two tags" << 3 << "Twice / Tavelo";
        QTest::newRow("flac sample count 0")        << "tone.flac" << "no count" << 3 << "Flac tone / Tavelo";  // 2.5 s
        QTest::newRow("chained ogg")                << "chained.ogg" << "" << 4 << "";      // 1.4 s + 2.5 s
        QTest::newRow("flac two minutes silence")   << "silence.flac" << "" << 120 << "";   // 3 KB
        QTest::newRow("ogg a minute of silence")    << "silence.ogg" << "" << 60 << "";     // 6 KB
        QTest::newRow("mp3 cut: whole frames less delay") << "delay.mp3" << "cut 5000" << 2 << "";  // 21 frames: 1.512 s
        QTest::newRow("flac cut: whole frames")     << "tone.flac" << "cut 12000" << 1 << "Flac tone / Tavelo";  // 2 of 5 frames: 1.024 s
        QTest::newRow("flac cut in its header")     << "tone.flac" << "cut 8341" << -1 << "";
        QTest::newRow("wav info title")             << "tone.wav" << "info" << 3 << "雨の歌 / Tavelo";
        // clang-format on
    }
    void lengths()
    {
        QFETCH(QString, file);
        QFETCH(QString, how);
        QFETCH(int, seconds);
        QFETCH(QString, title);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        const QByteArray bytes = shaped(fixtureBytes(file), how);
        QCOMPARE(out.write(bytes), bytes.size());
        out.close();
        const auto song = readAudioFile(path);
        QCOMPARE(song ? int(wholeSeconds(song->milliseconds)) : -1, seconds);
        if (song)
            QCOMPARE(songTitle(*song), title);
    }

    // The MPEG scan over frames made here (a header, then zeros): each
    // version and layer's frame size and samples per frame, the run that
    // makes the first frame, the gap that ends the frames, and what an
    // Info header says or is overruled in.
    void mpegFrames_data()
    {
        QTest::addColumn<QByteArray>("header");  // the frames' header, in hex
        QTest::addColumn<int>("bytes");          // per frame
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("around");  // see mpegStream()
        QTest::addColumn<qint64>("milliseconds");
        // clang-format off
        QTest::newRow("mpeg-1 III 128k 44.1 kHz")  << QByteArray("fffb9000") << 417 << 100 << "" << 2612LL;  // 115,200 samples
        QTest::newRow("padding bit: a byte more")  << QByteArray("fffb9200") << 418 << 100 << "" << 2612LL;
        QTest::newRow("mpeg-1 II 192k 48 kHz")     << QByteArray("fffda400") << 576 << 100 << "" << 2400LL;
        QTest::newRow("mpeg-1 I 384k 32 kHz")      << QByteArray("ffffc800") << 576 << 100 << "" << 1200LL;
        QTest::newRow("mpeg-2 III 64k 22.05 kHz")  << QByteArray("fff38000") << 208 << 100 << "" << 2612LL;
        QTest::newRow("mpeg-2.5 III 8k 8 kHz")     << QByteArray("ffe31800") << 72 << 100 << "" << 7200LL;
        QTest::newRow("free format: no frames")    << QByteArray("fffb0000") << 417 << 100 << "" << 0LL;
        QTest::newRow("reserved version")          << QByteArray("ffeb9000") << 417 << 100 << "" << 0LL;
        QTest::newRow("three frames: a short file") << QByteArray("fffb9000") << 417 << 3 << "" << 78LL;
        QTest::newRow("junk first, no sync in it") << QByteArray("ffe31800") << 72 << 100 << "junk 5000" << 7200LL;
        QTest::newRow("a megabyte of zeros first") << QByteArray("ffe31800") << 72 << 100 << "zeros 1048500" << 7200LL;
        QTest::newRow("beyond a megabyte")         << QByteArray("ffe31800") << 72 << 100 << "zeros 1048600" << 0LL;
        QTest::newRow("a gap of 64 KiB: one stream") << QByteArray("ffe31800") << 72 << 100 << "gap 65000" << 14400LL;
        QTest::newRow("a longer gap ends it")      << QByteArray("ffe31800") << 72 << 100 << "gap 65600" << 7200LL;
        QTest::newRow("frame cut off at the end")  << QByteArray("ffe31800") << 72 << 100 << "cut 40" << 7128LL;
        QTest::newRow("info: its count trusted")   << QByteArray("fffb9000") << 417 << 100 << "info 50" << 1306LL;   // 57,600 samples
        QTest::newRow("info: delay and padding")   << QByteArray("fffb9000") << 417 << 100 << "lame 50" << 1270LL;   // less 576 + 1,000
        QTest::newRow("info: a count the bytes deny") << QByteArray("fffb9000") << 417 << 100 << "info 100000" << 2586LL;  // the 99 after it
        // clang-format on
    }
    void mpegFrames()
    {
        QFETCH(QByteArray, header);
        QFETCH(int, bytes);
        QFETCH(int, count);
        QFETCH(QString, around);
        QFETCH(qint64, milliseconds);
        MemorySource source(mpegStream(QByteArray::fromHex(header), bytes, count, around));
        QCOMPARE(mpegLength(source, kNeverStop), milliseconds);
    }

    // A minute of frames, then zeros to 2 GiB (sparse: no disk), as an
    // unfinished or preallocated download leaves it: the frames are read and
    // the zeros cost nothing (a hang guard here: an earlier reader scanned the
    // zeros twice, for 100 s; bench_drop measures the time).
    void framesThenZeros()
    {
        QByteArray frames = fixtureBytes("cbr.mp3");         // 3.168 s: an ID3v2 tag, frames, ID3v1
        const qsizetype first = frames.indexOf("\xFF\xE3");  // MPEG-2.5, 8 kHz
        QVERIFY(first > 0);
        frames = frames.mid(first).chopped(128);
        QTemporaryDir dir;
        QFile file(dir.filePath("download.mp3"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(frames.repeated(19)), frames.size() * 19);
        QVERIFY(file.resize(qint64{2} << 30));
        file.close();
        QElapsedTimer timer;
        timer.start();
        const auto song = readAudioFile(file.fileName());
        qInfo("2 GiB, a minute of frames: %lld ms", timer.elapsed());
        QVERIFY(song);
        QCOMPARE(wholeSeconds(song->milliseconds), 60);  // 60.192 s
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    }

    // A scan stops inside a file when told to: each shape over a terabyte
    // that exists only here (frames without end, or sync-like bytes that are
    // no frame header, read backwards), stopped from another thread.
    void stopInsideScan_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::newRow("mp3 frames without end") << "mpeg";
        QTest::newRow("flac searched backwards") << "flac";
    }
    void stopInsideScan()
    {
        QFETCH(QString, shape);
        const QByteArray mpegFrame = QByteArray("\xFF\xE3\x18\xC4", 4) + QByteArray(68, '\0');
        const QByteArray flacHead =
            fixtureBytes("tone.flac").left(8 + 34) + "\x81" + QByteArray(3, '\0');
        FakeTerabyte source(shape == u"mpeg" ? QByteArray() : flacHead,
                            shape == u"mpeg" ? mpegFrame : QByteArray("\xFF\xF8"));
        StopFlag stop{false};
        std::thread stopper([&stop] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            stop = true;
        });
        QElapsedTimer timer;
        timer.start();
        const std::int64_t found =
            shape == u"mpeg" ? mpegLength(source, stop) : flacLength(source, stop);
        stopper.join();
        QCOMPARE(found, std::int64_t{0});
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        // It was scanning when stopped, and far from the end.
        QVERIFY(source.bytesRead() > (std::int64_t{1} << 20));
        QVERIFY(source.bytesRead() < (std::int64_t{1} << 36));
    }

    // Stopped before it starts, a drop reads nothing and names nothing.
    void stoppedDrop()
    {
        const StopFlag stop{true};
        const DroppedSongs found =
            readDropped({fixture("tone.wav"), fixture("tone.flac")}, 15, stop);
        QCOMPARE(found.songs.size(), std::size_t(0));
        QCOMPARE(found.unreadable, QStringList{});
    }

    // The fixture without a Xing header does fool a guess from the first
    // frame: TagLib alone says 4 s.
    void noXingFixtureNeedsCounting()
    {
        const TagLib::FileRef file(QFile::encodeName(fixture("vbr-noxing.mp3")).constData());
        QVERIFY(!file.isNull());
        QCOMPARE(wholeSeconds(file.audioProperties()->lengthInMilliseconds()), 4);
    }

    void listsAndTexts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("songs");
        QTest::addColumn<QStringList>("unreadable");
        // clang-format off
        QTest::newRow("utf-8 playlist")     << "list-utf8.m3u8" << "3168 Sine/Tavelo; 200000 長い曲/うたびと; 2500 Flac tone/Tavelo" << QStringList{"missing.ogg"};
        QTest::newRow("shift_jis playlist") << "list-sjis.m3u" << "1400 あめ/; 75000 夜の歌/うたびと; 2500 /" << QStringList{};
        QTest::newRow("tracklist")          << "tracklist.txt" << "207000 朝の歌/; 245000 Evening · Tavelo/; 3723000 夜の歌/; 207000 昼の歌/" << QStringList{};
        // clang-format on
    }
    void listsAndTexts()
    {
        QFETCH(QString, file);
        QFETCH(QString, songs);
        QFETCH(QStringList, unreadable);
        const DroppedSongs found = readDropped({fixture(file)}, 15);
        QCOMPARE(describe(found.songs), songs);
        QCOMPARE(found.unreadable, unreadable);
    }

    // Exported playlists and CUE sheets dropped with what lies beside them:
    // "name=fixture" copies a fixture, "name=@fifo" makes a FIFO,
    // "name=@link:target" a link, "name=@hole:bytes" a file of that size that
    // takes no room (a hole).
    void droppedLists_data()
    {
        QTest::addColumn<QString>("name");  // the list written, "" for none
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("beside");
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QString>("songs");
        QTest::addColumn<QStringList>("unreadable");
        const QByteArray sheet =
            "PERFORMER Band\nFILE \"album.wav\" WAVE\nTRACK 01 AUDIO\nTITLE One\nINDEX 01 "
            "00:00:00\nTRACK 02 AUDIO\nTITLE Two\nINDEX 01 00:01:00\n";
        const auto at = [&](const char *file) {
            return QByteArray(sheet).replace("\"album.wav\" WAVE", file);
        };
        const QStringList flac{"album.flac=tone.flac"};
        const QString rip = QStringLiteral("1000 One/Band; 1500 Two/Band");
        // clang-format off
        QTest::newRow("csv rows")            << "l.csv" << QByteArray("Track Name,Artist Name(s),Duration (ms)\nA,X,1000\nB,Y,\n,,\n") << QStringList{} << QStringList{"l.csv"} << "1000 A/X" << QStringList{"row B@l.csv#2"};
        QTest::newRow("csv no length")       << "l.csv" << QByteArray("Track name,Artist name,Album\nA,X,Y\n") << QStringList{} << QStringList{"l.csv"} << "" << QStringList{"nolength l.csv"};
        QTest::newRow("csv, no header")      << "l.csv" << QByteArray("Song 3:27\nOther 1:00\n") << QStringList{} << QStringList{"l.csv"} << "207000 Song/; 60000 Other/" << QStringList{};
        QTest::newRow("csv of files")        << "l.tsv" << QByteArray("Name\tTime\tLocation\nT\t\ttone.flac\nU\t\tgone.flac\n") << QStringList{"tone.flac=tone.flac"} << QStringList{"l.tsv"} << "2500 T/" << QStringList{"gone.flac"};
        QTest::newRow("long title in note")  << "l.csv" << QByteArray("Title,Time\n") + QByteArray(300, 'x') + ",\n" << QStringList{} << QStringList{"l.csv"} << "" << QStringList{"row " + QString(300, u'x') + "@l.csv#1"};
        QTest::newRow("text export")         << "Music.txt" << QByteArray("\xFF\xFEN\0a\0m\0e\0\t\0T\0i\0m\0e\0\r\0A\0\t\0\x39\0\r\0", 30) << QStringList{} << QStringList{"Music.txt"} << "9000 A/" << QStringList{};
        QTest::newRow("txt of tab times")    << "t.txt" << QByteArray("Song\t3:27\n") << QStringList{} << QStringList{"t.txt"} << "207000 Song/" << QStringList{};
        QTest::newRow("pls, own length")     << "r.pls" << QByteArray("[playlist]\nFile1=tone.flac\nFile2=gone.mp3\nTitle2=Gone\nFile3=http://radio\nLength3=60\n") << QStringList{"tone.flac=tone.flac"} << QStringList{"r.pls"} << "2500 Flac tone/Tavelo; 60000 /" << QStringList{"gone.mp3"};
        QTest::newRow("pls without suffix")  << "radio" << QByteArray("[playlist]\nTitle1=A - B\nLength1=5\n") << QStringList{} << QStringList{"radio"} << "5000 B/A" << QStringList{};
        QTest::newRow("xml that is xspf")    << "l.xml" << QByteArray("<playlist><trackList><track><location>tone.ogg</location></track></trackList></playlist>") << QStringList{"tone.ogg=tone.ogg"} << QStringList{"l.xml"} << "1400 雨の日/うたびと" << QStringList{};
        QTest::newRow("xspf cut short")      << "l.xspf" << QByteArray("<playlist><trackList><track><title>A</title><duration>1000</duration></track><track><ti") << QStringList{} << QStringList{"l.xspf"} << "1000 A/" << QStringList{"l.xspf"};
        QTest::newRow("xml laughs")          << "l.xml" << QByteArray("<!DOCTYPE p [<!ENTITY a \"aaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]><plist>&b;</plist>") << QStringList{} << QStringList{"l.xml"} << "" << QStringList{"l.xml"};
        QTest::newRow("cue, other suffix")   << "album.cue" << sheet << flac << QStringList{"album.cue"} << rip << QStringList{};
        QTest::newRow("cue and its flac")    << "album.cue" << sheet << flac << QStringList{"album.cue", "album.flac"} << rip << QStringList{};
        QTest::newRow("flac and its cue")    << "album.cue" << sheet << flac << QStringList{"album.flac", "album.cue"} << rip << QStringList{};
        QTest::newRow("flac beside cue")     << "album.cue" << sheet << flac << QStringList{"album.flac"} << rip << QStringList{};
        QTest::newRow("flac.cue beside")     << "album.flac.cue" << sheet << flac << QStringList{"album.flac"} << rip << QStringList{};
        QTest::newRow("sheet naming it")     << "other.cue" << at("\"album.flac\" WAVE") << flac << QStringList{"album.flac"} << rip << QStringList{};
        QTest::newRow("sheet naming other")  << "other.cue" << at("b.flac WAVE") << flac << QStringList{"album.flac"} << "2500 Flac tone/Tavelo" << QStringList{};
        QTest::newRow("folder of a rip")     << "album.cue" << sheet << flac << QStringList{""} << rip << QStringList{};
        QTest::newRow("two files: no rip")   << "album.cue" << sheet + "FILE b.wav WAVE\nTRACK 03 AUDIO\nINDEX 01 00:00:00\n" << flac << QStringList{"album.flac"} << "2500 Flac tone/Tavelo" << QStringList{};
        QTest::newRow("windows path")        << "album.cue" << at("\"C:\\Rips\\album.flac\" WAVE") << flac << QStringList{"album.cue"} << rip << QStringList{};
        QTest::newRow("cue at a fifo")       << "album.cue" << at("pipe.wav WAVE") << QStringList{"pipe.wav=@fifo"} << QStringList{"album.cue"} << "1000 One/Band" << QStringList{"track Two@album.cue#02"};
        QTest::newRow("cue at /dev/zero")    << "album.cue" << at("/dev/zero WAVE") << QStringList{} << QStringList{"album.cue"} << "1000 One/Band" << QStringList{"track Two@album.cue#02"};
        QTest::newRow("cue at a link to /dev/zero") << "album.cue" << at("z.wav WAVE") << QStringList{"z.wav=@link:/dev/zero"} << QStringList{"album.cue"} << "1000 One/Band" << QStringList{"track Two@album.cue#02"};
        QTest::newRow("cue at itself")       << "album.cue" << at("album.cue WAVE") << QStringList{} << QStringList{"album.cue"} << "1000 One/Band" << QStringList{"track Two@album.cue#02"};
        QTest::newRow("cue at a missing")    << "album.cue" << at("gone.wav WAVE") << QStringList{} << QStringList{"album.cue"} << "1000 One/Band" << QStringList{"track Two@album.cue#02"};
        QTest::newRow("bin at /dev/zero")    << "album.cue" << at("/dev/zero BINARY") << QStringList{} << QStringList{"album.cue"} << "1000 One/Band" << QStringList{"track Two@album.cue#02"};
        QTest::newRow("bin image")           << "album.cue" << at("disc.bin BINARY") << QStringList{"disc.bin=@hole:2822400"} << QStringList{"album.cue"} << "1000 One/Band; 15000 Two/Band" << QStringList{};
        QTest::newRow("untitled track")      << "album.cue" << QByteArray("FILE gone.wav WAVE\nTRACK 07 AUDIO\nINDEX 01 00:00:00\n") << QStringList{} << QStringList{"album.cue"} << "" << QStringList{"track @album.cue#07"};
        QTest::newRow("data tracks only")    << "album.cue" << QByteArray("FILE d.bin BINARY\nTRACK 01 MODE1/2352\nINDEX 01 00:00:00\n") << QStringList{} << QStringList{"album.cue"} << "" << QStringList{"album.cue"};
        QTest::newRow("no text")             << "album.cue" << QByteArray("\xFF\xFE\x00") << QStringList{} << QStringList{"album.cue"} << "" << QStringList{"album.cue"};
        QTest::newRow("csv of 100 MB")       << "" << QByteArray() << QStringList{"big.csv=@hole:104857600"} << QStringList{"big.csv"} << "" << QStringList{"big.csv"};
        QTest::newRow("cue of 100 MB")       << "" << QByteArray() << QStringList{"big.cue=@hole:104857600"} << QStringList{"big.cue"} << "" << QStringList{"big.cue"};
        QTest::newRow("a fifo named .csv")   << "" << QByteArray() << QStringList{"p.csv=@fifo"} << QStringList{"p.csv"} << "" << QStringList{"p.csv"};
        // clang-format on
    }
    void droppedLists()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, beside);
        QFETCH(QStringList, dropped);
        QFETCH(QString, songs);
        QFETCH(QStringList, unreadable);
        QTemporaryDir dir;
        if (!name.isEmpty()) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(bytes), bytes.size());
        }
        for (const QString &item : beside) {
            const QString path = dir.filePath(item.section(u'=', 0, 0));
            const QString what = item.section(u'=', 1);
            if (what == QLatin1String("@fifo")) {
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            } else if (what.startsWith(QLatin1String("@link:"))) {
                QVERIFY(QFile::link(what.mid(6), path));
            } else if (what.startsWith(QLatin1String("@hole:"))) {
                QFile hole(path);
                QVERIFY(hole.open(QIODevice::WriteOnly) && hole.resize(what.mid(6).toLongLong()));
            } else {
                copyFixture(what, path);
            }
        }
        QStringList paths;
        for (const QString &each : dropped)
            paths << (each.isEmpty() ? dir.path() : dir.filePath(each));
        QElapsedTimer timer;
        timer.start();
        const DroppedSongs found = readDropped(paths, 15);
        QCOMPARE(describe(found.songs), songs);
        QCOMPARE(skipped(found, found.unreadableItems), unreadable);
        QCOMPARE(skipped({}, found.leftOverItems), QStringList{});
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    }

    // A sheet of 200 tracks over one file: fifteen songs, the rest left
    // over by their titles.
    void sheetOfTwoHundredTracks()
    {
        QTemporaryDir dir;
        QByteArray sheet = "FILE \"disc.bin\" BINARY\n";
        for (int n = 0; n < 200; ++n)
            sheet += QStringLiteral("TRACK %1 AUDIO\nTITLE T%1\nINDEX 01 %2:00:00\n")
                         .arg(n + 1)
                         .arg(n)
                         .toUtf8();
        QFile file(dir.filePath("disc.cue"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(sheet) == sheet.size());
        file.close();
        QFile image(dir.filePath("disc.bin"));
        QVERIFY(image.open(QIODevice::WriteOnly) && image.resize(qint64(200) * 60 * 75 * 2352));
        const DroppedSongs found = readDropped({file.fileName()}, 15);
        QCOMPARE(found.songs.size(), std::size_t(15));
        QCOMPARE(found.songs.back().milliseconds, 60000);
        QCOMPARE(found.leftOverItems.size(), std::size_t(185));
        QCOMPARE(skipped({}, {found.leftOverItems.back()}), QStringList{"track T200@disc.cue#200"});
        QCOMPARE(skipped(found, found.unreadableItems), QStringList{});
    }

    void naturalOrder()
    {
        QStringList names{"10.mp3", "2.mp3", "Track 1.mp3", "track 01b.mp3",
                          "1.mp3",  "b.mp3", "A.mp3",       "02.mp3"};
        std::sort(names.begin(), names.end(), naturalLess);
        QCOMPARE(names, (QStringList{"1.mp3", "02.mp3", "2.mp3", "10.mp3", "A.mp3", "b.mp3",
                                     "Track 1.mp3", "track 01b.mp3"}));
    }

    // A folder: audio files only, one level, in natural order; reading stops
    // at `wanted` and the rest is named as left over.
    void folder()
    {
        QTemporaryDir dir;
        copyFixture("tone.wav", dir.filePath("10 ten.wav"));
        copyFixture("tone.aiff", dir.filePath("2 two.aiff"));
        copyFixture("cbr.mp3", dir.filePath("1 one.mp3"));
        copyFixture("text.mp3", dir.filePath("3 bad.mp3"));
        copyFixture("tracklist.txt", dir.filePath("4 list.txt"));
        copyFixture("list-utf8.m3u8", dir.filePath("5 list.m3u8"));
        QVERIFY(QDir(dir.path()).mkdir("6 sub"));
        const DroppedSongs all = readDropped({dir.path()}, 15);
        QCOMPARE(describe(all.songs), QStringLiteral("3168 Sine/Tavelo; 1400 /; 2500 /"));
        QCOMPARE(all.unreadable, QStringList{"3 bad.mp3"});
        const DroppedSongs two = readDropped({dir.path(), fixture("tone.ogg")}, 2);
        QCOMPARE(two.songs.size(), std::size_t(2));
        QCOMPARE(two.leftOver, (QStringList{"3 bad.mp3", "10 ten.wav", "tone.ogg"}));
        QCOMPARE(readDropped({dir.filePath("6 sub")}, 15).unreadable, QStringList{"6 sub"});
    }

    // FIFOs and devices are never opened (each would block or never end),
    // link loops and dangling links give nothing.
    void specialFiles()
    {
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath("pipe.mp3"));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe.txt")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", dir.filePath("zero.txt")));
        QVERIFY(QFile::link("/dev/zero", dir.filePath("zero.mp3")));
        QVERIFY(QFile::link(dir.filePath("loop-b.mp3"), dir.filePath("loop-a.mp3")));
        QVERIFY(QFile::link(dir.filePath("loop-a.mp3"), dir.filePath("loop-b.mp3")));
        QVERIFY(QFile::link(dir.filePath("gone.mp3"), dir.filePath("dangling.mp3")));
        QElapsedTimer timer;
        timer.start();
        const QStringList dropped{dir.filePath("pipe.mp3"),
                                  dir.filePath("pipe.txt"),
                                  dir.filePath("zero.txt"),
                                  dir.filePath("zero.mp3"),
                                  dir.filePath("loop-a.mp3"),
                                  dir.filePath("dangling.mp3"),
                                  "/dev/null",
                                  dir.path()};
        const DroppedSongs found = readDropped(dropped, 15);
        QCOMPARE(found.songs.size(), std::size_t(0));
        // The folder itself names its five entries with an audio suffix.
        QCOMPARE(found.unreadable,
                 (QStringList{"pipe.mp3", "pipe.txt", "zero.txt", "zero.mp3", "loop-a.mp3",
                              "dangling.mp3", "null", "dangling.mp3", "loop-a.mp3", "loop-b.mp3",
                              "pipe.mp3", "zero.mp3"}));
        QVERIFY(timer.elapsed() < 5000);
    }

    // A header that claims days of frames from a few kilobytes is contradicted
    // by the bytes: the frames there are counted instead (3 s), never a song
    // of days.
    void impossibleLength()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("claims.mp3"));
        copyFixture(QStringLiteral("vbr-xing.mp3"), path);
        QVERIFY(readAudioFile(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray bytes = file.readAll();
        const qsizetype xing = bytes.indexOf("Xing");
        QVERIFY(xing > 0);
        QVERIFY(bytes.at(xing + 7) & 1);  // the header holds the number of frames
        QVERIFY(file.seek(xing + 8));
        QCOMPARE(file.write(QByteArray("\x00\xff\xff\xff", 4)), 4);  // days of frames
        file.close();
        const auto song = readAudioFile(path);
        QVERIFY(song);
        QCOMPARE(wholeSeconds(song->milliseconds), 3);
    }

    // Ten thousand files in a folder: listed and sorted, only `wanted` read.
    // Hard links to one fixture keep it small; empty files are all tried and
    // found unreadable without being opened by TagLib.
    void largeFolder()
    {
        QTemporaryDir dir;
        copyFixture("tone.wav", dir.filePath("source.wav"));
        const QByteArray source = QFile::encodeName(dir.filePath("source.wav"));
        QVERIFY(QDir(dir.path()).mkdir("links") && QDir(dir.path()).mkdir("empty"));
        for (int i = 1; i <= 10000; ++i) {
            const QString name = QStringLiteral("%1.wav").arg(i);
            QCOMPARE(::link(source.constData(),
                            QFile::encodeName(dir.filePath("links/" + name)).constData()),
                     0);
            QFile empty(dir.filePath("empty/" + name));
            QVERIFY(empty.open(QIODevice::WriteOnly));
        }
        QElapsedTimer timer;
        timer.start();
        const DroppedSongs links = readDropped({dir.filePath("links")}, 15);
        QCOMPARE(links.songs.size(), std::size_t(15));
        QCOMPARE(links.leftOver.size(), 9985);
        QCOMPARE(links.leftOver.front(), QStringLiteral("16.wav"));
        QCOMPARE(links.leftOver.back(), QStringLiteral("10000.wav"));
        const DroppedSongs empty = readDropped({dir.filePath("empty")}, 15);
        QCOMPARE(empty.unreadable.size(), 10000);
        qInfo("reading both folders: %lld ms", timer.elapsed());
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    }

    // A file without read permission: unreadable for a user; root reads it
    // anyway, so as root only "no crash, one answer" can be checked. A name
    // that is no UTF-8 cannot be named back through Qt: it is unreadable.
    void permissionsAndNames()
    {
        QTemporaryDir dir;
        copyFixture("tone.wav", dir.filePath("locked.wav"));
        QVERIFY(QFile::setPermissions(dir.filePath("locked.wav"), {}));
        const DroppedSongs locked = readDropped({dir.filePath("locked.wav")}, 15);
        if (::geteuid() == 0)
            QCOMPARE(locked.songs.size() + locked.unreadable.size(), std::size_t(1));
        else
            QCOMPARE(locked.unreadable, QStringList{"locked.wav"});

        QVERIFY(QDir(dir.path()).mkdir("names"));
        const QByteArray bad = QFile::encodeName(dir.filePath("names")) + "/bad\xff.wav";
        const int fd = ::open(bad.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QFile wav(fixture("tone.wav"));
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const QByteArray bytes = wav.readAll();
        QCOMPARE(::write(fd, bytes.constData(), bytes.size()), ssize_t(bytes.size()));
        ::close(fd);
        copyFixture("tone.aiff", dir.filePath("names/good.aiff"));
        const DroppedSongs names = readDropped({dir.filePath("names")}, 15);
        QCOMPARE(describe(names.songs), QStringLiteral("1400 /"));
        QCOMPARE(names.unreadable, QStringList{QStringLiteral("bad\uFFFD.wav")});
    }

    void nothingWanted()
    {
        const DroppedSongs found = readDropped({fixture("tone.wav"), fixture("nowhere")}, 0);
        QCOMPARE(found.songs.size(), std::size_t(0));
        QCOMPARE(found.leftOver, (QStringList{"tone.wav", "nowhere"}));
    }
};

QTEST_APPLESS_MAIN(TestReaders)
#include "test_readers.moc"
