// SPDX-License-Identifier: MIT
#include "gui/labelfit.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>

namespace tavelo {

void NoteLabel::paintEvent(QPaintEvent *)
{
    const QRect area = contentsRect();
    QTextLayout layout(text(), font());
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const int pitch = QFontInfo(font()).pixelSize();
    layout.beginLayout();
    int y = 0;
    for (QTextLine line = layout.createLine(); line.isValid();
         line = layout.createLine(), y += pitch) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0, y));
    }
    layout.endLayout();
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

}  // namespace tavelo
