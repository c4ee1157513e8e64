// SPDX-License-Identifier: MIT
#include "core/listtext.h"

#include "core/numbers.h"

#include <QCoreApplication>

namespace tavelo {

QString clockText(std::int64_t seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QString::number(seconds / 60) + QLatin1Char(':') +
           QString::number(seconds % 60).rightJustified(2, QLatin1Char('0'));
}

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

QString listText(const QStringList &list, const QStringList &titles, bool totalMode,
                 const QString &resultMinutes, const QString &resultSeconds)
{
    QString out =
        QCoreApplication::translate("ListText", "# 曲の一覧（%n曲）", nullptr, int(list.size())) +
        QLatin1Char('\n');
    std::int64_t start = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const auto length = listLineSeconds(list.at(i));
        // A title is one line: line breaks a tag may hold become spaces.
        QString title = titles.value(i).simplified();
        if (!title.isEmpty())
            title = title + QStringLiteral("  ");
        out += QStringLiteral("%1. [%2] %3%4\n")
                   .arg(i + 1)
                   .arg(clockText(start), title, length ? clockText(*length) : list.at(i));
        if (length)
            start += *length;  // each at most 32,767 minutes: no list of any size leaves 64 bits
    }
    if (!resultMinutes.isEmpty() || !resultSeconds.isEmpty()) {
        out +=
            (totalMode
                 ? QCoreApplication::translate("ListText", "# 収録時間の合計は %1分%2秒です。")
                 : QCoreApplication::translate("ListText", "# テープの残り時間は %1分%2秒です。"))
                .arg(resultMinutes, resultSeconds) +
            QLatin1Char('\n');
    }
    return out;
}

QString listText(const MainState &state)
{
    // Line i of the list is slot i of the song table.
    QStringList titles;
    for (qsizetype i = 0; i < state.list.size() && i < kSlotCount; ++i)
        titles << state.songs.at(static_cast<std::size_t>(i)).title;
    return listText(state.list, titles, state.totalMode, state.resultMinutes, state.resultSeconds);
}

}  // namespace tavelo
