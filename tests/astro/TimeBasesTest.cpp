#include <gtest/gtest.h>

#include "astro/TimeBases.h"
#include "support/BirthExamples.h"

namespace amsaview {
namespace {

// The offset is given as hours and minutes east of Greenwich, as written in
// an almanac (+5:30 for India).
BirthData Birth(int year, int month, int day, int hour, int minute, int offsetHours,
                int offsetMinutes, bool east) {
    BirthData birth = testing::GreenwichBirth(year, month, day, hour, minute);
    birth.utcOffsetSeconds = offsetHours * 3600 + offsetMinutes * 60;
    birth.isEast = east;
    birth.lonDegrees = 77;
    return birth;
}

TEST(JulianDayNumber, MatchesKnownDaysAcrossTheCalendarReform) {
    struct Case {
        const char* what;
        int month, day, year;
        double expected;
    };
    constexpr Case kCases[] = {
        {"J2000", 1, 1, 2000, 2451545},
        {"1900", 1, 1, 1900, 2415021},
        {"last Julian day", 10, 4, 1582, 2299160},
        {"correction starts only above 2299171", 10, 15, 1582, 2299171},
        {"Gregorian", 10, 16, 1582, 2299162},
        {"leap day", 2, 29, 2000, 2451604},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.expected) << c.what;
    }
}

TEST(DayNumber, CountsDaysFromJ2000) {
    EXPECT_EQ(DayNumber(2000, 1, 1, 12, 0), 0.0);
    EXPECT_EQ(DayNumber(1900, 3, 1, 0, 0), -36465.5);
    // No century rule: one day below JD - 2451545 before March 1900.
    EXPECT_EQ(DayNumber(1900, 1, 1, 0, 0), -36525.5);
    EXPECT_DOUBLE_EQ(DayNumber(2000, 1, 2, 18, 30), 1.0 + 6.5 / 24);
}

TEST(PrepareBirthMoment, NoonJ2000AtGreenwichIsOneCentury) {
    BirthData birth = Birth(2000, 1, 1, 12, 0, 0, 0, false);
    birth.lonDegrees = 0;
    const BirthMoment moment = PrepareBirthMoment(birth);
    EXPECT_EQ(moment.universalHours, 12.0);
    EXPECT_EQ(moment.centuries1900, 1.0);
}

TEST(PrepareBirthMoment, SignsTheCoordinatesByHemisphere) {
    BirthData birth = Birth(2000, 1, 1, 12, 0, 0, 0, true);
    birth.lonMinutes = 30;
    birth.latDegrees = 33;
    birth.latMinutes = 52;
    birth.isSouth = true;
    const BirthMoment moment = PrepareBirthMoment(birth);
    EXPECT_DOUBLE_EQ(moment.longitude, -77.5);
    EXPECT_DOUBLE_EQ(moment.latitude, -(33 + 52 / 60.0));
}

TEST(PrepareBirthMoment, UniversalHoursMayFallIntoThePreviousDay) {
    const BirthMoment moment = PrepareBirthMoment(Birth(2000, 1, 1, 1, 0, 5, 30, true));
    EXPECT_EQ(moment.universalHours, -4.5);
    EXPECT_EQ(moment.julianDayNumber, 2451545);
    EXPECT_NEAR(moment.centuries1900, (36525 - 4.5 / 24 - 0.5) / 36525, 1e-15);
}

TEST(PlanetMoment, CarriesAcrossDayMonthAndYear) {
    struct Case {
        const char* what;
        BirthData birth;
        UtMoment expected;
    };
    const Case kCases[] = {
        {"India, previous day", Birth(2000, 1, 1, 1, 0, 5, 30, true), {1999, 12, 31, 19, 30}},
        {"India, same day", Birth(2000, 6, 15, 12, 0, 5, 30, true), {2000, 6, 15, 6, 30}},
        {"date line west, next day", Birth(1999, 12, 31, 20, 0, -12, 0, false), {2000, 1, 1, 8, 0}},
        {"NZ summer, previous year", Birth(2001, 1, 1, 5, 0, 13, 0, true), {2000, 12, 31, 16, 0}},
        {"Newfoundland into leap day",
         Birth(2004, 2, 28, 21, 0, -3, -30, false),
         {2004, 2, 29, 0, 30}},
        {"Hawaii out of February", Birth(1999, 2, 28, 14, 0, -10, -30, false), {1999, 3, 1, 0, 30}},
        // Before 1970 the count of seconds is negative: the floor, not the
        // truncation, keeps the hour in 0..23.
        {"India, midnight 15 August 1947",
         Birth(1947, 8, 15, 0, 0, 5, 30, true),
         {1947, 8, 14, 18, 30}},
        {"1901 at the date line east", Birth(1901, 1, 1, 0, 0, 12, 0, true), {1900, 12, 31, 12, 0}},
        {"1950 west, next day", Birth(1950, 12, 31, 23, 59, -5, 0, false), {1951, 1, 1, 4, 59}},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(PlanetMoment(c.birth), c.expected) << c.what;
    }
}

TEST(BothClocks, AgreeOnOneUniversalTime) {
    // A western birthplace in a zone ahead of Greenwich (Madrid, CET) and a
    // daylight-saving birth: both clocks must name the same moment.
    BirthData madrid = Birth(1990, 7, 1, 13, 0, 2, 0, false);  // CET with daylight saving
    madrid.lonDegrees = 3;
    madrid.dst = true;
    const BirthMoment ascendantClock = PrepareBirthMoment(madrid);
    EXPECT_EQ(ascendantClock.universalHours, 11.0);
    EXPECT_EQ(PlanetMoment(madrid), (UtMoment{1990, 7, 1, 11, 0}));

    BirthData eastWithDst = Birth(2000, 1, 1, 12, 0, 6, 30, true);
    eastWithDst.dst = true;
    EXPECT_EQ(PrepareBirthMoment(eastWithDst).universalHours, 5.5);
    EXPECT_EQ(PlanetMoment(eastWithDst), (UtMoment{2000, 1, 1, 5, 30}));
}

TEST(BothClocks, CarryAnOffsetWithSeconds) {
    // Local mean time of a place at 80° 17' 30" E: +5:21:10.
    struct Case {
        const char* what;
        BirthData birth;
        UtMoment expected;
        double universalHours;
    };
    const auto at = [](int year, int month, int day, int hour, int minute, int offsetSeconds) {
        BirthData birth = testing::GreenwichBirth(year, month, day, hour, minute);
        birth.utcOffsetSeconds = offsetSeconds;
        return birth;
    };
    const Case kCases[] = {
        {"+05:21:10 at midnight, 1910",
         at(1910, 3, 1, 0, 0, 19270),
         {1910, 2, 28, 18, 38, 50},
         -(5 + 21 / 60.0 + 10 / 3600.0)},
        {"+05:21:10 at noon, 2020",
         at(2020, 5, 9, 12, 0, 19270),
         {2020, 5, 9, 6, 38, 50},
         6.6472222},
        {"-00:01:15 at 23:59, 1960",
         at(1960, 12, 31, 23, 59, -75),
         {1961, 1, 1, 0, 0, 15},
         24 + 15 / 3600.0},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(PlanetMoment(c.birth), c.expected) << c.what;
        EXPECT_NEAR(PrepareBirthMoment(c.birth).universalHours, c.universalHours, 1e-7) << c.what;
    }
    // The seconds reach the planets' day count.
    EXPECT_NEAR(DayNumber(2000, 1, 1, 12, 0, 36), 36 / 86400.0, 1e-12);
}

TEST(BothClocks, CarryTheBirthsSeconds) {
    // 23:59:59 local at +05:30 is 18:29:59 UT; with a −00:01:15 clock,
    // 23:59:50 on New Year's Eve is 00:01:05 UT the next year.
    BirthData india = Birth(2000, 1, 1, 23, 59, 5, 30, true);
    india.second = 59;
    EXPECT_EQ(PlanetMoment(india), (UtMoment{2000, 1, 1, 18, 29, 59}));
    EXPECT_NEAR(PrepareBirthMoment(india).universalHours, 18 + 29 / 60.0 + 59 / 3600.0, 1e-12);
    EXPECT_NEAR(PrepareBirthMoment(india).localHours, 23 + 59 / 60.0 + 59 / 3600.0, 1e-12);

    BirthData behind = testing::GreenwichBirth(1960, 12, 31, 23, 59);
    behind.utcOffsetSeconds = -75;
    behind.second = 50;
    EXPECT_EQ(PlanetMoment(behind), (UtMoment{1961, 1, 1, 0, 1, 5}));
    EXPECT_NEAR(PrepareBirthMoment(behind).universalHours, 24 + 65 / 3600.0, 1e-12);
}

TEST(BothClocks, ZeroLongitudeWithEastSelectedFollowsTheZone) {
    BirthData birth = Birth(2000, 1, 1, 12, 0, 1, 0, true);  // British Summer Time row
    birth.lonDegrees = 0;
    EXPECT_EQ(PrepareBirthMoment(birth).universalHours, 11.0);
    EXPECT_EQ(PlanetMoment(birth), (UtMoment{2000, 1, 1, 11, 0}));
}

}  // namespace
}  // namespace amsaview
