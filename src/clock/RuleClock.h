#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace amsaview {

// One period of a clock, in plain types so that the C++17 unit that reads
// POSIX rules shares no date/tz type with the rest.
struct RulePeriod {
    std::int64_t beginUt = 0;  // seconds since 1970 UT
    int offsetSeconds = 0;
    bool daylightSaving = false;
    std::string abbreviation;
};

struct RuleClock {
    enum class Kind { Unique, Skipped, Repeated } kind = Kind::Unique;
    RulePeriod first;   // the period in force, or the one before the change
    RulePeriod second;  // the one after the change (Skipped, Repeated)
};

// The clock a POSIX TZ rule ("CET-1CEST,M3.5.0,M10.5.0/3") gives for a local
// time in seconds since 1970-01-01 00:00 on the local clock. Empty when the
// rule cannot be read.
std::optional<RuleClock> ClockFromRule(const std::string& rule, std::int64_t localSeconds);

}  // namespace amsaview
