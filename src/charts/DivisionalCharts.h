#pragma once

#include "charts/ChartBoxes.h"
#include "input/ChartPositions.h"
#include "input/DisplayNames.h"

namespace amsaview {

// Places the nine bodies in all seven divisional charts, in the order Hora,
// Chaturthamsa, Drekkana, Saptamsa, Navamsa, Dasamsa, Dwadasamsa.
void PlaceDivisionalCharts(const ChartPositions& positions, const DisplayNames& names,
                           ChartBoxes& boxes);

}  // namespace amsaview
