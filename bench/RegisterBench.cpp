// The Open dialog over a register of 10,000 births: listing them all from a
// closed register, and one filter query per keystroke.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "GeneratedBirths.h"
#include "register/Register.h"

namespace {

using amsaview::bench::kBirthCount;
using amsaview::bench::RegisterPath;

void Check(bool ok, benchmark::State& state) {
    if (!ok) {
        state.SkipWithError("the register failed");
    }
}

// From a closed register to the list the Open dialog shows.
void BM_OpenAndListAll(benchmark::State& state) {
    const QString& path = RegisterPath();
    for (auto _ : state) {
        amsaview::Register births;
        Check(births.open(path).ok(), state);
        const auto rows = births.search(QString());
        Check(rows && rows.value().size() == kBirthCount, state);
    }
}
BENCHMARK(BM_OpenAndListAll)->Unit(benchmark::kMillisecond);

void BM_ListAll(benchmark::State& state) {
    amsaview::Register births;
    Check(births.open(RegisterPath()).ok(), state);
    for (auto _ : state) {
        const auto rows = births.search(QString());
        Check(rows && rows.value().size() == kBirthCount, state);
    }
}
BENCHMARK(BM_ListAll)->Unit(benchmark::kMillisecond);

// Each iteration is one keystroke of "ramasi pune 19", the filter growing.
void BM_FilterPerKeystroke(benchmark::State& state) {
    amsaview::Register births;
    Check(births.open(RegisterPath()).ok(), state);
    const QString typed = QStringLiteral("ramasi pune 19");
    qsizetype length = 0;
    for (auto _ : state) {
        length = length % typed.size() + 1;
        const auto rows = births.search(typed.left(length));
        Check(rows.ok(), state);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_FilterPerKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
