#pragma once

#include <optional>
#include <string>

namespace amsaview {

// Sunrise and sunset by Swiss Ephemeris's rise and set routine: the Sun's
// upper limb with the refraction of the standard atmosphere (1013.25 hPa,
// 10 °C), as Julian days in universal time.
struct SwissSunEvents {
    std::optional<double> sunrise;
    std::optional<double> sunset;
    bool sunUp = false;  // with neither: the Sun's upper limb above the horizon at local noon
};

// The events on the local civil date that begins at `localMidnight`, at an
// east-positive longitude and a north-positive latitude. Throws
// SwissEphemerisError when the library fails.
SwissSunEvents SwissSunDay(const std::string& dataPath, double localMidnight, double longitude,
                           double latitude);

}  // namespace amsaview
