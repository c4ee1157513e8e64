// SPDX-License-Identifier: MIT
#include "core/listtext.h"

#include "core/numbers.h"
#include "core/timetext.h"

#include <cstdint>
#include <optional>

#include <QCoreApplication>

namespace tavelo {
namespace {

// The length of one list line in whole seconds, or none.
std::optional<std::int64_t> listLineSeconds(const QString &line)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const auto minutesValue = strictNumber(QStringView(line).left(colon));
    const auto secondsValue = strictNumber(QStringView(line).mid(colon + 1));
    if (!minutesValue || !secondsValue)
        return std::nullopt;
    const auto minutes = roundToInt16(*minutesValue);
    const auto seconds = roundToInt16(*secondsValue);
    if (!minutes || !seconds || *minutes < 0 || *seconds < 0 || *seconds > 59)
        return std::nullopt;
    return std::int64_t{*minutes} * 60 + *seconds;
}

}  // namespace

QString listText(const MainState &state)
{
    const QStringList &list = state.list;
    QString out =
        QCoreApplication::translate("ListText", "# 曲の一覧（%n曲）", nullptr, int(list.size())) +
        QLatin1Char('\n');
    std::int64_t start = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const auto length = listLineSeconds(list.at(i));
        // Titles are cleaned as they enter the song table: one line each.
        QString title = i < kSlotCount ? state.songs.at(std::size_t(i)).title : QString();
        if (!title.isEmpty())
            title = title + QStringLiteral("  ");
        out += QStringLiteral("%1. [%2] %3%4\n")
                   .arg(i + 1)
                   .arg(clockText(start), title, length ? clockText(*length) : list.at(i));
        if (length)
            start += *length;  // each at most 32,767 minutes: no list of any size leaves 64 bits
    }
    if (!state.resultMinutes.isEmpty() || !state.resultSeconds.isEmpty()) {
        out +=
            (state.totalMode
                 ? QCoreApplication::translate("ListText", "# 収録時間の合計は %1分%2秒です。")
                 : QCoreApplication::translate("ListText", "# テープの残り時間は %1分%2秒です。"))
                .arg(state.resultMinutes, state.resultSeconds) +
            QLatin1Char('\n');
    }
    return out;
}

}  // namespace tavelo
