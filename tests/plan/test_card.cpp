// SPDX-License-Identifier: MIT
#include "plan/card.h"

#include <QTest>

using namespace tavelo;

namespace {

CardSide side(const char *name, int songs)
{
    CardSide out{QString::fromUtf8(name), QStringLiteral("20:00"), {}};
    for (int i = 0; i < songs; ++i)
        out.songs.push_back(
            {QString::number(i + 1) + QStringLiteral("曲目"), QStringLiteral("3:45")});
    return out;
}

}  // namespace

class Test_card : public QObject {
    Q_OBJECT
private slots:
    void panels();
    void rows_data();
    void rows();
};

void Test_card::panels()
{
    const CardLayout layout = layoutCard({QStringLiteral("T"), side("A面", 1), side("B面", 1)});
    QCOMPARE(layout.page, QSizeF(210, 297));
    QCOMPARE(layout.card, QRectF(22.45, 20, 165.1, 101.6));
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
    const CardLayout layout = layoutCard({title, side("A面", songsA), side("B面", songsB)});
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

QTEST_APPLESS_MAIN(Test_card)
#include "test_card.moc"
