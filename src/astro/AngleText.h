#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace amsaview {

inline constexpr std::string_view kDegreeMark = "\u00B0 ";  // UTF-8 degree sign, then a blank

// Long form: degrees, minutes and seconds within the sign, then the sign,
// e.g. 256.5256 -> 16° 31' 32" Sag. Minutes and seconds are cut, never rounded.
// Both forms are empty for a value that is not a finite number or lies 1e12°
// or more from 0: a made-up angle would pass for a real one.
std::string FormatLongitude(double angleDegrees);

// Signed form, e.g. -23.85399 -> -23° 51' 14".
std::string FormatSignedAngle(double angleDegrees);

// The sign named by the last three characters of a long-form text.
std::optional<std::int16_t> SignOfLongForm(std::string_view longFormText);

// Short form of a long-form text: two-digit degrees, sign, two-digit minutes,
// e.g. "16 Sag 31".
std::string ShortPositionText(std::string_view longFormText);

}  // namespace amsaview
