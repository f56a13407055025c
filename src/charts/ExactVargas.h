#pragma once

#include <array>
#include <string_view>

#include "model/ChartPlacements.h"
#include "model/ChartPositions.h"

namespace amsaview {

// Where a point stands for the exact-longitude charts: its sign, its degrees
// within the sign (0 <= degree < 30), and its equal part of the chart's
// partCount, floor(degree × partCount / 30).
struct VargaPoint {
    int sign = 0;
    double degree = 0.0;
    int part = 0;
};

// One chart cut on the exact longitude. targetSign may count past Pisces;
// the caller takes it modulo 12.
struct ExactVarga {
    std::string_view id;
    int partCount;
    int (*targetSign)(const VargaPoint& point);
};

// D16 .. D60, in the order the charts are listed.
extern const std::array<ExactVarga, kExactVargaCount> kExactVargas;

// The sign, 0 Aries .. 11 Pisces, that a sidereal longitude (any number of
// turns, negative too) falls in under the chart's rule.
int ExactVargaSign(const ExactVarga& chart, double siderealLongitude);

// The nine bodies placed by their sidereal longitudes, each with its
// retrograde flag, and the Lagna by the ascendant's longitude.
void PlaceExactVarga(const ExactVarga& chart, const ChartPositions& positions,
                     ChartPlacement& placement);

void PlaceExactVargas(const ChartPositions& positions,
                      std::array<ChartPlacement, kExactVargaCount>& charts);

}  // namespace amsaview
