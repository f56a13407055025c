#include <benchmark/benchmark.h>

#include "swiss/SwissEphemeris.h"

namespace {

using amsaview::SwissEphemeris;

SwissEphemeris LahiriSource() {
    return SwissEphemeris({amsaview::EphemerisKind::Swiss, amsaview::AyanamsaMode::Lahiri,
                           amsaview::LunarNode::Mean, ""});
}

// One chart (seven bodies, the node, the houses and the ayanamsa) for births
// spread over 1901..2050, so the library neither repeats a moment (it keeps
// the last one) nor stays in one stretch of its files.
void BM_SwissChart(benchmark::State& state) {
    const SwissEphemeris source = LahiriSource();
    const double first = amsaview::JulianDayUt(1901, 1, 1, 0);
    const double span = amsaview::JulianDayUt(2050, 12, 31, 0) - first;
    constexpr int kBirths = 1000;
    int birth = 0;
    for (auto _ : state) {
        const double jd = first + span * birth / kBirths + 0.37;
        benchmark::DoNotOptimize(source.Compute({jd, 77.2, 28.6}));
        birth = (birth + 1) % kBirths;
    }
}
BENCHMARK(BM_SwissChart)->Unit(benchmark::kMicrosecond);

// Births a minute apart: the files' stretch stays loaded.
void BM_SwissChartNextMinute(benchmark::State& state) {
    const SwissEphemeris source = LahiriSource();
    double jd = amsaview::JulianDayUt(1975, 3, 7, 9.5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(source.Compute({jd, 77.2, 28.6}));
        jd += 1.0 / 1440;
    }
}
BENCHMARK(BM_SwissChartNextMinute)->Unit(benchmark::kMicrosecond);

}  // namespace
