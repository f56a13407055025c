#include <benchmark/benchmark.h>

#include "pipeline/ComputeChart.h"

namespace {

// From the form's texts to every caption and chart box of one birth.
void BM_ComputeChart(benchmark::State& state) {
    amsaview::FormInput form;
    form.name = "RAM KUMAR";
    form.monthRow = 2;
    form.dayRow = 6;
    form.yearRow = 1975 - amsaview::kFirstYear;
    form.hourRow = 9;
    form.minuteRow = 5;
    form.lonDegrees = "77";
    form.lonMinutes = "12";
    form.latDegrees = "28";
    form.latMinutes = "36";
    form.zoneRow = 34;
    amsaview::ChartResult result;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::ComputeChart(form, result));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeChart);

}  // namespace
