#include "app/songtable.h"

namespace tavelo {

void SongTable::set(int slot, const QString &minutes, const QString &seconds)
{
    minutes_.at(slot) = minutes;
    seconds_.at(slot) = seconds;
}

void SongTable::setZero(int slot)
{
    set(slot, QStringLiteral("0"), QStringLiteral("0"));
}

}  // namespace tavelo
