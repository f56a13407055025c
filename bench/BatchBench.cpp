#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "cli/BatchRun.h"
#include "cli/ChartJson.h"
#include "cli/ParseBirth.h"
#include "pipeline/ComputeChart.h"

namespace {

// Generated births in the batch CSV layout, in memory.
std::string GeneratedCsv(int rows) {
    std::string csv = "name,date,time,lon,lat,zone,dst,city,state,country\n";
    char row[160];
    for (int i = 0; i < rows; ++i) {
        std::snprintf(row, sizeof row,
                      "PERSON,%04d-%02d-%02d,%d:%02d,%d%c%02d,%d%c%02d,%d,%d,Pune,,\n",
                      1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 180,
                      i % 2 ? 'E' : 'W', i % 60, i % 90, i % 3 ? 'N' : 'S', i % 60, i % 71, i % 2);
        csv += row;
    }
    return csv;
}

constexpr int kRows = 4096;

std::FILE* OpenInMemory(const std::string& text) {
    return fmemopen(const_cast<char*>(text.data()), text.size(), "r");
}

// Reading: CSV through libcsv into the fields of each row.
void BM_BatchRead(benchmark::State& state) {
    const std::string csv = GeneratedCsv(kRows);
    amsaview::BatchRow row;
    for (auto _ : state) {
        std::FILE* file = OpenInMemory(csv);
        const auto reader = amsaview::OpenBirthReader(file, amsaview::BatchFormat::Csv);
        while (reader->Next(row)) {
            benchmark::DoNotOptimize(row);
        }
        std::fclose(file);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BatchRead)->Unit(benchmark::kMicrosecond);

std::vector<amsaview::BatchRow> ReadRows() {
    const std::string csv = GeneratedCsv(kRows);
    std::FILE* file = OpenInMemory(csv);
    const auto reader = amsaview::OpenBirthReader(file, amsaview::BatchFormat::Csv);
    std::vector<amsaview::BatchRow> rows(kRows);
    for (auto& row : rows) {
        reader->Next(row);
    }
    std::fclose(file);
    return rows;
}

// Checking: the fields to the form input.
void BM_BatchParseBirth(benchmark::State& state) {
    const auto rows = ReadRows();
    for (auto _ : state) {
        for (const auto& row : rows) {
            benchmark::DoNotOptimize(amsaview::ParseBirth(row.fields));
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BatchParseBirth)->Unit(benchmark::kMicrosecond);

// Computing: the form input to the whole chart.
void BM_BatchCompute(benchmark::State& state) {
    std::vector<amsaview::FormInput> forms;
    for (const auto& row : ReadRows()) {
        forms.push_back(std::get<amsaview::FormInput>(amsaview::ParseBirth(row.fields)));
    }
    amsaview::ChartResult result;
    for (auto _ : state) {
        for (const auto& form : forms) {
            benchmark::DoNotOptimize(amsaview::ComputeChart(form, result));
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BatchCompute)->Unit(benchmark::kMicrosecond);

// Writing: the chart to its JSON line.
void BM_BatchWriteJson(benchmark::State& state) {
    std::vector<amsaview::ChartResult> results;
    for (const auto& row : ReadRows()) {
        results.emplace_back();
        amsaview::ComputeChart(std::get<amsaview::FormInput>(amsaview::ParseBirth(row.fields)),
                               results.back());
    }
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (std::size_t i = 0; i < results.size(); ++i) {
            amsaview::AppendChartJsonLine(results[i], static_cast<long>(i), out);
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BatchWriteJson)->Unit(benchmark::kMicrosecond);

// End to end: CSV in memory to JSON lines on /dev/null, one and two jobs,
// the dasha one, two (the default) and three levels deep.
void BM_BatchRun(benchmark::State& state) {
    const amsaview::DashaOptions dasha{{}, static_cast<int>(state.range(1))};
    const std::string csv = GeneratedCsv(kRows * 4);
    std::FILE* output = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        std::FILE* file = OpenInMemory(csv);
        const auto reader = amsaview::OpenBirthReader(file, amsaview::BatchFormat::Csv);
        benchmark::DoNotOptimize(amsaview::RunBatch(
            *reader, amsaview::BuiltInPositionSource(), output,
            static_cast<unsigned>(state.range(0)), [](long, long long) {}, false, dasha));
        std::fclose(file);
    }
    std::fclose(output);
    state.SetItemsProcessed(state.iterations() * kRows * 4);
}
BENCHMARK(BM_BatchRun)
    ->ArgNames({"jobs", "dashaLevels"})
    ->Args({1, 1})
    ->Args({1, 2})
    ->Args({1, 3})
    ->Args({2, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
