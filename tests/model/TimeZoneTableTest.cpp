#include <gtest/gtest.h>

#include <cstdlib>

#include "model/TimeZoneTable.h"

namespace amsaview {
namespace {

TEST(TimeZoneTable, RowsWithTheirShifts) {
    struct Case {
        int row;
        std::string_view text;
        int hours, minutes;
    };
    constexpr Case kCases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {34, "Indian Time, IST, +5.3", -5, -30},  // the text says 5.3, the shift is 5:30
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {32, "Hawaiian Standard Time,HST,-10.5", 10, 30},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {36, "Int'l Date Line West,IDLW,-12.0", 12, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    for (const Case& c : kCases) {
        const TimeZone& zone = TimeZoneTable[static_cast<std::size_t>(c.row)];
        EXPECT_EQ(zone.listText, c.text) << c.row;
        EXPECT_EQ(zone.zoneToUtHours, c.hours) << c.row;
        EXPECT_EQ(zone.zoneToUtMinutes, c.minutes) << c.row;
    }
}

TEST(TimeZoneTable, MinutesShareTheSignOfTheHours) {
    for (const TimeZone& zone : TimeZoneTable) {
        EXPECT_TRUE(zone.zoneToUtMinutes == 0 || std::abs(zone.zoneToUtMinutes) == 30)
            << zone.listText;
        EXPECT_GE(zone.zoneToUtHours * zone.zoneToUtMinutes, 0) << zone.listText;
    }
}

TEST(Zone_Calculation, CopiesTheRowOrKeepsTheShiftWithoutOne) {
    BirthData birth;
    Zone_Calculation(34, birth);
    EXPECT_EQ(birth.zoneToUtHours, -5);
    EXPECT_EQ(birth.zoneToUtMinutes, -30);
    Zone_Calculation(std::nullopt, birth);
    EXPECT_EQ(birth.zoneToUtHours, -5);
    Zone_Calculation(71, birth);
    EXPECT_EQ(birth.zoneToUtMinutes, -30);
    Zone_Calculation(50, birth);
    EXPECT_EQ(birth.zoneToUtHours, 3);
    EXPECT_EQ(birth.zoneToUtMinutes, 30);
}

}  // namespace
}  // namespace amsaview
