// The Open dialog over 10,000 saved births, as the user meets it: from Ctrl+O
// to the list painted on the screen, and from a keystroke in the search box to
// the narrowed list painted. Without a display it runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include "ExampleEntry.h"
#include "GeneratedBirths.h"
#include "register/Register.h"
#include "ui/register/OpenBirthDialog.h"

namespace {

using amsaview::OpenBirthDialog;

void WaitFor(const amsaview::bench::PaintWatch& watch) {
    while (!watch.painted()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

OpenBirthDialog::Search SearchIn(const amsaview::Register& births) {
    return [&births](const QString& filter) { return births.search(filter); };
}

// The register is open, as it is in the running program.
void BM_OpenDialogToListPainted(benchmark::State& state) {
    amsaview::Register births;
    if (!births.open(amsaview::bench::RegisterPath())) {
        state.SkipWithError("the register failed");
        return;
    }
    amsaview::bench::PaintWatch rowsPainted("lstBirthsRows");
    for (auto _ : state) {
        rowsPainted.reset();
        QElapsedTimer clock;
        clock.start();
        OpenBirthDialog dialog(SearchIn(births));
        dialog.show();
        WaitFor(rowsPainted);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        if (dialog.shownCount() != amsaview::bench::kBirthCount) {
            state.SkipWithError("not every birth listed");
        }
    }
}
BENCHMARK(BM_OpenDialogToListPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

// Each iteration is one keystroke of "ramasi pune 19", the filter growing.
void BM_KeystrokeToListPainted(benchmark::State& state) {
    amsaview::Register births;
    if (!births.open(amsaview::bench::RegisterPath())) {
        state.SkipWithError("the register failed");
        return;
    }
    amsaview::bench::PaintWatch rowsPainted("lstBirthsRows");
    OpenBirthDialog dialog(SearchIn(births));
    dialog.show();
    WaitFor(rowsPainted);
    auto& search = *dialog.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    const QString typed = QStringLiteral("ramasi pune 19");
    qsizetype length = 0;
    for (auto _ : state) {
        length = length % typed.size() + 1;
        rowsPainted.reset();
        QElapsedTimer clock;
        clock.start();
        search.setText(typed.left(length));
        WaitFor(rowsPainted);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
}
BENCHMARK(BM_KeystrokeToListPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    amsaview::bench::RegisterPath();  // the births are made before any timing
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
