#pragma once

#include <string>
#include <string_view>

#include "clock/ClockHistory.h"

namespace amsaview {

// "+05:30", "-04:00", "+00:00"; seconds only where the offset has them
// ("+05:21:10", a local mean time).
std::string FormatUtcOffset(int seconds);

// The clock as a person would name it: "IST +05:30", "+06:30" where the
// database has no letters for it, "Local mean time +05:21:10".
std::string ClockLabel(const ClockReading& clock);

// ClockLabel, with ", daylight saving" where that was in force.
std::string DescribeClock(const ClockReading& clock);

// "02:30 on 27 March 1983"; seconds only where they are not zero.
std::string FormatLocalMoment(const LocalDateTime& local);

// "02:30 on 27 March 1983 did not exist in Madrid: clocks went from 02:00 to 03:00"
std::string SkippedTimeMessage(const LocalDateTime& local, const ClockChange& change,
                               std::string_view placeName);

// "02:30 on 25 September 1983 happened twice in Madrid: first on CEST +02:00,
// then on CET +01:00"
std::string RepeatedTimeMessage(const LocalDateTime& local, const ClockChange& change,
                                std::string_view placeName);

}  // namespace amsaview
