// SPDX-License-Identifier: MIT
#include "plan/cassette.h"

#include "core/timetext.h"

#include <QCoreApplication>

#include <iterator>

namespace tavelo {

CassetteFit shortestCassette(const std::vector<SideSong> &songs, SideExtras extras,
                             SplitChoice choice)
{
    for (const TapeLength &tape : kTapeLengths) {
        const SidesSplit split =
            splitBy(songs, std::int64_t{tape.sideMinutes} * 60, extras, choice);
        if (split.a.left >= 0 && split.b.left >= 0)
            return {&tape, split.a.left, split.b.left};
    }
    return {};
}

QString cassetteText(const CassetteFit &fit)
{
    if (!fit.tape)
        return QCoreApplication::translate("Sides",
                                           "どのカセットにも収まりません（最長の%1でも足りません）")
            .arg(QLatin1String(std::rbegin(kTapeLengths)->name));
    return QCoreApplication::translate("Sides", "%1なら収まります（A面 残り%2、B面 残り%3）")
        .arg(QLatin1String(fit.tape->name), clockText(fit.leftA), clockText(fit.leftB));
}

}  // namespace tavelo
