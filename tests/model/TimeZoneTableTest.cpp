#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

#include "model/TimeZoneTable.h"

namespace amsaview {
namespace {

// The hours a row's text ends with ("...,CDT,-5.0" gives -5.0; ".5" is half
// an hour), in seconds east of Greenwich.
std::int32_t OffsetWrittenIn(std::string_view listText) {
    std::string_view number = listText.substr(listText.rfind(',') + 1);
    while (number.front() == ' ' || number.front() == '+') {
        number.remove_prefix(1);
    }
    double hours = 0;
    std::from_chars(number.data(), number.data() + number.size(), hours);
    return static_cast<std::int32_t>(std::lround(hours * 3600));
}

TEST(TimeZoneTable, EveryRowShiftsByTheHoursInItsText) {
    constexpr int kIndianRow = 34;
    for (int row = 0; row < kTimeZoneCount; ++row) {
        const TimeZone& zone = TimeZoneTable[static_cast<std::size_t>(row)];
        // The one written exception: India's "+5.3" is five and a half hours.
        const std::int32_t expected =
            row == kIndianRow ? 5 * 3600 + 30 * 60 : OffsetWrittenIn(zone.listText);
        EXPECT_EQ(zone.standardOffsetSeconds, expected) << "row " << row << ": " << zone.listText;
    }
    EXPECT_EQ(TimeZoneTable[kIndianRow].listText, "Indian Time, IST, +5.3");
    EXPECT_EQ(TimeZoneTable[kDefaultTimeZoneRow].listText, "Greenwich Mean Time,GMT,0.0");
}

TEST(UtcOffsetOfRow, AddsAnHourForDaylightSavingAndRefusesRowsOutsideTheList) {
    struct Case {
        std::optional<int> row;
        bool dst;
        std::optional<std::int32_t> expected;
    };
    const Case kCases[] = {
        {34, false, 19800},         {34, true, 23400},         {50, false, -12600},
        {50, true, -9000},          {29, true, 3600},          {0, false, -32400},
        {70, true, -25200},         {std::nullopt, false, {}}, {-1, false, {}},
        {kTimeZoneCount, true, {}},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(UtcOffsetOfRow(c.row, c.dst), c.expected)
            << "row " << c.row.value_or(-99) << (c.dst ? " with" : " without") << " DST";
    }
}

}  // namespace
}  // namespace amsaview
