// The windows' speed and memory: from "Analyze The Divisional Charts" to the
// result window on the screen, from the program's start to the input form on
// the screen, and the program's resident memory after one chart. Without a
// display it runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <cstdio>
#include <memory>

#include "ExampleEntry.h"
#include "ui/shell/AppController.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/WebPages.h"

namespace {

class NoMessages final : public amsaview::MessageSink {
  public:
    void show(QWidget*, const QString&, amsaview::MessageIcon) override {}
    amsaview::Answer ask(QWidget*, const QString&, amsaview::Question) override {
        return amsaview::Answer::Discard;
    }
    int choose(QWidget*, const QString&, const QStringList&) override { return 1; }
};

class NoWebPages final : public amsaview::WebPageOpener {
  public:
    void open(const QUrl&) override {}
};

void WaitFor(const amsaview::bench::PaintWatch& watch) {
    while (!watch.painted()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// Each round starts from the form, as after Back: the result window is built,
// filled and painted anew.
void BM_AnalyzeToResultPainted(benchmark::State& state) {
    amsaview::AppController controller(std::make_unique<NoMessages>(),
                                       std::make_unique<NoWebPages>());
    amsaview::bench::PaintWatch resultPainted("frmDisplay");
    controller.start();
    QApplication::processEvents();
    QWidget& form = *amsaview::bench::ShownWindow("frmMain");
    amsaview::bench::EnterExampleBirth(form);
    auto& analyze = *form.findChild<QPushButton*>(QStringLiteral("cmdRashi"));

    for (auto _ : state) {
        resultPainted.reset();
        QElapsedTimer clock;
        clock.start();
        analyze.click();
        WaitFor(resultPainted);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);

        amsaview::bench::ShownWindow("MDI")
            ->findChild<QPushButton*>(QStringLiteral("cmdBack"))
            ->click();
        while (amsaview::bench::ShownWindow("MDI") != nullptr) {
            QApplication::processEvents();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
// One keystroke in the City box: the atlas's search, the offers' model and
// the completer's list, typed and taken back in turn.
void BM_CityKeystroke(benchmark::State& state) {
    amsaview::AppController controller(std::make_unique<NoMessages>(),
                                       std::make_unique<NoWebPages>());
    controller.start();
    QApplication::processEvents();
    QWidget& form = *amsaview::bench::ShownWindow("frmMain");
    auto& city = *form.findChild<QLineEdit*>(QStringLiteral("txtMCity"));
    city.setFocus();
    const auto type = [&city](int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&city, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(&city, &release);
    };
    for (const QChar c : QStringLiteral("chenna")) {
        type(Qt::Key_A + (c.unicode() - u'a'), c);
    }
    bool typing = true;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        if (typing) {
            type(Qt::Key_I, QStringLiteral("i"));
        } else {
            type(Qt::Key_Backspace, QString());
        }
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        typing = !typing;
    }
}
BENCHMARK(BM_CityKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK(BM_AnalyzeToResultPainted)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

QByteArray RunProbe(const QString& mode, double* seconds) {
    QProcess probe;
    QElapsedTimer clock;
    clock.start();
    probe.start(QStringLiteral(AMSAVIEW_START_PROBE), {mode});
    if (!probe.waitForReadyRead(30000)) {
        return {};
    }
    *seconds = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
    probe.waitForFinished(30000);
    return probe.readAllStandardOutput().trimmed();
}

// A fresh process each round, timed until it reports the form painted.
void BM_StartToFormPainted(benchmark::State& state) {
    for (auto _ : state) {
        double seconds = 0;
        if (RunProbe(QStringLiteral("start"), &seconds) != "painted") {
            state.SkipWithError("the probe did not paint the form");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_StartToFormPainted)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Resident memory of a fresh program that has shown one chart; the time is
// that of the whole run and of no interest.
void BM_ResidentMemoryAfterOneChart(benchmark::State& state) {
    double megabytes = 0;
    for (auto _ : state) {
        double seconds = 0;
        const QByteArray reply = RunProbe(QStringLiteral("compute"), &seconds);
        if (!reply.startsWith("rss ")) {
            state.SkipWithError("the probe did not show the chart");
            return;
        }
        megabytes = reply.mid(4).toDouble() / 1024.0;
    }
    state.counters["rss_MB"] = megabytes;
}
BENCHMARK(BM_ResidentMemoryAfterOneChart)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The offscreen platform remarks on every raise(); the benchmark's table is what counts.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietQt);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The saved births of a test location, never the user's own.
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
