#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "cli/ChartOptions.h"
#include "cli/ParseBirth.h"
#include "register/BirthFile.h"

namespace amsaview {
namespace {

// The command line through the same path the tool takes: options, then fields.
std::variant<FormInput, std::string> Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("amsaview-chart"));
    const auto parsed = ParseChartOptions(arguments);
    if (const auto* error = std::get_if<QString>(&parsed)) {
        return error->toStdString();
    }
    if (const auto* kept = std::get_if<FormInput>(&parsed)) {
        return *kept;
    }
    return ParseBirth(std::get<BirthFields>(parsed));
}

QStringList Complete() {
    return {"--name", "ram kumar", "--date", "1975-03-07", "--time", "09:05:30", "--lon", "77E12",
            "--lat",  "33S52",     "--zone", "34",         "--dst",  "--city",   "Pune"};
}

TEST(ParseChartOptions, FillsTheFormAsTheWindowWould) {
    const auto parsed = Parse(Complete());
    ASSERT_TRUE(std::holds_alternative<FormInput>(parsed)) << std::get<std::string>(parsed);
    const FormInput& form = std::get<FormInput>(parsed);
    EXPECT_EQ(form.name, "RAM KUMAR");  // the name box types capitals
    EXPECT_EQ(form.yearRow, 1975 - kFirstYear);
    EXPECT_EQ(form.monthRow, 2);
    EXPECT_EQ(form.dayRow, 6);
    EXPECT_EQ(form.hourRow, 9);
    EXPECT_EQ(form.minuteRow, 5);
    EXPECT_EQ(form.secondRow, 30);
    EXPECT_EQ(form.lonDegrees, "77");
    EXPECT_EQ(form.lonMinutes, "12");
    EXPECT_TRUE(form.east);
    EXPECT_EQ(form.latDegrees, "33");
    EXPECT_EQ(form.latMinutes, "52");
    EXPECT_TRUE(form.south);
    EXPECT_EQ(form.zoneRow, 34);
    EXPECT_TRUE(form.dst);
    EXPECT_EQ(form.city, "Pune");
    EXPECT_EQ(form.state, "");
}

TEST(ParseChartOptions, NamesOfAnyScriptAreWrittenInCapitals) {
    QStringList arguments = Complete();
    arguments[1] = QString::fromUtf8("ren\u00e9e d\u2019souza-ng.");
    const auto parsed = Parse(arguments);
    ASSERT_TRUE(std::holds_alternative<FormInput>(parsed)) << std::get<std::string>(parsed);
    EXPECT_EQ(std::get<FormInput>(parsed).name,
              "REN\xC3\x89"
              "E D\xE2\x80\x99SOUZA-NG.");
}

TEST(ParseChartOptions, WestNorthAndTheDefaultZone) {
    QStringList arguments = {"--name", "A",     "--date", "2000-01-01", "--time",
                             "0:00",   "--lon", "3W41",   "--lat",      "40N25"};
    const auto parsed = Parse(arguments);
    ASSERT_TRUE(std::holds_alternative<FormInput>(parsed));
    const FormInput& form = std::get<FormInput>(parsed);
    EXPECT_FALSE(form.east);
    EXPECT_FALSE(form.south);
    EXPECT_EQ(form.zoneRow, 29);
    EXPECT_FALSE(form.dst);
}

