// Printing and export: both pages as a PDF, and one chart as a PNG, drawn
// and encoded in memory. Without a display it runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "export/ChartExport.h"
#include "pipeline/ComputeChart.h"

namespace {

amsaview::ChartResult ExampleResult() {
    amsaview::FormInput form;
    form.name = "RAM KUMAR";
    form.yearRow = 1975 - amsaview::kFirstYear;
    form.monthRow = 2;
    form.dayRow = 6;
    form.hourRow = 9;
    form.minuteRow = 5;
    form.lonDegrees = "77";
    form.lonMinutes = "12";
    form.latDegrees = "28";
    form.latMinutes = "36";
    form.city = "New Delhi";
    form.country = "India";
    form.zoneRow = 34;
    amsaview::ChartResult result;
    if (amsaview::ComputeChart(form, result)) {
        std::abort();
    }
    return result;
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
