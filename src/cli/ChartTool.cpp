// amsaview-chart: computes one birth chart without a window and prints it as
// one JSON object, or charts a file of births, one JSON line each. Bad input
// gets one line on standard error and status 2; lost output, status 1.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "cli/BatchRun.h"
#include "cli/ChartJson.h"
#include "cli/ChartOptions.h"
#include "cli/ClockFields.h"
#include "cli/ExportOptions.h"
#include "cli/ParseBirth.h"
#include "export/ChartExport.h"
#include "pipeline/ComputeChart.h"

namespace {

constexpr int kLostOutput = 1;
constexpr int kBadInput = 2;
constexpr int kSomeRowsFailed = 3;

// Echoed text may hold line breaks or other control characters; escaped,
// every message stays one line.
QString OneLine(const QString& message) {
    QString line;
    for (const QChar c : message) {
        const char16_t u = c.unicode();
        if (u == u'\n') {
            line += QLatin1String("\\n");
        } else if (u == u'\r') {
            line += QLatin1String("\\r");
        } else if (u == u'\t') {
            line += QLatin1String("\\t");
        } else if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029) {
            line += QStringLiteral("\\u%1").arg(static_cast<uint>(u), 4, 16, QLatin1Char('0'));
        } else {
            line += c;
        }
    }
    return line;
}

void Report(const QString& message) {
    std::fprintf(stderr, "amsaview-chart: %s\n", OneLine(message).toLocal8Bit().constData());
}

int Fail(const QString& message) {
    Report(message);
    return kBadInput;
}

int LostOutput(const char* reason) {
    Report(
        QStringLiteral("the output could not be written: %1").arg(QString::fromLocal8Bit(reason)));
    return kLostOutput;
}

int WriteOut(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        return LostOutput(std::strerror(errno));
    }
    return 0;
}

// What --png-chart takes: the first word of each chart's title.
QStringList ChartNames() {
    QStringList names;
    for (const amsaview::ChartDrawing& chart : amsaview::ChartDrawings({})) {
        names << chart.title.section(QLatin1Char(' '), 0, 0);
    }
    return names;
}

// Where the chart a --png-chart name names stands among ChartDrawings.
std::optional<std::size_t> NamedChart(const QString& name) {
    const QStringList names = ChartNames();
    for (qsizetype chart = 0; chart < names.size(); ++chart) {
        if (names[chart].compare(name, Qt::CaseInsensitive) == 0) {
            return static_cast<std::size_t>(chart);
        }
    }
    return std::nullopt;
}

QString UnknownChart() {
    return QStringLiteral("--png-chart must be one of %1")
        .arg(ChartNames().join(QStringLiteral(", ")));
}

amsaview::ChartLook LookOf(const amsaview::ExportRequest& request) {
    return {amsaview::StyleFromKey(request.chartStyle.toStdString())
                .value_or(amsaview::ChartStyle::South),
            false};
}

// The files asked for, each whole or not at all; the first failure ends the run.
int WriteExports(const amsaview::ExportRequest& request, const amsaview::ChartResult& result) {
    using amsaview::ExportFailure;
    ExportFailure failure;
    if (!request.pdf.isEmpty()) {
        failure = amsaview::ExportPdf(request.pdf, result, LookOf(request));
    }
    if (!failure && !request.svg.isEmpty()) {
        failure = amsaview::ExportSvg(request.svg, result, LookOf(request));
    }
    if (!failure && !request.png.isEmpty()) {
        const auto chart = NamedChart(request.pngChart);
        if (!chart) {
            return Fail(UnknownChart());
        }
        failure = amsaview::ExportPng(request.png,
                                      amsaview::ChartDrawings(result, LookOf(request))[*chart],
                                      request.pngWidth);
    }
    if (failure) {
        Report(*failure);
        return kLostOutput;
    }
    return 0;
}

