// SPDX-License-Identifier: MIT
// The A面・B面 window's opening and the index card's PDF, with 30 songs.
//
//     bench_sides                 both, as often as QBENCHMARK decides
//     bench_sides -iterations 1   one pass of each (the smoke test)

#include "core/model.h"
#include "gui/formwindow.h"
#include "plan/card.h"
#include "plan/sides.h"
#include "sides/cardprint.h"
#include "sides/sideswindow.h"

#include <QApplication>
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

}  // namespace

class Bench_sides : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QFont::insertSubstitution(kScreenFace, QStringLiteral("IPAPGothic")); }
    // From nothing to the window painted once with the split shown.
    void openWindow()
    {
        const MainState state = thirtySongs();
        QBENCHMARK
        {
            auto *w = new SidesWindow;
            w->setState(state);
            w->show();
            w->grab();
            delete w;
        }
    }
    // The split, the layout and the PDF on disk.
    void writePdf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("card.pdf"));
        std::vector<SideSong> songs = songsOfTable(thirtySongs().songs);
        for (SideSong &song : songs)
            song.title = QStringLiteral("とても長い曲の題名 %1").arg(song.slot + 1);
        QBENCHMARK
        {
            const SidesInputs inputs{
                QStringLiteral("45"), QStringLiteral("夏のドライブ"), {4, 5, 60}};
            const SidesView view = sidesView(songs, inputs);
            QVERIFY(writeCardPdf(path, sidesCard(view, inputs)));
        }
    }
};

QTEST_MAIN(Bench_sides)
#include "bench_sides.moc"
