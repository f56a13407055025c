#pragma once

#include <string_view>

namespace amsaview {

// Where Debian's tzdata puts the compiled zones; date/tz is built to read the
// same folder.
inline constexpr std::string_view kZoneInfoFolder = "/usr/share/zoneinfo";

}  // namespace amsaview
