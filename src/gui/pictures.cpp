// SPDX-License-Identifier: MIT
#include "gui/pictures.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <cmath>

// The pictures are compiled into a static library, and the linker only keeps
// the compiled resources when something refers to them. Q_INIT_RESOURCE is
// that reference; it has to stand outside any namespace.
static void registerPictureResources() { Q_INIT_RESOURCE(resources); }

namespace tavelo {

QIcon appIcon()
{
    // A window carries the sizes its title bar and a taskbar show; launchers
    // take the larger ones from the installed icon theme. Handing the window
    // manager only these keeps the icon's cost at start small: QIcon::addFile
    // decodes each file as it is added, so all five are read here.
    static const QIcon icon = [] {
        registerPictureResources();
        QIcon files;
        for (int size : {16, 24, 32, 48, 64})
            files.addFile(QStringLiteral(":/icons/tavelo-%1.png").arg(size), QSize(size, size));
        return files;
    }();
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
    const int first = -static_cast<int>(std::ceil(rise / w));
    const int last = static_cast<int>((size.width() + rise) / w) + 1;
    for (int k = first; k <= last; ++k) {
        const double x = w / 2 + k * w;
        p.drawLine(QPointF(x, 0), QPointF(x - rise, height));
        p.drawLine(QPointF(x, 0), QPointF(x + rise, height));
    }
    p.end();
    return picture;
}

}  // namespace tavelo
