// SPDX-License-Identifier: MIT
// The A面・B面 window's opening and its answer to a keystroke in each way of
// splitting, and the index card's PDF on each paper, with 30 songs.
//
//     bench_sides                 all, as often as QBENCHMARK decides
//     bench_sides -iterations 1   one pass of each (the smoke test)

#include "core/model.h"
#include "gui/formwindow.h"
#include "plan/card.h"
#include "plan/sides.h"
#include "sides/cardprint.h"
#include "sides/sideswindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace tavelo;

namespace {

MainState thirtySongs()
{
    MainState state;
    state.capacity = QStringLiteral("45");
    for (int i = 0; i < kSlotCount; ++i)
        state.songs.at(i) = {QString::number(2 + i % 4), QString::number((i * 7) % 60)};
    return state;
}

void modeRows()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("in order") << int(SplitMode::InOrder);
    QTest::newRow("even") << int(SplitMode::Even);
    QTest::newRow("own flip") << int(SplitMode::OwnFlip);
}

// The window made, given the songs and set to a way of splitting.
SidesWindow *windowIn(int mode, const MainState &state)
{
    auto *w = new SidesWindow;
    w->setState(state);
    w->findChild<QComboBox *>(QStringLiteral("SplitMode"))->setCurrentIndex(mode);
    return w;
}

}  // namespace

class Bench_sides : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QFont::insertSubstitution(kScreenFace, QStringLiteral("IPAPGothic")); }

    // From nothing to the window painted once with the split shown.
    void openWindow_data() { modeRows(); }
    void openWindow()
    {
        QFETCH(int, mode);
        const MainState state = thirtySongs();
        QBENCHMARK
        {
            SidesWindow *w = windowIn(mode, state);
            w->show();
            w->grab();
            delete w;
        }
    }

    // One keystroke in the side length box, split again, shown and painted:
    // a digit typed, then taken back with Backspace at the next pass.
    void keystroke_data() { modeRows(); }
    void keystroke()
    {
        QFETCH(int, mode);
        SidesWindow *w = windowIn(mode, thirtySongs());
        w->show();
        w->grab();
        auto *length = w->findChild<QLineEdit *>(QStringLiteral("SideMinutes"));
        length->setFocus();
        length->end(false);
        bool typed = false;
        QBENCHMARK
        {
            QTest::keyClick(length, typed ? Qt::Key_Backspace : Qt::Key_5);
            typed = !typed;
            w->grab();
        }
        delete w;
    }

    // In the own flip, the song that ends side A moved on by one (Down in
    // its box), split again, shown and painted.
    void flipSong()
    {
        SidesWindow *w = windowIn(int(SplitMode::OwnFlip), thirtySongs());
        w->show();
        w->grab();
        auto *flip = w->findChild<QComboBox *>(QStringLiteral("FlipSong"));
        flip->setFocus();
        QBENCHMARK
        {
            if (flip->currentIndex() + 1 == flip->count())
                flip->setCurrentIndex(0);
            QTest::keyClick(flip, Qt::Key_Down);
            w->grab();
        }
        delete w;
    }

    // What a keystroke works out without the window: the split in words and
    // the shortest of the 14 cassettes.
    void splitAlone_data() { modeRows(); }
    void splitAlone()
    {
        QFETCH(int, mode);
        const std::vector<SideSong> songs = songsOfTable(thirtySongs().songs);
        SidesInputs inputs;
        inputs.sideMinutes = QStringLiteral("45");
        inputs.extras = {4, 5, 60};
        inputs.split = {SplitMode(mode), 14};
        QBENCHMARK
        {
            const SidesView view = sidesView(songs, inputs);
            QVERIFY(!view.cassette.isEmpty());
        }
    }

    // The split, the layout and the PDF on disk.
    void writePdf_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("size");
        QTest::newRow("A4") << int(Paper::A4) << int(CardSize::Standard);
        QTest::newRow("Letter") << int(Paper::Letter) << int(CardSize::Standard);
        QTest::newRow("Letter, short card") << int(Paper::Letter) << int(CardSize::Short);
    }
    void writePdf()
    {
        QFETCH(int, paper);
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("card.pdf"));
        std::vector<SideSong> songs = songsOfTable(thirtySongs().songs);
        for (SideSong &song : songs)
            song.title = QStringLiteral("とても長い曲の題名 %1").arg(song.slot + 1);
        QBENCHMARK
        {
            SidesInputs inputs;
            inputs.sideMinutes = QStringLiteral("45");
            inputs.title = QStringLiteral("夏のドライブ");
            inputs.extras = {4, 5, 60};
            inputs.split = {SplitMode::Even, 0};
            inputs.paper = Paper(paper);
            inputs.card = {CardSize(size), true};
            const SidesView view = sidesView(songs, inputs);
            QVERIFY(writeCardPdf(path, sidesCard(view, inputs)));
        }
    }
};

QTEST_MAIN(Bench_sides)
#include "bench_sides.moc"
