#include "cli/ChartOptions.h"

#include <QCommandLineParser>
#include <QFile>
#include <optional>
#include <span>
#include <thread>
#include <utility>

#include "register/AafFile.h"
#include "register/BirthFile.h"

namespace amsaview {
namespace {

struct Option {
    const char* name;
    const char* description;
    const char* valueName;  // nullptr for a flag
};

constexpr Option kBirthOptions[] = {
    {"name", "Name of the person (required).", "TEXT"},
    {"date", "Local date of birth.", "YYYY-MM-DD"},
    {"time", "Local clock time of birth, to the second (:00 when left out).", "HH:MM[:SS]"},
    {"lon", "Longitude: degrees, E or W, minutes (77E12, 3W41).", "DDDEMM"},
    {"lat", "Latitude: degrees, N or S, minutes (28N36, 33S52).", "DDNMM"},
    {"zone", "Row 0..70 of the time-zone list (29 is Greenwich Mean Time).", "ROW"},
    {"dst", "Daylight saving time was in force.", nullptr},
    {"city", "City, shown only.", "TEXT"},
    {"state", "State, shown only.", "TEXT"},
    {"country", "Country, shown only.", "TEXT"},
    {"place",
     "Birthplace from the atlas (\"Chennai\" or \"Chennai, Tamil Nadu, India\"): its coordinates "
     "and the clock in force there on that date.",
     "TEXT"},
    {"tz", "IANA time zone (Asia/Kolkata): the clock in force there on that date.", "ZONE"},
    {"earlier", "A local time that happened twice: the first of the two moments.", nullptr},
    {"later", "A local time that happened twice: the second of the two moments.", nullptr},
};

constexpr Option kPlaceListOption = {
    "places", "List the atlas's places matching TEXT as JSON, best first.", "TEXT"};

constexpr Option kBatchOptions[] = {
    {"batch", "Chart every birth of FILE (- for standard input), one JSON line each.", "FILE"},
    {"format", "csv or jsonl; by default .jsonl and .ndjson files are JSON Lines, others CSV.",
     "FORMAT"},
    {"jobs", "Charts computed at once; by default one per processor core.", "N"},
    {"windows",
     "Add timeWindows to each line: how long each chart's Lagna and the Moon's pada hold.",
     nullptr},
};

constexpr Option kBirthFileOptions[] = {
    {"birth", "Take the birth from a birth file (.amsaview.json) or an AAF file (.aaf) instead.",
     "FILE"},
    {"index", "Which birth of the file, counted from 1 (the first when left out).", "N"},
};

constexpr Option kMethodOptions[] = {
    {"ephemeris", "Where the positions come from: builtin (the default) or swiss.", "SOURCE"},
    {"ayanamsa",
     "With --ephemeris swiss: lahiri (the default), lahiri-icrc, true-chitra, krishnamurti, "
     "raman, fagan-bradley or none.",
     "NAME"},
    {"node", "With --ephemeris swiss: Rahu as the mean (the default) or true node.", "mean|true"},
};

constexpr Option kDashaOptions[] = {
    {"dasha-year",
     "The year the dasha is counted in: gregorian (365.2425 days, the default), julian (365.25), "
     "sidereal (365.256364) or savana (360).",
     "YEAR"},
    {"dasha-levels",
     "How deep the dasha goes: 1 the mahadashas, 2 with their antardashas (the default), 3 with "
     "the pratyantardashas too.",
     "1|2|3"},
};

constexpr Option kExportOptions[] = {
    {"pdf", "Also write the printed pages as a PDF.", "FILE"},
    {"svg", "Also write the first printed page as an SVG drawing.", "FILE"},
    {"png", "Also write one chart as a PNG image.", "FILE"},
    {"png-chart", "With --png: Rashi (the default) or a divisional chart's name.", "CHART"},
    {"png-width", "With --png: the image's width in pixels (1200 when left out).", "PIXELS"},
    {"chart-style",
     "With --pdf, --svg or --png: the charts drawn south (the default), north or east Indian.",
     "south|north|east"},
};

constexpr unsigned kMostJobs = 256;

void AddOptions(QCommandLineParser& parser, const auto& options) {
    for (const Option& option : options) {
        parser.addOption(option.valueName ? QCommandLineOption(QLatin1String(option.name),
                                                               QLatin1String(option.description),
                                                               QLatin1String(option.valueName))
                                          : QCommandLineOption(QLatin1String(option.name),
                                                               QLatin1String(option.description)));
    }
}

ChartRequest Batch(const QCommandLineParser& parser) {
    for (const Option& option : kBirthOptions) {
        if (parser.isSet(QLatin1String(option.name))) {
            return QStringLiteral("--%1 cannot be used with --batch: the births come from the file")
                .arg(QLatin1String(option.name));
        }
    }
    BatchSettings settings;
    const QString path = parser.value(QStringLiteral("batch"));
    settings.path = QFile::encodeName(path).toStdString();
    const QString format =
        parser.isSet(QStringLiteral("format")) ? parser.value(QStringLiteral("format"))
        : path.endsWith(QLatin1String(".jsonl")) || path.endsWith(QLatin1String(".ndjson"))
            ? QStringLiteral("jsonl")
            : QStringLiteral("csv");
    if (format == QLatin1String("jsonl")) {
        settings.format = BatchFormat::JsonLines;
    } else if (format != QLatin1String("csv")) {
        return QStringLiteral("--format must be csv or jsonl");
    }
    settings.jobs = std::max(1U, std::thread::hardware_concurrency());
    if (parser.isSet(QStringLiteral("jobs"))) {
        const QString jobs = parser.value(QStringLiteral("jobs"));
        bool isNumber = false;
        const uint count = jobs.toUInt(&isNumber);
        const bool digitsOnly =
            std::all_of(jobs.begin(), jobs.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!isNumber || !digitsOnly || count < 1 || count > kMostJobs) {
            return QStringLiteral("--jobs must be a number from 1 to %1").arg(kMostJobs);
        }
        settings.jobs = count;
    }
    settings.windows = parser.isSet(QStringLiteral("windows"));
    return settings;
}

// Which of `count` births --index names, counted from 1; the first without it.
RegisterResult<std::size_t> ChosenIndex(const QCommandLineParser& parser, qsizetype count) {
    qsizetype index = 1;
    if (parser.isSet(QStringLiteral("index"))) {
        bool isNumber = false;
        index = parser.value(QStringLiteral("index")).toLongLong(&isNumber);
        if (!isNumber || index < 1 || index > count) {
            return RegisterError{
                QStringLiteral("--index must be a number from 1 to %1").arg(count)};
        }
    }
    return static_cast<std::size_t>(index - 1);
}

// --index counts every record of an AAF file, so that it names the same
// record whether or not others can be read.
ChartRequest FromAafFile(const QCommandLineParser& parser, const QString& path) {
    const auto records = ReadAafFile(path);
    if (!records) {
        return records.error();
    }
    const auto count = static_cast<qsizetype>(records.value().size());
    if (count == 0) {
        return QStringLiteral("%1 holds no births").arg(path);
    }
    const auto index = ChosenIndex(parser, count);
    if (!index) {
        return index.error();
    }
    const AafRecord& record = records.value()[index.value()];
    if (const auto* fault = std::get_if<AafFault>(&record)) {
        return QStringLiteral("%1: %2").arg(path, AafFaultText(*fault));
    }
    return std::get<SavedBirth>(record).form;
}

// The form a birth file kept; the file stands for every option of the form.
ChartRequest FromBirthFile(const QCommandLineParser& parser) {
    for (const auto& options :
         {std::span<const Option>(kBirthOptions), std::span<const Option>(kBatchOptions)}) {
        for (const Option& option : options) {
            if (parser.isSet(QLatin1String(option.name))) {
                return QStringLiteral("--birth cannot be combined with --%1")
                    .arg(QLatin1String(option.name));
            }
        }
    }
    const QString path = parser.value(QStringLiteral("birth"));
    if (IsAafPath(path)) {
        return FromAafFile(parser, path);
    }
    const auto births = ReadBirthFile(path);
    if (!births) {
        return births.error();
    }
    const auto count = static_cast<qsizetype>(births.value().size());
    if (count == 0) {
        return QStringLiteral("%1 holds no births").arg(path);
    }
    const auto index = ChosenIndex(parser, count);
    if (!index) {
        return index.error();
    }
    return births.value()[index.value()].form;
}

template <typename Value, std::size_t N>
QString Choices(const std::array<Value, N>& values) {
    QStringList keys;
    for (const Value value : values) {
        keys << QString::fromUtf8(CommandLineKey(value));
    }
    return keys.join(QStringLiteral(", "));
}

// Reads one method option into `target`; the line saying what is wrong otherwise.
template <typename Value, std::size_t N>
std::optional<QString> ReadMethodOption(const QCommandLineParser& parser, const char* name,
                                        std::optional<Value> (*fromKey)(std::string_view),
                                        const std::array<Value, N>& values, Value& target) {
    if (!parser.isSet(QLatin1String(name))) {
        return std::nullopt;
    }
    const std::string key = parser.value(QLatin1String(name)).toStdString();
    if (const auto value = fromKey(key)) {
        target = *value;
        return std::nullopt;
    }
    return QStringLiteral("--%1 must be one of %2").arg(QLatin1String(name), Choices(values));
}

// The built-in method has no ayanamsa or node to choose: refused rather than
// ignored, so that nobody reads a built-in chart as a Swiss Ephemeris one.
std::optional<QString> ReadMethod(const QCommandLineParser& parser, EphemerisSettings& method) {
    if (auto error = ReadMethodOption(parser, "ephemeris", EphemerisKindFromKey, kEphemerisKinds,
                                      method.kind)) {
        return error;
    }
    if (auto error = ReadMethodOption(parser, "ayanamsa", AyanamsaModeFromKey, kAyanamsaModes,
                                      method.ayanamsa)) {
        return error;
    }
    if (auto error = ReadMethodOption(parser, "node", LunarNodeFromKey, kLunarNodes, method.node)) {
        return error;
    }
    if (method.kind == EphemerisKind::BuiltIn) {
        for (const char* swissOnly : {"ayanamsa", "node"}) {
            if (parser.isSet(QLatin1String(swissOnly))) {
                return QStringLiteral("--%1 needs --ephemeris swiss").arg(QLatin1String(swissOnly));
            }
        }
    }
    return std::nullopt;
}

std::optional<QString> ReadDasha(const QCommandLineParser& parser, DashaOptions& dasha) {
    if (parser.isSet(QStringLiteral("dasha-year"))) {
        const auto year = ParseDashaYear(parser.value(QStringLiteral("dasha-year")).toStdString());
        if (!year) {
            QStringList names;
            for (const DashaYearChoice& choice : kDashaYearChoices) {
                names << QString::fromUtf8(choice.name.data(),
                                           static_cast<qsizetype>(choice.name.size()));
            }
            return QStringLiteral("--dasha-year must be one of %1")
                .arg(names.join(QStringLiteral(", ")));
        }
        dasha.year = *year;
    }
    if (parser.isSet(QStringLiteral("dasha-levels"))) {
        const QString levels = parser.value(QStringLiteral("dasha-levels"));
        if (levels.size() != 1 || levels[0] < u'1' || levels[0] > u'3') {
            return QStringLiteral("--dasha-levels must be 1, 2 or 3");
        }
        dasha.levels = levels[0].unicode() - u'0';
    }
    return std::nullopt;
}

// The files to write besides the JSON; the chart's name and the width's range
// are the drawing's to judge.
std::optional<QString> ReadExports(const QCommandLineParser& parser, ExportRequest& exports) {
    for (auto [name, target] : {std::pair{"pdf", &exports.pdf}, std::pair{"svg", &exports.svg},
                                std::pair{"png", &exports.png}}) {
        if (parser.isSet(QLatin1String(name))) {
            *target = parser.value(QLatin1String(name));
            if (target->isEmpty()) {
                return QStringLiteral("--%1 needs a file name").arg(QLatin1String(name));
            }
        }
    }
    if (parser.isSet(QStringLiteral("chart-style"))) {
        if (!exports.any()) {
            return QStringLiteral("--chart-style needs --pdf, --svg or --png");
        }
        exports.chartStyle = parser.value(QStringLiteral("chart-style"));
    }
    const bool chart = parser.isSet(QStringLiteral("png-chart"));
    const bool width = parser.isSet(QStringLiteral("png-width"));
    if ((chart || width) && exports.png.isEmpty()) {
        return QStringLiteral("--png-chart and --png-width need --png");
    }
    if (chart) {
        exports.pngChart = parser.value(QStringLiteral("png-chart"));
    }
    if (width) {
        bool isNumber = false;
        exports.pngWidth = parser.value(QStringLiteral("png-width")).toInt(&isNumber);
        if (!isNumber) {
            return QStringLiteral("--png-width must be a number of pixels");
        }
    }
    return std::nullopt;
}

}  // namespace

ChartRequest ParseChartOptions(const QStringList& arguments) {
    EphemerisSettings ignoredMethod;
    ExportRequest ignoredExports;
    DashaOptions ignoredDasha;
    return ParseChartOptions(arguments, ignoredMethod, ignoredExports, ignoredDasha);
}

ChartRequest ParseChartOptions(const QStringList& arguments, EphemerisSettings& method,
                               ExportRequest& exports, DashaOptions& dasha) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Computes one birth chart and prints it as JSON, or one chart per line "
                       "for a file of births."));
    AddOptions(parser, kBirthOptions);
    AddOptions(parser, kBatchOptions);
    AddOptions(parser, kBirthFileOptions);
    AddOptions(parser, kMethodOptions);
    AddOptions(parser, kDashaOptions);
    AddOptions(parser, std::span(&kPlaceListOption, 1));
    AddOptions(parser, kExportOptions);
    parser.addHelpOption();
    if (!parser.parse(arguments)) {
        return parser.errorText();
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        return ChartHelp{parser.helpText()};
    }
    if (auto error = ReadMethod(parser, method)) {
        return *error;
    }
    if (auto error = ReadDasha(parser, dasha)) {
        return *error;
    }
    if (auto error = ReadExports(parser, exports)) {
        return *error;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
    }
    for (const char* oneChartOnly : {"places", "batch"}) {
        if (exports.any() && parser.isSet(QLatin1String(oneChartOnly))) {
            return QStringLiteral("--pdf, --svg and --png chart one birth, not --%1")
                .arg(QLatin1String(oneChartOnly));
        }
    }
    if (parser.isSet(QStringLiteral("places"))) {
        return PlaceListRequest{parser.value(QStringLiteral("places")).toStdString()};
    }
    if (parser.isSet(QStringLiteral("birth"))) {
        return FromBirthFile(parser);
    }
    if (parser.isSet(QStringLiteral("index"))) {
        return QStringLiteral("--index needs --birth");
    }
    if (parser.isSet(QStringLiteral("batch"))) {
        return Batch(parser);
    }
    for (const char* batchOnly : {"format", "jobs", "windows"}) {
        if (parser.isSet(QLatin1String(batchOnly))) {
            return QStringLiteral("--%1 needs --batch").arg(QLatin1String(batchOnly));
        }
    }
    BirthFields fields;
    for (const Option& option : kBirthOptions) {
        const QString name = QLatin1String(option.name);
        if (parser.isSet(name)) {
            fields[*BirthFieldNamed(option.name)] =
                option.valueName ? parser.value(name).toStdString() : std::string("1");
        }
    }
    return fields;
}

}  // namespace amsaview
