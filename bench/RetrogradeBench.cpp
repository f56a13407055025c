#include <benchmark/benchmark.h>

#include "retro/Retrograde.h"

namespace {

// 20 June 2020: four planets retrograde, so four lookups find a period.
amsaview::BirthData RetrogradeBirth() {
    amsaview::BirthData birth;
    birth.year = 2020;
    birth.month = 6;
    birth.day = 20;
    birth.hour = 9;
    birth.minute = 5;
    return birth;
}

void BM_MarkRetrogrades(benchmark::State& state) {
    const amsaview::BirthData birth = RetrogradeBirth();
    amsaview::ChartPositions positions;
    for (auto _ : state) {
        amsaview::MarkRetrogrades(birth, positions);
        benchmark::DoNotOptimize(positions);
    }
}
BENCHMARK(BM_MarkRetrogrades);

void BM_IsRetrograde(benchmark::State& state) {
    const amsaview::LocalBirthMoment birth{2020, 6, 20, 9, 5};
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::IsRetrograde("Saturn", birth));
    }
}
BENCHMARK(BM_IsRetrograde);

}  // namespace
