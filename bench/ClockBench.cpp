#include <benchmark/benchmark.h>

#include "clock/ClockHistory.h"

namespace {

// The clock in force for a birth, as the form asks whenever the date changes.
void BM_ClockInForce(benchmark::State& state) {
    const amsaview::LocalDateTime birth{1943, 6, 1, 12, 0, 0};
    benchmark::DoNotOptimize(amsaview::ClockInForce("Asia/Kolkata", birth));  // loads the zone
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::ClockInForce("Asia/Kolkata", birth));
    }
}
BENCHMARK(BM_ClockInForce)->Unit(benchmark::kMicrosecond);

// After 2037 the zone file's closing rule is read as well.
void BM_ClockInForceBeyond2037(benchmark::State& state) {
    const amsaview::LocalDateTime birth{2050, 7, 1, 12, 0, 0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::ClockInForce("Europe/Madrid", birth));
    }
}
BENCHMARK(BM_ClockInForceBeyond2037)->Unit(benchmark::kMicrosecond);

// Past a zone's last written transition (India's, 1945) the zone file's
// closing rule is consulted too.
void BM_ClockInForceAfterLastTransition(benchmark::State& state) {
    const amsaview::LocalDateTime birth{1990, 6, 1, 12, 0, 0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::ClockInForce("Asia/Kolkata", birth));
    }
}
BENCHMARK(BM_ClockInForceAfterLastTransition)->Unit(benchmark::kMicrosecond);

}  // namespace
