// SPDX-License-Identifier: MIT
// What the windows look like on a real desktop: the lattice drawn sharply at a
// device pixel ratio of 2, Japanese text in a face that has every character,
// notes that fit their rectangles, and the roles screen readers announce.

#include "core/messages.h"
#include "support/guitest.h"

#include <QAccessible>
#include <QFontInfo>
#include <QRawFont>

using namespace guitest;

namespace {

// Every window, open at once.
QList<QWidget *> openAllWindows(Session &s)
{
    QList<QWidget *> windows{s.main, program().showCapacityDialog()};
    for (ScreenId id : tavelo::kAllScreens)
        windows << program().showScreen(id);
    return windows;
}

// The texts a window shows, with the font each is drawn in.
QList<std::pair<QString, QFont>> textsOf(QWidget *window)
{
    QList<std::pair<QString, QFont>> texts{{window->windowTitle(), QApplication::font()}};
    for (QLabel *label : window->findChildren<QLabel *>())
        texts.append({label->text(), label->font()});
    for (QPushButton *button : window->findChildren<QPushButton *>())
        texts.append({button->text(), button->font()});
    return texts;
}

}  // namespace

class Test_look : public QObject {
    Q_OBJECT
private slots:
    void everyCharacterHasAGlyph();
    void notesFitTheirRectangles();
    void latticeIsSharpAtRatioTwo();
    void repaintedPartMeetsTheLattice();
    void windowsAnnounceTheirRoles();
};

void Test_look::everyCharacterHasAGlyph()
{
    Session s;
    QList<std::pair<QString, QFont>> texts;
    for (QWidget *window : openAllWindows(s))
        texts += textsOf(window);
    for (const tavelo::Message message : tavelo::kAllMessages)
        texts.append({tavelo::messageText(message), QApplication::font()});
    texts.append({tavelo::errorTitle(), QApplication::font()});

    for (const auto &[text, font] : texts) {
        // The face the font resolves to must draw every character itself.
        const QString family = QFontInfo(font).family();
        const QRawFont raw = QRawFont::fromFont(font);
        QVERIFY2(raw.isValid(), qPrintable(family));
        for (const uint c : text.toUcs4()) {
            QVERIFY2(
                raw.supportsCharacter(c),
                qPrintable(QStringLiteral("%1 has no glyph for %2 in \"%3\"")
                               .arg(family,
                                    QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1),
                                    text)));
        }
    }
}

void Test_look::notesFitTheirRectangles()
{
    Session s;
    int notes = 0;
    for (ScreenId id : tavelo::kAllScreens) {
        for (QLabel *label : program().showScreen(id)->findChildren<QLabel *>()) {
            if (!label->wordWrap())
                continue;
            ++notes;
            const QString where =
                label->window()->objectName() + QLatin1Char(' ') + label->objectName();
            // Drawn with room to spare below, no ink may fall outside the label.
            QImage ink(label->width(), label->heightForWidth(label->width()) + 10,
                       QImage::Format_ARGB32_Premultiplied);
            ink.fill(Qt::transparent);
            const QSize size = label->size();
            label->resize(ink.size());
            label->render(&ink, QPoint(), QRegion(), QWidget::DrawChildren);
            label->resize(size);
            int bottom = -1, right = -1;
            for (int y = 0; y < ink.height(); ++y) {
                for (int x = 0; x < ink.width(); ++x) {
                    if (qAlpha(ink.pixel(x, y)) > 0) {
                        bottom = y;
                        right = std::max(right, x);
                    }
                }
            }
            // Inside the label, and inside the window where the label reaches past it.
            QVERIFY2(bottom >= 0 && bottom < label->height(),
                     qPrintable(where + QStringLiteral(": ink down to row %1").arg(bottom)));
            QVERIFY2(label->x() + right < label->window()->width(),
                     qPrintable(where + QStringLiteral(": ink up to column %1").arg(right)));
        }
    }
    QCOMPARE(notes, 6);
}

void Test_look::latticeIsSharpAtRatioTwo()
{
    Session s;
    const qreal ratio = s.main.window->devicePixelRatioF();
    if (ratio < 2)
        QSKIP("runs with QT_SCALE_FACTOR=2");
    // A strip of the window where only the lattice shows.
    const QImage image = s.main.window->grab(QRect(0, 0, 100, 20)).toImage();
    QCOMPARE(image.width(), qRound(100 * ratio));
    // A picture made for ratio 1 and enlarged fills every aligned 2 x 2 block
    // with one colour; a lattice drawn for ratio 2 has lines finer than that.
    int mixed = 0, blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2, ++blocks) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c)
                ++mixed;
        }
    }
    QVERIFY2(mixed * 20 > blocks,
             qPrintable(QStringLiteral("%1 of %2 blocks mixed").arg(mixed).arg(blocks)));
}

void Test_look::repaintedPartMeetsTheLattice()
{
    // A part of the main window painted on its own (a new result, say) must
    // show the same lattice as the whole window painted at once, also at
    // ratios where a repeat of the lattice falls between device pixels.
    Session s;
    const qreal ratio = s.main.window->devicePixelRatioF();
    const QRect part(112, 184, 112, 16);  // whole device pixels at 1, 1.25, 1.5 and 2
    const QImage whole = s.main.window->grab().toImage();
    const QImage alone = s.main.window->grab(part).toImage();
    const QRect inWhole(part.topLeft() * ratio, part.size() * ratio);
    QCOMPARE(alone.size(), inWhole.size());
    QVERIFY(alone.convertToFormat(QImage::Format_RGB32) ==
            whole.copy(inWhole).convertToFormat(QImage::Format_RGB32));
}

void Test_look::windowsAnnounceTheirRoles()
{
    Session s;
    for (QWidget *window : openAllWindows(s)) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(window);
        QVERIFY(face);
        QCOMPARE(face->role(), window == s.main ? QAccessible::Window : QAccessible::Dialog);
        QCOMPARE(face->text(QAccessible::Name), window->windowTitle());
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (!label->wordWrap())
                continue;
            const QString name =
                QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            QVERIFY2(name.startsWith(QStringLiteral("注：")) && !name.contains(QChar(0x3000)),
                     qPrintable(name));
        }
    }
}

GUITEST_MAIN(Test_look)
#include "test_look.moc"
