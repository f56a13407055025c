#include "astro/Numeric.h"

#include <cmath>

namespace amsaview {
namespace {

double Sign(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

}  // namespace

double ArcTan2(double y, double x) {
    if (x > 0) {
        return std::atan(y / x);
    }
    if (x < 0) {
        return (kPi - std::atan(std::fabs(y / x))) * Sign(y);
    }
    return Sign(y) * kPi / 2;
}

double Normalize360(double angleDegrees) {
    if (angleDegrees < 0) {
        angleDegrees += 360;
    }
    if (angleDegrees > 360) {
        angleDegrees -= 360;
    }
    return angleDegrees;
}

double Reduce2Pi(double angleRadians) {
    const double turns = angleRadians / kTwoPi;
    double reduced = (turns - Truncate(turns)) * kTwoPi;
    if (reduced < 0) {
        reduced += kTwoPi;
    }
    return reduced;
}

double Truncate(double x) {
    return Sign(x) * std::floor(std::fabs(x));
}

}  // namespace amsaview
