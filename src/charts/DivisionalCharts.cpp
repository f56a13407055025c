#include "charts/DivisionalCharts.h"

namespace amsaview {

void PlaceDivisionalCharts(const ChartPositions&, const DisplayNames&, ChartBoxes& boxes) {
    boxes.lblPlanet = {};
}

}  // namespace amsaview
