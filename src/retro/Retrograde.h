#pragma once

#include "input/BirthData.h"
#include "input/ChartPositions.h"
#include "input/DisplayNames.h"

namespace amsaview {

// Sets the five retrograde flags from the station tables and appends " (R) "
// to the display names of the retrograde planets.
void MarkRetrogrades(const BirthData& birth, ChartPositions& positions, DisplayNames& names);

}  // namespace amsaview
