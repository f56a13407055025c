#include <gtest/gtest.h>

#include "support/BirthExamples.h"
#include "vedic/MoonLongitude.h"

namespace amsaview {
namespace {

TEST(EphemerisAyanamsa, AroundJ2000) {
    EXPECT_NEAR(EphemerisAyanamsa(0), -23.853726, 1e-6);
    EXPECT_NEAR(EphemerisAyanamsa(1), -25.254719, 1e-6);
    EXPECT_NEAR(EphemerisAyanamsa(-1), -22.466643, 1e-6);
}

TEST(MoonSiderealLongitude, NoonJ2000AtGreenwich) {
    const BirthData birth = testing::NoonJ2000();
    const BirthMoment moment = PrepareBirthMoment(birth);
    EXPECT_EQ(Centuries2000(moment), 0.0);
    EXPECT_NEAR(MoonTropicalLongitude(0), 223.316103, 1e-6);

    const MoonPosition moon = MoonSiderealLongitude(moment);
    EXPECT_NEAR(moon.sidereal, 199.462377, 1e-6);
    EXPECT_EQ(moon.longForm, "19\u00B0 27' 44\" Lib");
}

TEST(MoonSiderealLongitude, MidnightInBombayOn15August1947) {
    BirthData birth = testing::GreenwichBirth(1947, 8, 15, 0);
    birth.utcOffsetSeconds = 5 * 3600 + 30 * 60;
    birth.lonDegrees = 72;
    birth.lonMinutes = 50;
    birth.isEast = true;
    const BirthMoment moment = PrepareBirthMoment(birth);
    EXPECT_EQ(moment.universalHours, -5.5);
    const double t = Centuries2000(moment);
    EXPECT_NEAR(t, -0.523825576, 1e-9);
    EXPECT_NEAR(MoonTropicalLongitude(t), 117.109656, 1e-6);
    EXPECT_NEAR(EphemerisAyanamsa(t), -23.121833, 1e-6);

    const MoonPosition moon = MoonSiderealLongitude(moment);
    EXPECT_NEAR(moon.sidereal, 93.987823, 1e-6);
    EXPECT_EQ(moon.longForm, "3\u00B0 59' 16\" Can");
}

TEST(MoonSiderealLongitude, StaysBelow360AcrossAMonth) {
    // A lunar month passes early Aries, where the tropical value falls under
    // the ayanamsa and must be lifted into Pisces once.
    BirthData birth = testing::NoonJ2000();
    for (int day = 1; day <= 31; ++day) {
        for (int hour = 0; hour < 24; hour += 3) {
            birth.day = static_cast<std::int16_t>(day);
            birth.hour = static_cast<std::int16_t>(hour);
            const MoonPosition moon = MoonSiderealLongitude(PrepareBirthMoment(birth));
            ASSERT_GE(moon.sidereal, 0);
            ASSERT_LT(moon.sidereal, 360);
        }
    }
}

TEST(MoonSiderealLongitude, AnOffsetOfAnHourMovesTheMoonByAnHour) {
    BirthData birth = testing::GreenwichBirth(2000, 1, 1, 13);
    birth.utcOffsetSeconds = 3600;  // e.g. GMT with daylight saving
    BirthData anHourEarlier = birth;
    anHourEarlier.hour = 12;
    anHourEarlier.utcOffsetSeconds = 0;
    EXPECT_EQ(MoonSiderealLongitude(PrepareBirthMoment(birth)).sidereal,
              MoonSiderealLongitude(PrepareBirthMoment(anHourEarlier)).sidereal);
}

}  // namespace
}  // namespace amsaview
