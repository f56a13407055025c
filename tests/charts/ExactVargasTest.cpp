#include "charts/ExactVargas.h"

#include <gtest/gtest.h>

#include "charts/DivisionalCharts.h"
#include "charts/DivisionalRules.h"
#include "charts/RashiChart.h"
#include "support/ChartTestSupport.h"

namespace amsaview {
namespace {

using testing::BodiesIn;

const ExactVarga& Varga(std::string_view id) {
    for (const ExactVarga& chart : kExactVargas) {
        if (chart.id == id) {
            return chart;
        }
    }
    throw std::invalid_argument("no chart " + std::string(id));
}

std::string_view SignAt(std::string_view id, double longitude) {
    return SignAbbreviations[static_cast<std::size_t>(ExactVargaSign(Varga(id), longitude))];
}

TEST(ExactVargas, ListsTheEightChartsInOrderWithTheirParts) {
    constexpr std::pair<std::string_view, int> kExpected[] = {
        {"D16", 16}, {"D20", 20}, {"D24", 24}, {"D27", 27},
        {"D30", 30}, {"D40", 40}, {"D45", 45}, {"D60", 60},
    };
    ASSERT_EQ(kExactVargas.size(), std::size(kExpected));
    for (std::size_t row = 0; row < kExactVargas.size(); ++row) {
        EXPECT_EQ(kExactVargas[row].id, kExpected[row].first) << row;
        EXPECT_EQ(kExactVargas[row].partCount, kExpected[row].second) << row;
    }
}

// Aries (movable, odd, fire), Taurus (fixed, even, earth), Gemini (dual,
// odd, air), Cancer (movable, even, water), each at 0.2°, 15.2° and 29.9° of
// the sign: the first, a middle and the last part. Parts worked by hand:
// D16 0, 8, 15; D20 0, 10, 19; D24 0, 12, 23; D27 0, 13, 26; D40 0, 20, 39;
// D45 0, 22, 44; D60 0, 30, 59.
TEST(ExactVargas, FirstMiddleAndLastPartOfEachKindOfSign) {
    struct Case {
        std::string_view chart;
        std::array<std::array<std::string_view, 3>, 4> signs;  // Ari, Tau, Gem, Can
    };
    const Case kCases[] = {
        {"D16",
         {{{"Ari", "Sag", "Can"},
           {"Leo", "Ari", "Sco"},
           {"Sag", "Leo", "Pis"},
           {"Ari", "Sag", "Can"}}}},
        {"D20",
         {{{"Ari", "Aqu", "Sco"},
           {"Sag", "Lib", "Can"},
           {"Leo", "Gem", "Pis"},
           {"Ari", "Aqu", "Sco"}}}},
        {"D24",
         {{{"Leo", "Leo", "Can"},
           {"Can", "Can", "Gem"},
           {"Leo", "Leo", "Can"},
           {"Can", "Can", "Gem"}}}},
        {"D27",
         {{{"Ari", "Tau", "Gem"},
           {"Can", "Leo", "Vir"},
           {"Lib", "Sco", "Sag"},
           {"Cap", "Aqu", "Pis"}}}},
        {"D30",
         {{{"Ari", "Sag", "Lib"},
           {"Tau", "Pis", "Sco"},
           {"Ari", "Sag", "Lib"},
           {"Tau", "Pis", "Sco"}}}},
        {"D40",
         {{{"Ari", "Sag", "Can"},
           {"Lib", "Gem", "Cap"},
           {"Ari", "Sag", "Can"},
           {"Lib", "Gem", "Cap"}}}},
        {"D45",
         {{{"Ari", "Aqu", "Sag"},
           {"Leo", "Gem", "Ari"},
           {"Sag", "Lib", "Leo"},
           {"Ari", "Aqu", "Sag"}}}},
        {"D60",
         {{{"Ari", "Lib", "Pis"},
           {"Tau", "Sco", "Ari"},
           {"Gem", "Sag", "Tau"},
           {"Can", "Cap", "Gem"}}}},
    };
    constexpr std::array<double, 3> kDegrees = {0.2, 15.2, 29.9};
    for (const Case& c : kCases) {
        for (std::size_t sign = 0; sign < c.signs.size(); ++sign) {
            for (std::size_t at = 0; at < kDegrees.size(); ++at) {
                const double longitude = 30.0 * static_cast<double>(sign) + kDegrees[at];
                EXPECT_EQ(SignAt(c.chart, longitude), c.signs[sign][at])
                    << c.chart << " at " << longitude << "°";
            }
        }
    }
}

TEST(ExactVargas, TrimsamsaBoundsBelongToTheLaterPart) {
    // Leo is an odd sign, Scorpio an even one; one arc-second short of each
    // bound, then on it.
    constexpr double kLeo = 120.0;
    constexpr double kScorpio = 210.0;
    constexpr double kArcSecond = 1.0 / 3600.0;
    struct Case {
        double degree;
        std::string_view oddBefore, oddAt, evenBefore, evenAt;
    };
    constexpr Case kCases[] = {
        {5, "Ari", "Aqu", "Tau", "Vir"},  {10, "Aqu", "Sag", "Vir", "Vir"},
        {12, "Sag", "Sag", "Vir", "Pis"}, {18, "Sag", "Gem", "Pis", "Pis"},
        {20, "Gem", "Gem", "Pis", "Cap"}, {25, "Gem", "Lib", "Cap", "Sco"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(SignAt("D30", kLeo + c.degree - kArcSecond), c.oddBefore) << "Leo " << c.degree;
        EXPECT_EQ(SignAt("D30", kLeo + c.degree), c.oddAt) << "Leo " << c.degree;
        EXPECT_EQ(SignAt("D30", kScorpio + c.degree - kArcSecond), c.evenBefore)
            << "Scorpio " << c.degree;
        EXPECT_EQ(SignAt("D30", kScorpio + c.degree), c.evenAt) << "Scorpio " << c.degree;
    }
}

TEST(ExactVargas, LongitudesOutsideOneTurnAndAtTheEndOfASign) {
    // 29.9999999999° Pisces is the last Shashtiamsa of Pisces (11 + 59), not
    // one past it; a whole turn more or less changes nothing; a hair below 0
    // that rounds to a whole turn is 0° Aries.
    EXPECT_EQ(SignAt("D60", 359.9999999999), "Aqu");
    EXPECT_EQ(SignAt("D60", -1e-13), "Aqu");
    EXPECT_EQ(SignAt("D60", -1e-14), "Ari");
    EXPECT_EQ(SignAt("D60", 360.0 + 67.2261), "Leo");
    EXPECT_EQ(SignAt("D60", 67.2261 - 720.0), "Leo");
    EXPECT_EQ(SignAt("D45", 29.9999999999), "Sag");
}

// One birth's ascendant and nine bodies, texts truncated to the minute as the
// program writes them:
//   Asc 67.2261 (07 Gem 13), Sun 322.7712, Moon 258.6531, Mercury 295.5390
//   (R), Venus 351.2710, Mars 279.7905 (R), Jupiter 333.9701, Saturn 78.9242,
//   Rahu 220.7023, Ketu 40.7023.
// The older charts cut the minute text, the new ones the longitude; every cell
// worked from the rules, for example D60 Asc: 7.2261° of Gemini is part 14,
// Gemini + 14 = Leo; D30 Sun: 22.77° of odd Aquarius is under 25, Gemini.
ChartPositions ExampleBirth() {
    ChartPositions positions;
    positions.ascendant = 67.2261;
    positions.ascendantText = "07° 13' 33\" Gem";
    positions.siderealLongitude = {322.7712, 258.6531, 295.5390, 351.2710, 279.7905,
                                   333.9701, 78.9242,  220.7023, 40.7023};
    positions.positionText = {"22 Aqu 46", "18 Sag 39", "25 Cap 32", "21 Pis 16", "09 Cap 47",
                              "03 Pis 58", "18 Gem 55", "10 Sco 42", "10 Tau 42"};
    positions.retrograde = {true, false, true, false, false};
    return positions;
}

using ChartRow = std::pair<std::string_view, std::array<std::string_view, 1 + kBodyCount>>;
constexpr ChartRow kExampleBirthCharts[] = {
    {"D1", {"Gem", "Aqu", "Sag", "Cap", "Pis", "Cap", "Pis", "Gem", "Sco", "Tau"}},
    {"D2", {"Leo", "Can", "Can", "Leo", "Leo", "Can", "Can", "Can", "Can", "Can"}},
    {"D3", {"Gem", "Lib", "Ari", "Vir", "Sco", "Cap", "Pis", "Lib", "Pis", "Vir"}},
    {"D4", {"Gem", "Sco", "Gem", "Lib", "Vir", "Ari", "Pis", "Sag", "Aqu", "Leo"}},
    {"D7", {"Can", "Can", "Ari", "Sag", "Cap", "Vir", "Vir", "Lib", "Can", "Cap"}},
    {"D9", {"Sag", "Ari", "Vir", "Leo", "Cap", "Pis", "Leo", "Pis", "Lib", "Ari"}},
    {"D10", {"Leo", "Vir", "Gem", "Tau", "Gem", "Sag", "Sag", "Sag", "Lib", "Ari"}},
    {"D12", {"Leo", "Sco", "Can", "Sco", "Sco", "Ari", "Ari", "Cap", "Pis", "Vir"}},
    {"D16", {"Pis", "Leo", "Vir", "Tau", "Sco", "Vir", "Aqu", "Lib", "Cap", "Cap"}},
    {"D20", {"Sag", "Pis", "Leo", "Vir", "Lib", "Lib", "Lib", "Leo", "Can", "Can"}},
    {"D24", {"Cap", "Aqu", "Lib", "Pis", "Sag", "Aqu", "Lib", "Sco", "Pis", "Pis"}},
    {"D27", {"Ari", "Gem", "Leo", "Tau", "Leo", "Pis", "Ari", "Pis", "Lib", "Ari"}},
    {"D30", {"Aqu", "Gem", "Gem", "Sco", "Cap", "Vir", "Tau", "Gem", "Vir", "Vir"}},
    {"D40", {"Cap", "Lib", "Ari", "Leo", "Aqu", "Sco", "Pis", "Tau", "Sag", "Sag"}},
    {"D45", {"Lib", "Gem", "Pis", "Gem", "Can", "Gem", "Tau", "Ari", "Sag", "Sag"}},
    {"D60", {"Leo", "Sco", "Cap", "Ari", "Vir", "Leo", "Lib", "Can", "Leo", "Aqu"}},
};

// Each body's sign in a placed chart, with its retrograde mark.
std::array<std::string, kBodyCount> SignsOfBodies(const ChartPlacement& chart) {
    std::array<std::string, kBodyCount> signs;
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        for (const PlacedBody& placed : chart.signs[sign].bodies()) {
            signs[SlotOf(placed.body)] =
                std::string(SignAbbreviations[sign]) + (placed.retrograde ? "(R)" : "");
        }
    }
    return signs;
}

void ExpectRow(const ChartRow& row, const ChartPlacement& chart) {
    ASSERT_NE(chart.ascendant, kNoSign) << row.first;
    EXPECT_EQ(SignAbbreviations[static_cast<std::size_t>(chart.ascendant)], row.second[0])
        << row.first << " Asc";
    const auto bodies = SignsOfBodies(chart);
    for (std::size_t body = 0; body < kBodyCount; ++body) {
        const bool retrograde = body == SlotOf(Body::Mercury) || body == SlotOf(Body::Mars);
        EXPECT_EQ(bodies[body], std::string(row.second[body + 1]) + (retrograde ? "(R)" : ""))
            << row.first << ' ' << kPlanetNames[body];
    }
}

TEST(ExactVargas, OneBirthInAllSixteenCharts) {
    const ChartPositions positions = ExampleBirth();
    ChartPlacements older;
    PlaceRashiChart(positions, older.rashi);
    PlaceDivisionalCharts(positions, older.divisional);
    std::array<ChartPlacement, kExactVargaCount> newer;
    PlaceExactVargas(positions, newer);

    ExpectRow(kExampleBirthCharts[0], older.rashi);
    for (std::size_t chart = 0; chart < kDivisionalChartCount; ++chart) {
        ExpectRow(kExampleBirthCharts[1 + chart], older.divisional[chart]);
    }
    for (std::size_t chart = 0; chart < kExactVargaCount; ++chart) {
        const ChartRow& row = kExampleBirthCharts[1 + kDivisionalChartCount + chart];
        ASSERT_EQ(kExactVargas[chart].id, row.first);
        ExpectRow(row, newer[chart]);
    }
}

TEST(ExactVargas, PlacingAgainClearsTheBoxes) {
    ChartPositions positions = ExampleBirth();
    ChartPlacement chart;
    PlaceExactVarga(Varga("D60"), positions, chart);
    positions.siderealLongitude.fill(0.2);
    PlaceExactVarga(Varga("D60"), positions, chart);
    EXPECT_EQ(BodiesIn(chart.signs[0]),
              "Sun Moon Mercury(R) Venus Mars(R) Jupiter Saturn Rahu Ketu");
}

}  // namespace
}  // namespace amsaview
