// SPDX-License-Identifier: MIT
#include "sides/cardprint.h"

#include "gui/formwindow.h"
#include "modules/loader.h"
#include "plan/card.h"
#include "sides/printmodule.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace tavelo {
namespace {

PrintDialogHandler &dialogHandler()
{
    static PrintDialogHandler handler;
    return handler;
}

Qt::Alignment alignmentOf(CardText::Align align)
{
    switch (align) {
    case CardText::Align::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case CardText::Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case CardText::Align::Centre: return Qt::AlignCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

void paintCard(QPainter &painter, const CardLayout &layout, double dotsPerMm)
{
    const auto dots = [dotsPerMm](const QRectF &mm) {
        return QRectF(mm.topLeft() * dotsPerMm, mm.size() * dotsPerMm);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const CardLine &line : layout.lines) {
        const bool fold = line.kind == CardLine::Kind::Fold;
        QPen pen(fold ? QColor(0x70, 0x70, 0x70) : Qt::black, card::kLineWidth * dotsPerMm);
        pen.setStyle(fold ? Qt::DashLine : Qt::SolidLine);
        // The scale ends where its line ends, so that it measures its length.
        if (line.kind == CardLine::Kind::Scale)
            pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QLineF(line.line.p1() * dotsPerMm, line.line.p2() * dotsPerMm));
    }
    painter.setPen(Qt::black);
    for (const CardText &text : layout.texts) {
        if (text.text.isEmpty())
            continue;
        // The program's face, at real points on this device.
        QFont font(kScreenFace);
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(text.points);
        font.setBold(text.bold);
        painter.setFont(font);
        const QRectF box = dots(text.box);
        const double length = text.upward ? box.height() : box.width();
        const QString shown =
            QFontMetricsF(font, painter.device()).elidedText(text.text, Qt::ElideRight, length);
        if (!text.upward) {
            painter.drawText(box, int(alignmentOf(text.align)), shown);
            continue;
        }
        painter.save();
        painter.translate(box.center());
        painter.rotate(-90);
        painter.drawText(QRectF(-box.height() / 2, -box.width() / 2, box.height(), box.width()),
                         int(alignmentOf(text.align)), shown);
        painter.restore();
    }
    painter.restore();
}

bool writeCardPdf(const QString &path, const CardLayout &layout)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(layout.page, QPageSize::Millimeter),
                                         QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(600);
        writer.setTitle(QCoreApplication::translate("Card", "インデックスカード"));
        writer.setCreator(QCoreApplication::translate("Card", "タベロサポータ"));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        paintCard(painter, layout, writer.resolution() / 25.4);
        if (!painter.end())
            return false;
    }
    return file.commit();
}

PrintResult printCard(QWidget *parent, QSizeF page, const CardLayoutFor &layoutFor)
{
    static const auto print = moduleEntry<PrintModule>();
    if (!print)
        return PrintResult::Failed;
    return print(parent, page, layoutFor, dialogHandler(), paintCard);
}

PrintDialogHandler setPrintDialogHandler(PrintDialogHandler handler)
{
    return std::exchange(dialogHandler(), std::move(handler));
}

}  // namespace tavelo
