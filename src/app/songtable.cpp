#include "app/songtable.h"

namespace tavelo {

void SongTable::set(int slot, const QString &minutes, const QString &seconds)
{
    minutes_.at(slot) = minutes;
    seconds_.at(slot) = seconds;
}

}  // namespace tavelo
