#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

#include "astro/AngleText.h"
#include "astro/Ascendant.h"
#include "astro/Numeric.h"
#include "astro/Planets.h"
#include "support/BirthExamples.h"
#include "support/FarFromJ2000.h"

namespace amsaview {
namespace {

TEST(GeocentricLongitude, TropicalPositionsAtJ2000) {
    struct Case {
        int row;
        const char* body;
        double expected;
    };
    constexpr Case kCases[] = {
        {0, "Mercury", 271.9060}, {1, "Venus", 241.5781},  {2, "Sun", 280.3796},
        {3, "Mars", 327.9828},    {4, "Jupiter", 25.3611}, {5, "Saturn", 40.2147},
    };
    for (const Case& c : kCases) {
        EXPECT_NEAR(GeocentricLongitude(c.row, 0), c.expected, 1e-4) << c.body;
    }
}

TEST(GeneralPrecessionInLongitude, OneCenturyEitherSideOfJ2000) {
    // (±5028.796195 + 1.1054348) / 3600, worked by hand.
    EXPECT_EQ(GeneralPrecessionInLongitude(0), 0.0);
    EXPECT_NEAR(GeneralPrecessionInLongitude(36525), 1.3971948971666667, 1e-12);
    EXPECT_NEAR(GeneralPrecessionInLongitude(-36525), -1.3965807667222222, 1e-12);
}

TEST(TrueAnomaly, ZeroMeanAnomalyStaysZero) {
    for (const OrbitalElementRow& row : OrbitalElementTable) {
        EXPECT_EQ(TrueAnomaly(0, row.e0), 0.0) << row.body;
    }
}

TEST(TrueAnomaly, SolvesKeplersEquation) {
    const double e = 0.2056;
    for (double meanAnomaly = 0.1; meanAnomaly < kTwoPi; meanAnomaly += 0.7) {
        const double nu = TrueAnomaly(meanAnomaly, e);
        const double eccentric = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(nu / 2));
        const double back = Reduce2Pi(eccentric - e * std::sin(eccentric));
        EXPECT_NEAR(back, meanAnomaly, 1e-10);
        EXPECT_GE(nu, 0);
        EXPECT_LT(nu, kTwoPi);
    }
}

TEST(ComputePlanets, NoonJ2000) {
    const BirthData birth = testing::NoonJ2000();
    ChartPositions positions;
    positions.ayanamsa = -23.85399;
    positions.moonSidereal = 199.462377;
    positions.moonText = FormatLongitude(199.462377);
    ComputePlanets(birth, positions);

    EXPECT_NEAR(positions.siderealLongitude[0], 256.5256, 1e-4);
    EXPECT_EQ(FormatLongitude(positions.siderealLongitude[0]), "16\u00B0 31' 32\" Sag");
    // The mean node of date at T = 0 is 125.0445479°, less the ayanamsa.
    EXPECT_NEAR(positions.siderealLongitude[7], 101.1905579, 1e-9);
    EXPECT_EQ(FormatLongitude(positions.siderealLongitude[7]), "11\u00B0 11' 26\" Can");
    EXPECT_NEAR(positions.siderealLongitude[8], 281.1905579, 1e-9);
    EXPECT_EQ(FormatLongitude(positions.siderealLongitude[8]), "11\u00B0 11' 26\" Cap");

    EXPECT_EQ(positions.positionText[0], "16 Sag 31");
    EXPECT_EQ(positions.positionText[1], "19 Lib 27");  // the Moon comes from its own text
    EXPECT_EQ(positions.positionText[7], "11 Can 11");
    EXPECT_EQ(positions.positionText[8], "11 Cap 11");
}

TEST(ComputePlanets, SiderealValuesBelowZeroWrapUp) {
    // Jupiter stands at 25.4° tropical in 2000; an ayanamsa larger than that
    // must wrap it into Pisces, not leave it negative.
    const BirthData birth = testing::NoonJ2000();
    ChartPositions positions;
    positions.ayanamsa = -30;
    ComputePlanets(birth, positions);
    EXPECT_NEAR(positions.siderealLongitude[5], 25.3611 - 30 + 360, 1e-4);
    EXPECT_EQ(positions.positionText[5].substr(3, 3), "Pis");
}

ChartPositions PlanetsOf(const BirthData& birth) {
    ChartPositions positions;
    ComputeAscendant(birth, positions);  // the ayanamsa of the date
    ComputePlanets(birth, positions);
    return positions;
}

TEST(ComputePlanets, PrecessesTheJ2000LongitudesToTheDate) {
    for (const testing::FarBirth& far : testing::kFarBirths) {
        const ChartPositions positions = PlanetsOf(far.birth);
        for (const testing::Planet& planet : testing::kPlanets) {
            const double expected = testing::ExpectedSidereal(
                GeocentricLongitude(planet.row, far.dayNumber), far.dayNumber, positions.ayanamsa);
            EXPECT_NEAR(positions.siderealLongitude[planet.chartIndex], expected, 1e-9)
                << planet.name << " on " << far.date;
        }
    }
}

TEST(ComputePlanets, AgreesWithSwissEphemerisFarFromJ2000) {
    for (const testing::FarBirth& far : testing::kFarBirths) {
        const ChartPositions positions = PlanetsOf(far.birth);
        for (std::size_t i = 0; i < std::size(testing::kPlanets); ++i) {
            const testing::Planet& planet = testing::kPlanets[i];
            EXPECT_LE(testing::MinutesApart(positions.siderealLongitude[planet.chartIndex],
                                            far.swissLahiri[i]),
                      planet.toleranceMinutes)
                << planet.name << " on " << far.date;
        }
    }
}

}  // namespace
}  // namespace amsaview
