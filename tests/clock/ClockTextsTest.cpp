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

    // Samoa went over the date line: clocks left out 30 December 2011.
    const ClockChange dateLine{
        {-36000, true, "-10"}, {50400, true, "+14"}, {2011, 12, 30, 0, 0}, {2011, 12, 31, 0, 0}};
    EXPECT_EQ(SkippedTimeMessage({2011, 12, 30, 12, 0}, dateLine, "Apia"),
              "12:00 on 30 December 2011 did not exist in Apia: the whole day was skipped, as "
              "clocks went from 00:00 on 30 December 2011 to 00:00 on 31 December 2011");
    const ClockChange acrossMidnight{
        {3600, false, "X"}, {7200, false, "Y"}, {1950, 4, 30, 23, 30}, {1950, 5, 1, 0, 30}};
    EXPECT_EQ(SkippedTimeMessage({1950, 4, 30, 23, 45}, acrossMidnight, "Y"),
              "23:45 on 30 April 1950 did not exist in Y: clocks went from 23:30 on 30 April 1950 "
              "to 00:30 on 1 May 1950");

    const ClockChange fallBack{
        {7200, true, "CEST"}, {3600, false, "CET"}, {1983, 9, 25, 3, 0}, {1983, 9, 25, 2, 0}};
    EXPECT_EQ(RepeatedTimeMessage({1983, 9, 25, 2, 30}, fallBack, "Madrid"),
              "02:30 on 25 September 1983 happened twice in Madrid: first on CEST +02:00, then "
              "on CET +01:00");
}

}  // namespace
}  // namespace amsaview
