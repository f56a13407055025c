#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "astro/Planets.h"
#include "register/BirthFile.h"
#include "support/FarFromJ2000.h"
#include "support/FormExamples.h"
#include "support/RunChartTool.h"

namespace {

using amsaview::testing::RunChartTool;
using amsaview::testing::ToolRun;

ToolRun RunTool(const QStringList& arguments) {
    return RunChartTool(arguments);
}

const QStringList kExample = {"--name", "A",     "--date", "2000-01-01", "--time", "12:00",
                              "--lon",  "77E12", "--lat",  "28N36",      "--zone", "34"};

TEST(ChartTool, PrintsTheWholeChartAsJson) {
    const ToolRun run = RunTool({"--name", "RAM KUMAR", "--date", "2000-01-01", "--time", "12:00",
                                 "--lon", "0E00", "--lat", "0N00", "--zone", "29"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonParseError error;
    const QJsonObject chart = QJsonDocument::fromJson(run.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);

    EXPECT_EQ(chart["planet"].toArray().size(), 9);
    EXPECT_EQ(chart["planet"].toArray()[0].toString(), "16 Sag 31");
    EXPECT_EQ(chart["lblLagna"].toString(), "Pisces (Meena)");
    EXPECT_EQ(chart["lblLagnaPosition"].toString(), "17 Pis 31");
    EXPECT_EQ(chart["lblNakshatra"].toString(), "Swati");
    EXPECT_EQ(chart["lblRashi"].toString(), "Thula");
    EXPECT_EQ(chart["lblAyanamsha"].toString(), QString::fromUtf8("-23\u00B0 51' 14\""));
    for (const char* key : {"lblName", "lblDOB", "lblTOB", "lblLatitude", "lblLongitude", "lblCity",
                            "lblState", "lblCountry", "lblLord", "lblPada"}) {
        EXPECT_TRUE(chart[QLatin1String(key)].isString()) << key;
    }

    const QJsonObject values = chart["values"].toObject();
    EXPECT_NEAR(values["ayanamsa"].toDouble(), -23.85399, 1e-5);
    EXPECT_NEAR(values["moonSidereal"].toDouble(), 199.462377, 1e-6);
    EXPECT_NEAR(values["ascendant"].toDouble(), 347.5242, 1e-4);
    EXPECT_EQ(values["universalTime"].toString(), "2000-01-01T12:00:00Z");
    EXPECT_NEAR(values["longitudes"].toArray()[0].toDouble(), 256.5256, 1e-4);
}

// The indented document without the top-level members named: what an older
// build wrote, which knew none of them.
std::string WithoutMembers(const std::string& document, const std::set<std::string>& names) {
    std::vector<std::string> kept;
    std::istringstream lines(document);
    std::string line;
    bool skipping = false;
    while (std::getline(lines, line)) {
        if (line.starts_with("    \"")) {
            const std::string name = line.substr(5, line.find('"', 5) - 5);
            skipping = names.contains(name);
            if (!skipping) {
                kept.push_back(line);
            }
        } else if (!skipping && line != "{" && line != "}") {
            kept.back() += "\n" + line;
        }
    }
    std::string rebuilt = "{\n";
    for (std::size_t member = 0; member < kept.size(); ++member) {
        std::string text = kept[member];
        if (text.ends_with(',')) {
            text.pop_back();
        }
        rebuilt += text + (member + 1 < kept.size() ? ",\n" : "\n");
    }
    return rebuilt + "}\n";
}

// The whole document, byte for byte, of a birth whose universal time falls
// on the day before, with three planets retrograde. Written by the build of
// commit da9ba63, before the placements became data; Rahu and Ketu (their
// positions and boxes) since rewritten for the mean node of date. The keys
// added since are left out, every older key must be as it wrote it.
TEST(ChartTool, GoldenDocument) {
    const ToolRun run = RunTool({"--name", "RAM KUMAR", "--date", "1947-03-15", "--time", "00:30",
                                 "--lon", "77E12", "--lat", "28N36", "--zone", "34", "--city",
                                 "New Delhi", "--state", "Delhi", "--country", "India"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile golden(QStringLiteral(AMSAVIEW_GOLDEN_DIR "/1947-03-15-delhi.json"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << golden.fileName().toStdString();
    const std::string older =
        WithoutMembers(run.out.toStdString(),
                       {"ascendant", "bodies", "dasha", "panchanga", "timeWindows", "vargas"});
    EXPECT_EQ(older, golden.readAll().toStdString());
    EXPECT_NE(older, run.out.toStdString());
}

TEST(ChartTool, UniversalTimeCarriesTheDate) {
    struct Case {
        const char* date;
        const char* time;
        const char* zone;
        bool dst;
        const char* expected;
    };
    constexpr Case kCases[] = {
        {"2000-01-01", "01:00", "34", false, "1999-12-31T19:30:00Z"},
        // Before 1970 the moment is a negative count of seconds.
        {"1947-08-15", "00:00", "34", false, "1947-08-14T18:30:00Z"},
        {"1901-01-01", "00:00", "35", true, "1900-12-31T11:00:00Z"},
        {"2050-12-31", "23:59", "36", false, "2051-01-01T11:59:00Z"},
        {"1969-12-31", "20:00", "50", true, "1969-12-31T22:30:00Z"},
    };
    for (const Case& c : kCases) {
        QStringList arguments = {"--name", "A",     "--date", c.date,  "--time", c.time,
                                 "--lon",  "77E12", "--lat",  "28N36", "--zone", c.zone};
        if (c.dst) {
            arguments << "--dst";
        }
        const ToolRun run = RunTool(arguments);
        ASSERT_EQ(run.exitCode, 0) << c.date << ' ' << run.err.toStdString();
        const QJsonObject values = QJsonDocument::fromJson(run.out).object()["values"].toObject();
        EXPECT_EQ(values["universalTime"].toString().toStdString(), c.expected)
            << c.date << ' ' << c.time << " row " << c.zone;
    }
}

// The first and the last day of the years the form offers are accepted.
TEST(ChartTool, AcceptsTheFirstAndLastDayOfTheRange) {
    for (const char* date : {"1901-01-01", "2050-12-31"}) {
        const ToolRun run = RunTool(
            {"--name", "A", "--date", date, "--time", "12:00", "--lon", "0E00", "--lat", "0N00"});
        EXPECT_EQ(run.exitCode, 0) << date << ": " << run.err.toStdString();
        EXPECT_EQ(QJsonDocument::fromJson(run.out).object()["lblDOB"].toString().toStdString(),
                  date[5] == '0' ? "January/1/1901" : "December/31/2050")
            << date;
    }
}

TEST(ChartTool, PlanetsStandInTheEquinoxOfTheDate) {
    using amsaview::testing::kFarBirths;
    using amsaview::testing::kPlanets;
    for (const auto& far : kFarBirths) {
        const QStringList dateAndTime = QString::fromLatin1(far.date).split(' ');
        const ToolRun run =
            RunTool({"--name", "A", "--date", dateAndTime[0], "--time", dateAndTime[1], "--lon",
                     "0E00", "--lat", "0N00", "--zone", "29"});
        ASSERT_EQ(run.exitCode, 0) << far.date << ": " << run.err.toStdString();
        const QJsonObject values = QJsonDocument::fromJson(run.out).object()["values"].toObject();
        const QJsonArray longitudes = values["longitudes"].toArray();
        ASSERT_EQ(longitudes.size(), 9) << far.date;
        for (std::size_t i = 0; i < std::size(kPlanets); ++i) {
            const auto& planet = kPlanets[i];
            const double printed = longitudes[static_cast<qsizetype>(planet.chartIndex)].toDouble();
            const double expected = amsaview::testing::ExpectedSidereal(
                amsaview::GeocentricLongitude(planet.row, far.dayNumber), far.dayNumber,
                values["ayanamsa"].toDouble());
            EXPECT_NEAR(printed, expected, 1e-9) << planet.name << " on " << far.date;
            EXPECT_LE(amsaview::testing::MinutesApart(printed, far.swissLahiri[i]),
                      planet.toleranceMinutes)
                << planet.name << " on " << far.date;
        }
    }
}

TEST(ChartTool, BadInputGivesOneLineAndStatusTwo) {
    struct Case {
        QStringList arguments;
        const char* message;
    };
    const QStringList base = {"--name", "A", "--time", "12:00", "--lat", "28N36"};
    const Case kCases[] = {
        {base + QStringList{"--date", "2000-01-01", "--lon", "180E00"},
         "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
        {base + QStringList{"--date", "2001-04-31", "--lon", "77E12"},
         "Please Enter Correct Date Or Month !"},
        {base + QStringList{"--date", "2000-01-01", "--lon", "77E12", "--zone", "99"},
         "--zone must be a row from 0 to 70"},
    };
    for (const Case& c : kCases) {
        const ToolRun run = RunTool(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_TRUE(run.out.isEmpty()) << c.message;
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
}

TEST(ChartTool, NamesWithAccentsApostrophesAndHyphensChart) {
    const ToolRun run =
        RunTool({"--name", QString::fromUtf8("jos\u00e9 o'brien-smith"), "--date", "2000-01-01",
                 "--time", "12:00", "--lon", "77E12", "--lat", "28N36", "--zone", "34"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject chart = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(chart["lblName"].toString(), QString::fromUtf8("JOS\u00c9 O'BRIEN-SMITH"));
}

// A full disk or a closed standard output loses the chart: that is no success.
TEST(ChartTool, LostOutputGivesStatusOne) {
    const ToolRun full = RunChartTool(kExample, {}, QStringLiteral("/dev/full"));
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err.count('\n'), 1) << full.err.toStdString();
    EXPECT_TRUE(full.err.contains("the output could not be written")) << full.err.toStdString();

    QProcess closed;
    closed.start(QStringLiteral("/bin/sh"),
                 QStringList{QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$@\" >&-"),
                             QStringLiteral(AMSAVIEW_CHART_TOOL)} +
                     kExample);
    ASSERT_TRUE(closed.waitForFinished(30000));
    EXPECT_EQ(closed.exitCode(), 1);
    const QByteArray err = closed.readAllStandardError();
    EXPECT_TRUE(err.contains("the output could not be written")) << err.toStdString();
}

TEST(ChartTool, EchoedTextStaysOnOneLine) {
    struct Case {
        QStringList arguments;
        const char* shown;
    };
    const Case kCases[] = {
        {{"--col\nour"}, "Unknown option 'col\\nour'."},
        {kExample + QStringList{"stray\r\ttext\x01"},
         "Unexpected argument: stray\\r\\ttext\\u0001"},
        {kExample + QStringList{"--city", "x", "--bogus\u2028"}, "Unknown option 'bogus\\u2028'."},
    };
    for (const Case& c : kCases) {
        const ToolRun run = RunTool(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.shown;
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_EQ(run.err, QByteArray("amsaview-chart: ") + c.shown + "\n");
    }
}

// The same birth from a birth file and from the options gives the same bytes.
TEST(ChartTool, ABirthFromAFileMatchesTheSameBirthTyped) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("family.amsaview.json"));
    amsaview::SavedBirth other;
    other.form.name = "OTHER";
    amsaview::SavedBirth ram;
    ram.form = amsaview::testing::DelhiForm(1975, 3, 7, 9, 5);
    ram.form.city = "Pune";
    ram.form.state.clear();
    ram.form.country.clear();
    ASSERT_TRUE(amsaview::WriteBirthFile(file, {other, ram}));

    const ToolRun fromFile = RunTool({"--birth", file, "--index", "2"});
    const ToolRun typed =
        RunTool({"--name", "RAM KUMAR", "--date", "1975-03-07", "--time", "09:05", "--lon", "77E12",
                 "--lat", "28N36", "--zone", "34", "--city", "Pune"});
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.err.toStdString();
    EXPECT_EQ(fromFile.out, typed.out);

    const ToolRun bad = RunTool({"--birth", file, "--index", "3"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.err, "amsaview-chart: --index must be a number from 1 to 2\n");
}

// Reading on would fill the memory; the link is made here, /dev/zero only read.
TEST(ChartTool, ABirthFileThatIsNoRegularFileIsRefusedAtOnce) {
    QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("zero.amsaview.json"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));
    const ToolRun run = RunTool({"--birth", link});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "amsaview-chart: " + QFile::encodeName(link) + " is not a regular file\n");
}

// --index counts every record of an AAF file; a broken one is named with its
// line and the others still chart.
TEST(ChartTool, ABirthFromAnAafFileMatchesTheSameBirthTyped) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("family.aaf"));
    {
        QFile aaf(file);
        ASSERT_TRUE(aaf.open(QIODevice::WriteOnly));
        aaf.write(
            "#A93:Broken,Date,m,31.2.1800,12:00,*,*\n"
            "#B93:*,28n36,77e12,5he30,0\n"
            "#A93:KUMAR,RAM,m,7.3.1975,9:05,Pune,*\n"
            "#B93:*,28n36,77e12,5he30,0\n"
            "#ZNAM:IST\n");
    }
    const ToolRun fromFile = RunTool({"--birth", file, "--index", "2"});
    const ToolRun typed =
        RunTool({"--name", "RAM KUMAR", "--date", "1975-03-07", "--time", "09:05", "--lon", "77E12",
                 "--lat", "28N36", "--zone", "34", "--city", "Pune"});
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.err.toStdString();
    EXPECT_EQ(fromFile.out, typed.out);

    const ToolRun broken = RunTool({"--birth", file});
    EXPECT_EQ(broken.exitCode, 2);
    EXPECT_EQ(broken.err, "amsaview-chart: " + file.toUtf8() +
                              ": the record at line 1: the date \"31.2.1800\" is not a day "
                              "D.M.YYYY from 1901 to 2050\n");
    EXPECT_EQ(RunTool({"--birth", file, "--index", "3"}).err,
              "amsaview-chart: --index must be a number from 1 to 2\n");
}

}  // namespace

namespace {

// Every chart is a --png-chart name, the sixteenth the Shashtiamsa.
TEST(ChartTool, PngChartNamesEachOfTheSixteenCharts) {
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("d60.png"));
    const ToolRun drawn =
        RunTool(kExample + QStringList{"--png", png, "--png-chart", "shashtiamsa"});
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err.toStdString();
    EXPECT_GT(QFile(png).size(), 0);

    const ToolRun refused = RunTool(kExample + QStringList{"--png", png, "--png-chart", "D5"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err.toStdString(),
              "amsaview-chart: --png-chart must be one of Rashi, Hora, Drekkana, Chaturthamsa, "
              "Saptamsa, Navamsa, Dasamsa, Dwadasamsa, Shodasamsa, Vimsamsa, Chaturvimsamsa, "
              "Saptavimsamsa, Trimsamsa, Khavedamsa, Akshavedamsa, Shashtiamsa\n");
}

}  // namespace
