#include "model/TimeZoneTable.h"

namespace amsaview {

void Zone_Calculation(std::optional<int> row, BirthData& birth) {
    if (!row || *row < 0 || *row >= kTimeZoneCount) {
        return;
    }
    const TimeZone& zone = TimeZoneTable[static_cast<std::size_t>(*row)];
    birth.zoneToUtHours = zone.zoneToUtHours;
    birth.zoneToUtMinutes = zone.zoneToUtMinutes;
}

}  // namespace amsaview
