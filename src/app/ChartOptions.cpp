#include "app/ChartOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <span>

#include "input/TimeZoneTable.h"
#include "register/BirthFile.h"

namespace amsaview {
namespace {

struct Option {
    const char* name;
    const char* description;
    const char* valueName;  // nullptr for a flag
};

constexpr Option kOptions[] = {
    {"name", "Name of the person (required).", "TEXT"},
    {"date", "Local date of birth.", "YYYY-MM-DD"},
    {"time", "Local clock time of birth; seconds are accepted and ignored.", "HH:MM[:SS]"},
    {"lon", "Longitude: degrees, E or W, minutes (77E12, 3W41).", "DDDEMM"},
    {"lat", "Latitude: degrees, N or S, minutes (28N36, 33S52).", "DDNMM"},
    {"zone", "Row 0..70 of the time-zone list (29 is Greenwich Mean Time).", "ROW"},
    {"dst", "Daylight saving time was in force.", nullptr},
    {"city", "City, shown only.", "TEXT"},
    {"state", "State, shown only.", "TEXT"},
    {"country", "Country, shown only.", "TEXT"},
};

constexpr Option kBirthFileOptions[] = {
    {"birth", "Take the birth from a birth file (.amsaview.json) instead.", "FILE"},
    {"index", "Which birth of the file, counted from 1 (the first when left out).", "N"},
};

constexpr const char* kRequired[] = {"name", "date", "time", "lon", "lat"};

QString Malformed(const char* option, const char* expected) {
    return QStringLiteral("--%1 must be %2").arg(QLatin1String(option), QLatin1String(expected));
}

// The form filters the name as it is typed: letters and blanks only, in capitals.
std::variant<std::string, QString> FilteredName(const QString& name) {
    QString capitals;
    for (const QChar c : name) {
        if (c != u' ' && !(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z')) {
            return QStringLiteral("Please Enter only Letters");
        }
        capitals += c.toUpper();
    }
    return capitals.toStdString();
}

std::optional<QString> ParseDate(const QString& text, FormInput& form) {
    static const QRegularExpression kDate(QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})$)"));
    const auto match = kDate.match(text);
    const int month = match.captured(2).toInt();
    const int day = match.captured(3).toInt();
    if (!match.hasMatch() || month < 1 || month > 12 || day < 1 || day > 31) {
        return Malformed("date", "a date YYYY-MM-DD");
    }
    const int year = match.captured(1).toInt();
    if (year < kFirstYear || year > kLastYear) {
        return QStringLiteral("--date must have a year from %1 to %2")
            .arg(kFirstYear)
            .arg(kLastYear);
    }
    form.monthRow = month - 1;
    form.dayRow = day - 1;
    form.yearRow = year - kFirstYear;
    return std::nullopt;
}

std::optional<QString> ParseTime(const QString& text, FormInput& form) {
    static const QRegularExpression kTime(QStringLiteral(R"(^(\d{1,2}):(\d{2})(?::(\d{2}))?$)"));
    const auto match = kTime.match(text);
    const int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const int second = match.captured(3).toInt();
    if (!match.hasMatch() || hour > 23 || minute > 59 || second > 59) {
        return Malformed("time", "a time HH:MM or HH:MM:SS");
    }
    form.hourRow = hour;
    form.minuteRow = minute;
    form.secondRow = second;
    return std::nullopt;
}

// Degrees and minutes stay texts: the form's own checks judge their ranges.
std::optional<QString> ParseCoordinate(const QString& text, const char* option, QChar positive,
                                       QChar negative, std::string& degrees, std::string& minutes,
                                       bool& isNegative) {
    const QRegularExpression pattern(
        QStringLiteral(R"(^(\d+)([%1%2])(\d+)$)").arg(positive).arg(negative));
    const auto match = pattern.match(text);
    if (!match.hasMatch()) {
        return QStringLiteral("--%1 must be degrees, %2 or %3, then minutes")
            .arg(QLatin1String(option))
            .arg(positive)
            .arg(negative);
    }
    degrees = match.captured(1).toStdString();
    minutes = match.captured(3).toStdString();
    isNegative = match.captured(2) == negative;
    return std::nullopt;
}

// The form a birth file kept; the file stands for every option of the form.
std::variant<FormInput, QString> FormFromBirthFile(const QCommandLineParser& parser) {
    for (const Option& option : kOptions) {
        if (parser.isSet(QLatin1String(option.name))) {
            return QStringLiteral("--birth cannot be combined with --%1")
                .arg(QLatin1String(option.name));
        }
    }
    const auto births = ReadBirthFile(parser.value(QStringLiteral("birth")));
    if (!births) {
        return births.error();
    }
    const qsizetype count = static_cast<qsizetype>(births.value().size());
    if (count == 0) {
        return QStringLiteral("%1 holds no births").arg(parser.value(QStringLiteral("birth")));
    }
    qsizetype index = 1;
    if (parser.isSet(QStringLiteral("index"))) {
        bool isNumber = false;
        index = parser.value(QStringLiteral("index")).toLongLong(&isNumber);
        if (!isNumber || index < 1 || index > count) {
            return QStringLiteral("--index must be a number from 1 to %1").arg(count);
        }
    }
    return births.value()[static_cast<std::size_t>(index - 1)].form;
}

}  // namespace