// The chart an export option names, or the line that says it names none.
QString CheckExportRequest(const amsaview::ExportRequest& request) {
    if (request.pngWidth < amsaview::kSmallestImageWidth ||
        request.pngWidth > amsaview::kLargestImageWidth) {
        return QStringLiteral("--png-width must be a number from %1 to %2")
            .arg(amsaview::kSmallestImageWidth)
            .arg(amsaview::kLargestImageWidth);
    }
    if (!amsaview::StyleFromKey(request.chartStyle.toStdString())) {
        return QStringLiteral("--chart-style must be south, north or east");
    }
    return NamedChart(request.pngChart) ? QString() : UnknownChart();
}

int ChartForm(const amsaview::FormInput& form, const amsaview::EphemerisSettings& method,
              const amsaview::DashaOptions& dasha, const amsaview::ExportRequest& exports) {
    amsaview::ChartResult result;
    if (const auto failure = amsaview::ComputeChart(form, method, result,
                                                    amsaview::CalculationOptions{dasha.year})) {
        return Fail(QString::fromStdString(failure->message));
    }
    if (exports.any()) {
        if (const int status = WriteExports(exports, result); status != 0) {
            return status;
        }
    }
    amsaview::BirthTimes times;
    try {
        const auto source = amsaview::MakePositionSource(method);
        times = amsaview::ComputeBirthTimes(result, *source, true);
    } catch (const std::runtime_error& error) {
        return Fail(QString::fromStdString(error.what()));
    }
    std::string json;
    amsaview::AppendChartJson(result, json, &times, dasha.levels);
    return WriteOut(json);
}

int PrintHelp(const amsaview::ChartHelp& help) {
    const QByteArray text = help.text.toLocal8Bit();
    return WriteOut({text.constData(), static_cast<std::size_t>(text.size())});
}

int ListPlaces(const amsaview::PlaceListRequest& request) {
    return WriteOut(amsaview::PlaceCandidatesJson(request.typed));
}

int ChartOne(const amsaview::BirthFields& fields, const amsaview::EphemerisSettings& method,
             const amsaview::DashaOptions& dasha, const amsaview::ExportRequest& exports) {
    const auto form = amsaview::ParseBirth(fields);
    if (const auto* error = std::get_if<std::string>(&form)) {
        return Fail(QString::fromStdString(*error));
    }
    return ChartForm(std::get<amsaview::FormInput>(form), method, dasha, exports);
}

// Rows done, rate and time left on one line rewritten in place, a few times a
// second, when standard error is a terminal.
class ProgressLine {
  public:
    explicit ProgressLine(long long inputSize)
        : shown_(isatty(STDERR_FILENO) == 1), inputSize_(inputSize) {}

    void Update(long rows, long long bytesRead) {
        const auto now = Clock::now();
        if (!shown_ || now - lastShown_ < std::chrono::milliseconds(250)) {
            return;
        }
        lastShown_ = now;
        const double seconds = Seconds();
        std::fprintf(stderr, "\ramsaview-chart: %ld rows, %.0f charts/s", rows,
                     static_cast<double>(rows) / seconds);
        if (inputSize_ > 0 && bytesRead > 0) {
            const double left = seconds * static_cast<double>(inputSize_ - bytesRead) /
                                static_cast<double>(bytesRead);
            std::fprintf(stderr, ", about %.0f s left", std::max(0.0, left));
        }
        std::fputs("\033[K", stderr);
    }

    void Clear() const {
        if (shown_) {
            std::fputs("\r\033[K", stderr);
        }
    }

    double Seconds() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }

  private:
    using Clock = std::chrono::steady_clock;
    bool shown_;
    long long inputSize_;  // 0 when unknown, as for a pipe
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_ = start_;
};

