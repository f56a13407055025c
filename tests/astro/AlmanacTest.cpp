#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "astro/Planets.h"
#include "astro/TimeBases.h"
#include "pipeline/ComputeChart.h"
#include "support/FormExamples.h"

namespace amsaview {
namespace {

struct AlmanacRow {
    int year, month, day, hour, minute;                  // UT, typed on the Greenwich row
    int lonDegrees, lonMinutes, latDegrees, latMinutes;  // east and north positive
    // Sun and planets: geocentric, mean ecliptic and equinox of J2000. Moon,
    // Rahu, Ketu: sidereal.
    std::array<double, kBodyCount> longitude;
    double ascendant;  // sidereal
};

// Printed by tools/almanac, which works from the published elements and the
// Swiss Ephemeris apart from the program (see tools/README.md).
constexpr AlmanacRow kAlmanac[] = {
    // UT; longitude, latitude (degrees, minutes); Sun, Moon, Mercury .. Saturn,
    // Rahu, Ketu; ascendant
    {1901,
     1,
     1,
     0,
     0,
     0,
     -7,
     51,
     29,
     {281.288102, 25.832162, 269.066740, 252.138016, 163.018526, 267.315969, 279.198911, 217.348576,
      37.348576},
     164.452487},
    {1935,
     6,
     21,
     6,
     15,
     77,
     12,
     28,
     36,
     {89.854401, 304.827587, 90.600816, 134.981048, 193.421283, 224.873438, 341.031136, 270.217330,
      90.217330},
     147.759689},
    {1969,
     7,
     20,
     20,
     17,
     -95,
     -22,
     29,
     45,
     {118.341904, 164.434744, 116.283423, 75.470108, 243.216472, 181.194226, 38.621411, 330.544901,
      150.544901},
     205.909437},
    {2012,
     2,
     29,
     12,
     0,
     151,
     12,
     -33,
     -52,
     {340.137258, 40.181609, 357.063825, 24.335032, 164.811217, 36.740451, 208.856521, 225.791581,
      45.791581},
     211.714404},
    {2050,
     12,
     31,
     23,
     59,
     -3,
     -41,
     40,
     25,
     {279.787479, 120.212471, 257.407990, 233.003707, 4.752474, 155.007820, 306.936849, 194.075605,
      14.075605},
     160.738313},
};

constexpr double kArcSecond = 1 / 3600.0;
// The program's lunar series is truncated; the ephemeris is not.
constexpr double kMoonTolerance = 30 * kArcSecond;
// The table's own rounding, 10⁻⁶ degree, plus rounding of the arithmetic.
constexpr double kTolerance = kArcSecond;

constexpr std::array<const char*, kBodyCount> kBodies = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};
// The element rows of the planets, Sun .. Saturn by body slot (-1: no row).
constexpr std::array<int, kBodyCount> kElementRow = {2, -1, 0, 1, 3, 4, 5, -1, -1};

std::string When(const AlmanacRow& row) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d UT", row.year, row.month, row.day,
                  row.hour, row.minute);
    return text;
}

// Degrees from one longitude to the other the short way round.
double Apart(double a, double b) {
    const double difference = std::fmod(std::fabs(a - b), 360.0);
    return std::min(difference, 360 - difference);
}

FormInput FormOf(const AlmanacRow& row) {
    FormInput form = testing::DelhiForm(row.year, row.month, row.day, row.hour, row.minute);
    form.zoneRow = 29;  // Greenwich Mean Time
    form.lonDegrees = std::to_string(std::abs(row.lonDegrees));
    form.lonMinutes = std::to_string(std::abs(row.lonMinutes));
    form.east = row.lonDegrees > 0 || row.lonMinutes > 0;
    form.latDegrees = std::to_string(std::abs(row.latDegrees));
    form.latMinutes = std::to_string(std::abs(row.latMinutes));
    form.south = row.latDegrees < 0 || row.latMinutes < 0;
    return form;
}

TEST(Almanac, PlanetsAtJ2000AgreeFrom1901To2050) {
    for (const AlmanacRow& row : kAlmanac) {
        const double day = DayNumber(row.year, row.month, row.day, row.hour, row.minute);
        for (std::size_t body = 0; body < kBodyCount; ++body) {
            if (kElementRow[body] < 0) {
                continue;
            }
            EXPECT_LE(Apart(GeocentricLongitude(kElementRow[body], day), row.longitude[body]),
                      kTolerance)
                << kBodies[body] << " at " << When(row) << ": "
                << GeocentricLongitude(kElementRow[body], day) << " against "
                << row.longitude[body];
        }
    }
}

TEST(Almanac, MoonNodesAndAscendantOfTheWholeChart) {
    for (const AlmanacRow& row : kAlmanac) {
        ChartResult result;
        ASSERT_FALSE(ComputeChart(FormOf(row), result)) << When(row);
        const ChartPositions& p = result.positions;
        const auto check = [&](const char* what, double value, double expected, double tolerance) {
            EXPECT_LE(Apart(value, expected), tolerance)
                << what << " at " << When(row) << ": " << value << " against " << expected;
        };
        check("Moon", p.moonSidereal, row.longitude[1], kMoonTolerance);
        check("Moon in the body list", p.siderealLongitude[1], row.longitude[1], kMoonTolerance);
        check("Rahu", p.siderealLongitude[7], row.longitude[7], kTolerance);
        check("Ketu", p.siderealLongitude[8], row.longitude[8], kTolerance);
        check("ascendant", p.ascendant, row.ascendant, kTolerance);
    }
}

}  // namespace
}  // namespace amsaview
