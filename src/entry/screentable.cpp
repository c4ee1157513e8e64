// SPDX-License-Identifier: MIT
#include "entry/screentable.h"

#include "gui/formwindow.h"

#include <QtGlobal>

namespace tavelo {
namespace {

constexpr Rgb kLightGreen = 0x80FF80;
constexpr Rgb kCyan = 0x00FFFF;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kDarkBlue = 0x0000C0;
constexpr Rgb kRed = 0xFF0000;

// The texts and the table are laid out by hand, one screen to a block, so
// that each reads as a whole.
// clang-format off
constexpr const char *kPageOneHeading = QT_TRANSLATE_NOOP("EntryScreen", "それぞれの曲の収録時間を入力してください");
constexpr const char *kPageTwoHeading = QT_TRANSLATE_NOOP("EntryScreen", "16番目以降の曲の収録時間を入力してください");
constexpr const char *kCorrectionHeading = QT_TRANSLATE_NOOP("EntryScreen", "訂正したい曲の収録時間を入力してください");
constexpr const char *kPageOneNote =
    QT_TRANSLATE_NOOP("EntryScreen", "注：曲の再生時間が分単位の場合、秒の　　　部分に0を入力してください。(例：再生　　　時間が4分の時は4分0秒と入力する)");
constexpr const char *kPageTwoNote = QT_TRANSLATE_NOOP("EntryScreen", "注：録音時間の秒の部分が0の時には秒の　　部分に0を入力してください");
constexpr const char *kCorrectionNote =
    QT_TRANSLATE_NOOP("EntryScreen", "注：曲の再生時間が分単位の場合、秒の　　　部分に0を入力してください。また次画　　　面の曲の収録時間を維持したい場合　　　　「次画面を訂正」ボタンをクリックして　　　　1度次画面に行ってから「残り時間を　　　　出す」ボタンをクリックしてください");
constexpr const char *kTotalCorrectionNote =
    QT_TRANSLATE_NOOP("EntryScreen", "注：曲の再生時間が分単位の場合、秒の　　　部分に0を入力してください。また次画　　　面の曲の収録時間を維持したい場合　　　　「次画面を訂正」ボタンをクリックして　　　　1度次画面に行ってから「合計時間を　　　　出す」ボタンをクリックしてください");

constexpr const char *kContinue = QT_TRANSLATE_NOOP("EntryScreen", "続けて入力");
constexpr const char *kRemaining = QT_TRANSLATE_NOOP("EntryScreen", "残り時間を出す");
constexpr const char *kTotal = QT_TRANSLATE_NOOP("EntryScreen", "合計時間を出す");
constexpr const char *kCancel = QT_TRANSLATE_NOOP("EntryScreen", "キャンセル");
constexpr const char *kNextPage = QT_TRANSLATE_NOOP("EntryScreen", "次画面を訂正");

LabelDescription heading(int left, int top, int width, const char *text, bool defaultColour = false)
{
    return {.name = "Label1", .text = text, .left = left, .top = top, .width = width, .height = 255,
            .colour = kBlack, .defaultColour = defaultColour};
}

LabelDescription note(const char *name, int left, int top, int height, const char *text)
{
    return {.name = name, .text = text, .left = left, .top = top, .width = 3615, .height = height,
            .colour = kRed, .bold = true};
}

const LabelDescription kSecondLine{.name = "Label4", .text = QT_TRANSLATE_NOOP("EntryScreen", "30曲まで入力できます。"), .left = 600,
                                   .top = 360, .width = 3495, .height = 255, .colour = kDarkBlue};

ButtonDescription button(const char *name, const char *caption, int left, int width, Action action,
                         int tabPosition, ButtonKey key = ButtonKey::None)
{
    return {.name = name, .caption = caption, .left = left, .width = width, .action = action,
            .tabPosition = tabPosition, .key = key};
}
constexpr ButtonKey kEnter = ButtonKey::Enter;
constexpr ButtonKey kEsc = ButtonKey::Escape;

std::vector<ScreenDescription> makeDescriptions()
{
    const ButtonDescription cancelAt3000 = button("Command3", kCancel, 3000, 1335, Action::Cancel, 2, kEsc);
    return {
        {.id = ScreenId::Entry, .name = "NyuryokuForm", .background = kLightGreen,
         .width = 4590, .height = 7455,
         .firstRowTop = 1320, .rowLabelLeft = 960, .minuteLeft = 1440, .secondLeft = 2520, .buttonTop = 6840,
         .heading = heading(600, 120, 3375, kPageOneHeading), .secondLine = kSecondLine,
         .note = note("Label5(1)", 600, 600, 615, kPageOneNote),
         .buttons = {button("Command1", kContinue, 120, 1335, Action::Continue, 0),
                     button("Command2", kRemaining, 1560, 1335, Action::Calculate, 1, kEnter), cancelAt3000}},
        {.id = ScreenId::Page2, .name = "NyuryokuForm2", .background = kLightGreen,
         .width = 4170, .height = 7080,
         .firstRowTop = 960, .rowLabelLeft = 720, .minuteLeft = 1320, .secondLeft = 2400, .buttonTop = 6480,
         .heading = heading(600, 120, 3735, kPageTwoHeading, true), .secondLine = {},
         .note = note("Label4", 600, 480, 375, kPageTwoNote),
         .buttons = {button("Command2", kRemaining, 600, 1335, Action::Calculate, 0),
                     button("Command3", kCancel, 2520, 1335, Action::Cancel, 1)}},
        {.id = ScreenId::Correction, .name = "NyuryokuForm3", .background = kLightGreen,
         .width = 4455, .height = 7920,
         .firstRowTop = 1800, .rowLabelLeft = 840, .minuteLeft = 1320, .secondLeft = 2400, .buttonTop = 7320,
         .heading = heading(480, 240, 3375, kCorrectionHeading), .secondLine = {},
         .note = note("Label5(1)", 480, 480, 1215, kCorrectionNote),
         .buttons = {button("Command4", kNextPage, 120, 1335, Action::NextPage, 0),
                     button("Command2", kRemaining, 1560, 1335, Action::Calculate, 1, kEnter), cancelAt3000}},
        {.id = ScreenId::TotalEntry, .name = "NyuryokuForm4", .background = kCyan,
         .width = 4650, .height = 7380,
         .firstRowTop = 1320, .rowLabelLeft = 960, .minuteLeft = 1440, .secondLeft = 2520, .buttonTop = 6840,
         .heading = heading(600, 120, 3375, kPageOneHeading), .secondLine = kSecondLine,
         .note = note("Label5(1)", 600, 600, 615, kPageOneNote),
         .buttons = {button("Command1", kContinue, 120, 1335, Action::Continue, 0),
                     button("Command2", kTotal, 1560, 1455, Action::Calculate, 2, kEnter),
                     button("Command3", kCancel, 3120, 1335, Action::Cancel, 1, kEsc)}},
        {.id = ScreenId::TotalPage2, .name = "NyuryokuForm5", .background = kCyan,
         .width = 4170, .height = 7065,
         .firstRowTop = 960, .rowLabelLeft = 600, .minuteLeft = 1200, .secondLeft = 2280, .buttonTop = 6480,
         .heading = heading(480, 120, 3735, kPageTwoHeading, true), .secondLine = {},
         .note = note("Label4", 480, 480, 375, kPageTwoNote),
         .buttons = {button("Command2", kTotal, 480, 1455, Action::Calculate, 0, kEnter),
                     button("Command3", kCancel, 2400, 1335, Action::Cancel, 1, kEsc)}},
        {.id = ScreenId::TotalCorrection, .name = "NyuryokuForm6", .background = kCyan,
         .width = 4590, .height = 7785,
         .firstRowTop = 1680, .rowLabelLeft = 840, .minuteLeft = 1320, .secondLeft = 2400, .buttonTop = 7200,
         .heading = heading(480, 120, 3375, kCorrectionHeading), .secondLine = {},
         .note = note("Label5(1)", 480, 360, 1215, kTotalCorrectionNote),
         .buttons = {button("Command4", kNextPage, 120, 1335, Action::NextPage, 0),
                     button("Command2", kTotal, 1560, 1455, Action::Calculate, 1, kEnter),
                     button("Command3", kCancel, 3120, 1335, Action::Cancel, 2, kEsc)}},
    };
}

// clang-format on

}  // namespace

const ScreenDescription &screenDescription(ScreenId id)
{
    static const std::vector<ScreenDescription> descriptions = makeDescriptions();
    return descriptions.at(static_cast<std::size_t>(id));
}

int slotAt(ScreenId id, QPoint pos)
{
    const ScreenDescription &d = screenDescription(id);
    const int top = fromTwips(d.firstRowTop);
    const int pitch = fromTwips(kRowPitch);
    const int left = fromTwips(d.rowLabelLeft);
    const int right = fromTwips(d.secondLeft + kBoxWidth + kUnitGap + kLabelSize);
    if (pos.x() < left || pos.x() >= right || pos.y() < top ||
        pos.y() >= top + kRowsPerPage * pitch)
        return -1;
    return firstVisibleSlot(id) + (pos.y() - top) / pitch;
}

}  // namespace tavelo
