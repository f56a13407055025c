#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "retro/CalendarDay.h"

namespace amsaview {

// The retrograde periods of one planet, in time order and never overlapping.
// Entry i of both lists together is period i; an entry is the universal time
// of the station as "month,day,year,hour,minute,".
struct StationTable {
    std::span<const std::string_view> retrogradeStations;
    std::span<const std::string_view> directStations;
    // The calendar dates of the same entries, read when the program is built.
    std::span<const CalendarDay> retrogradeDays;
    std::span<const CalendarDay> directDays;
};

struct NamedStationTable {
    std::string_view planetName;  // English: "Mercury" .. "Saturn"
    StationTable table;
};

// Mercury, Venus, Mars, Jupiter and Saturn, 1900 to 2051.
extern const std::array<NamedStationTable, 5> StationTables;

// The table of a planet by its English name; none for any other name.
std::optional<StationTable> FindStationTable(std::string_view planetName);

}  // namespace amsaview
