// SPDX-License-Identifier: MIT
#include "core/foundsong.h"
#include "plan/card.h"
#include "plan/sides.h"

#include <QTest>

using namespace tavelo;

namespace {

CardSide side(const char *name, int songs, const QString &total = QStringLiteral("20:00"))
{
    CardSide out{QString::fromUtf8(name), total, {}};
    for (int i = 0; i < songs; ++i)
        out.songs.push_back(
            {QString::number(i + 1) + QStringLiteral("曲目"), QStringLiteral("3:45")});
    return out;
}

}  // namespace

class Test_card : public QObject {
    Q_OBJECT
private slots:
    void panels_data();
    void panels();
    void rows_data();
    void rows();
    void backFlap();
    void title_data();
    void title();
};

void Test_card::panels_data()
{
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<double>("left");  // of the card, centred across the page
    // clang-format off
    QTest::newRow("A4")     << card::kA4            << 22.45;
    QTest::newRow("Letter") << QSizeF(215.9, 279.4) << 25.4;
    // clang-format on
}

void Test_card::panels()
{
    QFETCH(QSizeF, page);
    QFETCH(double, left);
    const CardLayout layout =
        layoutCard({QStringLiteral("T"), side("A面", 1), side("B面", 1)}, page);
    QCOMPARE(layout.page, page);
    QCOMPARE(layout.card, QRectF(left, 20, 165.1, 101.6));
    QList<double> folds;
    for (const CardLine &line : layout.lines)
        if (line.kind == CardLine::Kind::Fold && line.line.y1() == layout.card.top())
            folds << line.line.x1() - layout.card.left();
    QCOMPARE(folds.size(), 3);
    QVERIFY(qFuzzyCompare(folds[0], 25.4) && qFuzzyCompare(folds[1], 38.1) &&
            qFuzzyCompare(folds[2], 101.6));
}

void Test_card::rows_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("songsA");
    QTest::addColumn<int>("songsB");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("front");
    QTest::addColumn<int>("inside");
    QTest::addColumn<int>("dropped");
    // Rows are the two side headings and the songs.
    // clang-format off
    QTest::newRow("few songs")            << QStringLiteral("T") << 5  << 4  << 9.0 << 11 << 0  << 0;
    QTest::newRow("front full at 9 pt")   << QStringLiteral("T") << 10 << 9  << 9.0 << 21 << 0  << 0;
    QTest::newRow("one more shrinks")     << QStringLiteral("T") << 10 << 10 << 8.5 << 22 << 0  << 0;
    QTest::newRow("no title, more room")  << QString()           << 15 << 15 << 6.5 << 32 << 0  << 0;
    QTest::newRow("smallest size fills")  << QStringLiteral("T") << 15 << 15 << 6.0 << 32 << 0  << 0;
    QTest::newRow("goes on inside")       << QStringLiteral("T") << 20 << 15 << 6.0 << 32 << 5  << 0;
    QTest::newRow("thirty a side")        << QStringLiteral("T") << 30 << 30 << 6.0 << 32 << 30 << 0;
    QTest::newRow("more than both hold")  << QStringLiteral("T") << 40 << 40 << 6.0 << 32 << 33 << 17;
    // clang-format on
}

void Test_card::rows()
{
    QFETCH(QString, title);
    QFETCH(int, songsA);
    QFETCH(int, songsB);
    const CardLayout layout =
        layoutCard({title, side("A面", songsA), side("B面", songsB)}, card::kA4);
    QTEST(layout.songPoints, "points");
    QTEST(layout.frontRows, "front");
    QTEST(layout.insideRows, "inside");
    QTEST(layout.droppedRows, "dropped");
    // Every text but the note under the card lies within the card, and
    // within one panel.
    const QRectF card = layout.card.adjusted(-1e-9, -1e-9, 1e-9, 1e-9);
    const double folds[] = {card.left(), card.left() + card::kBack,
                            card.left() + card::kBack + card::kSpine,
                            card.left() + card::kBack + card::kSpine + card::kFront, card.right()};
    for (std::size_t i = 0; i + 1 < layout.texts.size(); ++i) {
        const QRectF box = layout.texts[i].box;
        QVERIFY2(card.contains(box), qPrintable(layout.texts[i].text));
        QVERIFY(std::any_of(std::begin(folds), std::end(folds) - 1, [&](const double &left) {
            return box.left() >= left && box.right() <= (&left)[1];
        }));
    }
    QCOMPARE(layout.texts.back().box.top() > card.bottom(), true);
}

// The back flap holds each side's name and its own total, A above B; from
// a split, each side's total is what that side uses.
void Test_card::backFlap()
{
    const std::vector<SideSong> songs = {{0, 1200, {}}, {1, 900, {}}, {2, 330, {}}};
    const SidesView view = sidesView(songs, {QStringLiteral("30"), {}, {}});
    const CardLayout layout = sidesCard(view, {QStringLiteral("30"), {}, {}});
    QStringList flap;
    for (const CardText &text : layout.texts)
        if (text.box.right() <= layout.card.left() + card::kBack + 1e-9)
            flap << text.text;
    QCOMPARE(flap, (QStringList{"A面", "20:00", "B面", "20:30"}));
}

void Test_card::title_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("title");
    const QString longest(kLongestTitle, u'x');
    // clang-format off
    QTest::newRow("typed")               << "夏のドライブ"         << "30"   << "夏のドライブ";
    QTest::newRow("typed, blanks folded")<< "  夏の \t ドライブ "  << "30"   << "夏の ドライブ";
    QTest::newRow("typed, longest")      << longest               << "30"   << longest;
    QTest::newRow("typed, one too long") << longest + u'y'        << "30"   << longest.left(kLongestTitle - 1) + QChar(0x2026);
    QTest::newRow("blanks: the tape")    << "   "                 << "30"   << "C60";
    QTest::newRow("C46")                 << ""                    << "23"   << "C46";
    QTest::newRow("C120")                << ""                    << "60"   << "C120";
    QTest::newRow("30.0 is C60")         << ""                    << "30.0" << "C60";
    QTest::newRow("full-width ３０")      << ""                    << "３０"  << "C60";
    QTest::newRow("no tape of 31")       << ""                    << " 31 " << "片面31分";
    QTest::newRow("half minutes")        << ""                    << "1.5"  << "片面1.5分";
    QTest::newRow("30.5 is no C60")      << ""                    << "30.5" << "片面30.5分";
    // clang-format on
}

void Test_card::title()
{
    QFETCH(QString, typed);
    QFETCH(QString, minutes);
    QTEST(cardTitle({minutes, typed, {}}), "title");
}

QTEST_APPLESS_MAIN(Test_card)
#include "test_card.moc"
