#include "retro/Retrograde.h"

#include <algorithm>

#include "model/LookupLists.h"
#include "retro/StationTables.h"

namespace amsaview {
namespace {

// Mercury .. Saturn sit at slots 2..6 of the name list.
constexpr std::size_t kFirstRetrogradeSlot = 2;

}  // namespace

bool IsRetrograde(std::string_view planetName, const LocalBirthMoment& birthLocal) {
    const std::optional<StationTable> table = FindStationTable(planetName);
    if (!table) {
        return false;
    }
    const CalendarDay birthDay = CalendarDayOf(birthLocal.year, birthLocal.month, birthLocal.day);
    // Periods are in time order and never overlap, so only the last period
    // whose retrograde station falls on an earlier date can hold the birth.
    const auto& starts = table->retrogradeDays;
    const auto later = std::lower_bound(starts.begin(), starts.end(), birthDay);
    if (later == starts.begin()) {
        return false;
    }
    const auto period = static_cast<std::size_t>(later - starts.begin()) - 1;
    return birthDay < table->directDays[period];
}

void MarkRetrogrades(const BirthData& birth, ChartPositions& positions) {
    const LocalBirthMoment birthLocal{birth.year, birth.month, birth.day, birth.hour, birth.minute};
    for (std::size_t k = 0; k < positions.retrograde.size(); ++k) {
        positions.retrograde[k] = IsRetrograde(kPlanetNames[kFirstRetrogradeSlot + k], birthLocal);
    }
}

}  // namespace amsaview
