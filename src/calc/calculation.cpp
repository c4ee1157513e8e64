#include "calc/calculation.h"

#include "app/songtable.h"
#include "app/taveloform.h"
#include "app/windows.h"
#include "calc/timemath.h"
#include "entry/conversion.h"
#include "entry/entryscreen.h"
#include "entry/errorbox.h"
#include "entry/messages.h"
#include "entry/rowcheck.h"
#include "entry/rowreport.h"

#include <QLineEdit>

#include <optional>

namespace tavelo {
namespace {

const QString kZero = QStringLiteral("0");

// Seconds of tape from the capacity box, or no value after telling the user
// why it cannot be used.
std::optional<std::int32_t> readCapacity(EntryScreen &screen, TaveloForm &main)
{
    const auto minutes = strictNumber(main.totaltxt->text().toStdString());
    if (!minutes) {
        reportError(&screen, message::kBadCapacity, main.totaltxt);
        return std::nullopt;
    }
    const auto seconds = capacitySeconds(*minutes);
    if (!seconds)
        reportError(&screen, message::kCapacityTooLarge, main.totaltxt);
    return seconds;
}

// Walks the rows: stores each in the song table, applies the blank rule,
// checks it, adds it up and lists it. No value when a row stopped the walk.
std::optional<TimeSum> sumRows(EntryScreen &screen, TaveloForm &main, QPushButton *pressed)
{
    SongTable &songs = main.songTable();
    const bool pageTwo = screen.description().role == ScreenRole::PageTwo;
    const int rows = pageTwo ? kSlotCount : kRowsPerPage;
    TimeSum sum;
    for (int i = 0; i < rows; ++i) {
        songs.set(i, screen.minuteText(i), screen.secondText(i));
        if (!pageTwo)
            songs.setZero(i + kRowsPerPage);
        if (screen.isBlankRow(i)) {
            screen.setZeroRow(i);
            songs.setZero(i);
        }
        if (!checkScreenRow(screen, i, pressed))
            return std::nullopt;

        const std::string minutesText = screen.minuteText(i).toStdString();
        const std::string secondsText = screen.secondText(i).toStdString();
        const auto minutes = lenientInt16(minutesText);
        const auto seconds = lenientInt16(secondsText);
        if (!minutes || !seconds || !sum.add(*minutes, *seconds)) {
            reportRowFault(screen, i, minutes ? RowFault::Seconds : RowFault::Minutes,
                           minutes ? message::kBadSeconds : message::kMinutesTooLarge, pressed);
            return std::nullopt;
        }
        main.appendListLine(QString::fromStdString(listLine(minutesText, secondsText)));
    }
    return sum;
}

void showResult(TaveloForm &main, MinutesSeconds result)
{
    main.setResult(QString::number(result.minutes), QString::number(result.seconds));
}

void finishRemaining(EntryScreen &screen, TaveloForm &main, std::int32_t capacity, const TimeSum &sum)
{
    const auto total = sum.totalSeconds();
    const long long remaining = static_cast<long long>(capacity) - (total ? *total : 0);
    if (total && remaining > kLargestShownSeconds) {
        reportError(&screen, message::kRemainingTooLarge, nullptr);
        return;
    }
    if (total && remaining >= 0) {
        showResult(main, *splitSeconds(static_cast<std::int32_t>(remaining)));
        screen.close();
        return;
    }
    // The songs do not fit. The negative remaining time stands behind the
    // message when it can be shown; afterwards both fields read 0.
    if (total && remaining >= -kLargestShownSeconds)
        showResult(main, *splitSeconds(static_cast<std::int32_t>(remaining)));
    showErrorBox(&screen, QString::fromUtf8(message::kOverCapacity));
    main.setResult(kZero, kZero);
}

void finishTotal(EntryScreen &screen, TaveloForm &main, const TimeSum &sum)
{
    const auto total = sum.totalSeconds();
    const auto result = total ? splitSeconds(*total) : std::nullopt;
    if (!result) {
        reportError(&screen, message::kTotalTooLarge, nullptr);
        return;
    }
    showResult(main, *result);
    screen.close();
}

}  // namespace

void calculate(EntryScreen &screen, QPushButton *pressed)
{
    const ScreenDescription &desc = screen.description();
    TaveloForm &main = *windows::mainWindow();
    main.clearList();
    if (desc.totalMode)
        main.enterTotalMode();
    else
        main.enterRemainingMode(desc.role == ScreenRole::Correction);

    std::int32_t capacity = 0;
    if (!desc.totalMode) {
        const auto seconds = readCapacity(screen, main);
        if (!seconds)
            return;
        capacity = *seconds;
    }
    const auto sum = sumRows(screen, main, pressed);
    if (!sum)
        return;
    if (desc.totalMode)
        finishTotal(screen, main, *sum);
    else
        finishRemaining(screen, main, capacity, *sum);
}

}  // namespace tavelo
