// Any command line, the arguments split at zero bytes: the parser answers
// with a form or one message, and a chart's JSON reads back as written.
#include <QJsonDocument>
#include <QStringList>
#include <algorithm>

#include "FuzzInput.h"
#include "cli/ChartJson.h"
#include "cli/ChartOptions.h"
#include "cli/ParseBirth.h"
#include "pipeline/ComputeChart.h"

namespace {

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
    using fuzz::Require;
    fuzz::FuzzInput input(data, size);
    const auto parsed = ParseChartOptions(ArgumentsFrom(input.Rest()));
    if (const auto* error = std::get_if<QString>(&parsed)) {
        Require(!error->isEmpty());
        return 0;
    }
    const auto* fields = std::get_if<BirthFields>(&parsed);
    if (!fields) {
        return 0;  // a batch or a birth file: files, not the command line
    }
    const auto form = ParseBirth(*fields);
    if (const auto* error = std::get_if<std::string>(&form)) {
        Require(!error->empty());
        return 0;
    }
    ChartResult result;
    if (const auto failure = ComputeChart(std::get<FormInput>(form), result)) {
        Require(!failure->message.empty());
        return 0;
    }
    std::string json;
    AppendChartJson(result, json);
    QJsonParseError error;
    const QJsonDocument readBack = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    Require(error.error == QJsonParseError::NoError && readBack.isObject());
    // Qt writes what it read back byte for byte as the tool did.
    Require(readBack.toJson(QJsonDocument::Indented) == QByteArray::fromStdString(json));
    return 0;
}
