// SPDX-License-Identifier: MIT
#pragma once

// Shared helpers for the tests of plain functions, which need no windows,
// and the one notation for rows of times that the window tests share.

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

// A result that may not fit: whether it fits, and then its value.
template <typename Actual, typename Expected>
void compareOptional(const std::optional<Actual> &actual, bool fits, Expected expected)
{
    QCOMPARE(actual.has_value(), fits);
    if (fits)
        QCOMPARE(static_cast<Expected>(*actual), expected);
}

}  // namespace valuetest
