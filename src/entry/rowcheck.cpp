#include "entry/rowcheck.h"

#include "entry/conversion.h"

namespace tavelo {

RowFault checkRow(std::string_view minutes, std::string_view seconds)
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
