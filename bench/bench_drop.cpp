// SPDX-License-Identifier: MIT
// Songs dropped onto NyuryokuForm: fifteen audio files read and written into
// its rows, how long the GUI thread is kept busy meanwhile, a CSV export and
// CUE sheets of many songs, and a megabyte of clipboard text pasted with
// Ctrl+Shift+V. The drops are drop events sent to
// the minute box of the first row, as a drag from a file manager ends; the
// files are read on the program's reading thread, so every drop is timed
// until that thread is done and the rows are painted.
//
//   bench_drop                  times everything (use a release build)
//   bench_drop -iterations 1    one pass of each, as the smoke test does

#include "core/listtext.h"
#include "plan/card.h"
#include "plan/sides.h"
#include "readers/audioscan.h"
#include "readers/dropped.h"
#include "sides/cardprint.h"
#include "sides/sideswindow.h"
#include "support/guitest.h"

#include <QClipboard>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <optional>
#include <thread>
#include <vector>

using guitest::EntryScreen;
using guitest::ScreenId;
using guitest::Session;

namespace {

// The readable fixtures and their lengths in whole seconds.
struct Fixture {
    const char *name;
    int seconds;
};
constexpr Fixture kFixtures[] = {
    {"cbr.mp3", 3},        {"vbr-xing.mp3", 3}, {"vbr-noxing.mp3", 3}, {"sjis-id3v2.mp3", 3},
    {"sjis-id3v1.mp3", 3}, {"tone.flac", 3},    {"tone.ogg", 1},       {"tone.opus", 3},
    {"tone.wav", 3},       {"tone.aiff", 1},    {"あめ.ogg", 1},
};
constexpr int kFifteen = 15;

QString fixture(const char *name)
{
    return QStringLiteral(TAVELO_FIXTURES "/audio/") + QString::fromUtf8(name);
}

// A folder of `count` audio files named after the fixtures in turn ("01
// cbr.mp3", "02 vbr-xing.mp3", ...), the first fifteen copies of them, and the
// rows those fifteen give.
struct SongFolder {
    explicit SongFolder(int count)
    {
        for (int i = 0; i < count; ++i) {
            const Fixture &f = kFixtures[i % std::size(kFixtures)];
            const QString path = dir.filePath(QStringLiteral("%1 %2")
                                                  .arg(i + 1, 2, 10, QLatin1Char('0'))
                                                  .arg(QString::fromUtf8(f.name)));
            // Only the first fifteen are read; the others are listed only,
            // so they may stay empty.
            QFile file(path);
            if (i < kFifteen ? !QFile::copy(fixture(f.name), path)
                             : !file.open(QIODevice::WriteOnly))
                qFatal("cannot make %s", qPrintable(path));
            files << path;
            if (i < kFifteen)
                rows << QStringLiteral("%1:%2").arg(f.seconds / 60).arg(f.seconds % 60);
        }
    }
    QTemporaryDir dir;
    QStringList files;
    QStringList rows;  // "0:3" as the boxes hold minutes and seconds
};

// The first page's fifteen rows as "minutes:seconds".
QStringList pageRows(const EntryScreen *screen)
{
    QStringList rows;
    const tavelo::Slots texts = screen->texts();
    for (int slot = 0; slot < kFifteen; ++slot)
        rows << texts.at(slot).minutes + QLatin1Char(':') + texts.at(slot).seconds;
    return rows;
}

void clearRows(EntryScreen *screen)
{
    for (int slot = 0; slot < kFifteen; ++slot)
        screen->setSlot(slot, {});
}

// The note of the last drop or paste (a small window named "Note"), or null.
QWidget *shownNote()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("Note") && w->isVisible())
            return w;
    }
    return nullptr;
}

// Takes the note away at once, so that the next one is made anew.
void removeNote()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("Note"))
            delete w;
    }
}

// Drops the paths onto the minute box of the first row, as a drag of files
// from a file manager ends there: it enters the box, moves and is dropped
// (Qt delivers a drop only to the widget that took the drag's entry).
void dropOnFirstRow(EntryScreen *screen, const QStringList &paths)
{
    QLineEdit *box = guitest::minuteBox(screen, 0);
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    mime.setUrls(urls);
    const QPoint at = box->rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &enter);
    QDragMoveEvent move(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &move);
    QDropEvent drop(QPointF(at), actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &drop);
}

