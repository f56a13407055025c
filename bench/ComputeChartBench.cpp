#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "pipeline/ComputeChart.h"

namespace {

// Births spread over 1901..2050 in date order, as BM_SwissChart has them, and
// over the hours of the day, so that Swiss Ephemeris neither repeats a moment
// (it keeps the last one) nor stays in one stretch of its files. Births in
// random order cost the library about 50 µs more each: it rereads its files.
std::vector<amsaview::FormInput> SpreadBirths() {
    std::vector<amsaview::FormInput> forms;
    for (int i = 0; i < 1000; ++i) {
        amsaview::FormInput form;
        form.name = "RAM KUMAR";
        form.monthRow = i % 12;
        form.dayRow = (i * 7) % 28;
        form.yearRow = i * (amsaview::kLastYear - amsaview::kFirstYear + 1) / 1000;
        form.hourRow = (i * 5) % 24;
        form.minuteRow = (i * 13) % 60;
        form.lonDegrees = "77";
        form.lonMinutes = "12";
        form.latDegrees = "28";
        form.latMinutes = "36";
        form.zoneRow = 34;
        forms.push_back(form);
    }
    return forms;
}

// From the form's texts to every caption and chart box of one birth, with
// the source made once as a batch or a window does.
void BM_ComputeChart(benchmark::State& state, amsaview::EphemerisKind kind) {
    amsaview::EphemerisSettings settings;
    settings.kind = kind;
    const auto source = amsaview::MakePositionSource(settings);
    const std::vector<amsaview::FormInput> forms = SpreadBirths();
    amsaview::ChartResult result;
    std::size_t birth = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::ComputeChart(forms[birth], *source, result));
        benchmark::ClobberMemory();
        birth = (birth + 1) % forms.size();
    }
}
BENCHMARK_CAPTURE(BM_ComputeChart, BuiltIn, amsaview::EphemerisKind::BuiltIn)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComputeChart, Swiss, amsaview::EphemerisKind::Swiss)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