int ChartMany(const amsaview::BatchSettings& settings, const amsaview::EphemerisSettings& method,
              const amsaview::DashaOptions& dasha) {
    std::unique_ptr<amsaview::PositionSource> source;
    try {
        source = amsaview::MakePositionSource(method);
    } catch (const std::runtime_error& error) {
        return Fail(QString::fromStdString(error.what()));
    }
    const bool fromStdin = settings.path == "-";
    std::FILE* input = fromStdin ? stdin : std::fopen(settings.path.c_str(), "rb");
    const QString inputName =
        fromStdin ? QStringLiteral("standard input") : QFile::decodeName(settings.path.c_str());
    if (!input) {
        return Fail(QStringLiteral("cannot open %1: %2")
                        .arg(inputName, QString::fromLocal8Bit(std::strerror(errno))));
    }
    struct stat status {};
    const long long inputSize =
        fstat(fileno(input), &status) == 0 && S_ISREG(status.st_mode) ? status.st_size : 0;
    ProgressLine progress(inputSize);
    const auto reader = amsaview::OpenBirthReader(input, settings.format);
    amsaview::BatchOutcome outcome;
    if (reader->inputError().empty()) {
        outcome = amsaview::RunBatch(
            *reader, *source, stdout, settings.jobs,
            [&progress](long rows, long long bytesRead) { progress.Update(rows, bytesRead); },
            settings.windows, dasha);
    } else {
        outcome.inputError = reader->inputError();
    }
    if (!fromStdin) {
        std::fclose(input);
    }
    progress.Clear();
    std::fprintf(stderr, "amsaview-chart: %ld rows, %ld charted, %ld failed, %.2f s\n",
                 outcome.rows, outcome.charted, outcome.failed, progress.Seconds());
    if (!outcome.outputError.empty()) {
        return LostOutput(outcome.outputError.c_str());
    }
    if (!outcome.inputError.empty()) {
        return Fail(
            QStringLiteral("%1: %2").arg(inputName, QString::fromStdString(outcome.inputError)));
    }
    return outcome.failed > 0 ? kSomeRowsFailed : 0;
}

// Qt's notes about the session it runs in are no concern of a command-line
// tool, whose standard error carries its own one-line messages.
void OnlyQtFailures(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        Report(message);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // A reader that went away (`| head`) is lost output, said as such, not a
    // silent death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    // A closed standard output would hand its number to the next file opened;
    // hold it with a read-only descriptor so that writing fails and says so.
    if (fcntl(STDOUT_FILENO, F_GETFD) == -1) {
        static_cast<void>(open("/dev/null", O_RDONLY));
    }
    // Drawing a page needs fonts and so a GUI application, which needs no
    // screen offscreen; the JSON alone keeps the light start.
    std::unique_ptr<QCoreApplication> app;
    if (amsaview::NamesAnExport(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qInstallMessageHandler(OnlyQtFailures);
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("amsaview-chart"));

    amsaview::EphemerisSettings method;
    amsaview::ExportRequest exports;
    amsaview::DashaOptions dasha;
    const auto parsed =
        amsaview::ParseChartOptions(QCoreApplication::arguments(), method, exports, dasha);
    if (const auto* error = std::get_if<QString>(&parsed)) {
        return Fail(*error);
    }
    if (const auto* help = std::get_if<amsaview::ChartHelp>(&parsed)) {
        return PrintHelp(*help);
    }
    if (exports.any()) {
        if (const QString problem = CheckExportRequest(exports); !problem.isEmpty()) {
            return Fail(problem);
        }
    }
    if (const auto* batch = std::get_if<amsaview::BatchSettings>(&parsed)) {
        return ChartMany(*batch, method, dasha);
    }
    if (const auto* places = std::get_if<amsaview::PlaceListRequest>(&parsed)) {
        return ListPlaces(*places);
    }
    if (const auto* kept = std::get_if<amsaview::FormInput>(&parsed)) {
        return ChartForm(*kept, method, dasha, exports);
    }
    return ChartOne(std::get<amsaview::BirthFields>(parsed), method, dasha, exports);
}
