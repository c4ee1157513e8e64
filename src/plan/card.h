// SPDX-License-Identifier: MIT
#pragma once

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

// The index card (J-card) of a tape as plain positioned items in
// millimetres: where each text and each guide line goes. The painting is
// done elsewhere; nothing here knows about fonts or devices.
//
// The card is 101.6 mm (4 in) high. Laid out flat, printed side up, from
// left to right: the back flap (25.4 mm), the spine (12.7 mm), the front
// (63.5 mm) and the inside panel (63.5 mm), which folds in behind the front
// and takes the songs that do not fit on it. These are the panel sizes of a
// common J-card template (4 in high; 1 in back, 0.5 in spine, 2.5 in front);
// the short card, for cases that need it, has a 15.24 mm (0.6 in) back flap
// and a 10.16 mm (0.4 in) spine. The card stands at real size on the page it
// is laid out for, centred across it, 20 mm from its top. Under it a bar of
// exactly 50 mm lets the user check that the print was not scaled.
namespace tavelo {

namespace card {
inline constexpr double kHeight = 101.6;
inline constexpr double kBack = 25.4;
inline constexpr double kSpine = 12.7;
inline constexpr double kFront = 63.5;
inline constexpr double kInside = 63.5;
inline constexpr double kWidth = kBack + kSpine + kFront + kInside;
inline constexpr double kShortBack = 15.24;
inline constexpr double kShortSpine = 10.16;
inline constexpr QSizeF kA4(210.0, 297.0);  // mm
inline constexpr double kTop = 20.0;
inline constexpr double kScaleLength = 50.0;
inline constexpr double kLineWidth = 0.2;  // of every line drawn
// The song type shrinks from the largest size to the smallest in these steps
// before the list goes on on the inside panel.
inline constexpr double kLargestPoints = 9.0;
inline constexpr double kSmallestPoints = 6.0;
inline constexpr double kPointStep = 0.5;
}  // namespace card

enum class CardSize {
    Standard,  // back flap 1 in, spine 0.5 in
    Short,     // back flap 0.6 in, spine 0.4 in
};

// How the card is drawn besides what it says.
struct CardStyle {
    CardSize size = CardSize::Standard;
    bool guides = true;  // the outline and corner marks to cut along, and the folds
};

// The panels' widths from left to right, in mm.
struct CardPanels {
    double back = card::kBack;
    double spine = card::kSpine;
    double front = card::kFront;
    double inside = card::kInside;
    double width() const { return back + spine + front + inside; }
};
CardPanels panelsOf(CardSize size);

// What goes on the card.
struct CardSong {
    QString name;  // "1. タイトル", or "1曲目" without a title
    QString time;  // "3:45"
};
struct CardSide {
    QString name;   // "A面"
    QString total;  // "23:40"
    std::vector<CardSong> songs;
};
struct CardContent {
    QString title;  // front and spine
    CardSide a, b;
};

struct CardText {
    enum class Align { Left, Right, Centre };
    QRectF box;  // mm from the page's top left corner
    QString text;
    double points = 9.0;
    bool bold = false;
    Align align = Align::Left;
    bool upward = false;  // turned a quarter left: it reads from the bottom up
};

struct CardLine {
    enum class Kind {
        Cut,
        Fold,
        Scale,  // the bar of card::kScaleLength, and the short ticks at its ends
    };
    QLineF line;  // mm
    Kind kind = Kind::Cut;
};

struct CardLayout {
    QSizeF page;  // mm
    QRectF card;  // mm
    CardPanels panels;
    std::vector<CardText> texts;
    std::vector<CardLine> lines;
    // The size of the song lines, and the list rows (side headings and
    // songs) on the front, on the inside panel, and those that fit nowhere
    // (a last "…" row says how many).
    double songPoints = card::kLargestPoints;
    int frontRows = 0;
    int insideRows = 0;
    int droppedRows = 0;
};

// The height of one list row at a size, in mm.
double rowHeight(double points);

// The card laid out on a page of `page` (mm, portrait or landscape). On a
// page narrower than the card, the card starts at the page's left edge, so
// that the back flap, the spine and the front come out whole.
CardLayout layoutCard(const CardContent &content, QSizeF page, CardStyle style = {});

struct SidesView;
struct SidesInputs;
// The card's content from a split: titles where the songs have them,
// otherwise "5曲目"; each side's total under its name.
CardContent cardContentOf(const SidesView &view, const QString &title);

// The title on the card's front and spine: the title typed, cleaned as a
// song's title is; without one the tape's name, "C60" for a side of 30
// minutes (the side length as a tape sold in shops), otherwise "片面31分"
// with the minutes as typed.
QString cardTitle(const SidesInputs &inputs);

// The card of the A面・B面 window: the split shown, the title and the style
// from the window's boxes, on the paper chosen there or on `page` (mm), the
// paper of a printer.
CardLayout sidesCard(const SidesView &view, const SidesInputs &inputs);
CardLayout sidesCard(const SidesView &view, const SidesInputs &inputs, QSizeF page);

}  // namespace tavelo
