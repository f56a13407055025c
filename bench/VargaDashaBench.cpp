#include <benchmark/benchmark.h>

#include "charts/ExactVargas.h"
#include "dasha/Vimshottari.h"

namespace {

amsaview::ChartPositions ExampleLongitudes() {
    amsaview::ChartPositions positions;
    positions.ascendant = 67.2261;
    positions.siderealLongitude = {322.7712, 258.6531, 295.5390, 351.2710, 279.7905,
                                   333.9701, 78.9242,  220.7023, 40.7023};
    positions.retrograde = {true, false, true, false, false};
    return positions;
}

// The eight exact-longitude charts of one birth, bodies and ascendant.
void BM_ExactVargas(benchmark::State& state) {
    const amsaview::ChartPositions positions = ExampleLongitudes();
    std::array<amsaview::ChartPlacement, amsaview::kExactVargaCount> charts;
    for (auto _ : state) {
        amsaview::PlaceExactVargas(positions, charts);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ExactVargas);

// All three levels of one life, 729 pratyantardashas; the Moon moves on
// each time so no two lives are alike.
void BM_VimshottariThreeLevels(benchmark::State& state) {
    double moon = 0.0;
    for (auto _ : state) {
        const amsaview::VimshottariDasha dasha(moon, 946728000, amsaview::DashaYear{});
        benchmark::DoNotOptimize(dasha.Period(3, 728));
        moon = moon < 359.0 ? moon + 0.7 : 0.0;
    }
}
BENCHMARK(BM_VimshottariThreeLevels);

}  // namespace
