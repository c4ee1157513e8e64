#pragma once

// Shared helpers for the tests of plain functions, which need no windows.

#include <QByteArray>
#include <QTest>

#include <optional>
#include <string>

namespace valuetest {

// The bytes of a data row as the std::string the functions take.
inline std::string text(const QByteArray &bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
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
