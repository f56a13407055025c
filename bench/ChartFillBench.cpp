#include <benchmark/benchmark.h>

#include "charts/DivisionalCharts.h"
#include "charts/RashiChart.h"

namespace {

// The eight charts of one birth from its nine position texts.
void BM_FillCharts(benchmark::State& state) {
    amsaview::ChartPositions positions;
    positions.positionText = {"22 Aqu 46", "18 Sag 39", "25 Cap 32", "21 Pis 16", "09 Cap 47",
                              "03 Pis 58", "18 Gem 55", "10 Sco 42", "10 Tau 42"};
    amsaview::DisplayNames names;
    amsaview::RefillPlainNames(names);
    amsaview::ChartBoxes boxes;
    for (auto _ : state) {
        amsaview::FillRashiChart(positions, names, boxes);
        amsaview::PlaceDivisionalCharts(positions, names, boxes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillCharts);

}  // namespace