TEST(ParseChartOptions, RefusesWhatTheFormCouldNotHold) {
    struct Case {
        const char* option;
        const char* value;  // nullptr: leave the option out
        const char* expectedStart;
    };
    constexpr Case kCases[] = {
        {"--name", nullptr, "Missing option --name"},
        {"--date", nullptr, "Missing option --date"},
        {"--name", "R2D2", "Please Enter only Letters"},
        {"--name", "J\xC3\xA9r\xC3\xB4me 2", "Please Enter only Letters"},
        {"--name", "J\xC3\xA9r\xC3\xB4me\xFF", "Please Enter only Letters"},
        {"--date", "2000-1-01", "--date must be"},
        {"--date", "2000-13-01", "--date must be"},
        {"--date", "2000-02-32", "--date must be"},
        {"--date", "2000-01-01\n", "--date must be"},  // a pattern's $ lets this through
        {"--date", " 2000-01-01", "--date must be"},
        {"--date", "1900-12-31", "--date must have a year from 1901 to 2050"},
        {"--date", "2051-01-01", "--date must have a year from 1901 to 2050"},
        {"--time", "24:00", "--time must be"},
        {"--time", "12:60", "--time must be"},
        {"--time", "12:00:60", "--time must be"},
        {"--time", "12:00:", "--time must be"},
        {"--time", "12:00\n", "--time must be"},
        {"--time", "123:00", "--time must be"},
        {"--time", "noon", "--time must be"},
        {"--lon", "77N12", "--lon must be degrees, E or W, then minutes"},
        {"--lon", "-77E12", "--lon must be"},
        {"--lon", "77E12\n", "--lon must be"},
        {"--lon", "77E", "--lon must be"},
        {"--lat", "28E36", "--lat must be degrees, N or S, then minutes"},
        {"--zone", "71", "--zone must be a row from 0 to 70"},
        {"--zone", "-1", "--zone must be a row from 0 to 70"},
        {"--zone", "GMT", "--zone must be a row from 0 to 70"},
        {"--zone", "34\n", "--zone must be a row from 0 to 70"},
        {"--zone", "+34", "--zone must be a row from 0 to 70"},
        {"--zone", "99999999999999999999", "--zone must be a row from 0 to 70"},
        {"--colour", "red", "Unknown option"},
        {"--format", "csv", "--format needs --batch"},
    };
    for (const Case& c : kCases) {
        QStringList arguments = Complete();
        const qsizetype at = arguments.indexOf(QLatin1String(c.option));
        if (at >= 0) {
            arguments.remove(at, 2);
        }
        if (c.value) {
            arguments << QLatin1String(c.option) << QString::fromUtf8(c.value);
        }
        const auto parsed = Parse(arguments);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.option << " " << c.value;
        EXPECT_TRUE(std::get<std::string>(parsed).starts_with(c.expectedStart))
            << c.option << " " << c.value << ": " << std::get<std::string>(parsed);
    }
}

TEST(ParseChartOptions, AcceptsLeadingZerosAndSecondsAsTheFormerPatternsDid) {
    QStringList arguments = Complete();
    arguments << "--zone"
              << "007"
              << "--time"
              << "9:05";
    const auto parsed = Parse(arguments);
    ASSERT_TRUE(std::holds_alternative<FormInput>(parsed)) << std::get<std::string>(parsed);
    EXPECT_EQ(std::get<FormInput>(parsed).zoneRow, 7);
    EXPECT_EQ(std::get<FormInput>(parsed).hourRow, 9);
    EXPECT_EQ(std::get<FormInput>(parsed).secondRow, 0);
}

TEST(ParseChartOptions, RejectsStrayArguments) {
    QStringList arguments = Complete();
    arguments << "extra";
    EXPECT_TRUE(std::holds_alternative<std::string>(Parse(arguments)));
}

TEST(ParseBirth, ReadsTheDaylightColumnInWords) {
    struct Case {
        const char* value;
        bool dst;
    };
    constexpr Case kCases[] = {{"1", true},  {"true", true},   {"yes", true},
                               {"0", false}, {"false", false}, {"no", false}};
    BirthFields fields;
    fields[BirthField::Name] = "A";
    fields[BirthField::Date] = "2000-01-01";
    fields[BirthField::Time] = "12:00";
    fields[BirthField::Lon] = "0E00";
    fields[BirthField::Lat] = "0N00";
    for (const Case& c : kCases) {
        fields[BirthField::Dst] = c.value;
        const auto parsed = ParseBirth(fields);
        ASSERT_TRUE(std::holds_alternative<FormInput>(parsed)) << c.value;
        EXPECT_EQ(std::get<FormInput>(parsed).dst, c.dst) << c.value;
    }
    fields[BirthField::Dst] = "maybe";
    const auto parsed = ParseBirth(fields);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
    EXPECT_EQ(std::get<std::string>(parsed), "--dst must be 1, true or yes, or 0, false or no");
}

