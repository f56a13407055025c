#include "app/ExportOptions.h"

#include <array>
#include <cstring>

namespace amsaview {
namespace {

constexpr std::array<const char*, 5> kExportOptions = {"pdf", "svg", "png", "png-chart",
                                                       "png-width"};

QString* Target(ExportRequest& request, QLatin1String name, QString& width) {
    if (name == QLatin1String("pdf")) {
        return &request.pdf;
    }
    if (name == QLatin1String("svg")) {
        return &request.svg;
    }
    if (name == QLatin1String("png")) {
        return &request.png;
    }
    if (name == QLatin1String("png-chart")) {
        return &request.pngChart;
    }
    return &width;
}

}  // namespace

std::variant<ExportRequest, QString> TakeExportOptions(QStringList& arguments) {
    ExportRequest request;
    QString width;
    QStringList rest;
    bool pngDetail = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const char* matched = nullptr;
        QString value;
        bool hasValue = false;
        for (const char* name : kExportOptions) {
            const QString option = QStringLiteral("--") + QLatin1String(name);
            if (i > 0 && argument == option) {
                matched = name;
                hasValue = i + 1 < arguments.size();
                if (hasValue) {
                    value = arguments[++i];
                }
            } else if (i > 0 && argument.startsWith(option + QLatin1Char('='))) {
                matched = name;
                hasValue = true;
                value = argument.mid(option.size() + 1);
            }
        }
        if (matched == nullptr) {
            rest << argument;
            continue;
        }
        if (!hasValue || value.isEmpty()) {
            return QStringLiteral("--%1 needs a value").arg(QLatin1String(matched));
        }
        *Target(request, QLatin1String(matched), width) = value;
        pngDetail = pngDetail || std::strncmp(matched, "png-", 4) == 0;
    }
    if (!width.isEmpty()) {
        bool isNumber = false;
        request.pngWidth = width.toInt(&isNumber);
        if (!isNumber) {
            return QStringLiteral("--png-width must be a number of pixels");
        }
    }
    if (request.png.isEmpty() && pngDetail) {
        return QStringLiteral("--png-chart and --png-width need --png");
    }
    arguments = rest;
    return request;
}

bool NamesAnExport(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* name : {"--pdf", "--svg", "--png"}) {
            const std::size_t length = std::strlen(name);
            if (std::strncmp(argv[i], name, length) == 0 &&
                (argv[i][length] == '\0' || argv[i][length] == '=' || argv[i][length] == '-')) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace amsaview