std::variant<FormInput, QString> ParseChartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Computes one birth chart and prints it as JSON."));
    for (const auto& options :
         {std::span<const Option>(kOptions), std::span<const Option>(kBirthFileOptions)}) {
        for (const Option& option : options) {
            parser.addOption(option.valueName
                                 ? QCommandLineOption(QLatin1String(option.name),
                                                      QLatin1String(option.description),
                                                      QLatin1String(option.valueName))
                                 : QCommandLineOption(QLatin1String(option.name),
                                                      QLatin1String(option.description)));
        }
    }
    if (!parser.parse(arguments)) {
        return parser.errorText();
    }
    if (!parser.positionalArguments().isEmpty()) {
        return QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
    }
    if (parser.isSet(QStringLiteral("birth"))) {
        return FormFromBirthFile(parser);
    }
    if (parser.isSet(QStringLiteral("index"))) {
        return QStringLiteral("--index needs --birth");
    }
    for (const char* required : kRequired) {
        if (!parser.isSet(QLatin1String(required))) {
            return QStringLiteral("Missing option --%1").arg(QLatin1String(required));
        }
    }

    FormInput form;
    const auto name = FilteredName(parser.value(QStringLiteral("name")));
    if (const auto* error = std::get_if<QString>(&name)) {
        return *error;
    }
    form.name = std::get<std::string>(name);
    bool west = false;
    std::optional<QString> error = ParseDate(parser.value(QStringLiteral("date")), form);
    if (!error) {
        error = ParseTime(parser.value(QStringLiteral("time")), form);
    }
    if (!error) {
        error = ParseCoordinate(parser.value(QStringLiteral("lon")), "lon", u'E', u'W',
                                form.lonDegrees, form.lonMinutes, west);
    }
    if (!error) {
        error = ParseCoordinate(parser.value(QStringLiteral("lat")), "lat", u'N', u'S',
                                form.latDegrees, form.latMinutes, form.south);
    }
    if (error) {
        return *error;
    }
    form.east = !west;

    if (parser.isSet(QStringLiteral("zone"))) {
        bool isNumber = false;
        const int row = parser.value(QStringLiteral("zone")).toInt(&isNumber);
        if (!isNumber || row < 0 || row >= kTimeZoneCount) {
            return QStringLiteral("--zone must be a row from 0 to %1").arg(kTimeZoneCount - 1);
        }
        form.zoneRow = row;
    }
    form.dst = parser.isSet(QStringLiteral("dst"));
    form.city = parser.value(QStringLiteral("city")).toStdString();
    form.state = parser.value(QStringLiteral("state")).toStdString();
    form.country = parser.value(QStringLiteral("country")).toStdString();
    return form;
}

}  // namespace amsaview
