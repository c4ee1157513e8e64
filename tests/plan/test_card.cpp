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
    void backFlap_data();
    void backFlap();
    void title_data();
    void title();
};

void Test_card::panels_data()
{
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<bool>("shortCard");
    QTest::addColumn<bool>("guides");
    QTest::addColumn<double>("left");  // of the card, centred across the page
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("folds");  // from the card's left edge
    const QSizeF letter(215.9, 279.4);
    // clang-format off
    QTest::newRow("A4")                   << card::kA4              << false << true  << 22.45 << 165.1 << "25.4 38.1 101.6";
    QTest::newRow("Letter")               << letter                 << false << true  << 25.4  << 165.1 << "25.4 38.1 101.6";
    QTest::newRow("A4, short card")       << card::kA4              << true  << true  << 28.8  << 152.4 << "15.24 25.4 88.9";
    QTest::newRow("Letter, short card")   << letter                 << true  << true  << 31.75 << 152.4 << "15.24 25.4 88.9";
    QTest::newRow("Letter turned")        << letter.transposed()    << false << true  << 57.15 << 165.1 << "25.4 38.1 101.6";
    QTest::newRow("no guides")            << card::kA4              << false << false << 22.45 << 165.1 << "";
    QTest::newRow("page narrower (A5)")   << QSizeF(148, 210)       << false << true  << 0.0   << 165.1 << "25.4 38.1 101.6";
    // clang-format on
}

void Test_card::panels()
{
    QFETCH(QSizeF, page);
    QFETCH(bool, shortCard);
    QFETCH(bool, guides);
    QFETCH(double, left);
    QFETCH(double, width);
    const CardLayout layout =
        layoutCard({QStringLiteral("T"), side("A面", 1), side("B面", 1)}, page,
                   {shortCard ? CardSize::Short : CardSize::Standard, guides});
    QCOMPARE(layout.page, page);
    QCOMPARE(layout.card, QRectF(left, 20, width, 101.6));
    QCOMPARE(layout.panels.width(), width);
    QStringList folds;
    QList<QLineF> scale;
    for (const CardLine &line : layout.lines) {
        if (line.kind == CardLine::Kind::Fold && line.line.y1() == layout.card.top())
            folds << QString::number(line.line.x1() - layout.card.left(), 'g', 6);
        if (line.kind == CardLine::Kind::Scale)
            scale << line.line;
    }
    QTEST(folds.join(u' '), "folds");
    // The bar of 50 mm from the card's left edge, under the card, its marks
    // and its note, on the page.
    QVERIFY(!scale.isEmpty());
    QCOMPARE(scale[0].length(), 50.0);
    QCOMPARE(scale[0].p1(), QPointF(left, scale[0].y1()));
    QVERIFY(scale[0].y1() > layout.card.bottom() + 8 && scale[0].y1() < page.height());
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
    // Every text but the three under the card (the note, the bar's length
    // and what it is for) lies within the card, and within one panel.
    const QRectF card = layout.card.adjusted(-1e-9, -1e-9, 1e-9, 1e-9);
    const CardPanels &p = layout.panels;
    const double folds[] = {card.left(), card.left() + p.back, card.left() + p.back + p.spine,
                            card.left() + p.back + p.spine + p.front, card.right()};
    QVERIFY(layout.texts.size() > 3);
    for (std::size_t i = 0; i + 3 < layout.texts.size(); ++i) {
        const QRectF box = layout.texts[i].box;
        QVERIFY2(card.contains(box), qPrintable(layout.texts[i].text));
        QVERIFY(std::any_of(std::begin(folds), std::end(folds) - 1, [&](const double &left) {
            return box.left() >= left && box.right() <= (&left)[1];
        }));
    }
    for (std::size_t i = layout.texts.size() - 3; i < layout.texts.size(); ++i)
        QVERIFY(layout.texts[i].box.top() > card.bottom());
}

// The back flap holds each side's name and its own total, A above B; from
// a split, each side's total is what that side uses. The short card's flap
// is too narrow for both on a line: the total goes under its name.
void Test_card::backFlap_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("stacked");
    QTest::newRow("standard") << int(CardSize::Standard) << false;
    QTest::newRow("short") << int(CardSize::Short) << true;
}

void Test_card::backFlap()
{
    QFETCH(int, size);
    QFETCH(bool, stacked);
    const std::vector<SideSong> songs = {{0, 1200, {}}, {1, 900, {}}, {2, 330, {}}};
    const SidesView view = sidesView(songs, {QStringLiteral("30"), {}, {}, {}, {}, {}});
    const CardLayout layout =
        sidesCard(view, {QStringLiteral("30"), {}, {}, {}, Paper::Letter, {CardSize(size), true}});
    QCOMPARE(layout.page, QSizeF(215.9, 279.4));
    QStringList flap;
    QList<double> tops;
    for (const CardText &text : layout.texts) {
        if (text.box.right() <= layout.card.left() + layout.panels.back + 1e-9) {
            flap << text.text;
            tops << text.box.top();
        }
    }
    QCOMPARE(flap, (QStringList{"A面", "20:00", "B面", "20:30"}));
    QCOMPARE(tops[1] > tops[0], stacked);
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
    QTEST(cardTitle({minutes, typed, {}, {}, {}, {}}), "title");
}

QTEST_APPLESS_MAIN(Test_card)
#include "test_card.moc"
