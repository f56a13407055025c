#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

struct ToolRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

ToolRun RunTool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(AMSAVIEW_CHART_TOOL), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

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

// The whole document, byte for byte, of a birth whose universal time falls
// on the day before, with three planets retrograde. Written by the build of
// commit 23024b3, before the placements became data.
TEST(ChartTool, GoldenDocument) {
    const ToolRun run = RunTool({"--name", "RAM KUMAR", "--date", "1947-03-15", "--time", "00:30",
                                 "--lon", "77E12", "--lat", "28N36", "--zone", "34", "--city",
                                 "New Delhi", "--state", "Delhi", "--country", "India"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile golden(QStringLiteral(AMSAVIEW_GOLDEN_DIR "/1947-03-15-delhi.json"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << golden.fileName().toStdString();
    EXPECT_EQ(run.out.toStdString(), golden.readAll().toStdString());
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

}  // namespace
