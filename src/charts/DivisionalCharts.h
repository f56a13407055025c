#pragma once

#include "charts/DivisionalRules.h"
#include "model/ChartPlacements.h"
#include "model/ChartPositions.h"

namespace amsaview {

// Places the nine bodies, Sun .. Ketu, each with its retrograde flag, and the
// Lagna in the signs the chart's rules give them.
void PlaceDivisionalChart(const DivisionalChart& chart, const ChartPositions& positions,
                          ChartPlacement& placement);

// All the charts of the rules table, in its order.
void PlaceDivisionalCharts(const ChartPositions& positions,
                           std::array<ChartPlacement, kDivisionalChartCount>& charts);

}  // namespace amsaview
