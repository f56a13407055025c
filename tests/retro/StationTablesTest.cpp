#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "retro/StationTables.h"

namespace amsaview {
namespace {

StationTable TableOf(std::string_view planet) {
    const auto table = FindStationTable(planet);
    EXPECT_TRUE(table.has_value()) << planet;
    return table.value_or(StationTable{});
}

std::vector<std::string_view> SplitAtCommas(std::string_view entry) {
    std::vector<std::string_view> fields;
    for (std::size_t comma = entry.find(','); comma != std::string_view::npos;
         comma = entry.find(',')) {
        fields.push_back(entry.substr(0, comma));
        entry.remove_prefix(comma + 1);
    }
    fields.push_back(entry);
    return fields;
}

// Year, month, day, hour, minute: compares in time order.
using Moment = std::array<int, 5>;

Moment MomentOf(std::string_view entry) {
    const std::vector<std::string_view> fields = SplitAtCommas(entry);
    std::array<int, 5> numbers{};  // month, day, year, hour, minute
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        std::from_chars(fields[i].data(), fields[i].data() + fields[i].size(), numbers[i]);
    }
    return {numbers[2], numbers[0], numbers[1], numbers[3], numbers[4]};
}

constexpr std::array<std::string_view, 5> kPlanets = {"Mercury", "Venus", "Mars", "Jupiter",
                                                      "Saturn"};

TEST(StationTables, HoldThePeriodsOf1900To2051) {
    struct Count {
        std::string_view planet;
        std::size_t periods;
    };
    constexpr Count kCounts[] = {
        {"Mercury", 476}, {"Venus", 95}, {"Mars", 71}, {"Jupiter", 139}, {"Saturn", 146},
    };
    std::size_t total = 0;
    for (const Count& count : kCounts) {
        const StationTable table = TableOf(count.planet);
        EXPECT_EQ(table.retrogradeStations.size(), count.periods) << count.planet;
        EXPECT_EQ(table.directStations.size(), count.periods) << count.planet;
        EXPECT_EQ(table.retrogradeDays.size(), count.periods) << count.planet;
        EXPECT_EQ(table.directDays.size(), count.periods) << count.planet;
        total += table.retrogradeStations.size() + table.directStations.size();
    }
    EXPECT_EQ(total, 1854u);
}

TEST(StationTables, OnlyTheFivePlanetsHaveTables) {
    for (const char* name : {"Sun", "Moon", "Rahu", "Ketu", "Asc", "mercury", "Mercury ", ""}) {
        EXPECT_FALSE(FindStationTable(name).has_value()) << '"' << name << '"';
    }
}

TEST(StationTables, EveryEntryIsFiveNumbersEachFollowedByAComma) {
    for (const std::string_view planet : kPlanets) {
        const StationTable table = TableOf(planet);
        std::vector<std::string_view> entries(table.retrogradeStations.begin(),
                                              table.retrogradeStations.end());
        entries.insert(entries.end(), table.directStations.begin(), table.directStations.end());
        for (const std::string_view entry : entries) {
            const std::vector<std::string_view> fields = SplitAtCommas(entry);
            ASSERT_EQ(fields.size(), 6u) << planet << " " << entry;
            EXPECT_TRUE(fields[5].empty()) << planet << " " << entry;
            for (std::size_t i = 0; i < 5; ++i) {
                const std::string_view field = fields[i];
                EXPECT_FALSE(field.empty()) << planet << " " << entry;
                EXPECT_EQ(field.find_first_not_of("0123456789"), std::string_view::npos)
                    << planet << " " << entry;
                EXPECT_FALSE(field.size() > 1 && field[0] == '0')
                    << "leading zero in " << planet << " " << entry;
            }
            EXPECT_EQ(fields[2].size(), 4u) << planet << " " << entry;
        }
    }
}

TEST(StationTables, PeriodsFollowEachOtherWithoutOverlap) {
    for (const std::string_view planet : kPlanets) {
        const StationTable table = TableOf(planet);
        for (std::size_t i = 0; i < table.retrogradeStations.size(); ++i) {
            const Moment start = MomentOf(table.retrogradeStations[i]);
            const Moment end = MomentOf(table.directStations[i]);
            EXPECT_LT(start, end) << planet << " period " << i;
            if (i + 1 < table.retrogradeStations.size()) {
                EXPECT_LT(end, MomentOf(table.retrogradeStations[i + 1]))
                    << planet << " period " << i;
            }
        }
    }
}

TEST(StationTables, FixedPeriodsAreKeptAsGiven) {
    struct Row {
        std::string_view planet;
        std::size_t index;
        std::string_view retrograde;
        std::string_view direct;
    };
    constexpr Row kRows[] = {
        {"Mercury", 0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
        {"Mercury", 1, "7,18,1900,0,53,", "8,11,1900,14,59,"},
        {"Mercury", 2, "11,9,1900,23,33,", "11,29,1900,21,28,"},
        {"Mercury", 473, "4,8,2050,2,29,", "5,1,2050,19,0,"},
        {"Mercury", 474, "8,11,2050,6,18,", "9,3,2050,18,36,"},
        {"Mercury", 475, "12,1,2050,17,17,", "12,21,2050,11,33,"},
        {"Venus", 0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
        {"Venus", 1, "1,25,1902,3,30,", "3,7,1902,13,41,"},
        {"Venus", 94, "9,25,2050,22,15,", "11,6,2050,19,4,"},
        {"Mars", 0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
        {"Mars", 1, "2,18,1903,14,29,", "5,9,1903,16,14,"},
        {"Mars", 70, "7,15,2050,5,50,", "9,13,2050,9,41,"},
        {"Jupiter", 0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
        {"Jupiter", 1, "4,30,1901,20,16,", "8,30,1901,20,59,"},
        {"Jupiter", 138, "12,21,2050,13,21,", "4,21,2051,23,46,"},
        {"Saturn", 0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
        {"Saturn", 1, "4,26,1901,3,57,", "9,14,1901,0,9,"},
        {"Saturn", 145, "5,18,2050,13,6,", "10,6,2050,11,5,"},
    };
    for (const Row& row : kRows) {
        const StationTable table = TableOf(row.planet);
        ASSERT_LT(row.index, table.retrogradeStations.size()) << row.planet;
        EXPECT_EQ(table.retrogradeStations[row.index], row.retrograde)
            << row.planet << " " << row.index;
        EXPECT_EQ(table.directStations[row.index], row.direct) << row.planet << " " << row.index;
    }
}

TEST(StationTables, MercuryPeriodOfFebruary2020IsKeptAsGiven) {
    const StationTable table = TableOf("Mercury");
    std::size_t found = 0;
    for (std::size_t i = 0; i < table.retrogradeStations.size(); ++i) {
        if (table.retrogradeStations[i] == "2,17,2020,0,41,") {
            EXPECT_EQ(table.directStations[i], "3,10,2020,3,37,");
            ++found;
        }
    }
    EXPECT_EQ(found, 1u);
}

TEST(StationTables, CalendarDaysMatchTheEntries) {
    // Mercury's first period runs 23 midnights, from 15 March to 7 April 1900;
    // Jupiter's last runs 121, from 21 December 2050 to 21 April 2051.
    const StationTable mercury = TableOf("Mercury");
    EXPECT_EQ(mercury.directDays[0] - mercury.retrogradeDays[0], 23);
    const StationTable jupiter = TableOf("Jupiter");
    EXPECT_EQ(jupiter.directDays[138] - jupiter.retrogradeDays[138], 121);
}

}  // namespace
}  // namespace amsaview
