// SPDX-License-Identifier: MIT
#include "plan/card.h"

#include "core/tapes.h"
#include "core/timetext.h"
#include "plan/sides.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace tavelo {

using namespace card;

double rowHeight(double points) { return points * 25.4 / 72.0 * 1.3; }

namespace {

constexpr double kMargin = 3.0;  // inside each panel
constexpr double kTitlePoints = 11.0;
constexpr double kFlapPoints = 7.0;
constexpr double kNotePoints = 7.0;
constexpr double kTimeWidth = 11.0;     // the column of times, right of the names
constexpr double kFlapNameWidth = 7.0;  // "A面" at the back flap's size
constexpr double kMarkGap = 2.0;        // crop and fold marks start this far off the card
constexpr double kMarkLength = 6.0;

struct Row {
    QString name, time;
    bool heading = false;
};

std::vector<Row> rowsOf(const CardContent &content)
{
    std::vector<Row> rows;
    for (const CardSide *side : {&content.a, &content.b}) {
        rows.push_back({side->name, side->total, true});
        std::transform(side->songs.begin(), side->songs.end(), std::back_inserter(rows),
                       [](const CardSong &song) {
                           return Row{song.name, song.time, false};
                       });
    }
    return rows;
}

int rowsIn(double height, double points)
{
    // A hair of slack, so that rows which fit exactly are not lost to rounding.
    return std::max(0, int(std::floor((height + 1e-9) / rowHeight(points))));
}

// Places rows [first, first + count) from the top of `area`.
void placeRows(CardLayout &out, const std::vector<Row> &rows, std::size_t first, int count,
               const QRectF &area, double points)
{
    const double h = rowHeight(points);
    for (int i = 0; i < count; ++i) {
        const Row &row = rows.at(first + std::size_t(i));
        const double y = area.top() + i * h;
        out.texts.push_back({QRectF(area.left(), y, area.width() - kTimeWidth, h), row.name, points,
                             row.heading, CardText::Align::Left, false});
        out.texts.push_back({QRectF(area.right() - kTimeWidth, y, kTimeWidth, h), row.time, points,
                             row.heading, CardText::Align::Right, false});
    }
}

void addGuides(CardLayout &out)
{
    const QRectF &c = out.card;
    const CardPanels &p = out.panels;
    const auto cut = [&out](QPointF a, QPointF b) {
        out.lines.push_back({QLineF(a, b), CardLine::Kind::Cut});
    };
    const auto fold = [&out](QPointF a, QPointF b) {
        out.lines.push_back({QLineF(a, b), CardLine::Kind::Fold});
    };
    // The outline to cut along, and crop marks off each corner that still
    // show where it runs once the outline is cut away.
    cut(c.topLeft(), c.topRight());
    cut(c.topRight(), c.bottomRight());
    cut(c.bottomRight(), c.bottomLeft());
    cut(c.bottomLeft(), c.topLeft());
    const double near = kMarkGap, far = kMarkGap + kMarkLength;
    for (const double x : {c.left(), c.right()}) {
        cut({x, c.top() - near}, {x, c.top() - far});
        cut({x, c.bottom() + near}, {x, c.bottom() + far});
    }
    for (const double y : {c.top(), c.bottom()}) {
        cut({c.left() - near, y}, {c.left() - far, y});
        cut({c.right() + near, y}, {c.right() + far, y});
    }
    // The three folds, across the card and as marks above and below it.
    for (const double x :
         {c.left() + p.back, c.left() + p.back + p.spine, c.left() + p.back + p.spine + p.front}) {
        fold({x, c.top()}, {x, c.bottom()});
        fold({x, c.top() - near}, {x, c.top() - far});
        fold({x, c.bottom() + near}, {x, c.bottom() + far});
    }
}

// Under the card: how to print it, and the bar of 50 mm with its length
// beside it, to measure on the print.
void addNotes(CardLayout &out, bool guides)
{
    const QRectF &c = out.card;
    const double h = rowHeight(kNotePoints);
    const double noteTop = c.bottom() + kMarkGap + kMarkLength + 2;
    out.texts.push_back(
        {QRectF(c.left(), noteTop, c.width(), h),
         guides ? QCoreApplication::translate(
                      "Card", "実寸（100%）で印刷し、実線で切り、点線で折ってください。"
                              "右端の面は表面の裏に折り込みます。")
                : QCoreApplication::translate(
                      "Card", "実寸（100%）で印刷してください。右端の面は表面の裏に折り込みます。"),
         kNotePoints, false, CardText::Align::Centre, false});
    const double y = noteTop + h + 3 + h / 2;
    const double right = c.left() + kScaleLength;
    out.lines.push_back({QLineF(c.left(), y, right, y), CardLine::Kind::Scale});
    // The ticks at its ends stand inside it, so that from the outer edge of
    // one to the outer edge of the other is 50 mm as well.
    for (const double x : {c.left() + kLineWidth / 2, right - kLineWidth / 2})
        out.lines.push_back({QLineF(x, y - 1.5, x, y + 1.5), CardLine::Kind::Scale});
    out.texts.push_back({QRectF(right + 2, y - h / 2, 11, h),
                         QCoreApplication::translate("Card", "50 mm"), kNotePoints, false,
                         CardText::Align::Left, false});
    out.texts.push_back(
        {QRectF(right + 13, y - h / 2, c.right() - right - 13, h),
         QCoreApplication::translate("Card", "この線が50 mmなら、実寸で印刷されています。"),
         kNotePoints, false, CardText::Align::Left, false});
}

}  // namespace

