#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "BirthExamples.h"
#include "model/BirthData.h"

namespace amsaview::testing {

// Births far from J2000.0, where the equinox has moved by up to a degree and a
// half. Day numbers are days from 2000-01-01 12:00 UT counted by hand; the
// references are Swiss Ephemeris Lahiri longitudes (tools/accuracy,
// `amsaview-accuracy reference DATE TIME`), Sun..Saturn in chart order.
struct FarBirth {
    const char* date;
    BirthData birth;
    double dayNumber;
    std::array<double, 6> swissLahiri;
};

inline const FarBirth kFarBirths[] = {
    {"1905-06-15 12:00",
     GreenwichBirth(1905, 6, 15, 12),
     -34533.0,
     {61.150649442, 50.498044410, 17.547206338, 195.813447789, 30.367268811, 310.359018766}},
    {"1950-09-20 06:00",
     GreenwichBirth(1950, 9, 20, 6),
     -18000.25,
     {153.541522941, 147.807090386, 139.430889245, 212.989530557, 306.275216359, 150.028466908}},
    {"2045-11-23 18:30",
     GreenwichBirth(2045, 11, 23, 18, 30),
     16763 + 6.5 / 24,
     {217.368905376, 202.408997500, 258.674824566, 151.627072047, 309.108667515, 228.329713228}},
};

// Chart order Sun..Saturn: element row and chart index of each.
struct Planet {
    const char* name;
    int row;
    std::size_t chartIndex;
    double toleranceMinutes;  // the elements' own accuracy
};
inline constexpr Planet kPlanets[] = {
    {"Sun", 2, 0, 1.5}, {"Mercury", 0, 2, 1.5}, {"Venus", 1, 3, 1.5},
    {"Mars", 3, 4, 12}, {"Jupiter", 4, 5, 12},  {"Saturn", 5, 6, 12},
};

// λ(J2000) + p − |ayanamsa| in [0, 360), p by the IAU 2006 general
// precession in longitude, worked here apart from the code under test.
inline double ExpectedSidereal(double j2000Longitude, double dayNumber, double ayanamsa) {
    const double t = dayNumber / 36525;
    const double precession = (5028.796195 * t + 1.1054348 * t * t) / 3600;
    double sidereal = j2000Longitude + precession - std::fabs(ayanamsa);
    while (sidereal < 0) {
        sidereal += 360;
    }
    while (sidereal >= 360) {
        sidereal -= 360;
    }
    return sidereal;
}

inline double MinutesApart(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0)) * 60;
}

}  // namespace amsaview::testing
