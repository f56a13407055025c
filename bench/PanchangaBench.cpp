#include <benchmark/benchmark.h>

#include <vector>

#include "pipeline/ChartPanchanga.h"
#include "pipeline/TimeWindows.h"

namespace {

// Births over 1901..2050 and the hours of the day at Delhi.
std::vector<amsaview::BirthData> DelhiBirths() {
    std::vector<amsaview::BirthData> births;
    for (int i = 0; i < 1000; ++i) {
        amsaview::BirthData birth;
        birth.year = static_cast<std::int16_t>(1901 + i * 150 / 1000);
        birth.month = static_cast<std::int16_t>(i % 12 + 1);
        birth.day = static_cast<std::int16_t>((i * 7) % 28 + 1);
        birth.hour = static_cast<std::int16_t>((i * 5) % 24);
        birth.minute = static_cast<std::int16_t>((i * 13) % 60);
        birth.utcOffsetSeconds = 19800;
        birth.lonDegrees = 77;
        birth.lonMinutes = 12;
        birth.isEast = true;
        birth.latDegrees = 28;
        birth.latMinutes = 36;
        births.push_back(birth);
    }
    return births;
}

// The five elements with the moments each began and ends, sunrise and sunset.
void BM_PanchangaBuiltIn(benchmark::State& state) {
    const std::vector<amsaview::BirthData> births = DelhiBirths();
    std::size_t birth = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::ChartPanchanga(births[birth], {}));
        birth = (birth + 1) % births.size();
    }
}
BENCHMARK(BM_PanchangaBuiltIn)->Unit(benchmark::kMicrosecond);

void BM_PanchangaSwiss(benchmark::State& state) {
    const amsaview::EphemerisSettings swiss{amsaview::EphemerisKind::Swiss,
                                            amsaview::AyanamsaMode::Lahiri,
                                            amsaview::LunarNode::Mean, ""};
    const std::vector<amsaview::BirthData> births = DelhiBirths();
    std::size_t birth = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::ChartPanchanga(births[birth], swiss));
        birth = (birth + 1) % births.size();
    }
}
BENCHMARK(BM_PanchangaSwiss)->Unit(benchmark::kMicrosecond);

// Every chart's Lagna window and the Moon's pada window of one birth.
void BM_TimeWindowsBuiltIn(benchmark::State& state) {
    const std::vector<amsaview::BirthData> births = DelhiBirths();
    const std::vector<amsaview::WindowSubject> subjects = amsaview::ChartWindowSubjects();
    const amsaview::BuiltInPositionSource source;
    std::size_t birth = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::FindTimeWindows(births[birth], source, subjects));
        birth = (birth + 1) % births.size();
    }
    state.counters["windows"] = static_cast<double>(subjects.size());
}
BENCHMARK(BM_TimeWindowsBuiltIn)->Unit(benchmark::kMicrosecond);

}  // namespace
