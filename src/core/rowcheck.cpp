// SPDX-License-Identifier: MIT
#include "core/rowcheck.h"

#include "core/numbers.h"

namespace tavelo {

RowFault checkRow(QStringView minutes, QStringView seconds)
{
    const auto m = strictNumber(minutes);
    if (!m || *m < 0)
        return RowFault::Minutes;
    const auto s = strictNumber(seconds);
    if (!s || *s < 0 || *s > 59)
        return RowFault::Seconds;
    return RowFault::None;
}

}  // namespace tavelo