// Waits for the reading thread, then lets the rows be painted.
void waitForReading()
{
    while (guitest::program().isReading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

// What one drop did to the GUI thread, in milliseconds.
struct DropTimes {
    double longestGap = 0;  // the longest time between two ticks of a 1 ms timer
    double placed = 0;      // from the drop event to the rows written
};

// Drops inside the running event loop while a 1 ms timer ticks; every tick
// records the time since the one before. Ends 50 ms after the rows are
// written, so that their painting and the note count too.
DropTimes timeDrop(EntryScreen *screen, const QStringList &paths)
{
    DropTimes times;
    QElapsedTimer clock;
    QEventLoop loop;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    ticks.setInterval(1);
    qint64 last = -1;
    qint64 dropped = -1;
    qint64 placed = -1;
    QObject::connect(&ticks, &QTimer::timeout, &loop, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0)
            times.longestGap = std::max(times.longestGap, (now - last) / 1e6);
        last = now;
        if (dropped < 0 && now > 20'000'000) {
            dropped = clock.nsecsElapsed();
            dropOnFirstRow(screen, paths);
        } else if (dropped >= 0 && placed < 0 && !guitest::program().isReading()) {
            placed = now;
            times.placed = (placed - dropped) / 1e6;
        } else if (placed >= 0 && now - placed > 50'000'000) {
            loop.quit();
        }
    });
    clock.start();
    ticks.start();
    loop.exec();
    return times;
}

// Ten drops of `paths` on a cleared screen without a note, each checked for
// the rows it writes (and for the note, where `note` says whether one shows):
// per drop, the longest GUI-thread gap and the time until the rows stood.
[[nodiscard]] bool dropTenTimes(EntryScreen *screen, const QStringList &paths,
                                const QStringList &rows, std::optional<bool> note,
                                std::vector<double> &gaps, std::vector<double> &placed)
{
    for (int i = 0; i < 10; ++i) {
        clearRows(screen);
        removeNote();
        const DropTimes t = timeDrop(screen, paths);
        GUITEST_COMPARE(pageRows(screen), rows);
        if (note)
            GUITEST_COMPARE(shownNote() != nullptr, *note);
        gaps.push_back(t.longestGap);
        placed.push_back(t.placed);
    }
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A megabyte of clipboard text of several kinds.
QString megabyteOf(const QString &kind)
{
    constexpr qsizetype kBytes = 1 << 20;
    QString text;
    if (kind == QLatin1String("tracklist")) {
        for (int n = 1; text.size() < kBytes; ++n)
            text += QStringLiteral("%1. Song number %1 · Artist 3:%2\n")
                        .arg(n)
                        .arg(n % 60, 2, 10, QLatin1Char('0'));
    } else if (kind == QLatin1String("letters")) {
        text = QString(kBytes, QLatin1Char('a'));
    } else if (kind == QLatin1String("colons")) {
        text = QStringLiteral("1:").repeated(kBytes / 2);
    } else if (kind == QLatin1String("full-width")) {
        text = QStringLiteral("１２分３４秒").repeated(kBytes / 6);
    } else if (kind == QLatin1String("long title")) {
        // Fifteen songs fill the rows; the sixteenth, with a title of a
        // megabyte, does not fit and is named in the note.
        text = QStringLiteral("Song 3:00\n").repeated(kFifteen) +
               QString(kBytes, QLatin1Char('x')) + QStringLiteral(" 4:00\n");
    } else if (kind == QLatin1String("long title, fits")) {
        text = QString(kBytes, QLatin1Char('x')) + QStringLiteral(" 4:00\n");
    }
    return text;
}

}  // namespace

class Bench_drop : public QObject {
    Q_OBJECT
private slots:
    void readFifteen();
    void readLargeDownload();
    void stopInsideScan();
    void dropFifteen_data();
    void dropFifteen();
    void guiThreadDuringDrop_data();
    void guiThreadDuringDrop();
    void dropExport_data();
    void dropExport();
    void pasteMegabyte_data();
    void pasteMegabyte();
    void longTitleAfterwards_data();
    void longTitleAfterwards();
};

