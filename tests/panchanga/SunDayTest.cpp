#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "panchanga/BuiltInSunDay.h"
#include "swiss/EphemerisSettings.h"
#include "swiss/SwissEphemeris.h"
#include "swiss/SwissSunDay.h"

namespace amsaview {
namespace {

struct Place {
    const char* what;
    int year, month, day;
    double zoneHours;  // east positive
    double longitude;  // east positive
    double latitude;
};

double LocalMidnight(const Place& place) {
    return JulianDayUt(place.year, place.month, place.day, 0) - place.zoneHours / 24;
}

std::string PackagedPath() {
    return std::string(PackagedSwissDataPath());
}

// Over 1,000 random births the built-in events fall at most 9 s from Swiss
// Ephemeris's (docs/accuracy.md); refraction and the limb are the same.
constexpr double kToleranceSeconds = 15;

TEST(BuiltInSunDay, AgreesWithSwissEphemerisRiseAndSet) {
    const Place places[] = {
        {"Quito, equinox", 2024, 3, 20, -5, -78.47, -0.18},
        {"Delhi, winter", 1950, 12, 21, 5.5, 77.2, 28.6},
        {"Delhi, summer", 2010, 6, 21, 5.5, 77.2, 28.6},
        {"Sydney, summer", 1985, 1, 15, 10, 151.2, -33.87},
        {"London", 1901, 3, 1, 0, -0.13, 51.5},
        {"Oslo, late autumn", 2049, 11, 10, 1, 10.75, 59.91},
        {"Ushuaia, winter", 2030, 7, 4, -3, -68.3, -54.8},
        {"Beijing clock far west of its meridian: Kashgar", 2000, 9, 1, 8, 75.99, 39.47},
        {"Anchorage, summer", 2020, 6, 1, -8, -149.9, 61.2},
    };
    const std::string path = PackagedPath();
    for (const Place& place : places) {
        const SunDay builtIn = BuiltInSunDay(LocalMidnight(place), place.longitude, place.latitude);
        const SwissSunEvents swiss =
            SwissSunDay(path, LocalMidnight(place), place.longitude, place.latitude);
        ASSERT_TRUE(builtIn.sunrise && builtIn.sunset && swiss.sunrise && swiss.sunset)
            << place.what;
        EXPECT_NEAR(*builtIn.sunrise, *swiss.sunrise, kToleranceSeconds / 86400)
            << place.what << ": sunrise, tolerance " << kToleranceSeconds << " s";
        EXPECT_NEAR(*builtIn.sunset, *swiss.sunset, kToleranceSeconds / 86400)
            << place.what << ": sunset, tolerance " << kToleranceSeconds << " s";
        EXPECT_GE(*builtIn.sunrise, LocalMidnight(place)) << place.what << ": on the local date";
        EXPECT_LT(*builtIn.sunset, LocalMidnight(place) + 1) << place.what << ": on the local date";
    }
}

TEST(BuiltInSunDay, PolarDayAndNightAreStated) {
    struct Polar {
        Place place;
        PolarDay expected;
    };
    const Polar cases[] = {
        {{"Tromsø, midsummer", 2024, 6, 21, 2, 18.96, 69.65}, PolarDay::MidnightSun},
        {{"Tromsø, midwinter", 2024, 12, 21, 1, 18.96, 69.65}, PolarDay::PolarNight},
        {{"McMurdo, December", 1990, 12, 21, 13, 166.67, -77.85}, PolarDay::MidnightSun},
        {{"McMurdo, June", 1990, 6, 21, 12, 166.67, -77.85}, PolarDay::PolarNight},
    };
    const std::string path = PackagedPath();
    for (const auto& [place, expected] : cases) {
        const SunDay builtIn = BuiltInSunDay(LocalMidnight(place), place.longitude, place.latitude);
        EXPECT_FALSE(builtIn.sunrise) << place.what;
        EXPECT_FALSE(builtIn.sunset) << place.what;
        EXPECT_EQ(builtIn.polar, expected) << place.what;

        const SwissSunEvents swiss =
            SwissSunDay(path, LocalMidnight(place), place.longitude, place.latitude);
        EXPECT_FALSE(swiss.sunrise) << place.what << " (Swiss Ephemeris)";
        EXPECT_FALSE(swiss.sunset) << place.what << " (Swiss Ephemeris)";
        EXPECT_EQ(swiss.sunUp, expected == PolarDay::MidnightSun) << place.what;
    }
}

TEST(BuiltInSunDay, OrdinaryDaysAreNotPolar) {
    const SunDay day = BuiltInSunDay(JulianDayUt(2024, 6, 21, 0), -0.13, 51.5);
    EXPECT_EQ(day.polar, PolarDay::None);
    ASSERT_TRUE(day.sunrise && day.sunset);
    // London at midsummer: the published 04:43 and 21:21 BST, to the minute.
    const double midnight = JulianDayUt(2024, 6, 21, 0);
    EXPECT_NEAR((*day.sunrise - midnight) * 24 * 60, 3 * 60 + 43, 1.5) << "sunrise, minutes";
    EXPECT_NEAR((*day.sunset - midnight) * 24 * 60, 20 * 60 + 21, 1.5) << "sunset, minutes";
}

}  // namespace
}  // namespace amsaview
