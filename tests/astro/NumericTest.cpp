#include <gtest/gtest.h>

#include "astro/Numeric.h"

namespace amsaview {
namespace {

TEST(ArcTan2, FollowsTheQuadrantOfBothSigns) {
    EXPECT_EQ(ArcTan2(0, -1), 0.0);  // y = 0 on the negative axis gives 0, not π
    EXPECT_EQ(ArcTan2(1, 0), kPi / 2);
    EXPECT_EQ(ArcTan2(-1, 0), -kPi / 2);
    EXPECT_EQ(ArcTan2(0, 0), 0.0);
    EXPECT_NEAR(ArcTan2(-1, -1), -(kPi - kPi / 4), 1e-14);
    EXPECT_NEAR(ArcTan2(1, -1), kPi - kPi / 4, 1e-14);
    EXPECT_NEAR(ArcTan2(1, 1), kPi / 4, 1e-15);
}

TEST(Normalize360, StepsOnceEachWayAndLeaves360) {
    EXPECT_EQ(Normalize360(-10), 350);
    EXPECT_EQ(Normalize360(725), 365);
    EXPECT_EQ(Normalize360(360), 360);
    EXPECT_EQ(Normalize360(0), 0);
}

TEST(Reduce2Pi, LandsInZeroToTwoPi) {
    EXPECT_NEAR(Reduce2Pi(-kPi / 2), 3 * kPi / 2, 1e-14);
    EXPECT_EQ(Reduce2Pi(-kTwoPi), 0.0);
    EXPECT_NEAR(Reduce2Pi(5 * kPi), kPi, 1e-13);
}

TEST(Truncate, CutsTowardZero) {
    EXPECT_EQ(Truncate(2.7), 2);
    EXPECT_EQ(Truncate(-2.7), -2);
    EXPECT_EQ(Truncate(0.0), 0);
}

TEST(Constants, KeepTheirShortenedValues) {
    // Full-precision values would move published positions by a few 1e-15.
    EXPECT_EQ(kPi, 3.14159265358979);
    EXPECT_EQ(kTwoPi, 6.28318530717958);
    EXPECT_EQ(kDegToRad, 0.0174532925199433);
    EXPECT_EQ(kRadToDeg, 57.2957795130823);
}

}  // namespace
}  // namespace amsaview
