#include "entry/screentable.h"

namespace tavelo {
namespace {

constexpr QRgb kLightGreen = 0x80FF80;
constexpr QRgb kCyan = 0x00FFFF;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kDarkBlue = 0x0000C0;
constexpr QRgb kRed = 0xFF0000;

constexpr const char *kPageOneHeading = "それぞれの曲の収録時間を入力してください";
constexpr const char *kPageOneSecondLine = "30曲まで入力できます。";
constexpr const char *kPageOneNote =
    "注：曲の再生時間が分単位の場合、秒の　　　部分に0を入力してください。(例：再生　　　時間が4分の時は4分0秒と入力する)";
constexpr const char *kPageTwoHeading = "16番目以降の曲の収録時間を入力してください";
constexpr const char *kPageTwoNote = "注：録音時間の秒の部分が0の時には秒の　　部分に0を入力してください";
constexpr const char *kCorrectionHeading = "訂正したい曲の収録時間を入力してください";
constexpr const char *kCorrectionNote =
    "注：曲の再生時間が分単位の場合、秒の　　　部分に0を入力してください。また次画　　　面の曲の収録時間を維持したい場合　　　　「次画面を訂正」ボタンをクリックして　　　　1度次画面に行ってから「残り時間を　　　　出す」ボタンをクリックしてください";
constexpr const char *kTotalCorrectionNote =
    "注：曲の再生時間が分単位の場合、秒の　　　部分に0を入力してください。また次画　　　面の曲の収録時間を維持したい場合　　　　「次画面を訂正」ボタンをクリックして　　　　1度次画面に行ってから「合計時間を　　　　出す」ボタンをクリックしてください";

constexpr const char *kContinue = "続けて入力";
constexpr const char *kRemaining = "残り時間を出す";
constexpr const char *kTotal = "合計時間を出す";
constexpr const char *kCancel = "キャンセル";
constexpr const char *kNextPage = "次画面を訂正";

LabelDescription heading(int left, int top, int width, bool defaultColour, const char *text)
{
    return {"Label1", text, left, top, width, 255, kBlack, defaultColour, false};
}

LabelDescription note(const char *name, int left, int top, int height, const char *text)
{
    return {name, text, left, top, 3615, height, kRed, false, true};
}

const LabelDescription kSecondLine{"Label4", kPageOneSecondLine, 600, 360, 3495, 255, kDarkBlue, false, false};
const LabelDescription kNone{};

std::vector<ScreenDescription> makeDescriptions()
{
    return {
        {ScreenId::Entry, "NyuryokuForm", ScreenRole::PageOne, false, kLightGreen, 4590, 7455,
         1320, 960, 1440, 2520, 6840,
         heading(600, 120, 3375, false, kPageOneHeading), kSecondLine,
         note("Label5(1)", 600, 600, 615, kPageOneNote),
         {{"Command1", kContinue, 120, 1335}, {"Command2", kRemaining, 1560, 1335},
          {"Command3", kCancel, 3000, 1335}},
         {"Command1", "Command2", "Command3"}, "Command2", "Command3"},
        {ScreenId::Page2, "NyuryokuForm2", ScreenRole::PageTwo, false, kLightGreen, 4170, 7080,
         960, 720, 1320, 2400, 6480,
         heading(600, 120, 3735, true, kPageTwoHeading), kNone,
         note("Label4", 600, 480, 375, kPageTwoNote),
         {{"Command2", kRemaining, 600, 1335}, {"Command3", kCancel, 2520, 1335}},
         {"Command2", "Command3"}, nullptr, nullptr},
        {ScreenId::Correction, "NyuryokuForm3", ScreenRole::Correction, false, kLightGreen, 4455, 7920,
         1800, 840, 1320, 2400, 7320,
         heading(480, 240, 3375, false, kCorrectionHeading), kNone,
         note("Label5(1)", 480, 480, 1215, kCorrectionNote),
         {{"Command4", kNextPage, 120, 1335}, {"Command2", kRemaining, 1560, 1335},
          {"Command3", kCancel, 3000, 1335}},
         {"Command4", "Command2", "Command3"}, "Command2", "Command3"},
        {ScreenId::TotalEntry, "NyuryokuForm4", ScreenRole::PageOne, true, kCyan, 4650, 7380,
         1320, 960, 1440, 2520, 6840,
         heading(600, 120, 3375, false, kPageOneHeading), kSecondLine,
         note("Label5(1)", 600, 600, 615, kPageOneNote),
         {{"Command1", kContinue, 120, 1335}, {"Command2", kTotal, 1560, 1455},
          {"Command3", kCancel, 3120, 1335}},
         {"Command1", "Command3", "Command2"}, "Command2", "Command3"},
        {ScreenId::TotalPage2, "NyuryokuForm5", ScreenRole::PageTwo, true, kCyan, 4170, 7065,
         960, 600, 1200, 2280, 6480,
         heading(480, 120, 3735, true, kPageTwoHeading), kNone,
         note("Label4", 480, 480, 375, kPageTwoNote),
         {{"Command2", kTotal, 480, 1455}, {"Command3", kCancel, 2400, 1335}},
         {"Command2", "Command3"}, "Command2", "Command3"},
        {ScreenId::TotalCorrection, "NyuryokuForm6", ScreenRole::Correction, true, kCyan, 4590, 7785,
         1680, 840, 1320, 2400, 7200,
         heading(480, 120, 3375, false, kCorrectionHeading), kNone,
         note("Label5(1)", 480, 360, 1215, kTotalCorrectionNote),
         {{"Command4", kNextPage, 120, 1335}, {"Command2", kTotal, 1560, 1455},
          {"Command3", kCancel, 3120, 1335}},
         {"Command4", "Command2", "Command3"}, "Command2", "Command3"},
    };
}

}  // namespace

const ScreenDescription &screenDescription(ScreenId id)
{
    static const std::vector<ScreenDescription> descriptions = makeDescriptions();
    return descriptions.at(static_cast<std::size_t>(id));
}

const std::vector<ScreenId> &allScreens()
{
    static const std::vector<ScreenId> ids{ScreenId::Entry,      ScreenId::Page2,
                                           ScreenId::Correction, ScreenId::TotalEntry,
                                           ScreenId::TotalPage2, ScreenId::TotalCorrection};
    return ids;
}

int firstVisibleSlot(const ScreenDescription &desc)
{
    return desc.role == ScreenRole::PageTwo ? kRowsPerPage : 0;
}

bool hasSlot(const ScreenDescription &desc, int slot)
{
    const int count = desc.role == ScreenRole::PageOne ? kRowsPerPage : kSlotCount;
    return slot >= 0 && slot < count;
}

bool isVisibleSlot(const ScreenDescription &desc, int slot)
{
    const int first = firstVisibleSlot(desc);
    return slot >= first && slot < first + kRowsPerPage;
}

ScreenId pageTwoOf(const ScreenDescription &desc)
{
    return desc.totalMode ? ScreenId::TotalPage2 : ScreenId::Page2;
}

}  // namespace tavelo
