#include <gtest/gtest.h>

#include <string_view>

#include "retro/Retrograde.h"

namespace amsaview {
namespace {

struct Case {
    const char* what;
    std::string_view planet;
    LocalBirthMoment birth;  // year, month, day, hour, minute
    bool retrograde;
};

// Mercury: 2,17,2020,0,41, to 3,10,2020,3,37,. Only calendar dates count.
constexpr Case kMercury2020[] = {
    {"day after the station, midnight", "Mercury", {2020, 2, 18, 0, 0}, true},
    {"day after the station, any hour", "Mercury", {2020, 2, 18, 13, 30}, true},
    {"station day, after the station's time", "Mercury", {2020, 2, 17, 23, 0}, false},
    {"station day, before the station's time", "Mercury", {2020, 2, 17, 0, 10}, false},
    {"leap day inside the period", "Mercury", {2020, 2, 29, 12, 0}, true},
    {"day before the direct station", "Mercury", {2020, 3, 9, 23, 59}, true},
    {"direct station day, before its time", "Mercury", {2020, 3, 10, 0, 10}, false},
    {"day before the retrograde station", "Mercury", {2020, 2, 16, 12, 0}, false},
    {"day after the direct station", "Mercury", {2020, 3, 11, 12, 0}, false},
};

TEST(IsRetrograde, CountsCalendarDatesOnly) {
    for (const Case& c : kMercury2020) {
        EXPECT_EQ(IsRetrograde(c.planet, c.birth), c.retrograde) << c.what;
    }
}

// The first and last periods of each table bound what the tables know.
constexpr Case kTableEnds[] = {
    {"before every table", "Mercury", {1900, 1, 1, 0, 0}, false},
    {"Mercury's first station day", "Mercury", {1900, 3, 15, 23, 59}, false},
    {"inside Mercury's first period", "Mercury", {1900, 3, 16, 0, 0}, true},
    {"inside Mercury's last period", "Mercury", {2050, 12, 20, 12, 0}, true},
    {"Mercury's last direct station day", "Mercury", {2050, 12, 21, 0, 0}, false},
    {"after Mercury's last period", "Mercury", {2051, 6, 1, 12, 0}, false},
    {"before Venus's first period", "Venus", {1900, 6, 16, 12, 0}, false},
    {"inside Venus's first period", "Venus", {1900, 7, 29, 12, 0}, true},
    {"after Venus's last period", "Venus", {2050, 11, 6, 12, 0}, false},
    {"before Mars's first period", "Mars", {1900, 12, 31, 12, 0}, false},
    {"inside Mars's last period", "Mars", {2050, 9, 12, 12, 0}, true},
    {"after Mars's last period", "Mars", {2050, 12, 31, 12, 0}, false},
    {"before Jupiter's first period", "Jupiter", {1900, 3, 27, 12, 0}, false},
    {"inside Jupiter's last period, 2051", "Jupiter", {2051, 4, 20, 12, 0}, true},
    {"Jupiter's last direct station day", "Jupiter", {2051, 4, 21, 12, 0}, false},
    {"after every table", "Jupiter", {2051, 12, 31, 12, 0}, false},
    {"before Saturn's first period", "Saturn", {1900, 4, 14, 12, 0}, false},
    {"inside Saturn's first period", "Saturn", {1900, 4, 15, 12, 0}, true},
    {"after Saturn's last period", "Saturn", {2050, 10, 7, 12, 0}, false},
};

TEST(IsRetrograde, NeverOutsideTheTables) {
    for (const Case& c : kTableEnds) {
        EXPECT_EQ(IsRetrograde(c.planet, c.birth), c.retrograde) << c.what;
    }
}

TEST(IsRetrograde, OnlyThePlanetsWithTables) {
    // 20 June 2020: Mercury, Venus, Jupiter and Saturn all retrograde.
    constexpr LocalBirthMoment kBirth{2020, 6, 20, 12, 0};
    for (const char* name : {"Sun", "Moon", "Rahu", "Ketu", "Asc", "mercury", ""}) {
        EXPECT_FALSE(IsRetrograde(name, kBirth)) << '"' << name << '"';
    }
    EXPECT_TRUE(IsRetrograde("Mercury", kBirth));
}

}  // namespace
}  // namespace amsaview
