#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cmath>

#include "support/RunChartTool.h"

namespace amsaview {
namespace {

using testing::RunChartTool;
using testing::ToolRun;

// Delhi, 15 March 1947, 00:30 IST: a Saturday's date, before its sunrise.
const QStringList kDelhi = {"--name", "RAM KUMAR", "--date", "1947-03-15", "--time", "00:30",
                            "--lon",  "77E12",     "--lat",  "28N36",      "--zone", "34"};

QJsonObject Chart(const QStringList& arguments) {
    const ToolRun run = RunChartTool(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

double Mod360(double degrees) {
    return std::fmod(std::fmod(degrees, 360) + 360, 360);
}

TEST(PanchangaJson, ElementsFollowTheirDefinitionsFromTheChartsOwnLights) {
    const QJsonObject chart = Chart(kDelhi);
    const QJsonObject p = chart["panchanga"].toObject();
    const QJsonObject values = chart["values"].toObject();
    const double sun = values["longitudes"].toArray()[0].toDouble();
    const double moon = values["moonSidereal"].toDouble();
    const QString birth = values["universalTime"].toString();

    EXPECT_EQ(p["tithi"]["number"].toInt(), static_cast<int>(Mod360(moon - sun) / 12) + 1);
    EXPECT_EQ(p["karana"]["number"].toInt(), static_cast<int>(Mod360(moon - sun) / 6) + 1);
    EXPECT_EQ(p["yoga"]["number"].toInt(), static_cast<int>(Mod360(moon + sun) / (40.0 / 3)) + 1);
    EXPECT_EQ(p["nakshatra"]["name"].toString(), chart["lblNakshatra"].toString());
    EXPECT_EQ(QString::number(p["nakshatra"]["pada"].toInt()), chart["lblPada"].toString());
    EXPECT_EQ(p["tithi"]["paksha"].toString(),
              p["tithi"]["number"].toInt() <= 15 ? "Shukla" : "Krishna");
    for (const char* element : {"tithi", "nakshatra", "yoga", "karana"}) {
        const QJsonObject e = p[QLatin1String(element)].toObject();
        EXPECT_LE(e["start"].toString(), birth) << element;  // ISO moments sort as text
        EXPECT_GT(e["end"].toString(), birth) << element;
    }

    // Before Saturday's sunrise the vara is still Friday's.
    EXPECT_GT(p["sunrise"].toString(), birth);
    EXPECT_EQ(p["vara"]["number"].toInt(), 5);
    EXPECT_EQ(p["vara"]["name"].toString(), "Friday");
    EXPECT_TRUE(p["polar"].isNull());
}

TEST(PanchangaJson, EachLagnaWindowHoldsTheSignOfItsVarga) {
    const QJsonObject chart = Chart(kDelhi);
    const QJsonObject windows = chart["timeWindows"].toObject();
    const QJsonObject vargas = chart["vargas"].toObject();
    const QString birth = chart["values"]["universalTime"].toString();
    EXPECT_EQ(windows.size(), vargas.size() + 1);
    for (auto varga = vargas.begin(); varga != vargas.end(); ++varga) {
        const QJsonObject window = windows[varga.key()].toObject();
        EXPECT_EQ(window["sign"].toString(), varga.value().toObject()["Asc"].toString())
            << varga.key().toStdString();
        EXPECT_LE(window["from"].toString(), birth) << varga.key().toStdString();
        EXPECT_GE(window["to"].toString(), birth) << varga.key().toStdString();
    }
    const QJsonObject pada = windows["moonPada"].toObject();
    EXPECT_EQ(pada["nakshatra"].toString(), chart["lblNakshatra"].toString());
    EXPECT_EQ(QString::number(pada["pada"].toInt()), chart["lblPada"].toString());
}

TEST(PanchangaJson, TheBatchWritesWindowsOnlyWhenAsked) {
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("births.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("name,date,time,lon,lat,zone\nA,1947-03-15,00:30,77E12,28N36,34\n");
    file.close();

    const ToolRun plain = RunChartTool({"--batch", path});
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    const QJsonObject line = QJsonDocument::fromJson(plain.out.trimmed()).object();
    EXPECT_TRUE(line.contains("panchanga"));
    EXPECT_FALSE(line.contains("timeWindows"));

    const ToolRun windowed = RunChartTool({"--batch", path, "--windows"});
    ASSERT_EQ(windowed.exitCode, 0) << windowed.err.toStdString();
    const QJsonObject withWindows = QJsonDocument::fromJson(windowed.out.trimmed()).object();
    EXPECT_EQ(withWindows["timeWindows"], Chart(kDelhi)["timeWindows"]);

    const ToolRun single = RunChartTool(kDelhi + QStringList{"--windows"});
    EXPECT_EQ(single.exitCode, 2);
    EXPECT_EQ(single.err.trimmed(), "amsaview-chart: --windows needs --batch");
}

}  // namespace
}  // namespace amsaview
