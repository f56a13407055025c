#include <benchmark/benchmark.h>

#include "retro/Retrograde.h"

namespace {

// 20 June 2020: four planets retrograde, so four lookups find a period and
// eight names grow.
amsaview::BirthData RetrogradeBirth() {
    amsaview::BirthData birth;
    birth.year = 2020;
    birth.month = 6;
    birth.day = 20;
    birth.hour = 9;
    birth.minute = 5;
    return birth;
}

// The pipeline refills the names before the retrograde stage; this is that
// refill alone, to subtract from the next benchmark.
void BM_RefillPlainNames(benchmark::State& state) {
    amsaview::DisplayNames names;
    for (auto _ : state) {
        amsaview::RefillPlainNames(names);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_RefillPlainNames);

void BM_RefillAndMarkRetrogrades(benchmark::State& state) {
    const amsaview::BirthData birth = RetrogradeBirth();
    amsaview::ChartPositions positions;
    amsaview::DisplayNames names;
    for (auto _ : state) {
        amsaview::RefillPlainNames(names);
        amsaview::MarkRetrogrades(birth, positions, names);
        benchmark::DoNotOptimize(names);
        benchmark::DoNotOptimize(positions);
    }
}
BENCHMARK(BM_RefillAndMarkRetrogrades);

void BM_IsRetrograde(benchmark::State& state) {
    const amsaview::LocalBirthMoment birth{2020, 6, 20, 9, 5};
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::IsRetrograde("Saturn", birth));
    }
}
BENCHMARK(BM_IsRetrograde);

}  // namespace
