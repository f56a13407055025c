#include <gtest/gtest.h>

#include <limits>

#include "clock/ClockTexts.h"

namespace amsaview {
namespace {

TEST(FormatUtcOffset, HoursMinutesAndSecondsWhereThereAreAny) {
    struct Case {
        int seconds;
        std::string_view text;
    };
    constexpr Case kCases[] = {
        {19800, "+05:30"},
        {19270, "+05:21:10"},
        {-14400, "-04:00"},
        {0, "+00:00"},
        {-1521, "-00:25:21"},  // Dublin mean time
        {std::numeric_limits<int>::min(), "-596523:14:08"},
        {45900, "+12:45"},
        {-16200, "-04:30"},
        {50400, "+14:00"},
        {-59, "-00:00:59"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(FormatUtcOffset(c.seconds), c.text) << c.seconds;
    }
}

TEST(DescribeClock, NamesTheClockAsAPersonWould) {
    struct Case {
        ClockReading clock;
        std::string_view label, description;
    };
    const Case kCases[] = {
        {{19800, false, "IST"}, "IST +05:30", "IST +05:30"},
        {{21208, false, "LMT"}, "Local mean time +05:53:28", "Local mean time +05:53:28"},
        {{23400, true, "+0630"}, "+06:30", "+06:30, daylight saving"},
        {{7200, true, "CEST"}, "CEST +02:00", "CEST +02:00, daylight saving"},
        {{20700, false, "+0545"}, "+05:45", "+05:45"},
        {{-18000, false, ""}, "-05:00", "-05:00"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(ClockLabel(c.clock), c.label) << c.clock.abbreviation;
        EXPECT_EQ(DescribeClock(c.clock), c.description) << c.clock.abbreviation;
    }
}

TEST(ClockMessages, NameTheMomentThePlaceAndTheChange) {
    const ClockChange springForward{
        {3600, false, "CET"}, {7200, true, "CEST"}, {1983, 3, 27, 2, 0}, {1983, 3, 27, 3, 0}};
    EXPECT_EQ(SkippedTimeMessage({1983, 3, 27, 2, 30}, springForward, "Madrid"),
              "02:30 on 27 March 1983 did not exist in Madrid: clocks went from 02:00 to 03:00");
    EXPECT_EQ(SkippedTimeMessage({1983, 3, 27, 2, 30, 15}, springForward, ""),
              "02:30:15 on 27 March 1983 did not exist there: clocks went from 02:00 to 03:00");

    const ClockChange railwayTime{
        {19270, false, "MMT"}, {19800, false, "IST"}, {1906, 1, 1, 0, 0}, {1906, 1, 1, 0, 8, 50}};
    EXPECT_EQ(SkippedTimeMessage({1906, 1, 1, 0, 5}, railwayTime, "Chennai"),
              "00:05 on 1 January 1906 did not exist in Chennai: clocks went from 00:00 to "
              "00:08:50");

    const ClockChange fallBack{
        {7200, true, "CEST"}, {3600, false, "CET"}, {1983, 9, 25, 3, 0}, {1983, 9, 25, 2, 0}};
    EXPECT_EQ(RepeatedTimeMessage({1983, 9, 25, 2, 30}, fallBack, "Madrid"),
              "02:30 on 25 September 1983 happened twice in Madrid: first on CEST +02:00, then "
              "on CET +01:00");
}

}  // namespace
}  // namespace amsaview
