// SPDX-License-Identifier: MIT
#include "gui/labelfit.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace tavelo {

namespace {

// Whether a text is written in Japanese (has kana or kanji).
bool isJapanese(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() >= 0x3040 && c.unicode() <= 0x30ff) ||
               (c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff);
    });
}

// Lays the note's text out at `width`; returns the height its lines take,
// from the top of the first line to the foot of the last. Japanese lines
// stand one em apart, as the face the screens were laid out for sets them;
// lines in other languages take the font's own line spacing, which leaves
// room for the ascenders and descenders that Japanese glyphs do not have.
int layOutNote(QTextLayout &layout, Qt::Alignment alignment, int width)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const int pitch = isJapanese(layout.text()) ? QFontInfo(layout.font()).pixelSize()
                                                : QFontMetrics(layout.font()).lineSpacing();
    layout.beginLayout();
    int y = 0;
    qreal foot = 0;
    for (QTextLine line = layout.createLine(); line.isValid();
         line = layout.createLine(), y += pitch) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        foot = y + line.height();
    }
    layout.endLayout();
    return int(std::ceil(foot));
}

}  // namespace

int NoteLabel::linesHeight() const
{
    QTextLayout layout(text(), font());
    return layOutNote(layout, alignment(), contentsRect().width());
}

void NoteLabel::paintEvent(QPaintEvent *)
{
    const QRect area = contentsRect();
    QTextLayout layout(text(), font());
    layOutNote(layout, alignment(), area.width());
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, area.topLeft());
}

void breakAtPadding(QLabel *note)
{
    static const QRegularExpression padding(QStringLiteral("\u3000+"));
    const QString text = note->text();
    const QFontMetrics metrics(note->font());
    const QStringList pieces = text.split(padding, Qt::SkipEmptyParts);
    int widest = 0;
    for (const QString &piece : pieces)
        widest = std::max(widest, metrics.horizontalAdvance(piece));
    const int lineWidth = widest + 2;
    if (pieces.size() < 2 || lineWidth > note->width())
        return;
    // Every run must push the text after it onto the next line.
    auto it = padding.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch run = it.next();
        const qsizetype lineStart =
            std::max<qsizetype>(0, text.lastIndexOf(padding, run.capturedStart() - 1) + 1);
        const QString before =
            text.mid(lineStart, run.capturedStart() - lineStart).remove(QChar(0x3000));
        const QString next = text.mid(run.capturedEnd(), 1);
        if (metrics.horizontalAdvance(before + run.captured() + next) <= lineWidth)
            return;
    }
    note->setContentsMargins(0, 0, note->width() - lineWidth, 0);
}

void keepInsideWindow(QLabel *label, int windowWidth)
{
    const int room = windowWidth - label->x();
    QFont font = label->font();
    for (int spacing = 100; spacing >= 90; --spacing) {
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= room) {
            if (spacing < 100)
                label->setFont(font);
            return;
        }
    }
}

void fitToBox(QLabel *label)
{
    const int room = label->contentsRect().width();
    QFont font = label->font();
    if (QFontMetrics(font).horizontalAdvance(label->text()) <= room)
        return;
    for (int stretch = 95; stretch >= 80; stretch -= 5) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= room)
            break;
    }
    label->setFont(font);
}

}  // namespace tavelo
