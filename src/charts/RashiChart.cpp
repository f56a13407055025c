#include "charts/RashiChart.h"

namespace amsaview {

void FillRashiChart(const ChartPositions&, const DisplayNames&, ChartBoxes& boxes) {
    boxes.rashi = {};
}

}  // namespace amsaview