CardPanels panelsOf(CardSize size)
{
    CardPanels panels;
    if (size == CardSize::Short) {
        panels.back = kShortBack;
        panels.spine = kShortSpine;
    }
    return panels;
}

CardLayout layoutCard(const CardContent &content, QSizeF page, CardStyle style)
{
    CardLayout out;
    out.page = page;
    out.panels = panelsOf(style.size);
    const CardPanels &p = out.panels;
    out.card = QRectF(std::max(0.0, (page.width() - p.width()) / 2), kTop, p.width(), kHeight);
    const QRectF &c = out.card;
    if (style.guides)
        addGuides(out);

    const QRectF back(c.left(), c.top(), p.back, kHeight);
    const QRectF spine(back.right(), c.top(), p.spine, kHeight);
    const QRectF front(spine.right(), c.top(), p.front, kHeight);
    const QRectF inside(front.right(), c.top(), p.inside, kHeight);
    const auto inner = [](const QRectF &panel) {
        return panel.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    };

    // Back flap: each side's total, beside its name; on a flap too narrow
    // for both (the short card's), under it.
    const QRectF flap = inner(back);
    if (flap.width() >= kTimeWidth + kFlapNameWidth) {
        placeRows(
            out, {{content.a.name, content.a.total, true}, {content.b.name, content.b.total, true}},
            0, 2, flap, kFlapPoints);
    } else {
        const double h = rowHeight(kFlapPoints);
        double y = flap.top();
        for (const CardSide *side : {&content.a, &content.b}) {
            for (const QString *text : {&side->name, &side->total}) {
                out.texts.push_back({QRectF(flap.left(), y, flap.width(), h), *text, kFlapPoints,
                                     true, CardText::Align::Left, false});
                y += h;
            }
        }
    }

    // Spine: the title along it.
    out.texts.push_back({inner(spine).adjusted(-1.5, 0, 1.5, 0), content.title, kLargestPoints,
                         true, CardText::Align::Centre, true});

    // Front: the title, then the lists of both sides.
    QRectF list = inner(front);
    if (!content.title.isEmpty()) {
        const double h = rowHeight(kTitlePoints);
        out.texts.push_back({QRectF(list.left(), list.top(), list.width(), h), content.title,
                             kTitlePoints, true, CardText::Align::Left, false});
        list.setTop(list.top() + h + 1.0);
    }
    const std::vector<Row> rows = rowsOf(content);
    const int total = int(rows.size());
    double points = kLargestPoints;
    while (rowsIn(list.height(), points) < total && points - kPointStep >= kSmallestPoints - 1e-9)
        points -= kPointStep;
    out.songPoints = points;
    out.frontRows = std::min(total, rowsIn(list.height(), points));
    placeRows(out, rows, 0, out.frontRows, list, points);

    // The inside panel takes the rest at the smallest size; what fits
    // nowhere is dropped, and its last row says how many rows are missing.
    const int rest = total - out.frontRows;
    if (rest > 0) {
        const QRectF more = inner(inside);
        const int room = rowsIn(more.height(), points);
        out.insideRows = std::min(rest, room);
        out.droppedRows = rest - out.insideRows;
        if (out.droppedRows > 0 && out.insideRows > 0) {
            --out.insideRows;
            ++out.droppedRows;
        }
        placeRows(out, rows, std::size_t(out.frontRows), out.insideRows, more, points);
        if (out.droppedRows > 0) {
            const double y = more.top() + out.insideRows * rowHeight(points);
            out.texts.push_back({QRectF(more.left(), y, more.width(), rowHeight(points)),
                                 QCoreApplication::translate("Card", "…ほか%n行は入りません",
                                                             nullptr, out.droppedRows),
                                 points, false, CardText::Align::Left, false});
        }
    }

    addNotes(out, style.guides);
    return out;
}

CardContent cardContentOf(const SidesView &view, const QString &title)
{
    CardContent content;
    content.title = title;
    const auto sideOf = [&view](const QString &name, const Side &side) {
        CardSide out{name, clockText(side.used), {}};
        for (const int i : side.songs) {
            const SideSong &song = view.songs.at(std::size_t(i));
            out.songs.push_back(
                {song.title.isEmpty()
                     ? songNumber(song.slot)
                     : QStringLiteral("%1. %2").arg(QString::number(song.slot + 1), song.title),
                 clockText(song.seconds)});
        }
        return out;
    };
    content.a = sideOf(QCoreApplication::translate("Card", "A面"), view.split.a);
    content.b = sideOf(QCoreApplication::translate("Card", "B面"), view.split.b);
    return content;
}

QString cardTitle(const SidesInputs &inputs)
{
    QString typed = cleanTitle(inputs.title);
    if (!typed.isEmpty())
        return typed;
    const SideLength length = sideLength(inputs.sideMinutes);
    if (length.seconds) {
        const auto *tape = std::find_if(
            std::begin(kTapeLengths), std::end(kTapeLengths),
            [&length](const TapeLength &t) { return *length.seconds == t.sideMinutes * 60; });
        if (tape != std::end(kTapeLengths))
            return QString::fromLatin1(tape->name);
    }
    return QCoreApplication::translate("Card", "片面%1分").arg(inputs.sideMinutes.trimmed());
}

CardLayout sidesCard(const SidesView &view, const SidesInputs &inputs)
{
    return sidesCard(view, inputs, paperSize(inputs.paper));
}

CardLayout sidesCard(const SidesView &view, const SidesInputs &inputs, QSizeF page)
{
    return layoutCard(cardContentOf(view, cardTitle(inputs)), page, inputs.card);
}

}  // namespace tavelo
