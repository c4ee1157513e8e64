#include "app/appicon.h"

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

// Paints the icon at size x size pixels. The drawing is laid out on the same
// 32 x 32 grid as the hand-drawn icon and scaled, with thinner lines than a
// plain scale-up would give, so the large versions look refined, not fat.
QPixmap paintIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // The card with its shadow and border.
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawRoundedRect(QRectF(2.0, 2.0, 30.0, 29.0), 2.0, 2.0);
    p.setBrush(kCard);
    p.setPen(QPen(kBorder, 0.6));
    p.drawRoundedRect(QRectF(1.4, 1.4, 29.2, 28.2), 1.8, 1.8);

    // Five staff lines.
    p.setPen(QPen(kStaff, 0.7, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 5; ++i) {
        const double y = 10.5 + 4.0 * i;
        p.drawLine(QPointF(3.0, y), QPointF(29.0, y));
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
    const double stem1 = head1.x() + stemOffset;
    const double stem2 = head2.x() + stemOffset;
    p.setPen(QPen(kInk, stemWidth, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(stem1, head1.y() - 0.3), QPointF(stem1, 7.0));
    p.drawLine(QPointF(stem2, head2.y() - 0.3), QPointF(stem2, 5.0));

    const double beamLeft = stem1 - stemWidth / 2;
    const double beamRight = stem2 + stemWidth / 2;
    const double beamThickness = 2.8;
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({QPointF(beamLeft, 6.1),
                             QPointF(beamRight, 4.1),
                             QPointF(beamRight, 4.1 + beamThickness),
                             QPointF(beamLeft, 6.1 + beamThickness)}));

    // The sharp before the first note, centred on the same space: two
    // upright strokes, the right one set a little higher, and two thick
    // bars rising to the right.
    p.setPen(QPen(kInk, 0.9, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(6.5, 15.3), QPointF(6.5, 26.7));
    p.drawLine(QPointF(9.5, 14.3), QPointF(9.5, 25.7));
    p.setPen(Qt::NoPen);
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

QPixmap backgroundPicture()
{
    ensureResources();
    return QPixmap(QStringLiteral(":/images/background.bmp"));
}

} // namespace tavelo
