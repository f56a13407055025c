#include "retro/StationTables.h"

#include <algorithm>
#include <cstddef>

#include "retro/StationTexts.h"

namespace amsaview {
namespace {

// A table as its text file gives it: one period a line, the retrograde entry,
// a tab, the direct entry.
template <std::size_t N>
struct ParsedTable {
    std::array<std::string_view, N> retrogradeStations{};
    std::array<std::string_view, N> directStations{};
    std::array<CalendarDay, N> retrogradeDays{};
    std::array<CalendarDay, N> directDays{};
};

constexpr std::size_t LineCount(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

struct EntryMoment {
    CalendarDay day;
    int minuteOfDay;

    constexpr auto operator<=>(const EntryMoment&) const = default;
};

// Reads "month,day,year,hour,minute,". A malformed entry throws, which stops
// the build: the tables are checked once, by the compiler.
constexpr EntryMoment ReadEntry(std::string_view entry) {
    std::array<int, 5> fields{};
    std::size_t position = 0;
    for (int& field : fields) {
        const std::size_t comma = entry.find(',', position);
        if (comma == std::string_view::npos || comma == position) {
            throw "station entry needs five numbers, each followed by a comma";
        }
        for (const char digit : entry.substr(position, comma - position)) {
            if (digit < '0' || digit > '9') {
                throw "station entry holds a character that is not a digit";
            }
            field = field * 10 + (digit - '0');
        }
        position = comma + 1;
    }
    const auto [month, day, year, hour, minute] = fields;
    if (position != entry.size() || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 ||
        minute > 59) {
        throw "station entry out of range";
    }
    return {CalendarDayOf(year, month, day), hour * 60 + minute};
}

// The lookup relies on this order, so a table that breaks it does not build.
template <std::size_t N>
constexpr ParsedTable<N> ParseTable(std::string_view text) {
    ParsedTable<N> table;
    EntryMoment previousDirect{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t lineEnd = text.find('\n');
        const std::string_view line = text.substr(0, lineEnd);
        text.remove_prefix(lineEnd + 1);
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            throw "station line needs a tab between its two entries";
        }
        table.retrogradeStations[i] = line.substr(0, tab);
        table.directStations[i] = line.substr(tab + 1);
        const EntryMoment retrograde = ReadEntry(table.retrogradeStations[i]);
        const EntryMoment direct = ReadEntry(table.directStations[i]);
        if ((i > 0 && retrograde <= previousDirect) || direct <= retrograde) {
            throw "station periods out of time order";
        }
        table.retrogradeDays[i] = retrograde.day;
        table.directDays[i] = direct.day;
        previousDirect = direct;
    }
    return table;
}

template <std::size_t N>
constexpr StationTable ViewOf(const ParsedTable<N>& parsed) {
    return {parsed.retrogradeStations, parsed.directStations, parsed.retrogradeDays,
            parsed.directDays};
}

constexpr auto kMercury = ParseTable<LineCount(kMercuryStationText)>(kMercuryStationText);
constexpr auto kVenus = ParseTable<LineCount(kVenusStationText)>(kVenusStationText);
constexpr auto kMars = ParseTable<LineCount(kMarsStationText)>(kMarsStationText);
constexpr auto kJupiter = ParseTable<LineCount(kJupiterStationText)>(kJupiterStationText);
constexpr auto kSaturn = ParseTable<LineCount(kSaturnStationText)>(kSaturnStationText);

}  // namespace

constinit const std::array<NamedStationTable, 5> StationTables = {{
    {"Mercury", ViewOf(kMercury)},
    {"Venus", ViewOf(kVenus)},
    {"Mars", ViewOf(kMars)},
    {"Jupiter", ViewOf(kJupiter)},
    {"Saturn", ViewOf(kSaturn)},
}};

std::optional<StationTable> FindStationTable(std::string_view planetName) {
    for (const NamedStationTable& named : StationTables) {
        if (named.planetName == planetName) {
            return named.table;
        }
    }
    return std::nullopt;
}

}  // namespace amsaview
