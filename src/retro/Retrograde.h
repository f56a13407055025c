#pragma once

#include <string_view>

#include "model/BirthData.h"
#include "model/ChartPositions.h"
#include "model/DisplayNames.h"

namespace amsaview {

inline constexpr std::string_view kRetrogradeMarker = " (R) ";

// The local civil date and clock time of a birth, with no zone applied.
struct LocalBirthMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// Whether the birth's local calendar date lies strictly after the date of a
// retrograde station and strictly before the date of the direct station that
// ends it. Times of day play no part. False for a name without a table.
bool IsRetrograde(std::string_view planetName, const LocalBirthMoment& birthLocal);

// Sets the five retrograde flags from the station tables and appends the
// marker to the display names of the retrograde planets. The names must hold
// the plain names, so that a name carries the marker at most once.
void MarkRetrogrades(const BirthData& birth, ChartPositions& positions, DisplayNames& names);

}  // namespace amsaview
