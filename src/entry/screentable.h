// SPDX-License-Identifier: MIT
#pragma once

#include "core/model.h"

#include <QPoint>

#include <cstdint>
#include <vector>

namespace tavelo {

// What a button of an entry screen does.
enum class Action {
    Continue,   // 続けて入力
    Calculate,  // 残り時間を出す or 合計時間を出す
    NextPage,   // 次画面を訂正
    Cancel,     // キャンセル
};

using Rgb = std::uint32_t;  // 0xRRGGBB

// A label placed in twips. Its text, like a button's caption, is the
// Japanese text marked for translation in the context "EntryScreen": the
// screen shows it through QCoreApplication::translate.
struct LabelDescription {
    const char *name = nullptr;  // nullptr: the screen has no such label
    const char *text = "";
    int left = 0, top = 0, width = 0, height = 0;
    Rgb colour = 0;
    bool defaultColour = false;  // the style's text colour instead of `colour`
    bool bold = false;           // the row labels' bold face
};

// Which key presses a button besides a click.
enum class ButtonKey {
    None,
    Enter,   // the default button
    Escape,  // the cancel button
};

struct ButtonDescription {
    const char *name;
    const char *caption;
    int left, width;  // twips
    Action action;
    int tabPosition;  // place in the tab order after the boxes, from 0
    ButtonKey key = ButtonKey::None;
};

// Everything that sets one entry screen apart from the others. Sizes and
// positions are in twips.
struct ScreenDescription {
    ScreenId id;
    const char *name;
    Rgb background;
    int width, height;  // client area
    int firstRowTop, rowLabelLeft, minuteLeft, secondLeft, buttonTop;
    LabelDescription heading, secondLine, note;
    std::vector<ButtonDescription> buttons;  // left to right
};

inline constexpr int kRowPitch = 360;  // twips between rows
// A row in twips: its label, the minute and the second box, each box
// followed by its unit label.
inline constexpr int kLabelSize = 255;
inline constexpr int kBoxWidth = 495;
inline constexpr int kBoxHeight = 270;
inline constexpr int kUnitGap = 225;

const ScreenDescription &screenDescription(ScreenId id);

// The slot of the row under a point of a screen (in logical pixels), from
// the left of the row label to the right of the second unit label; -1
// outside the rows.
int slotAt(ScreenId id, QPoint pos);

}  // namespace tavelo
