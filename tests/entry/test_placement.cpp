// SPDX-License-Identifier: MIT
// Where things stand on the screen, without a window: a new window centred
// with its frame at any pixel ratio, and the row of an entry screen under a
// point (where a drop lands).

#include "entry/screentable.h"
#include "gui/formwindow.h"

#include <QTest>

using tavelo::ScreenId;

Q_DECLARE_METATYPE(tavelo::ScreenId)

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void centredPlace_data();
    void centredPlace();
    void slotAt_data();
    void slotAt();
};

// The frame is what the window manager tells in device pixels; the window,
// the work area and the place are logical pixels.
void TestPlacement::centredPlace_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QMargins>("frame");  // left, top, right, bottom
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("place");
    // clang-format off
    QTest::newRow("ratio 1")                    << QSize(479, 282) << QMargins(4, 22, 4, 4) << 1.0 << QRect(0, 0, 1024, 768) << QRect(272, 252, 479, 282);
    QTest::newRow("ratio 2, the same frame")    << QSize(479, 282) << QMargins(8, 44, 8, 8) << 2.0 << QRect(0, 0, 1024, 768) << QRect(272, 252, 479, 282);
    QTest::newRow("ratio 1.5, the same frame")  << QSize(479, 282) << QMargins(6, 33, 6, 6) << 1.5 << QRect(0, 0, 1024, 768) << QRect(272, 252, 479, 282);
    QTest::newRow("ratio 1.25, 22.4 to 22")     << QSize(479, 282) << QMargins(5, 28, 5, 5) << 1.25 << QRect(0, 0, 1024, 768) << QRect(272, 252, 479, 282);
    QTest::newRow("ratio 2, halves rounded up") << QSize(479, 282) << QMargins(5, 45, 5, 5) << 2.0 << QRect(0, 0, 1024, 768) << QRect(272, 253, 479, 282);
    QTest::newRow("ratio 1.5, 22.7 to 23")      << QSize(479, 282) << QMargins(5, 34, 5, 5) << 1.5 << QRect(0, 0, 1024, 768) << QRect(272, 253, 479, 282);
    QTest::newRow("ratio 3, the same frame")    << QSize(479, 282) << QMargins(12, 66, 12, 12) << 3.0 << QRect(0, 0, 1024, 768) << QRect(272, 252, 479, 282);
    QTest::newRow("ratio 2, no frame")          << QSize(479, 282) << QMargins() << 2.0 << QRect(0, 0, 1024, 768) << QRect(272, 243, 479, 282);
    QTest::newRow("a panel above the area")     << QSize(306, 497) << QMargins(1, 24, 1, 1) << 1.0 << QRect(0, 27, 1920, 1053) << QRect(807, 317, 306, 497);
    QTest::newRow("a second screen's area")     << QSize(479, 282) << QMargins(4, 22, 4, 4) << 1.0 << QRect(1024, 0, 1280, 1024) << QRect(1424, 380, 479, 282);
    // clang-format on
}

void TestPlacement::centredPlace()
{
    QFETCH(QSize, size);
    QFETCH(QMargins, frame);
    QFETCH(qreal, ratio);
    QFETCH(QRect, area);
    QFETCH(QRect, place);
    QCOMPARE(tavelo::centredPlace(size, frame, ratio, area), place);
}

// NyuryokuForm's and NyuryokuForm4's rows start 88 px down, 24 px apart,
// from x 64 to 232; NyuryokuForm2's at 64 px from x 48, NyuryokuForm3's at
// 120 px from x 56 to 224, NyuryokuForm5's at 64 px from x 40 to 216,
// NyuryokuForm6's at 112 px.
void TestPlacement::slotAt_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("slot");
    // clang-format off
    QTest::newRow("row 1, top left corner")      << ScreenId::Entry << QPoint(64, 88) << 0;
    QTest::newRow("row 1, bottom right corner")  << ScreenId::Entry << QPoint(232, 111) << 0;
    QTest::newRow("row 2, top")                  << ScreenId::Entry << QPoint(64, 112) << 1;
    QTest::newRow("row 15, top")                 << ScreenId::Entry << QPoint(100, 424) << 14;
    QTest::newRow("row 15, bottom")              << ScreenId::Entry << QPoint(100, 447) << 14;
    QTest::newRow("below row 15")                << ScreenId::Entry << QPoint(100, 448) << -1;
    QTest::newRow("above row 1")                 << ScreenId::Entry << QPoint(100, 87) << -1;
    QTest::newRow("left of the row labels")      << ScreenId::Entry << QPoint(63, 100) << -1;
    QTest::newRow("right of the unit labels")    << ScreenId::Entry << QPoint(233, 100) << -1;
    QTest::newRow("page 2, row 1")               << ScreenId::Page2 << QPoint(48, 64) << 15;
    QTest::newRow("page 2, row 15, bottom")      << ScreenId::Page2 << QPoint(48, 423) << 29;
    QTest::newRow("page 2, below row 15")        << ScreenId::Page2 << QPoint(48, 424) << -1;
    QTest::newRow("NyuryokuForm3, row 1")        << ScreenId::Correction << QPoint(56, 120) << 0;
    QTest::newRow("NyuryokuForm3, row 15, bottom right") << ScreenId::Correction << QPoint(224, 479) << 14;
    QTest::newRow("NyuryokuForm3, below row 15") << ScreenId::Correction << QPoint(56, 480) << -1;
    QTest::newRow("NyuryokuForm4, row 1")        << ScreenId::TotalEntry << QPoint(64, 88) << 0;
    QTest::newRow("NyuryokuForm4, row 15")       << ScreenId::TotalEntry << QPoint(64, 447) << 14;
    QTest::newRow("NyuryokuForm5, row 1")        << ScreenId::TotalPage2 << QPoint(40, 64) << 15;
    QTest::newRow("NyuryokuForm5, left of row 1") << ScreenId::TotalPage2 << QPoint(39, 64) << -1;
    QTest::newRow("NyuryokuForm5, row 15, right") << ScreenId::TotalPage2 << QPoint(216, 423) << 29;
    QTest::newRow("NyuryokuForm5, right of row 15") << ScreenId::TotalPage2 << QPoint(217, 423) << -1;
    QTest::newRow("NyuryokuForm6, row 15, top")  << ScreenId::TotalCorrection << QPoint(56, 448) << 14;
    QTest::newRow("NyuryokuForm6, below row 15") << ScreenId::TotalCorrection << QPoint(56, 472) << -1;
    // clang-format on
}

void TestPlacement::slotAt()
{
    QFETCH(ScreenId, screen);
    QFETCH(QPoint, point);
    QFETCH(int, slot);
    QCOMPARE(tavelo::slotAt(screen, point), slot);
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "test_placement.moc"
