#pragma once

#include <array>
#include <string>

namespace amsaview {

inline constexpr int kBodyCount =
    9;  // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu
inline constexpr int kRetrogradePlanetCount = 5;  // Mercury .. Saturn

// What the stages compute for one birth. Body lists use the order of kBodyCount.
struct ChartPositions {
    double ayanamsa = 0.0;  // negative: added to tropical longitudes
    std::string ayanamsaText;
    double ascendant = 0.0;  // sidereal, degrees
    std::string ascendantText;
    std::string moonText;  // the Moon's long form, left by the Vedic stage for the planet stage
    std::string nakshatraName;
    std::string rashiName;
    std::array<std::string, kBodyCount> positionText;  // short form, "16 Sag 31"
    std::array<bool, kRetrogradePlanetCount> retrograde{};

    // The numbers behind the texts, kept for scripting and checking.
    double moonSidereal = 0.0;
    std::array<double, kBodyCount> siderealLongitude{};
    std::array<double, kBodyCount> speed{};  // degrees a day; the built-in method leaves 0

    bool operator==(const ChartPositions&) const = default;
};

}  // namespace amsaview
