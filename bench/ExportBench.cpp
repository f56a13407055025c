// Printing and export: both pages as a PDF, and one chart as a PNG, drawn
// and encoded in memory. Without a display it runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "export/ChartExport.h"
#include "support/ComputedChart.h"
#include "support/FormExamples.h"

namespace {

amsaview::ChartResult ExampleResult() {
    return amsaview::testing::ComputedChart(amsaview::testing::DelhiForm(1975, 3, 7, 9, 5));
}

void BM_PdfOfBothPages(benchmark::State& state) {
    const amsaview::ChartResult result = ExampleResult();
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::ChartPdf(result));
    }
}
BENCHMARK(BM_PdfOfBothPages)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

void BM_PngOfOneChart(benchmark::State& state) {
    const auto chart = amsaview::ChartDrawings(ExampleResult())[0];
    for (auto _ : state) {
        benchmark::DoNotOptimize(amsaview::ChartPng(chart, 1200));
    }
}
BENCHMARK(BM_PngOfOneChart)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
