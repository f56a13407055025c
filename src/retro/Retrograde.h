#pragma once

#include <string_view>

#include "model/BirthData.h"
#include "model/ChartPositions.h"

namespace amsaview {

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

// Sets the five retrograde flags, Mercury .. Saturn, from the station tables.
void MarkRetrogrades(const BirthData& birth, ChartPositions& positions);

}  // namespace amsaview
