#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace amsaview {

// The POSIX rule at the end of a zone's TZif file ("CET-1CEST,M3.5.0,M10.5.0/3"),
// which carries the zone's clock past the last transition written out in the
// file. date/tz reads only the transitions, so dates after 2037 need it.
// Empty when the file cannot be read or states no rule.
std::optional<std::string> ZoneFileRule(std::string_view ianaZone);

// The text of the last line of a TZif file's contents (its footer).
std::optional<std::string> FooterOfZoneFile(std::string_view contents);

}  // namespace amsaview
