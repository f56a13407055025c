#include <benchmark/benchmark.h>

#include "atlas/Atlas.h"

namespace {

const amsaview::Atlas& LoadedAtlas() {
    static const amsaview::Atlas atlas;
    return atlas;
}

// One keystroke in the City box: the typed text to the ranked list. Target:
// under 5 ms median.
void BM_AtlasSearch(benchmark::State& state, const char* typed) {
    const amsaview::Atlas& atlas = LoadedAtlas();
    for (auto _ : state) {
        benchmark::DoNotOptimize(atlas.Search(typed));
    }
}
BENCHMARK_CAPTURE(BM_AtlasSearch, m, "m")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, mad, "mad")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, san_fr, "san fr")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, chennai, "chennai")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, chennai_tamil_india, "Chennai, Tamil Nadu, India")
    ->Unit(benchmark::kMillisecond);

// The typed-coordinates check: is there a town within 30 km?
void BM_NearestPlace(benchmark::State& state) {
    const amsaview::Atlas& atlas = LoadedAtlas();
    for (auto _ : state) {
        benchmark::DoNotOptimize(atlas.NearestPlace(13.1, 80.3, 30.0));
    }
}
BENCHMARK(BM_NearestPlace)->Unit(benchmark::kMillisecond);

// Reading the city list once, when the program first needs it.
void BM_AtlasLoad(benchmark::State& state) {
    for (auto _ : state) {
        amsaview::Atlas atlas;
        benchmark::DoNotOptimize(atlas.PlaceCount());
    }
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

}  // namespace
