#include "model/TimeZoneTable.h"

namespace amsaview {

std::optional<std::int32_t> UtcOffsetOfRow(std::optional<int> row, bool dst) {
    if (!row || *row < 0 || *row >= kTimeZoneCount) {
        return std::nullopt;
    }
    return TimeZoneTable[static_cast<std::size_t>(*row)].standardOffsetSeconds +
           (dst ? kDaylightSavingSeconds : 0);
}

}  // namespace amsaview
