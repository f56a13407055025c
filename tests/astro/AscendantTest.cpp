#include <gtest/gtest.h>

#include "astro/Ascendant.h"

namespace amsaview {
namespace {

struct AscendantCase {
    const char* place;
    int hour, minute;
    int utcOffsetSeconds;
    int lonDegrees, lonMinutes;
    bool east;
    int latDegrees, latMinutes;
    double localSiderealTime;
    double ascendant;
    const char* ascendantText;
};

// All three births fall at 12:00 universal time on 2000-01-01. The figures
// are given to the digits published with them, so compare within one unit of
// the last digit.
constexpr AscendantCase kAscendants[] = {
    {"Greenwich equator", 12, 0, 0, 0, 0, false, 0, 0, 280.46087, 347.5242,
     "17\u00B0 31' 26\" Pis"},
    {"Delhi", 17, 30, 19800, 77, 13, true, 28, 37, 357.67754, 76.34962, "16\u00B0 20' 58\" Gem"},
    {"New York", 7, 0, -18000, 74, 0, false, 40, 42, 206.4609, 250.4054, "10\u00B0 24' 19\" Sag"},
};

BirthData BirthOf(const AscendantCase& c) {
    BirthData birth;
    birth.year = 2000;
    birth.month = 1;
    birth.day = 1;
    birth.hour = static_cast<std::int16_t>(c.hour);
    birth.minute = static_cast<std::int16_t>(c.minute);
    birth.utcOffsetSeconds = c.utcOffsetSeconds;
    birth.lonDegrees = static_cast<std::int16_t>(c.lonDegrees);
    birth.lonMinutes = static_cast<std::int16_t>(c.lonMinutes);
    birth.isEast = c.east;
    birth.latDegrees = static_cast<std::int16_t>(c.latDegrees);
    birth.latMinutes = static_cast<std::int16_t>(c.latMinutes);
    return birth;
}

TEST(Ayanamsa, AtJ2000) {
    EXPECT_NEAR(Ayanamsa(1.0), -23.85399, 1e-5);
}

TEST(ComputeAscendant, WorkedExamples) {
    for (const AscendantCase& c : kAscendants) {
        const BirthData birth = BirthOf(c);
        EXPECT_NEAR(LocalSiderealTime(PrepareBirthMoment(birth)), c.localSiderealTime, 1e-4)
            << c.place;
        ChartPositions positions;
        ComputeAscendant(birth, positions);
        EXPECT_NEAR(positions.ascendant, c.ascendant, 1e-4) << c.place;
        EXPECT_EQ(positions.ascendantText, c.ascendantText) << c.place;
        EXPECT_EQ(positions.ayanamsaText, "-23\u00B0 51' 14\"") << c.place;
    }
}

TEST(TropicalAscendant, QuadrantsAtRamcZeroAndHalfATurn) {
    // With Aries culminating, a northern ascendant rises in Cancer or Leo;
    // with Libra culminating it is that point mirrored in the equinoxes.
    const double atZero = TropicalAscendant(0, 40, 1.0);
    EXPECT_GT(atZero, 90);
    EXPECT_LT(atZero, 180);
    EXPECT_NEAR(TropicalAscendant(180, 40, 1.0), 360 - atZero, 1e-9);
    // On the equator the two are opposite: 0° Cancer and 0° Capricorn.
    EXPECT_NEAR(TropicalAscendant(0, 0, 1.0), 90, 1e-9);
    EXPECT_NEAR(TropicalAscendant(180, 0, 1.0), 270, 1e-9);
}

TEST(ComputeAscendant, SmallTropicalAscendantWrapsBelow360) {
    // Local sidereal time about 275° at the equator puts the tropical
    // ascendant just past 0° Aries, under the ayanamsa's magnitude.
    BirthData birth = BirthOf(kAscendants[0]);
    birth.lonDegrees = 5;
    birth.lonMinutes = 28;
    ChartPositions positions;
    ComputeAscendant(birth, positions);
    EXPECT_GT(positions.ascendant, 330);
    EXPECT_LT(positions.ascendant, 360);
    EXPECT_EQ(positions.ascendantText.substr(positions.ascendantText.size() - 3), "Pis");
}

}  // namespace
}  // namespace amsaview