TEST(ParseChartOptions, BatchSettings) {
    struct Case {
        QStringList arguments;
        BatchFormat format;
        unsigned jobs;  // 0: the number of cores
    };
    const Case kCases[] = {
        {{"--batch", "births.csv"}, BatchFormat::Csv, 0},
        {{"--batch", "births.jsonl", "--jobs", "3"}, BatchFormat::JsonLines, 3},
        {{"--batch", "births.ndjson"}, BatchFormat::JsonLines, 0},
        {{"--batch", "-"}, BatchFormat::Csv, 0},
        {{"--batch", "-", "--format", "jsonl"}, BatchFormat::JsonLines, 0},
        {{"--batch", "births.jsonl", "--format", "csv"}, BatchFormat::Csv, 0},
    };
    for (const Case& c : kCases) {
        const auto parsed = ParseChartOptions(QStringList{"amsaview-chart"} + c.arguments);
        const auto* settings = std::get_if<BatchSettings>(&parsed);
        ASSERT_NE(settings, nullptr) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(settings->path, c.arguments[1].toStdString());
        EXPECT_EQ(settings->format, c.format) << c.arguments.join(' ').toStdString();
        EXPECT_GE(settings->jobs, 1U);
        if (c.jobs > 0) {
            EXPECT_EQ(settings->jobs, c.jobs);
        }
    }
    const std::pair<QStringList, const char*> kRefused[] = {
        {{"--batch", "b.csv", "--name", "A"}, "--name cannot be used with --batch"},
        {{"--batch", "b.csv", "--format", "xml"}, "--format must be csv or jsonl"},
        {{"--batch", "b.csv", "--jobs", "0"}, "--jobs must be a number from 1 to 256"},
        {{"--batch", "b.csv", "--jobs", "2\n"}, "--jobs must be a number from 1 to 256"},
        {{"--jobs", "2"}, "--jobs needs --batch"},
    };
    for (const auto& [arguments, message] : kRefused) {
        const auto parsed = ParseChartOptions(QStringList{"amsaview-chart"} + arguments);
        ASSERT_TRUE(std::holds_alternative<QString>(parsed)) << message;
        EXPECT_TRUE(std::get<QString>(parsed).startsWith(QLatin1String(message)))
            << std::get<QString>(parsed).toStdString();
    }
}

TEST(ParseChartOptions, FilesBesidesTheJsonAreForOneBirth) {
    const QStringList birth = QStringList{"amsaview-chart"} + Complete();
    EphemerisSettings method;
    ExportRequest exports;
    DashaOptions dasha;
    const auto parsed =
        ParseChartOptions(birth + QStringList{"--pdf", "a.pdf", "--png=b.png", "--png-chart",
                                              "Navamsa", "--png-width", "640"},
                          method, exports, dasha);
    ASSERT_TRUE(std::holds_alternative<BirthFields>(parsed));
    EXPECT_EQ(exports.pdf, "a.pdf");
    EXPECT_EQ(exports.svg, "");
    EXPECT_EQ(exports.png, "b.png");
    EXPECT_EQ(exports.pngChart, "Navamsa");
    EXPECT_EQ(exports.pngWidth, 640);

    const std::pair<QStringList, const char*> kRefused[] = {
        {{"--batch", "b.csv", "--pdf", "a.pdf"},
         "--pdf, --svg and --png chart one birth, not --batch"},
        {{"--places", "Pune", "--svg", "a.svg"},
         "--pdf, --svg and --png chart one birth, not --places"},
        {{"--name", "A", "--png", ""}, "--png needs a file name"},
        {{"--name", "A", "--png-width", "300"}, "--png-chart and --png-width need --png"},
    };
    for (const auto& [arguments, message] : kRefused) {
        ExportRequest refused;
        const auto result =
            ParseChartOptions(QStringList{"amsaview-chart"} + arguments, method, refused, dasha);
        ASSERT_TRUE(std::holds_alternative<QString>(result)) << message;
        EXPECT_EQ(std::get<QString>(result).toStdString(), message);
    }
}

// The dasha's options hold for one birth, a birth file's and the batch alike.
TEST(ParseChartOptions, DashaYearAndLevels) {
    const QStringList tool{"amsaview-chart"};
    const struct {
        QStringList arguments;
        DashaOptions expected;
    } kCases[] = {
        {Complete(), {DashaYear{}, 2}},
        {Complete() + QStringList{"--dasha-year", "savana"}, {{DashaYearKind::Savana}, 2}},
        {Complete() + QStringList{"--dasha-levels=3", "--dasha-year=julian"},
         {{DashaYearKind::Julian}, 3}},
        {{"--batch", "b.csv", "--dasha-levels", "1", "--dasha-year", "sidereal"},
         {{DashaYearKind::Sidereal}, 1}},
        {{"--batch", "b.csv", "--dasha-year", "gregorian"}, {DashaYear{}, 2}},
    };
    for (const auto& c : kCases) {
        EphemerisSettings method;
        ExportRequest exports;
        DashaOptions dasha;
        const auto parsed = ParseChartOptions(tool + c.arguments, method, exports, dasha);
        EXPECT_FALSE(std::holds_alternative<QString>(parsed))
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(dasha, c.expected) << c.arguments.join(' ').toStdString();
    }

    const std::pair<QStringList, const char*> kRefused[] = {
        {{"--dasha-year", "Gregorian"},
         "--dasha-year must be one of gregorian, julian, sidereal, savana"},
        {{"--dasha-year", ""}, "--dasha-year must be one of gregorian, julian, sidereal, savana"},
        {{"--dasha-levels", "0"}, "--dasha-levels must be 1, 2 or 3"},
        {{"--dasha-levels", "4"}, "--dasha-levels must be 1, 2 or 3"},
        {{"--dasha-levels", "22"}, "--dasha-levels must be 1, 2 or 3"},
        {{"--dasha-levels", ""}, "--dasha-levels must be 1, 2 or 3"},
    };
    for (const auto& [arguments, message] : kRefused) {
        const auto parsed = ParseChartOptions(tool + Complete() + arguments);
        ASSERT_TRUE(std::holds_alternative<QString>(parsed)) << message;
        EXPECT_EQ(std::get<QString>(parsed).toStdString(), message);
    }
}

