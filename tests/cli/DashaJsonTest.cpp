#include <gtest/gtest.h>

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <string>

#include "cli/ChartJson.h"
#include "dasha/Vimshottari.h"
#include "pipeline/ComputeChart.h"
#include "support/FormExamples.h"
#include "support/RunChartTool.h"

namespace amsaview {
namespace {

using testing::RunChartTool;
using testing::ToolRun;

// 1947-03-14 19:00 UT, the Delhi birth of 00:30 IST.
constexpr double kDelhiBirthUt = -719557200;
constexpr double kGregorianYear = 31556952;  // 365.2425 × 86400 s
const QStringList kDelhi = {"--name", "RAM KUMAR", "--date", "1947-03-15", "--time", "00:30",
                            "--lon",  "77E12",     "--lat",  "28N36",      "--zone", "34"};

double Seconds(const QJsonValue& iso) {
    const QDateTime moment = QDateTime::fromString(iso.toString(), Qt::ISODate);
    EXPECT_TRUE(moment.isValid()) << iso.toString().toStdString();
    EXPECT_EQ(moment.timeSpec(), Qt::UTC) << iso.toString().toStdString();
    return static_cast<double>(moment.toSecsSinceEpoch());
}

QJsonObject Parsed(const std::string& json) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
}

// Each period's sub-periods run from its start to its end without a gap, in
// the cycle from its own lord; leaves carry no periods. Returns the leaves.
int ExpectNested(const QJsonArray& periods, int depth, const std::string& where) {
    static const QStringList kCycle = {"Ketu", "Venus",   "Sun",    "Moon",   "Mars",
                                       "Rahu", "Jupiter", "Saturn", "Mercury"};
    EXPECT_EQ(periods.size(), 9) << where;
    const qsizetype first = kCycle.indexOf(periods[0]["lord"].toString());
    int leaves = 0;
    for (qsizetype i = 0; i < periods.size(); ++i) {
        const QJsonObject period = periods[i].toObject();
        const std::string here = where + "/" + std::to_string(i);
        EXPECT_EQ(period["lord"].toString(), kCycle[(first + i) % 9]) << here;
        if (i > 0) {
            EXPECT_EQ(period["start"], periods[i - 1]["end"]) << here;
        }
        if (depth == 1) {
            EXPECT_FALSE(period.contains("periods")) << here;
            ++leaves;
            continue;
        }
        const QJsonArray sub = period["periods"].toArray();
        EXPECT_EQ(sub.first()["lord"], period["lord"]) << here;
        EXPECT_EQ(sub.first()["start"], period["start"]) << here;
        EXPECT_EQ(sub.last()["end"], period["end"]) << here;
        leaves += ExpectNested(sub, depth - 1, here);
    }
    return leaves;
}

// Moon 240.484°: Mula (from 240°), Ketu's nakshatra, 0.484 / 13.333 of it
// gone, so about 0.25 of Ketu's 7 years ran before birth; then Venus 20,
// Sun 6, Moon 10, Mars 7, Rahu 18, Jupiter 16, Saturn 19, Mercury 17.
TEST(DashaJson, TheDelhiBirthsMahadashasFromItsMoon) {
    ChartResult result;
    ASSERT_FALSE(ComputeChart(testing::DelhiForm(1947, 3, 15, 0, 30), result));
    std::string line;
    AppendChartJsonLine(result, 1, line);
    const QJsonObject dasha = Parsed(line)["dasha"].toObject();

    const double moon = result.positions.moonSidereal;
    ASSERT_NEAR(moon, 240.484, 0.001);
    const double traversed = (moon - 240) * 3 / 40;
    EXPECT_EQ(dasha["system"].toString(), "vimshottari");
    EXPECT_EQ(dasha["year"].toString(), "gregorian");
    EXPECT_EQ(dasha["yearDays"].toDouble(), 365.2425);
    EXPECT_EQ(dasha["levels"].toInt(), 2);
    EXPECT_EQ(dasha["moonNakshatra"].toString(), "Mula");
    EXPECT_EQ(dasha["balance"]["lord"].toString(), "Ketu");
    EXPECT_NEAR(dasha["balance"]["years"].toDouble(), 7 * (1 - traversed), 1e-9);

    const QJsonArray mahas = dasha["periods"].toArray();
    const struct {
        const char* lord;
        int yearsBefore;
    } kMahas[] = {{"Ketu", 0},  {"Venus", 7},    {"Sun", 27},    {"Moon", 33},    {"Mars", 43},
                  {"Rahu", 50}, {"Jupiter", 68}, {"Saturn", 84}, {"Mercury", 103}};
    const double ketuStart = kDelhiBirthUt - traversed * 7 * kGregorianYear;
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(mahas[i]["lord"].toString(), kMahas[i].lord) << i;
        EXPECT_NEAR(Seconds(mahas[i]["start"]), ketuStart + kMahas[i].yearsBefore * kGregorianYear,
                    1.0)
            << kMahas[i].lord;
    }
    EXPECT_NEAR(Seconds(mahas[8]["end"]), ketuStart + 120 * kGregorianYear, 1.0);
    EXPECT_EQ(ExpectNested(mahas, 2, "Delhi"), 81);
}