// The readers alone: fifteen files from a warm cache, on this thread.
void Bench_drop::readFifteen()
{
    const SongFolder folder(kFifteen);
    QCOMPARE(tavelo::readDropped(folder.files, kFifteen).songs.size(), std::size_t(kFifteen));
    QBENCHMARK { tavelo::readDropped(folder.files, kFifteen); }
}

// A 2 GiB MP3 that is a minute of frames without a Xing header and then
// zeros (sparse: it takes no disk), as an unfinished download leaves it.
void Bench_drop::readLargeDownload()
{
    QFile cbr(fixture("cbr.mp3"));
    QVERIFY(cbr.open(QIODevice::ReadOnly));
    QByteArray frames = cbr.readAll();
    frames = frames.mid(frames.indexOf("\xFF\xE3")).chopped(128);  // without its tags
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("download.mp3")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(frames.repeated(19)), frames.size() * 19);
    QVERIFY(file.resize(qint64{2} << 30));
    file.close();
    const QStringList paths{file.fileName()};
    QCOMPARE(tavelo::readDropped(paths, kFifteen).songs.at(0).milliseconds / 1000, 60);
    QBENCHMARK { tavelo::readDropped(paths, kFifteen); }
}

// From the stop flag set to a scan's return, in the middle of a terabyte of
// frames (a source that makes them up as they are read).
void Bench_drop::stopInsideScan()
{
    class Frames : public tavelo::ScanSource {
    public:
        std::int64_t size() const override { return std::int64_t{1} << 40; }
        std::int64_t readAt(std::int64_t offset, char *to, std::int64_t length) override
        {
            static const QByteArray frame =
                QByteArray("\xFF\xE3\x18\xC4", 4) + QByteArray(68, '\0');
            for (std::int64_t i = 0; i < length; ++i)
                to[i] = frame.at(qsizetype((offset + i) % frame.size()));
            return length;
        }
    };
    QBENCHMARK
    {
        Frames source;
        tavelo::StopFlag stop{false};
        QElapsedTimer stopped;
        std::int64_t found = -1;
        std::thread scan([&] { found = tavelo::mpegLength(source, stop); });
        QThread::msleep(20);
        stop = true;
        stopped.start();
        scan.join();
        QCOMPARE(found, 0);
        qInfo("stopped after %lld us", stopped.nsecsElapsed() / 1000);
    }
}

void Bench_drop::dropFifteen_data()
{
    QTest::addColumn<bool>("asFolder");
    QTest::newRow("15 files") << false;
    QTest::newRow("a folder of 15") << true;
}

// From the drop event to the fifteen rows written and painted: the reading
// thread started, the files read, the rows written on the GUI thread.
void Bench_drop::dropFifteen()
{
    QFETCH(bool, asFolder);
    const SongFolder folder(kFifteen);
    const QStringList paths = asFolder ? QStringList{folder.dir.path()} : folder.files;
    Session s;
    EntryScreen *screen = guitest::program().showScreen(ScreenId::Entry);
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    dropOnFirstRow(screen, paths);
    QVERIFY(guitest::program().isReading());
    waitForReading();
    QCOMPARE(pageRows(screen), folder.rows);
    QBENCHMARK
    {
        clearRows(screen);
        dropOnFirstRow(screen, paths);
        waitForReading();
    }
    QCOMPARE(pageRows(screen), folder.rows);
}

void Bench_drop::guiThreadDuringDrop_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<bool>("asFolder");
    QTest::addColumn<bool>("note");  // something is left over: the note shows
    // clang-format off
    QTest::newRow("15 files")                  << 15 << false << false;
    QTest::newRow("a folder of 15")            << 15 << true  << false;
    QTest::newRow("20 files, note")            << 20 << false << true;
    QTest::newRow("a folder of 10,000, note")  << 10000 << true << true;
    // clang-format on
}

