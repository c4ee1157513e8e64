#pragma once

#include <QRgb>

#include <vector>

namespace tavelo {

// The six song-time entry screens.
enum class ScreenId {
    Entry,            // remaining mode, page 1
    Page2,            // remaining mode, page 2
    Correction,       // remaining mode, correction
    TotalEntry,       // total mode, page 1
    TotalPage2,       // total mode, page 2
    TotalCorrection,  // total mode, correction
};

enum class ScreenRole { PageOne, PageTwo, Correction };

// A label placed in twips.
struct LabelDescription {
    const char *name = nullptr;  // nullptr: the screen has no such label
    const char *text = "";
    int left = 0, top = 0, width = 0, height = 0;
    QRgb colour = 0;
    bool useDefaultColour = false;
    bool rowLabelFont = false;
};

struct ButtonDescription {
    const char *name;
    const char *caption;
    int left;
    int width;
};

// Everything that sets one entry screen apart from the others.
struct ScreenDescription {
    ScreenId id;
    const char *name;
    ScreenRole role;
    bool totalMode;
    QRgb background;
    int width, height;  // client area, twips
    int firstRowTop, rowLabelLeft, minuteLeft, secondLeft, buttonTop;
    LabelDescription heading;
    LabelDescription secondLine;
    LabelDescription note;
    std::vector<ButtonDescription> buttons;          // left to right
    std::vector<const char *> buttonTabOrder;  // after the boxes
    const char *defaultButton;                 // nullptr: none
    const char *cancelButton;                  // nullptr: none
};

// Slot numbers: index k is song k+1 on every screen and in the song table.
inline constexpr int kSlotCount = 30;
inline constexpr int kRowsPerPage = 15;
inline constexpr int kRowPitch = 360;  // twips between rows

const ScreenDescription &screenDescription(ScreenId id);
const std::vector<ScreenId> &allScreens();

// The first slot shown as a row (0 or 15) and whether a screen has the slot.
int firstVisibleSlot(const ScreenDescription &desc);
bool hasSlot(const ScreenDescription &desc, int slot);
bool isVisibleSlot(const ScreenDescription &desc, int slot);

// The screen of the other page in the same mode, and the screens by role.
ScreenId pageTwoOf(const ScreenDescription &desc);

}  // namespace tavelo
