#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cmath>

#include "support/RunChartTool.h"
#include "swiss/SwissFixtures.h"

namespace {

using amsaview::testing::RunChartTool;
using amsaview::testing::ToolRun;

constexpr double kArcSecond = 1.0 / 3600;

double DegreesApart(double a, double b) {
    const double difference = std::fabs(std::fmod(a - b, 360.0));
    return std::min(difference, 360 - difference);
}

// 10 May 1990 02:15 UT at Sydney, the place to the arc-minute.
const QStringList kSydney = {"--name", "A",      "--date", "1990-05-10", "--time", "02:15",
                             "--lon",  "151E12", "--lat",  "33S52",      "--zone", "29"};

const amsaview::fixtures::SwissBirth& SydneyFixture() {
    for (const auto& birth : amsaview::fixtures::kSwissBirths) {
        if (birth.year == 1990) {
            return birth;
        }
    }
    std::abort();
}

QJsonObject Values(const ToolRun& run) {
    return QJsonDocument::fromJson(run.out).object()["values"].toObject();
}

TEST(ChartMethodTool, SwissAgreesWithSwetestAndSaysSo) {
    const amsaview::fixtures::SwissBirth& fixture = SydneyFixture();
    for (const char* node : {"mean", "true"}) {
        const ToolRun run = RunChartTool(
            kSydney + QStringList{"--ephemeris", "swiss", "--node", QLatin1String(node)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonObject values = Values(run);
        const QJsonArray longitudes = values["longitudes"].toArray();
        ASSERT_EQ(longitudes.size(), 9) << node;
        for (qsizetype i = 0; i < 7; ++i) {
            EXPECT_LE(DegreesApart(longitudes[i].toDouble(), fixture.longitudes[i]), kArcSecond)
                << node << " body " << i;
        }
        const double rahu = std::string(node) == "mean" ? fixture.meanNode : fixture.trueNode;
        EXPECT_LE(DegreesApart(longitudes[7].toDouble(), rahu), kArcSecond) << node;
        EXPECT_NEAR(values["ayanamsa"].toDouble(), -fixture.ayanamsa, kArcSecond) << node;
        // swetest -sid1 -house151.2,-33.866666667,W
        EXPECT_LE(DegreesApart(values["ascendant"].toDouble(), 103.4968725), kArcSecond) << node;
        const QJsonObject expected{
            {"ephemeris", "swiss"}, {"ayanamsa", "lahiri"}, {"node", QLatin1String(node)}};
        EXPECT_EQ(values["method"].toObject(), expected) << node;
    }
}

TEST(ChartMethodTool, BuiltInIsTheDefaultAndSaysSo) {
    const ToolRun plain = RunChartTool(kSydney);
    const ToolRun named = RunChartTool(kSydney + QStringList{"--ephemeris", "builtin"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_EQ(plain.out, named.out);
    EXPECT_EQ(Values(plain)["method"].toObject(), (QJsonObject{{"ephemeris", "builtin"}}));
}

TEST(ChartMethodTool, BadMethodOptionsGiveOneLineAndStatusTwo) {
    const struct {
        QStringList options;
        const char* message;
    } cases[] = {
        {{"--ephemeris", "jpl"}, "--ephemeris must be one of builtin, swiss"},
        {{"--ephemeris", "swiss", "--ayanamsa", "Lahiri"}, "--ayanamsa must be one of lahiri,"},
        {{"--ephemeris", "swiss", "--node", "osculating"}, "--node must be one of mean, true"},
        {{"--ayanamsa", "raman"}, "--ayanamsa needs --ephemeris swiss"},
        {{"--ephemeris", "builtin", "--node", "true"}, "--node needs --ephemeris swiss"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunChartTool(kSydney + c.options);
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_TRUE(run.out.isEmpty()) << c.message;
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
}

// The library lets SE_EPHE_PATH win over the packaged folder: an empty folder
// there is the machine without swe-basic-data, one with the planets' file
// alone a Moon the library would take from its lower-precision fallback.
// The message names that folder, not the packaged one.
TEST(ChartMethodTool, MissingDataFilesGiveOneLineAndStatusTwo) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    QTemporaryDir planetsOnly;
    ASSERT_TRUE(QFile::link(QStringLiteral("/usr/share/libswe/ephe/sepl_18.se1"),
                            planetsOnly.filePath(QStringLiteral("sepl_18.se1"))));
    QTemporaryDir work;
    const QString births = work.filePath(QStringLiteral("births.csv"));
    QFile file(births);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "name,date,time,lon,lat,zone,dst,city,state,country\n"
        "A,1990-05-10,02:15,151E12,33S52,29,0,,,\n");
    file.close();
    for (const QString& folder : {empty.path(), planetsOnly.path()}) {
        for (const QStringList& mode : {QStringList{}, QStringList{"--batch", births}}) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("SE_EPHE_PATH"), folder);
            process.setProcessEnvironment(environment);
            process.start(QStringLiteral(AMSAVIEW_CHART_TOOL),
                          (mode.isEmpty() ? kSydney : mode) + QStringList{"--ephemeris", "swiss"});
            ASSERT_TRUE(process.waitForFinished(60000));
            const QByteArray err = process.readAllStandardError();
            EXPECT_EQ(process.exitCode(), 2) << err.toStdString();
            EXPECT_TRUE(process.readAllStandardOutput().isEmpty()) << mode.join(' ').toStdString();
            EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
            EXPECT_TRUE(err.contains("Swiss Ephemeris has no data file")) << err.toStdString();
            EXPECT_TRUE(err.contains(QFile::encodeName(folder))) << err.toStdString();
        }
    }
}

TEST(ChartMethodTool, BatchRowsTakeTheMethod) {
    QTemporaryDir work;
    const QString births = work.filePath(QStringLiteral("births.csv"));
    QFile file(births);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "name,date,time,lon,lat,zone,dst,city,state,country\n"
        "A,1990-05-10,02:15,151E12,33S52,29,0,,,\n"
        "B,1990-05-10,02:15,151E12,33S52,29,0,,,\n");
    file.close();
    const ToolRun run = RunChartTool(
        {"--batch", births, "--jobs", "2", "--ephemeris", "swiss", "--ayanamsa", "raman"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    for (const QByteArray& line : lines) {
        const QJsonObject values = QJsonDocument::fromJson(line).object()["values"].toObject();
        EXPECT_EQ(values["method"].toObject()["ayanamsa"].toString(), "raman") << line.data();
        // Raman stands about 1° 27' behind Lahiri in 1990.
        EXPECT_NEAR(-values["ayanamsa"].toDouble(), SydneyFixture().ayanamsa - 1.45, 0.01)
            << line.data();
    }
}

}  // namespace