// The longest stretch the GUI thread is busy during a drop, over ten drops
// (the first from a cold screen: no note shown before).
void Bench_drop::guiThreadDuringDrop()
{
    QFETCH(int, files);
    QFETCH(bool, asFolder);
    QFETCH(bool, note);
    const SongFolder folder(files);
    const QStringList paths = asFolder ? QStringList{folder.dir.path()} : folder.files;
    Session s;
    EntryScreen *screen = guitest::program().showScreen(ScreenId::Entry);
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    std::vector<double> gaps, placed;
    QVERIFY(dropTenTimes(screen, paths, folder.rows, note, gaps, placed));
    qInfo("%s: longest GUI-thread gap first %.1f ms, median %.1f, max %.1f; rows written after "
          "median %.1f ms, max %.1f",
          QTest::currentDataTag(), gaps.front(), median(gaps),
          *std::max_element(gaps.begin(), gaps.end()), median(placed),
          *std::max_element(placed.begin(), placed.end()));
}

void Bench_drop::dropExport_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a CSV export of 1,000 rows") << "csv";
    QTest::newRow("a CUE sheet of 99 tracks with its FLAC") << "flac";
    QTest::newRow("a CUE sheet of 99 tracks of a BIN image") << "bin";
}

// An exported playlist or a CUE sheet dropped on the first row, from the drop
// to its first fifteen songs written: the median over ten drops (a warm
// cache), and the longest time the GUI thread was busy meanwhile.
void Bench_drop::dropExport()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path;
    QStringList rows;
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        path = file.fileName();
    };
    if (kind == QLatin1String("csv")) {
        QByteArray csv = "\"Track URI\",\"Track Name\",\"Album Name\",\"Artist Name(s)\",\"Track "
                         "Duration (ms)\",\"Explicit\",\"Popularity\"\n";
        for (int n = 1; n <= 1000; ++n)
            csv +=
                QStringLiteral("\"spotify:track:%1\",\"Song number %1\",\"Album\",\"Artist;Guest\","
                               "\"%2\",\"false\",\"50\"\n")
                    .arg(n)
                    .arg(180000 + n * 1000)
                    .toUtf8();
        write(QStringLiteral("playlist.csv"), csv);
        for (int n = 1; n <= kFifteen; ++n)
            rows << QStringLiteral("3:%1").arg(n);
    } else {
        // 99 tracks, the first fifteen of 2 frames each in a FLAC of 2.5 s,
        // or of three minutes each in a BIN image of raw CD sectors (a file
        // with a hole: it takes no room on the disk).
        const bool flac = kind == QLatin1String("flac");
        QByteArray cue = flac ? "FILE \"album.flac\" WAVE\n" : "FILE \"album.bin\" BINARY\n";
        for (int n = 0; n < 99; ++n) {
            const int frames = flac ? n * 2 : n * 3 * 60 * 75;
            cue +=
                QStringLiteral("  TRACK %1 AUDIO\n    TITLE \"Track %1\"\n    INDEX 01 %2:%3:%4\n")
                    .arg(n + 1, 2, 10, QLatin1Char('0'))
                    .arg(frames / 75 / 60, 2, 10, QLatin1Char('0'))
                    .arg(frames / 75 % 60, 2, 10, QLatin1Char('0'))
                    .arg(frames % 75, 2, 10, QLatin1Char('0'))
                    .toUtf8();
        }
        if (flac) {
            QVERIFY(QFile::copy(fixture("tone.flac"), dir.filePath(QStringLiteral("album.flac"))));
        } else {
            QFile image(dir.filePath(QStringLiteral("album.bin")));
            QVERIFY(image.open(QIODevice::WriteOnly) && image.resize(qint64(99) * 180 * 75 * 2352));
        }
        write(QStringLiteral("album.cue"), cue);
        for (int n = 1; n <= kFifteen; ++n)
            rows << (flac ? QStringLiteral("0:0") : QStringLiteral("3:0"));
    }
    Session s;
    EntryScreen *screen = guitest::program().showScreen(ScreenId::Entry);
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    std::vector<double> gaps, placed;
    QVERIFY(dropTenTimes(screen, {path}, rows, std::nullopt, gaps, placed));
    qInfo("%s: rows written after median %.1f ms (first %.1f, max %.1f); longest GUI-thread gap "
          "median %.1f ms, max %.1f",
          QTest::currentDataTag(), median(placed), placed.front(),
          *std::max_element(placed.begin(), placed.end()), median(gaps),
          *std::max_element(gaps.begin(), gaps.end()));
}

