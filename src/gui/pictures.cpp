// SPDX-License-Identifier: MIT
#include "gui/pictures.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <cmath>
#include <future>
#include <optional>
#include <utility>

// The pictures are compiled into a static library, and the linker only keeps
// the compiled resources when something refers to them. Q_INIT_RESOURCE is
// that reference; it has to stand outside any namespace.
static void registerPictureResources() { Q_INIT_RESOURCE(resources); }

namespace tavelo {
namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The pictures of the icon, decoded from the files built into the program,
// smallest first.
QList<QImage> decodeIconFiles()
{
    QList<QImage> pictures;
    for (int size : kIconSizes)
        pictures << QImage(QStringLiteral(":/icons/tavelo-%1.png").arg(size));
    return pictures;
}

// Decoding the files takes a few milliseconds. Where a window hands its icon
// at every size to the window manager as it is created (X11), the pictures
// are needed before the first window shows: they are then decoded on a
// thread of their own while the program sets up its fonts and builds the main
// window.
std::future<QList<QImage>> &iconDecoding()
{
    static std::future<QList<QImage>> decoding;
    return decoding;
}

// The icon with every size read from its file.
const QIcon &iconFromFiles()
{
    static const QIcon icon = [] {
        QList<QImage> pictures = iconDecoding().valid() ? iconDecoding().get() : decodeIconFiles();
        QIcon files;
        // Each picture becomes a pixmap in place, without a second copy.
        for (QImage &picture : pictures)
            files.addPixmap(QPixmap::fromImage(std::move(picture)));
        return files;
    }();
    return icon;
}

// Stands for iconFromFiles() and knows its sizes without reading any file, so
// that a window can carry the icon from its start while the files are only
// read once a platform asks for a picture of it (on X11, when a window is
// created; never on the offscreen platform). Everything else is the built
// icon's answer.
class IconEngine final : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice *device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        if (mode != QIcon::Normal || state != QIcon::Off || own_)
            return icon().availableSizes(mode, state);
        QList<QSize> sizes;
        for (int size : kIconSizes)
            sizes << QSize(size, size);
        return sizes;
    }
    void addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        own().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString &fileName, const QSize &size, QIcon::Mode mode,
                 QIcon::State state) override
    {
        own().addFile(fileName, size, mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine *clone() const override { return new IconEngine(*this); }

private:
    const QIcon &icon() const { return own_ ? *own_ : iconFromFiles(); }
    // A copy changed by its user stops standing for the shared icon.
    QIcon &own()
    {
        if (!own_)
            own_ = iconFromFiles();
        return *own_;
    }

    std::optional<QIcon> own_;
};

}  // namespace

QIcon appIcon()
{
    static const QIcon icon = [] {
        registerPictureResources();
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            iconDecoding() = std::async(std::launch::async, decodeIconFiles);
        return QIcon(new IconEngine);
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
