#include <benchmark/benchmark.h>

#include "charts/DivisionalCharts.h"
#include "charts/RashiChart.h"
#include "pipeline/ChartCaptions.h"

namespace {

amsaview::ChartPositions ExamplePositions() {
    amsaview::ChartPositions positions;
    positions.positionText = {"22 Aqu 46", "18 Sag 39", "25 Cap 32", "21 Pis 16", "09 Cap 47",
                              "03 Pis 58", "18 Gem 55", "10 Sco 42", "10 Tau 42"};
    positions.retrograde = {true, false, true, false, false};
    return positions;
}

// The eight charts of one birth from its nine position texts.
void BM_FillCharts(benchmark::State& state) {
    const amsaview::ChartPositions positions = ExamplePositions();
    amsaview::ChartPlacements placements;
    for (auto _ : state) {
        amsaview::PlaceRashiChart(positions, placements.rashi);
        amsaview::PlaceDivisionalCharts(positions, placements.divisional);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillCharts);

// The captions the window and the JSON derive from the eight charts.
void BM_ChartCaptions(benchmark::State& state) {
    const amsaview::ChartPositions positions = ExamplePositions();
    amsaview::ChartPlacements placements;
    amsaview::PlaceRashiChart(positions, placements.rashi);
    amsaview::PlaceDivisionalCharts(positions, placements.divisional);
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::RashiCaptions(placements));
        for (std::size_t chart = 0; chart < amsaview::kDivisionalChartCount; ++chart) {
            benchmark::DoNotOptimize(amsaview::DivisionalCaptions(placements, chart));
        }
    }
}
BENCHMARK(BM_ChartCaptions);

}  // namespace
