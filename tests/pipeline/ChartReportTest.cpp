#include "pipeline/ChartReport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "charts/DivisionalCharts.h"
#include "charts/RashiChart.h"
#include "pipeline/ComputeChart.h"
#include "support/FormExamples.h"

namespace amsaview {
namespace {

// Aries = 0 .. Pisces = 11, as the hand workings below count.
enum Sign : std::int16_t { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

ChartResult DelhiBirth() {
    ChartResult result;
    EXPECT_FALSE(ComputeChart(testing::DelhiForm(1947, 3, 15, 0, 30), result));
    return result;
}

std::vector<std::string_view> Ids(const ReportCharts& charts) {
    std::vector<std::string_view> ids;
    for (const ReportChart& chart : charts) {
        ids.push_back(chart.kind->id);
    }
    return ids;
}

// The Lagna at 19° 12' Scorpio (an even sign, fixed, water), 1152 arc-minutes in:
// D2 second half of an even sign: Leo. D3 second third: 5th from Scorpio, Pisces.
// D4 third quarter: 7th, Taurus. D7 fifth seventh (1152/257) from the 7th,
// Taurus: Virgo. D9 sixth ninth from Cancer: Sagittarius. D10 seventh tenth
// from the 9th, Cancer: Capricorn. D12 eighth twelfth from Scorpio: Gemini.
// The exact charts from 229.209°, d = 19.209° in: D16 part 10 (19.209 × 16 / 30
// = 10.2) from Leo: Gemini. D20 part 12 from Sagittarius: Sagittarius. D24 part
// 15 from Cancer: Libra. D27 part 17 from Capricorn: Gemini. D30 even, 12 ≤ d <
// 20: Pisces. D40 part 25 from Libra: Scorpio. D45 part 28 from Leo:
// Sagittarius. D60 part 38 from Scorpio itself: Capricorn.
TEST(ChartKinds, EveryDivisionalRuleIsOneChartNamedAsItsRule) {
    EXPECT_TRUE(EveryRuleIsOneChart());
}

TEST(ChartReport, ChartsInOrderWithTheirNamesAndTheLagnaOfADelhiBirth) {
    const ChartResult result = DelhiBirth();
    ASSERT_EQ(result.texts.lblLagnaPosition, "19 Sco 12");
    const ChartReport report = BuildChartReport(result);
    EXPECT_EQ(Ids(report.charts), (std::vector<std::string_view>{
                                      "D1", "D2", "D3", "D4", "D7", "D9", "D10", "D12", "D16",
                                      "D20", "D24", "D27", "D30", "D40", "D45", "D60"}));
    const struct {
        std::string_view id, title, sanskrit;
        std::int16_t lagna;
    } kExpected[] = {
        {"D1", "Rashi Chart", "Rashi", Sco},
        {"D2", "Hora", "Hora", Leo},
        {"D3", "Drekkana", "Drekkana", Pis},
        {"D4", "Chaturthamsa", "Chaturthamsa", Tau},
        {"D7", "Saptamsa", "Saptamsa", Vir},
        {"D9", "Navamsa", "Navamsa", Sag},
        {"D10", "Dasamsa", "Dasamsa", Cap},
        {"D12", "Dwadasamsa", "Dwadasamsa", Gem},
        {"D16", "Shodasamsa", "Shodasamsa", Gem},
        {"D20", "Vimsamsa", "Vimsamsa", Sag},
        {"D24", "Chaturvimsamsa", "Chaturvimsamsa", Lib},
        {"D27", "Saptavimsamsa", "Saptavimsamsa", Gem},
        {"D30", "Trimsamsa", "Trimsamsa", Pis},
        {"D40", "Khavedamsa", "Khavedamsa", Sco},
        {"D45", "Akshavedamsa", "Akshavedamsa", Sag},
        {"D60", "Shashtiamsa", "Shashtiamsa", Cap},
    };
    for (const auto& expected : kExpected) {
        const ReportChart* chart = FindChart(report.charts, expected.id);
        ASSERT_NE(chart, nullptr) << expected.id;
        EXPECT_EQ(chart->kind->title, expected.title) << expected.id;
        EXPECT_EQ(chart->kind->sanskrit, expected.sanskrit) << expected.id;
        EXPECT_FALSE(chart->kind->english.empty()) << expected.id;
        EXPECT_TRUE(chart->kind->caption.starts_with(expected.sanskrit)) << expected.id;
        EXPECT_EQ(chart->ascendantSign, expected.lagna) << expected.id;
    }
    // Sanskrit names in the Rashi chart's boxes, English in the others.
    EXPECT_EQ(BoxCaptions(report.charts[0])[Pis], "\r\nSurya");
    EXPECT_EQ(BoxCaptions(*FindChart(report.charts, "D9"))[Can], "\r\nSun");
    EXPECT_EQ(FindChart(report.charts, "D5"), nullptr);
}

// Each body stands in the box the captions show it in, with the mark the
// captions give it.
TEST(ChartReport, BodySignsAreTheBoxesOfEachChart) {
    const ChartResult result = DelhiBirth();
    for (const ReportChart& chart : ReportChartsOf(result)) {
        const ChartCaptions captions = BoxCaptions(chart);
        for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
            const std::int16_t sign = chart.bodySign[slot];
            ASSERT_NE(sign, kNoSign) << chart.kind->id << " body " << slot;
            const std::string name((*chart.kind->names)[slot]);
            const std::string& box = captions[static_cast<std::size_t>(sign)];
            EXPECT_NE(box.find("\n" + name), std::string::npos) << chart.kind->id << " " << name;
            EXPECT_EQ(box.find("\n" + name + " (R)") != std::string::npos, chart.retrograde[slot])
                << chart.kind->id << " " << name;
        }
    }
}

// A Lagna on a part's closing minute stays in that part, one minute on moves
// to the next. Gemini is odd (air): Hora from Leo; Navamsa from Libra;
// Saptamsa and Dasamsa from Gemini itself.
TEST(ChartReport, TheLagnaOnAPartBoundaryIsPlacedAsABodyWouldBe) {
    struct Case {
        const char* ascendant;
        std::array<std::int16_t, 8> signs;  // D1 D2 D3 D4 D7 D9 D10 D12
    };
    const Case kCases[] = {
        // 600': D3 part 0 (ends at 600), D4 part 1 (451..900), D7 part 2
        // (515..771), D9 part 2 (401..600), D10 part 3 (541..720), D12 part 3 (451..600).
        {"10\u00B0 00' 59\" Gem", {Gem, Leo, Gem, Vir, Leo, Sag, Vir, Vir}},
        // 601': D3 part 1 (+4 signs), D9 part 3, D12 part 4.
        {"10\u00B0 01' 00\" Gem", {Gem, Leo, Lib, Vir, Leo, Cap, Vir, Lib}},
        // 0': the first part of everything; Hora of an odd sign opens with Leo.
        {"00\u00B0 00' 00\" Gem", {Gem, Leo, Gem, Gem, Gem, Lib, Gem, Gem}},
        // 1799': the last part. Even Pisces: Hora ends in Leo, D3 +8, D4 +9,
        // D7 from Virgo +6, D9 from Cancer +8, D10 from Scorpio +9, D12 +11.
        {"29\u00B0 59' 59\" Pis", {Pis, Leo, Sco, Sag, Pis, Pis, Leo, Aqu}},
    };
    for (const Case& c : kCases) {
        ChartResult result;
        result.positions.ascendantText = c.ascendant;
        PlaceRashiChart(result.positions, result.placements.rashi);
        PlaceDivisionalCharts(result.positions, result.placements.divisional);
        const ReportCharts charts = ReportChartsOf(result);
        for (std::size_t chart = 0; chart < c.signs.size(); ++chart) {
            EXPECT_EQ(charts[chart].ascendantSign, c.signs[chart])
                << c.ascendant << ", " << charts[chart].kind->id;
        }
    }
}

TEST(ChartReport, ALagnaTextWithoutASignLeavesTheRashiLagnaOut) {
    ChartResult result;
    result.positions.ascendantText = "12\u00B0 30' 00\" ???";
    PlaceRashiChart(result.positions, result.placements.rashi);
    EXPECT_EQ(ReportChartsOf(result)[0].ascendantSign, kNoSign);
}

TEST(ChartReport, SectionsInOrderWithTheirRows) {
    ChartResult result = DelhiBirth();
    result.birth.utcOffsetSeconds = 19270;  // Madras mean time: seconds in the clock
    result.birth.clockName.clear();         // no longer the form's row
    const ChartReport report = BuildChartReport(result);
    std::vector<std::string_view> ids;
    for (const ReportSection& section : report.sections) {
        ids.push_back(section.id);
    }
    EXPECT_EQ(ids, (std::vector<std::string_view>{"birth", "clock", "vedic", "positions",
                                                  "panchanga", "windows"}));

    const auto value = [&](std::string_view section, std::string_view row) {
        for (const ReportRow& r : FindSection(report, section)->rows) {
            if (r.id == row) {
                return r.value;
            }
        }
        return std::string("(no row)");
    };
    EXPECT_EQ(value("birth", "date"), "March/15/1947");
    EXPECT_EQ(value("birth", "city"), "New Delhi");
    // 00:30 local less 5 h 21 min 10 s is 19:08:50 the day before.
    EXPECT_EQ(value("clock", "clock"), "UTC+05:21:10");
    EXPECT_EQ(value("clock", "universalTime"), "1947-03-14 19:08:50");
    EXPECT_EQ(value("clock", "method"), "Built-in method");
    EXPECT_EQ(value("vedic", "lagna"), "Scorpio (Vrishcika)");
    EXPECT_EQ(value("vedic", "lagnaPosition"), "19 Sco 12");

    const ReportTable& positions = FindSection(report, "positions")->tables.at(0);
    ASSERT_EQ(positions.rows.size(), std::size_t{kBodyCount});
    // The golden Delhi birth: Mercury turned back in Aquarius, the Sun direct.
    EXPECT_EQ(positions.rows[0], (std::vector<std::string>{"Surya / Sun", "00 Pis 15", ""}));
    EXPECT_EQ(positions.rows[2], (std::vector<std::string>{"Budha / Mercury", "18 Aqu 59", "(R)"}));
}

TEST(ChartReport, DaylightSavingIsNamedWithTheClock) {
    ChartResult result = DelhiBirth();
    result.birth.utcOffsetSeconds = -4 * 3600;
    result.birth.dst = true;
    result.birth.clockName.clear();
    const ChartReport report = BuildChartReport(result);
    EXPECT_EQ(FindSection(report, "clock")->rows.at(0).value,
              "UTC-04:00 (daylight saving included)");
}

std::string ClockOfForm(const FormInput& form) {
    ChartResult result;
    EXPECT_FALSE(ComputeChart(form, result).has_value());
    return FindSection(BuildChartReport(result), "clock")->rows.at(0).value;
}

// The birth details say which clock charted the birth, not only its offset:
// the repeated hour of Madrid on 1983-09-25 is told apart by it.
TEST(ChartReport, TheClockIsNamedAsTheFormChoseIt) {
    FormInput madrid = testing::DelhiForm(1983, 9, 25, 2, 30);
    madrid.zoneRow = 20;  // "Central European Time,CET,+1.0"
    madrid.dst = true;
    EXPECT_EQ(ClockOfForm(madrid),
              "UTC+02:00 (daylight saving included), Central European Time (CET)");
    madrid.dst = false;
    EXPECT_EQ(ClockOfForm(madrid), "UTC+01:00, Central European Time (CET)");
    madrid.zoneRow = 34;  // "Indian Time, IST, +5.3": blanks in the list's text
    EXPECT_EQ(ClockOfForm(madrid), "UTC+05:30, Indian Time (IST)");

    madrid.exactClock =
        ExactClock{7200, "Europe/Madrid +02:00 (CEST), daylight saving", "Europe/Madrid"};
    EXPECT_EQ(ClockOfForm(madrid), "Europe/Madrid +02:00 (CEST), daylight saving");
}

}  // namespace
}  // namespace amsaview
