// SPDX-License-Identifier: MIT
#pragma once

// Shared helpers for the tests of plain functions, which need no windows.

#include <QByteArray>
#include <QString>
#include <QTest>

#include <optional>
#include <string>

namespace valuetest {

// The UTF-8 bytes of a data row as the text a box holds.
inline QString text(const QByteArray &bytes) { return QString::fromUtf8(bytes); }

// A result that may not fit: whether it fits, and then its value.
template <typename Actual, typename Expected>
void compareOptional(const std::optional<Actual> &actual, bool fits, Expected expected)
{
    QCOMPARE(actual.has_value(), fits);
    if (fits)
        QCOMPARE(static_cast<Expected>(*actual), expected);
}

}  // namespace valuetest
