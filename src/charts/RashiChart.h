#pragma once

#include "model/ChartPlacements.h"
#include "model/ChartPositions.h"

namespace amsaview {

// Places Sun..Rahu by their own signs and Ketu opposite Rahu, each with its
// retrograde flag, and the Lagna in its own sign. A body or Lagna whose text
// names no sign is left out, Ketu with Rahu.
void PlaceRashiChart(const ChartPositions& positions, ChartPlacement& rashi);

}  // namespace amsaview
