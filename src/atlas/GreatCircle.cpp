#include "atlas/GreatCircle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace amsaview {

double GreatCircleKm(double latitude1, double longitude1, double latitude2, double longitude2) {
    constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
    const double phi1 = latitude1 * kRadiansPerDegree;
    const double phi2 = latitude2 * kRadiansPerDegree;
    const double halfDeltaPhi = (phi2 - phi1) / 2.0;
    const double halfDeltaLambda = (longitude2 - longitude1) * kRadiansPerDegree / 2.0;
    const double a =
        std::sin(halfDeltaPhi) * std::sin(halfDeltaPhi) +
        std::cos(phi1) * std::cos(phi2) * std::sin(halfDeltaLambda) * std::sin(halfDeltaLambda);
    return 2.0 * kEarthRadiusKm * std::asin(std::sqrt(std::clamp(a, 0.0, 1.0)));
}

}  // namespace amsaview