TEST(ParseChartOptions, HelpNamesEveryOption) {
    const auto parsed = ParseChartOptions({"amsaview-chart", "--help"});
    ASSERT_TRUE(std::holds_alternative<ChartHelp>(parsed));
    const QString& text = std::get<ChartHelp>(parsed).text;
    for (const char* option :
         {"--name <TEXT>", "--place <TEXT>", "--batch <FILE>", "--birth <FILE>",
          "--ephemeris <SOURCE>", "--pdf <FILE>", "--png-width <PIXELS>", "--places <TEXT>",
          "--dasha-year <YEAR>", "--dasha-levels <1|2|3>"}) {
        EXPECT_TRUE(text.contains(QLatin1String(option))) << option;
    }
}

// A birth file of two births; the second is SITA DEVI, 1980.
class BirthFileOptions : public ::testing::Test {
  protected:
    void SetUp() override {
        SavedBirth ram;
        ram.form.name = "RAM KUMAR";
        SavedBirth sita;
        sita.form.name = "SITA DEVI";
        sita.form.yearRow = 1980 - kFirstYear;
        sita.form.zoneRow = std::nullopt;
        ASSERT_TRUE(WriteBirthFile(file(), {ram, sita}));
    }
    QString file() const { return folder_.filePath(QStringLiteral("two.amsaview.json")); }

    QTemporaryDir folder_;
};

TEST_F(BirthFileOptions, TakesTheBirthNamedByItsIndex) {
    const auto first = Parse({"--birth", file()});
    ASSERT_TRUE(std::holds_alternative<FormInput>(first)) << std::get<std::string>(first);
    EXPECT_EQ(std::get<FormInput>(first).name, "RAM KUMAR");

    const auto second = Parse({"--birth", file(), "--index", "2"});
    ASSERT_TRUE(std::holds_alternative<FormInput>(second));
    EXPECT_EQ(std::get<FormInput>(second).name, "SITA DEVI");
    EXPECT_EQ(std::get<FormInput>(second).yearRow, 79);
    EXPECT_FALSE(std::get<FormInput>(second).zoneRow.has_value());
}

TEST_F(BirthFileOptions, RefusesWhatDoesNotNameOneBirth) {
    const std::string missing =
        folder_.filePath(QStringLiteral("missing.amsaview.json")).toStdString();
    const struct {
        QStringList arguments;
        std::string message;
    } kCases[] = {
        {{"--birth", file(), "--index", "0"}, "--index must be a number from 1 to 2"},
        {{"--birth", file(), "--index", "3"}, "--index must be a number from 1 to 2"},
        {{"--birth", file(), "--index", "two"}, "--index must be a number from 1 to 2"},
        {{"--index", "1", "--name", "A"}, "--index needs --birth"},
        {{"--birth", file(), "--name", "A"}, "--birth cannot be combined with --name"},
        {{"--birth", file(), "--dst"}, "--birth cannot be combined with --dst"},
        {{"--birth", file(), "--batch", "x.csv"}, "--birth cannot be combined with --batch"},
        {{"--birth", QString::fromStdString(missing)}, missing + " cannot be read: "},
    };
    for (const auto& c : kCases) {
        const auto parsed = Parse(c.arguments);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.message;
        EXPECT_TRUE(std::get<std::string>(parsed).starts_with(c.message))
            << std::get<std::string>(parsed);
    }
}

}  // namespace
}  // namespace amsaview
