// amsaview-chart: computes one birth chart without a window and prints it as
// one JSON object. Bad input gets one line on standard error and status 2.
#include <QCoreApplication>
#include <QJsonDocument>
#include <cstdio>

#include "app/ChartJson.h"
#include "app/ChartOptions.h"
#include "pipeline/ComputeChart.h"

namespace {

constexpr int kBadInput = 2;

int Fail(const QString& message) {
    std::fprintf(stderr, "amsaview-chart: %s\n", message.toLocal8Bit().constData());
    return kBadInput;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("amsaview-chart"));

    const auto parsed = amsaview::ParseChartOptions(QCoreApplication::arguments());
    if (const auto* error = std::get_if<QString>(&parsed)) {
        return Fail(*error);
    }
    amsaview::ChartResult result;
    if (const auto failure =
            amsaview::ComputeChart(std::get<amsaview::FormInput>(parsed), result)) {
        return Fail(QString::fromStdString(failure->message));
    }
    const QByteArray json =
        QJsonDocument(amsaview::ChartToJson(result)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return 0;
}
