#include "pipeline/TimesSections.h"

#include <gtest/gtest.h>

#include <string>

#include "pipeline/ComputeChart.h"
#include "support/FormExamples.h"

namespace amsaview {
namespace {

const std::string& Row(const ReportSection& section, std::string_view id) {
    for (const ReportRow& row : section.rows) {
        if (row.id == id) {
            return row.value;
        }
    }
    static const std::string kNone = "(no row)";
    return kNone;
}

// Delhi, Tuesday 18 February 2020 at noon, Indian time.
ChartResult DelhiNoon() {
    ChartResult result;
    EXPECT_FALSE(ComputeChart(testing::DelhiForm(2020, 2, 18, 12, 0), result));
    return result;
}

TEST(TimesSections, PanchangaOnTheBirthsClock) {
    std::vector<ReportSection> sections;
    AddBirthTimesSections(DelhiNoon(), sections);
    ASSERT_EQ(sections.size(), 2u);
    const ReportSection& panchanga = sections[0];
    EXPECT_EQ(panchanga.id, "panchanga");
    EXPECT_EQ(Row(panchanga, "vara"), "Tuesday");
    // The Sun rose over Delhi at 06:58 IST that day (the almanac's time;
    // USNO gives 06:58 for 28°36′ N 77°12′ E): within two minutes.
    const std::string& sunrise = Row(panchanga, "sunrise");
    ASSERT_EQ(sunrise.size(), 8u) << sunrise;
    const int minutes = std::stoi(sunrise.substr(0, 2)) * 60 + std::stoi(sunrise.substr(3, 2));
    EXPECT_NEAR(minutes, 6 * 60 + 58, 2) << "sunrise Delhi 2020-02-18: " << sunrise;
    // The new Moon came on 23 February: a waning tithi, a few days before.
    EXPECT_NE(Row(panchanga, "tithi").find("(Krishna)"), std::string::npos)
        << Row(panchanga, "tithi");
    // Each element's span brackets the birth: "from – to" on the clock.
    for (const char* element : {"tithi", "nakshatra", "yoga", "karana"}) {
        EXPECT_NE(Row(panchanga, element).find(" \u2013 "), std::string::npos) << element;
    }
}

TEST(TimesSections, LagnaHoldsForEveryChartAndTheMoonsPada) {
    std::vector<ReportSection> sections;
    AddBirthTimesSections(DelhiNoon(), sections);
    const ReportSection& windows = sections.at(1);
    EXPECT_EQ(windows.id, "windows");
    ASSERT_EQ(windows.tables.size(), 1u);
    const ReportTable& table = windows.tables[0];
    ASSERT_EQ(table.rows.size(), kChartKinds.size() + 1);
    // Noon in mid-February puts the Sun in the tenth house: Taurus rising.
    EXPECT_EQ(table.rows[0][0], "D1");
    EXPECT_EQ(table.rows[0][1], "Tau");
    EXPECT_LT(table.rows[0][2], "12:00:00");
    EXPECT_GT(table.rows[0][3], "12:00:00");
    EXPECT_EQ(table.rows.back()[0], "Moon's pada");
}

}  // namespace
}  // namespace amsaview
