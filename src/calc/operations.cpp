// SPDX-License-Identifier: MIT
#include "calc/operations.h"

#include "core/numbers.h"
#include "core/rowcheck.h"
#include "core/timemath.h"
#include "core/timetext.h"

namespace tavelo {
namespace {

bool isBlank(const SongTime &time) { return isBlankRow(time.minutes, time.seconds); }

CheckedRow check(const SongTime &time) { return checkRow(time.minutes, time.seconds); }

// The message of a failing row, then the focus in its failing box.
void refuseRow(Outcome &out, ScreenId screen, int slot, RowFault fault)
{
    const bool minutes = fault == RowFault::Minutes;
    out.emplace_back(ShowMessage{minutes ? Message::BadMinutes : Message::BadSeconds});
    out.emplace_back(FocusSlot{screen, slot, minutes ? Field::Minutes : Field::Seconds});
}

void setResult(MainState &state, const MinutesSeconds &result)
{
    const ResultTexts texts = resultTexts(result);
    state.resultMinutes = texts.minutes;
    state.resultSeconds = texts.seconds;
}

// Seconds of tape from the capacity box, or no value after saying why it
// cannot be used.
std::optional<std::int32_t> readCapacity(Outcome &out, const MainState &state)
{
    const auto minutes = strictNumber(state.capacity);
    const auto seconds = minutes ? capacitySeconds(*minutes) : std::nullopt;
    if (!seconds) {
        out.emplace_back(UpdateMain{state});
        out.emplace_back(ShowMessage{minutes ? Message::CapacityTooLarge : Message::BadCapacity});
        out.emplace_back(FocusCapacity{});
    }
    return seconds;
}

// Walks the rows: stores each in the song table, applies the blank rule,
// checks it, adds it up and lists it. No value when a row stopped the walk.
std::optional<TimeSum> sumRows(Outcome &out, MainState &state, ScreenId screen, Slots rows)
{
    const bool pageTwo = roleOf(screen) == ScreenRole::PageTwo;
    TimeSum sum;
    for (int i = 0; i < (pageTwo ? kSlotCount : kRowsPerPage); ++i) {
        SongTime &row = rows.at(i);
        state.songs.at(i) = row;
        if (!pageTwo)
            state.songs.at(i + kRowsPerPage) = zeroTime();
        if (isBlank(row)) {
            row = zeroTime();
            state.songs.at(i) = row;
            out.emplace_back(WriteSlot{screen, i, row});
        }
        const CheckedRow checked = check(row);
        if (checked.fault != RowFault::None) {
            out.emplace_back(UpdateMain{state});
            refuseRow(out, screen, i, checked.fault);
            return std::nullopt;
        }
        if (!checked.values || !sum.add(checked.values->minutes, checked.values->seconds)) {
            out.emplace_back(UpdateMain{state});
            out.emplace_back(ShowMessage{Message::MinutesTooLarge});
            out.emplace_back(FocusSlot{screen, i, Field::Minutes});
            return std::nullopt;
        }
        state.list.append(listLine(row.minutes, row.seconds));
    }
    return sum;
}

void finishTotal(Outcome &out, MainState &state, ScreenId screen, const TimeSum &sum)
{
    const auto total = sum.totalSeconds();
    const auto result = total ? splitSeconds(*total) : std::nullopt;
    if (result)
        setResult(state, *result);
    out.emplace_back(UpdateMain{state});
    if (result)
        out.emplace_back(CloseScreen{screen});
    else
        out.emplace_back(ShowMessage{Message::TotalTooLarge});
}

void finishRemaining(Outcome &out, MainState &state, ScreenId screen, std::int32_t capacity,
                     const TimeSum &sum)
{
    const auto total = sum.totalSeconds();
    const long long remaining = static_cast<long long>(capacity) - (total ? *total : 0);
    if (total && remaining > kLargestShownSeconds) {
        out.emplace_back(UpdateMain{state});
        out.emplace_back(ShowMessage{Message::RemainingTooLarge});
        return;
    }
    if (total && remaining >= 0) {
        setResult(state, *splitSeconds(static_cast<std::int32_t>(remaining)));
        out.emplace_back(UpdateMain{state});
        out.emplace_back(CloseScreen{screen});
        return;
    }
    // The songs do not fit. The negative remaining time stands behind the
    // message when it can be shown; afterwards both fields read 0.
    if (total && remaining >= -kLargestShownSeconds)
        setResult(state, *splitSeconds(static_cast<std::int32_t>(remaining)));
    out.emplace_back(UpdateMain{state});
    out.emplace_back(ShowMessage{Message::OverCapacity});
    state.resultMinutes = state.resultSeconds = QStringLiteral("0");
    out.emplace_back(UpdateMain{state});
}

}  // namespace

Outcome acceptCapacity(const MainState &main, const QString &typed)
{
    // Text that is no number is refused like a negative value.
    const auto minutes = strictNumber(typed);
    if (!minutes || *minutes < 0)
        return {ShowMessage{Message::BadMinutes}, FocusDialog{}};
    MainState state = main;
    takeCapacity(state, typed);
    return {UpdateMain{state}, CloseDialog{}};
}

Outcome editCapacity(const MainState &main, const QString &text)
{
    MainState state = main;
    state.capacity = text;
    return {UpdateMain{state}};
}

Outcome calculate(const MainState &main, ScreenId screen, const Slots &texts)
{
    Outcome out;
    MainState state = main;
    state.list.clear();
    const bool total = isTotalScreen(screen);
    if (total)
        enterTotalMode(state);
    else
        enterRemainingMode(state, roleOf(screen) == ScreenRole::Correction);

    std::int32_t capacity = 0;
    if (!total) {
        const auto seconds = readCapacity(out, state);
        if (!seconds)
            return out;
        capacity = *seconds;
    }
    const auto sum = sumRows(out, state, screen, texts);
    if (sum && total)
        finishTotal(out, state, screen, *sum);
    else if (sum)
        finishRemaining(out, state, screen, capacity, *sum);
    return out;
}

Outcome continueOnPageTwo(const MainState &main, ScreenId screen, const Slots &texts)
{
    const ScreenId target = pageTwoOf(screen);
    Outcome out{ShowScreen{target}};
    MainState state = main;
    for (int slot = 0; slot < kRowsPerPage; ++slot) {
        out.emplace_back(WriteSlot{target, slot, texts.at(slot)});
        if (isBlank(texts.at(slot))) {
            // A half-empty row goes on as 0:00; the page-1 boxes keep what
            // the user typed, and the row passes.
            out.emplace_back(WriteSlot{target, slot, zeroTime()});
            state.songs.at(slot) = zeroTime();
            continue;
        }
        if (const RowFault fault = check(texts.at(slot)).fault; fault != RowFault::None) {
            out.emplace_back(UpdateMain{state});
            refuseRow(out, screen, slot, fault);
            return out;
        }
    }
    out.emplace_back(UpdateMain{state});
    out.emplace_back(CloseScreen{screen});
    return out;
}

Outcome correctOnPageTwo(ScreenId screen, const Slots &texts)
{
    const ScreenId target = pageTwoOf(screen);
    Outcome out{ShowScreen{target}};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SongTime row = texts.at(slot);
        out.emplace_back(WriteSlot{target, slot, row});
        // Blank rows show "0" on the correction screen; page 2 keeps the copy.
        if (isBlank(row)) {
            row = zeroTime();
            out.emplace_back(WriteSlot{screen, slot, row});
        }
        if (const RowFault fault = check(row).fault; fault != RowFault::None) {
            refuseRow(out, screen, slot, fault);
            return out;
        }
    }
    out.emplace_back(CloseScreen{screen});
    return out;
}

Outcome openCorrection(const MainState &main, ScreenId screen)
{
    Outcome out{ShowScreen{screen}};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SongTime time = main.songs.at(slot);
        // Texts that are no number (the table starts empty) are copied as
        // they are; the screen's own row check deals with them later.
        const auto minutes = strictNumber(time.minutes);
        const auto seconds = strictNumber(time.seconds);
        if (minutes && seconds && *minutes == 0 && *seconds == 0)
            time = {};
        out.emplace_back(WriteSlot{screen, slot, time});
    }
    return out;
}

}  // namespace tavelo
