#pragma once

#include <optional>

namespace amsaview {

// Where the Sun neither rises nor sets on a date, which of the two it is.
enum class PolarDay { None, MidnightSun, PolarNight };

// The rising and setting of the Sun's upper limb on one local civil date, as
// Julian days in universal time. Near the polar circles a date may have one
// without the other; with neither, `polar` says whether the Sun stayed up.
struct SunDay {
    std::optional<double> sunrise;
    std::optional<double> sunset;
    PolarDay polar = PolarDay::None;

    bool operator==(const SunDay&) const = default;
};

// The standard altitude of the Sun's centre at rising and setting: its
// semi-diameter and the refraction at the horizon, −0° 50′.
inline constexpr double kSunriseAltitude = -50.0 / 60.0;

}  // namespace amsaview
