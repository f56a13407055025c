#pragma once

#include "model/ChartBoxes.h"
#include "model/ChartPositions.h"
#include "model/DisplayNames.h"

namespace amsaview {

// Each clears its own twelve boxes, then appends the nine bodies, Sun .. Ketu,
// by their PlanetNames to the boxes of their target signs.
void PlaceHora(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes);
void PlaceDrekkana(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes);
void PlaceChaturthamsa(const ChartPositions& positions, const DisplayNames& names,
                       ChartBoxes& boxes);
void PlaceSaptamsa(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes);
void PlaceNavamsa(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes);
void PlaceDasamsa(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes);
void PlaceDwadasamsa(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes);

// Places the nine bodies in all seven divisional charts, in the order Hora,
// Chaturthamsa, Drekkana, Saptamsa, Navamsa, Dasamsa, Dwadasamsa.
void PlaceDivisionalCharts(const ChartPositions& positions, const DisplayNames& names,
                           ChartBoxes& boxes);

}  // namespace amsaview
