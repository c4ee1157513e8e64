// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>

// The plain model of what lasts while the program runs: the song times, the
// six entry screens by identity, and the state of the main window.
namespace tavelo {

// Slot numbers: index k is song k+1 on every screen and in the song table.
inline constexpr int kSlotCount = 30;
inline constexpr int kRowsPerPage = 15;

// Titles are names, not texts: one line, without blanks at its ends or runs
// of blanks inside (line breaks a tag may hold become spaces), and cut when
// longer than kLongestTitle (a broken tag, a line of a megabyte), so that
// lists, notes and the card stay quick.
inline constexpr qsizetype kLongestTitle = 200;
inline QString cleanTitle(const QString &title)
{
    QString line = title.simplified();
    if (line.size() <= kLongestTitle)
        return line;
    return line.left(kLongestTitle - 1) + QChar(0x2026);  // …
}

// One song time: the minute and second texts exactly as typed or written,
// and the song's title where one came with it (from a dropped file's tags or
// a tracklist line), cleaned as it enters (boxTexts in core/timetext.h). The
// title goes where the two texts go and is gone where they are replaced by
// the blank rule's "0" and "0".
struct SongTime {
    QString minutes;
    QString seconds;
    QString title = {};
    bool operator==(const SongTime &) const = default;
};
using Slots = std::array<SongTime, kSlotCount>;

// How a song is named by its place in the song table: "5曲目" for slot 4.
inline QString songNumber(int slot)
{
    return QCoreApplication::translate("Song", "%1曲目").arg(slot + 1);
}

// The two boxes of a slot.
enum class Field { Minutes, Seconds };

// What the blank rule writes, and what a calculation stores for unused slots.
inline SongTime zeroTime() { return {QStringLiteral("0"), QStringLiteral("0")}; }

// The six song-time entry screens.
enum class ScreenId {
    Entry,            // remaining mode, page 1
    Page2,            // remaining mode, page 2
    Correction,       // remaining mode, correction
    TotalEntry,       // total mode, page 1
    TotalPage2,       // total mode, page 2
    TotalCorrection,  // total mode, correction
};
inline constexpr ScreenId kAllScreens[] = {ScreenId::Entry,      ScreenId::Page2,
                                           ScreenId::Correction, ScreenId::TotalEntry,
                                           ScreenId::TotalPage2, ScreenId::TotalCorrection};

enum class ScreenRole { PageOne, PageTwo, Correction };

ScreenRole roleOf(ScreenId id);
bool isTotalScreen(ScreenId id);
// The page-2 screen of the same mode.
ScreenId pageTwoOf(ScreenId id);
// The first slot a screen shows as a row: 15 on page 2, otherwise 0.
inline int firstVisibleSlot(ScreenId id)
{
    return roleOf(id) == ScreenRole::PageTwo ? kRowsPerPage : 0;
}

// The main window's lasting state. Its mode is remaining mode (the tape line
// and the caption テープの残り時間は show) or total mode (both hidden, the caption
// 収録時間の合計は shows). 録音可能時間入力, 収録時間の合計を入力 and 閉じる are
// always enabled.
struct MainState {
    QString capacity;       // Totaltxt: the recordable minutes of a tape side, as typed
    Slots songs;            // the song table, never shown
    QStringList list;       // List1
    QString resultMinutes;  // Text3
    QString resultSeconds;  // Text4
    bool totalMode = false;
    bool entryEnabled = false;            // 録音時間入力
    bool correctionEnabled = false;       // 訂正
    bool totalCorrectionEnabled = false;  // 合計の訂正
    bool operator==(const MainState &) const = default;
};

// A tape capacity accepted in the capacity dialog: stored as typed, and the
// window goes to remaining mode with an empty list and result. The song
// table and 訂正 stay as they are.
void takeCapacity(MainState &state, const QString &typed);

// The changes a calculation makes before it reads any row. A change of mode
// also empties the old result, so that a result never stands under the
// other mode's caption.
void enterRemainingMode(MainState &state, bool fromCorrectionScreen);
void enterTotalMode(MainState &state);

}  // namespace tavelo
