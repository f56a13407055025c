#pragma once

namespace amsaview {

// The astronomy core's constants, at these exact values: every published
// figure of the charts was computed with them, not with full precision.
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

// Arc tangent of y / x in radians, quadrant from the signs; 0 for (0, 0).
double ArcTan2(double y, double x);

// One step up from below 0 and one step down from above 360; 360 stays 360.
double Normalize360(double angleDegrees);

// The angle in radians reduced into [0, kTwoPi).
double Reduce2Pi(double angleRadians);

// Whole part toward zero.
double Truncate(double x);

}  // namespace amsaview