TEST(DashaJson, TheIndentedDocumentAndTheBatchLineAgree) {
    ChartResult result;
    ASSERT_FALSE(ComputeChart(testing::DelhiForm(1990, 7, 2, 22, 12), result));
    for (const int levels : {1, 2, 3}) {
        std::string indented;
        std::string line;
        AppendChartJson(result, indented, nullptr, levels);
        AppendChartJsonLine(result, 7, line, nullptr, levels);
        const QJsonObject dasha = Parsed(line)["dasha"].toObject();
        EXPECT_EQ(Parsed(indented)["dasha"].toObject(), dasha) << levels << " levels";
        EXPECT_EQ(dasha["levels"].toInt(), levels);
        EXPECT_EQ(ExpectNested(dasha["periods"].toArray(), levels, "1990"),
                  DashaPeriodCount(levels));
    }
    // Asked for more than the dasha holds, the JSON writes what it has.
    std::string deepest;
    AppendChartJsonLine(result, 7, deepest, nullptr, 9);
    EXPECT_EQ(Parsed(deepest)["dasha"].toObject()["levels"].toInt(), 3);
}

// 120 savana years of 360 days from the first start, 729 pratyantardashas.
TEST(DashaJson, TheToolsOptionsReachTheDasha) {
    const ToolRun run =
        RunChartTool(kDelhi + QStringList{"--dasha-levels", "3", "--dasha-year", "savana"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject dasha = QJsonDocument::fromJson(run.out).object()["dasha"].toObject();
    EXPECT_EQ(dasha["year"].toString(), "savana");
    EXPECT_EQ(dasha["yearDays"].toDouble(), 360.0);
    const QJsonArray mahas = dasha["periods"].toArray();
    EXPECT_EQ(ExpectNested(mahas, 3, "savana"), 729);
    EXPECT_NEAR(Seconds(mahas[8]["end"]) - Seconds(mahas[0]["start"]), 120.0 * 360 * 86400, 1.0);

    const ToolRun batch = RunChartTool(
        {"--batch", "-", "--format", "jsonl", "--dasha-levels", "1", "--dasha-year", "julian"},
        R"({"name":"RAM KUMAR","date":"1947-03-15","time":"00:30","lon":"77E12","lat":"28N36","zone":"34"})"
        "\n");
    ASSERT_EQ(batch.exitCode, 0) << batch.err.toStdString();
    const QJsonObject row = QJsonDocument::fromJson(batch.out).object()["dasha"].toObject();
    EXPECT_EQ(row["year"].toString(), "julian");
    EXPECT_EQ(ExpectNested(row["periods"].toArray(), 1, "batch"), 9);

    const ToolRun refused = RunChartTool(kDelhi + QStringList{"--dasha-levels", "4"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err.trimmed().count('\n'), 0) << refused.err.toStdString();
}

}  // namespace
}  // namespace amsaview