void Bench_drop::pasteMegabyte_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("rowsFilled");
    QTest::addColumn<bool>("note");
    // clang-format off
    QTest::newRow("tracklist lines")             << "tracklist" << 15 << true;
    QTest::newRow("one line of letters")         << "letters" << 0 << true;
    QTest::newRow("one line of 1:1:1:")          << "colons" << 0 << true;
    QTest::newRow("one line of １２分３４秒")   << "full-width" << 1 << false;
    QTest::newRow("a title of a megabyte")       << "long title" << 15 << true;
    QTest::newRow("a title of a megabyte, fits") << "long title, fits" << 1 << false;
    // clang-format on
}

// Ctrl+Shift+V in the first row's minute box with a megabyte on the
// clipboard, to the rows written and the note shown.
void Bench_drop::pasteMegabyte()
{
    QFETCH(QString, kind);
    QFETCH(int, rowsFilled);
    QFETCH(bool, note);
    const QString text = megabyteOf(kind);
    QVERIFY(text.size() >= (1 << 20) - 64);
    QGuiApplication::clipboard()->setText(text);
    Session s;
    EntryScreen *screen = guitest::program().showScreen(ScreenId::Entry);
    QVERIFY(QTest::qWaitForWindowActive(screen));
    QLineEdit *box = guitest::minuteBox(screen, 0);
    box->setFocus();
    const auto paste = [&] {
        clearRows(screen);
        removeNote();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCoreApplication::processEvents();
    };
    QElapsedTimer first;
    first.start();
    paste();
    qInfo("%s: one paste before the timing %.1f ms", QTest::currentDataTag(),
          first.nsecsElapsed() / 1e6);
    const QStringList rows = pageRows(screen);
    QCOMPARE(kFifteen - rows.count(QStringLiteral(":")), rowsFilled);
    QCOMPARE(shownNote() != nullptr, note);
    QBENCHMARK { paste(); }
    QCOMPARE(pageRows(screen), rows);
}

void Bench_drop::longTitleAfterwards_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("longTitle");
    // clang-format off
    QTest::newRow("list text, ordinary titles")          << 0 << false;
    QTest::newRow("list text, a title of a megabyte")    << 0 << true;
    QTest::newRow("A面・B面 opened, ordinary titles")     << 1 << false;
    QTest::newRow("A面・B面 opened, a title of a megabyte") << 1 << true;
    QTest::newRow("card PDF, ordinary titles")           << 2 << false;
    QTest::newRow("card PDF, a title of a megabyte")     << 2 << true;
    // clang-format on
}

// Where a pasted title of a megabyte goes once it is in the song table: the
// list text (一覧をコピー, テキストに保存…), the A面・B面 window and the card.
void Bench_drop::longTitleAfterwards()
{
    QFETCH(int, step);
    QFETCH(bool, longTitle);
    tavelo::MainState state;
    state.capacity = QStringLiteral("30");
    for (int i = 0; i < kFifteen; ++i) {
        state.songs.at(i) = {QStringLiteral("3"), QStringLiteral("0"),
                             QStringLiteral("Song %1").arg(i + 1)};
        state.list << QStringLiteral("3:00");
    }
    if (longTitle)
        state.songs.at(4).title = QString(1 << 20, QLatin1Char('x'));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    const auto run = [&] {
        switch (step) {
        case 0: return !tavelo::listText(state).isEmpty();
        case 1: {
            tavelo::SidesWindow window;
            window.setState(state);
            window.show();
            window.grab();
            return window.view().songs.size() == std::size_t(kFifteen);
        }
        default: {
            const tavelo::SidesInputs inputs{
                state.capacity, QStringLiteral("Title"), {}, {}, {}, {}};
            const tavelo::SidesView view =
                tavelo::sidesView(tavelo::songsOfTable(state.songs), inputs);
            return tavelo::writeCardPdf(pdf, tavelo::sidesCard(view, inputs));
        }
        }
    };
    QVERIFY(run());
    QBENCHMARK { run(); }
}

GUITEST_MAIN(Bench_drop)

#include "bench_drop.moc"
