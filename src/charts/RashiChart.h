#pragma once

#include "model/ChartBoxes.h"
#include "model/ChartPositions.h"
#include "model/DisplayNames.h"

namespace amsaview {

// Clears the twelve Rashi boxes and places Sun..Rahu by their own signs, Ketu
// opposite Rahu, by their VedicPlanetNames. A body whose text names no sign
// is left out, Ketu with Rahu.
void FillRashiChart(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes);

}  // namespace amsaview
