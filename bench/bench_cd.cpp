// SPDX-License-Identifier: MIT
// An audio CD's contents read and placed, with a drive of the tests' own that
// gives recorded bytes at once: what the program adds to the drive's own time
// (a real drive answers the table of contents from its memory once the disc
// spins; spinning up is the drive's). First the reading alone (the table, the
// CD-TEXT, the songs and the effects that place them), then the whole way
// through the program: CDから読み込む on NyuryokuForm's first row, the reading
// thread, and the rows written.
//
//   bench_cd                  times everything (use a release build)
//   bench_cd -iterations 1    one pass of each, as the smoke test does

#include "calc/placesongs.h"
#include "support/fakecd.h"
#include "support/guitest.h"

#include <QEventLoop>

using guitest::EntryScreen;
using guitest::ScreenId;
using guitest::Session;

namespace {

// A disc of `tracks` tracks of a minute, with CD-TEXT in `code` (none for -1).
fakecd::Disc discOf(int tracks, int code)
{
    fakecd::Disc disc;
    disc.toc = tavelo::CdToc{fakecd::tocTable(fakecd::evenTracks(tracks, 4500)), 0};
    if (code < 0)
        return disc;
    const bool japanese = code == fakecd::kMsJis;
    QStringList titles{japanese ? QStringLiteral("記録") : QStringLiteral("Album")};
    QStringList performers{japanese ? QStringLiteral("山田") : QStringLiteral("Band")};
    for (int n = 1; n <= tracks; ++n) {
        titles << (japanese ? QStringLiteral("曲%1").arg(n) : QStringLiteral("Song %1").arg(n));
        performers << QStringLiteral("\t");
    }
    disc.cdText = fakecd::cdTextBytes(
        {{code, japanese ? fakecd::kJapanese : fakecd::kEnglish, titles, performers}});
    return disc;
}

}  // namespace

class BenchCd : public QObject {
    Q_OBJECT

private slots:
    void readAndPlace_data()
    {
        QTest::addColumn<int>("tracks");
        QTest::addColumn<int>("code");  // the CD-TEXT's character code; -1: none
        // clang-format off
        QTest::newRow("12 tracks, no CD-TEXT")      << 12 << -1;
        QTest::newRow("12 tracks, CD-TEXT Latin-1") << 12 << fakecd::kLatin1;
        QTest::newRow("99 tracks, CD-TEXT Latin-1") << 99 << fakecd::kLatin1;
        QTest::newRow("99 tracks, CD-TEXT MS-JIS")  << 99 << fakecd::kMsJis;
        // clang-format on
    }
    void readAndPlace()
    {
        QFETCH(int, tracks);
        QFETCH(int, code);
        const fakecd::Disc disc = discOf(tracks, code);
        std::size_t effects = 0;
        QBENCHMARK
        {
            fakecd::FakeDrive drive(disc);
            const tavelo::CdSongs found = tavelo::readCd(drive);
            effects = tavelo::placeCdSongs(ScreenId::Entry, {}, 0, found.trouble,
                                           {found.songs, found.unreadable, {}})
                          .size();
        }
        // Fifteen rows, and a note for the rest on a 99-track disc.
        QCOMPARE(effects, std::size_t(tracks > 15 ? 16 : tracks));
    }

    void menuToRows_data() { readAndPlace_data(); }
    void menuToRows()
    {
        QFETCH(int, tracks);
        QFETCH(int, code);
        Session s;
        guitest::program().setCdDriveOpener(fakecd::opener(discOf(tracks, code)));
        QVERIFY(guitest::acceptCapacity(s.main, QStringLiteral("46")));
        EntryScreen *screen = guitest::openPageOne(s.main, false, {});
        QVERIFY(screen);
        QBENCHMARK
        {
            for (int slot = 0; slot < tavelo::kRowsPerPage; ++slot)
                screen->setSlot(slot, {});
            emit screen->cdRequested(0);
            while (guitest::program().isReading())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            QCoreApplication::processEvents();
        }
        QCOMPARE(guitest::minuteText(screen, 0), QStringLiteral("1"));
    }
};

GUITEST_MAIN(BenchCd)
#include "bench_cd.moc"
