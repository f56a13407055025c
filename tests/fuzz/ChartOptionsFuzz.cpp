// Any command line, the arguments split at zero bytes: the parser answers
// with a form or one message, and a chart's JSON reads back as written.
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

#include "FuzzInput.h"
#include "app/ChartJson.h"
#include "app/ChartOptions.h"
#include "pipeline/ComputeChart.h"

namespace {

void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

QStringList ArgumentsFrom(const std::string& bytes) {
    QStringList arguments{QStringLiteral("amsaview-chart")};
    std::size_t from = 0;
    while (from <= bytes.size()) {
        const std::size_t end = std::min(bytes.find('\0', from), bytes.size());
        arguments.append(
            QString::fromUtf8(bytes.data() + from, static_cast<qsizetype>(end - from)));
        from = end + 1;
    }
    return arguments;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace amsaview;
    fuzz::FuzzInput input(data, size);
    const auto parsed = ParseChartOptions(ArgumentsFrom(input.Rest()));
    if (const auto* error = std::get_if<QString>(&parsed)) {
        Require(!error->isEmpty());
        return 0;
    }
    ChartResult result;
    if (const auto failure = ComputeChart(std::get<FormInput>(parsed), result)) {
        Require(!failure->message.empty());
        return 0;
    }
    const QJsonObject json = ChartToJson(result);
    QJsonParseError error;
    const QJsonDocument readBack =
        QJsonDocument::fromJson(QJsonDocument(json).toJson(QJsonDocument::Indented), &error);
    Require(error.error == QJsonParseError::NoError && readBack.isObject() &&
            readBack.object() == json);
    return 0;
}
