#include "app/appicon.h"

#include <algorithm>
#include <cmath>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>

// The pictures are compiled into a static library, and the linker only keeps
// the compiled resources when something refers to them. Q_INIT_RESOURCE is
// that reference; it has to stand outside any namespace.
static void registerPictureResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace tavelo {
namespace {

void ensureResources()
{
    static const bool registered = (registerPictureResources(), true);
    (void)registered;
}

// Colours of the hand-drawn small icons, so every size looks alike.
const QColor kInk(0x00, 0x00, 0x00);
const QColor kStaff(0x6C, 0x6C, 0x78);
const QColor kCard(0xFF, 0xFF, 0xFF);
const QColor kBorder(0x8A, 0x8A, 0x96);
const QColor kShadow(0x00, 0x00, 0x00, 0x48);

// One note head: a filled ellipse tilted up to the right, centred at c.
void drawHead(QPainter &p, QPointF c)
{
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 3.2, 2.0);
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(-22);
    p.fillPath(t.map(head), kInk);
}

// Where a thin straight stroke goes once it is moved onto whole pixels: its
// first edge and its width, both in layout units. Strokes placed like this
// stay sharp instead of smearing over two rows of half-tone pixels.
struct Stroke {
    double start;
    double width;
};

Stroke snapped(double centre, double width, double scale)
{
    const double w = std::max(1.0, std::round(width * scale));
    const double start = std::round(centre * scale - w / 2);
    return {start / scale, w / scale};
}

double onPixel(double v, double scale)
{
    return std::round(v * scale) / scale;
}

// Paints the icon at size x size pixels. The drawing is laid out on the same
// 32 x 32 grid as the hand-drawn icon and scaled, with thinner lines than a
// plain scale-up would give, so the large versions look refined, not fat.
QPixmap paintIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    const double k = size / 32.0;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    p.setPen(Qt::NoPen);

    // The card with its shadow and border, its edges on whole pixels.
    const Stroke border = snapped(0.0, 0.6, k);
    const QRectF card(onPixel(1.0, k), onPixel(1.0, k), onPixel(30.0, k) - onPixel(1.0, k),
                      onPixel(29.0, k) - onPixel(1.0, k));
    const double radius = 2.0;
    p.setBrush(kShadow);
    p.drawRoundedRect(card.translated(onPixel(1.0, k), onPixel(1.0, k)), radius, radius);
    p.setBrush(kBorder);
    p.drawRoundedRect(card, radius, radius);
    p.setBrush(kCard);
    const double inset = border.width;
    p.drawRoundedRect(card.adjusted(inset, inset, -inset, -inset), radius - inset, radius - inset);

    // Five staff lines.
    const double staffLeft = onPixel(3.0, k);
    const double staffRight = onPixel(29.0, k);
    for (int i = 0; i < 5; ++i) {
        const Stroke line = snapped(10.5 + 4.0 * i, 0.7, k);
        p.fillRect(QRectF(staffLeft, line.start, staffRight - staffLeft, line.width), kStaff);
    }

    // Two eighth notes, the first in the space between the second and third
    // lines from the bottom, the second on the fourth line, joined by a beam
    // that rises with them.
    const QPointF head1(15.0, 20.5);
    const QPointF head2(24.0, 14.5);
    drawHead(p, head1);
    drawHead(p, head2);

    // The stems stand on the right edge of the heads.
    const double stemWidth = 0.95;
    const double stemOffset = 3.05 - stemWidth / 2;
    const Stroke stem1 = snapped(head1.x() + stemOffset, stemWidth, k);
    const Stroke stem2 = snapped(head2.x() + stemOffset, stemWidth, k);
    p.fillRect(QRectF(stem1.start, 7.0, stem1.width, head1.y() - 7.0), kInk);
    p.fillRect(QRectF(stem2.start, 5.0, stem2.width, head2.y() - 5.0), kInk);

    const double beamLeft = stem1.start;
    const double beamRight = stem2.start + stem2.width;
    const double beamThickness = 2.8;
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({QPointF(beamLeft, 6.1),
                             QPointF(beamRight, 4.1),
                             QPointF(beamRight, 4.1 + beamThickness),
                             QPointF(beamLeft, 6.1 + beamThickness)}));

    // The sharp before the first note, centred on the same space: two
    // upright strokes, the right one set a little higher, and two thick
    // bars rising to the right.
    const Stroke upright1 = snapped(6.5, 0.9, k);
    const Stroke upright2 = snapped(9.5, 0.9, k);
    p.fillRect(QRectF(upright1.start, 15.3, upright1.width, 11.4), kInk);
    p.fillRect(QRectF(upright2.start, 14.3, upright2.width, 11.4), kInk);
    const double barThickness = 1.9;
    for (double top : {18.4, 23.4}) {
        p.drawPolygon(QPolygonF({QPointF(4.0, top),
                                 QPointF(11.0, top - 1.6),
                                 QPointF(11.0, top - 1.6 + barThickness),
                                 QPointF(4.0, top + barThickness)}));
    }

    p.end();
    return QPixmap::fromImage(image);
}

QIcon buildIcon()
{
    ensureResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/icon16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/icon32.png"), QSize(32, 32));
    for (int size : {48, 64, 128, 256})
        icon.addPixmap(paintIcon(size));
    return icon;
}

} // namespace

QIcon appIcon()
{
    static const QIcon icon = buildIcon();
    return icon;
}

QPixmap latticePicture(QSize size, qreal ratio)
{
    // One diamond is 40 x 28 pixels. Diamond centres lie at (20 i, 14 j) for
    // whole i and j of the same parity; those with odd i and j are green, the
    // others pink, so diamonds that share an edge always differ.
    constexpr double w = 40, h = 28;
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor(0xFF, 0xC6, 0xCE));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0xDC, 0xC0));
    const int columns = static_cast<int>(2 * size.width() / w) + 2;
    const int rows = static_cast<int>(2 * size.height() / h) + 2;
    for (int i = -1; i <= columns; i += 2) {
        for (int j = -1; j <= rows; j += 2) {
            const QPointF c(w * i / 2, h * j / 2);
            p.drawPolygon(QPolygonF({c + QPointF(-w / 2, 0), c + QPointF(0, -h / 2),
                                     c + QPointF(w / 2, 0), c + QPointF(0, h / 2)}));
        }
    }
    // The outlines: two families of parallel lines through the diamonds' edges.
    p.setPen(QPen(QColor(0xFF, 0x40, 0x20), 1.1));
    const double height = size.height();
    const double rise = height / h * w;  // how far a line moves sideways over the height
    // The lines meet the top edge at x = w/2 + k w.
    const double first = w / 2 - w * std::ceil(rise / w);
    for (double x = first; x <= size.width() + rise + w; x += w) {
        p.drawLine(QPointF(x, 0), QPointF(x - rise, height));
        p.drawLine(QPointF(x, 0), QPointF(x + rise, height));
    }
    p.end();
    return picture;
}

} // namespace tavelo
