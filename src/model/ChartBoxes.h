#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/LookupLists.h"

namespace amsaview {

inline constexpr int kDivisionalChartCount = 7;
inline constexpr int kDivisionalBoxCount = kDivisionalChartCount * kSignCount;

// The texts of the eight charts' sign boxes. A box is "" when empty; every
// body placed in it adds "\r\n" and the body's name.
struct ChartBoxes {
    std::array<std::string, kSignCount> rashi;  // lblAries .. lblPisces
    // lblPlanet: chart base + sign; the bases are those of the divisional chart table.
    std::array<std::string, kDivisionalBoxCount> lblPlanet;

    bool operator==(const ChartBoxes&) const = default;
};

inline void AppendToBox(std::string& box, std::string_view name) {
    box += "\r\n";
    box += name;
}

}  // namespace amsaview
