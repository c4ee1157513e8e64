// SPDX-License-Identifier: MIT
#pragma once

// Shared helpers for the tests of plain functions, which need no windows,
// and what every suite shares: the one notation for rows, slots and list
// lines, and the object names of the entry screens.

#include "core/model.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTest>

#include <optional>
#include <string>

namespace valuetest {

// The UTF-8 bytes of a data row as the text a box holds.
inline QString text(const QByteArray &bytes) { return QString::fromUtf8(bytes); }

// Rows of times written as one text: items separated by blanks, "n*item"
// for n equal items, and "_" for a blank inside an item. An item is a row
// "minutes:seconds" (either may be empty: "4:", ":30", ":"), a list line, or
// a slot "minutes|seconds". rows("4:30 2*0:00 _4_:5") is {"4:30", "0:00",
// "0:00", " 4 :5"}.
inline QStringList rows(const QString &written)
{
    QStringList out;
    for (const QString &item : written.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int star = item.indexOf(QLatin1Char('*'));
        const int count = star > 0 ? item.left(star).toInt() : 1;
        const QString text =
            item.mid(star > 0 ? star + 1 : 0).replace(QLatin1Char('_'), QLatin1Char(' '));
        for (int k = 0; k < count; ++k)
            out << text;
    }
    return out;
}

// The same notation made from a list: runs of two or more equal items are
// written "n*item", so that thirty list lines read as one short text.
inline QString rowsText(const QStringList &items)
{
    QStringList out;
    for (qsizetype i = 0; i < items.size();) {
        qsizetype run = 1;
        while (i + run < items.size() && items.at(i + run) == items.at(i))
            ++run;
        const QString item = QString(items.at(i)).replace(QLatin1Char(' '), QLatin1Char('_'));
        out << (run > 1 ? QStringLiteral("%1*%2").arg(run).arg(item) : item);
        i += run;
    }
    return out.join(QLatin1Char(' '));
}

// Thirty slots in that notation, items "minutes|seconds": "4|30 3| 28*|" is
// 4:30 in slot 0, "3" and no seconds in slot 1, and empty texts after that.
// Fewer than thirty items leave the remaining slots empty.
inline tavelo::Slots slotsFrom(const QString &written)
{
    tavelo::Slots table;
    const QStringList items = rows(written);
    for (int slot = 0; slot < tavelo::kSlotCount && slot < items.size(); ++slot)
        table.at(slot) = {items[slot].section(QLatin1Char('|'), 0, 0),
                          items[slot].section(QLatin1Char('|'), 1)};
    return table;
}

inline QStringList slotItems(const tavelo::Slots &table)
{
    QStringList items;
    for (const tavelo::SongTime &time : table)
        items << time.minutes + QLatin1Char('|') + time.seconds;
    return items;
}

// The thirty slots written back: slotsText(slotsFrom("4|30")) is "4|30 29*|".
inline QString slotsText(const tavelo::Slots &table) { return rowsText(slotItems(table)); }

// The object names of the six entry screens, written out here rather than
// taken from the program, so that a changed name fails the tests.
inline QString screenName(tavelo::ScreenId id)
{
    static const char *const names[] = {"NyuryokuForm",  "NyuryokuForm2", "NyuryokuForm3",
                                        "NyuryokuForm4", "NyuryokuForm5", "NyuryokuForm6"};
    return QString::fromLatin1(names[static_cast<int>(id)]);
}

// A result that may not fit: whether it fits, and then its value.
template <typename Actual, typename Expected>
void compareOptional(const std::optional<Actual> &actual, bool fits, Expected expected)
{
    QCOMPARE(actual.has_value(), fits);
    if (fits)
        QCOMPARE(static_cast<Expected>(*actual), expected);
}

}  // namespace valuetest
