#pragma once

#include <array>
#include <string>

#include "model/LookupLists.h"

namespace amsaview {

// The names the charts show. They are the plain names plus, for a retrograde
// Mercury..Saturn, the " (R) " mark, so they are refilled before every chart.
struct DisplayNames {
    std::array<std::string, 11> planetNames;       // English, divisional charts
    std::array<std::string, 11> vedicPlanetNames;  // Sanskrit, Rashi chart

    bool operator==(const DisplayNames&) const = default;
};

inline void RefillPlainNames(DisplayNames& names) {
    for (std::size_t i = 0; i < names.planetNames.size(); ++i) {
        names.planetNames[i] = kPlainPlanetNames[i];
        names.vedicPlanetNames[i] = kPlainVedicPlanetNames[i];
    }
}

}  // namespace amsaview
