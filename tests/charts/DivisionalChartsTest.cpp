#include "charts/DivisionalCharts.h"

#include <gtest/gtest.h>

#include "charts/DivisionalRules.h"
#include "support/ChartTestSupport.h"

namespace amsaview {
namespace {

using testing::AllBodiesAt;
using testing::BodiesAt;
using testing::BodiesIn;

// Tab order, with the window's label bases written out independently of the
// chart table.
struct Tab {
    std::string_view title;
    int slotBase;
};
constexpr Tab kTabs[] = {
    {"Hora", 0},     {"Drekkana", 12}, {"Chaturthamsa", 72}, {"Saptamsa", 24},
    {"Navamsa", 36}, {"Dasamsa", 48},  {"Dwadasamsa", 60},
};

const DivisionalChart& ChartTitled(std::string_view title) {
    for (const DivisionalChart& chart : kDivisionalCharts) {
        if (chart.title == title) {
            return chart;
        }
    }
    throw std::invalid_argument("no chart titled " + std::string(title));
}

ChartPlacement Placed(std::string_view title, const ChartPositions& positions) {
    ChartPlacement placement;
    PlaceDivisionalChart(ChartTitled(title), positions, placement);
    return placement;
}

constexpr std::string_view kAllNine = "Sun Moon Mercury Venus Mars Jupiter Saturn Rahu Ketu";

// The sign of the one box that receives all nine bodies standing at text, or
// what went wrong: bodies split, lost or out of order.
std::string BoxOfAllNine(std::string_view title, std::string_view text) {
    const ChartPlacement placement = Placed(title, AllBodiesAt(text));
    std::string found = "none";
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        const std::string bodies = BodiesIn(placement.signs[sign]);
        if (!bodies.empty()) {
            if (bodies != kAllNine || found != "none") {
                return "bodies split or garbled";
            }
            found = SignAbbreviations[sign];
        }
    }
    return found;
}

TEST(DivisionalCharts, WorkedExamples) {
    struct Case {
        std::string_view chart, text, sign;
    };
    constexpr Case kCases[] = {
        {"Hora", "15 Ari 00", "Leo"},     {"Hora", "15 Ari 01", "Can"},
        {"Navamsa", "29 Pis 59", "Pis"},  {"Dasamsa", "20 Pis 00", "Tau"},
        {"Saptamsa", "29 Tau 59", "Tau"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(BoxOfAllNine(c.chart, c.text), c.sign) << c.chart << ' ' << c.text;
    }
}

TEST(DivisionalCharts, BodyOnABoundStaysInTheEarlierPart) {
    // Every bound but 1800, in Aries, where part k is counted on from Aries.
    struct Case {
        std::string_view chart, atBound, sign, pastBound, signPast;
    };
    constexpr Case kCases[] = {
        {"Hora", "15 Ari 00", "Leo", "15 Ari 01", "Can"},
        {"Drekkana", "10 Ari 00", "Ari", "10 Ari 01", "Leo"},
        {"Drekkana", "20 Ari 00", "Leo", "20 Ari 01", "Sag"},
        {"Chaturthamsa", "07 Ari 30", "Ari", "07 Ari 31", "Can"},
        {"Chaturthamsa", "15 Ari 00", "Can", "15 Ari 01", "Lib"},
        {"Chaturthamsa", "22 Ari 30", "Lib", "22 Ari 31", "Cap"},
        {"Saptamsa", "04 Ari 17", "Ari", "04 Ari 18", "Tau"},
        {"Saptamsa", "08 Ari 34", "Tau", "08 Ari 35", "Gem"},
        {"Saptamsa", "12 Ari 51", "Gem", "12 Ari 52", "Can"},
        {"Saptamsa", "17 Ari 08", "Can", "17 Ari 09", "Leo"},
        {"Saptamsa", "21 Ari 25", "Leo", "21 Ari 26", "Vir"},
        {"Saptamsa", "25 Ari 42", "Vir", "25 Ari 43", "Lib"},
        {"Navamsa", "03 Ari 20", "Ari", "03 Ari 21", "Tau"},
        {"Navamsa", "06 Ari 40", "Tau", "06 Ari 41", "Gem"},
        {"Navamsa", "10 Ari 00", "Gem", "10 Ari 01", "Can"},
        {"Navamsa", "13 Ari 20", "Can", "13 Ari 21", "Leo"},
        {"Navamsa", "16 Ari 40", "Leo", "16 Ari 41", "Vir"},
        {"Navamsa", "20 Ari 00", "Vir", "20 Ari 01", "Lib"},
        {"Navamsa", "23 Ari 20", "Lib", "23 Ari 21", "Sco"},
        {"Navamsa", "26 Ari 40", "Sco", "26 Ari 41", "Sag"},
        {"Dasamsa", "03 Ari 00", "Ari", "03 Ari 01", "Tau"},
        {"Dasamsa", "06 Ari 00", "Tau", "06 Ari 01", "Gem"},
        {"Dasamsa", "09 Ari 00", "Gem", "09 Ari 01", "Can"},
        {"Dasamsa", "12 Ari 00", "Can", "12 Ari 01", "Leo"},
        {"Dasamsa", "15 Ari 00", "Leo", "15 Ari 01", "Vir"},
        {"Dasamsa", "18 Ari 00", "Vir", "18 Ari 01", "Lib"},
        {"Dasamsa", "21 Ari 00", "Lib", "21 Ari 01", "Sco"},
        {"Dasamsa", "24 Ari 00", "Sco", "24 Ari 01", "Sag"},
        {"Dasamsa", "27 Ari 00", "Sag", "27 Ari 01", "Cap"},
        {"Dwadasamsa", "02 Ari 30", "Ari", "02 Ari 31", "Tau"},
        {"Dwadasamsa", "05 Ari 00", "Tau", "05 Ari 01", "Gem"},
        {"Dwadasamsa", "07 Ari 30", "Gem", "07 Ari 31", "Can"},
        {"Dwadasamsa", "10 Ari 00", "Can", "10 Ari 01", "Leo"},
        {"Dwadasamsa", "12 Ari 30", "Leo", "12 Ari 31", "Vir"},
        {"Dwadasamsa", "15 Ari 00", "Vir", "15 Ari 01", "Lib"},
        {"Dwadasamsa", "17 Ari 30", "Lib", "17 Ari 31", "Sco"},
        {"Dwadasamsa", "20 Ari 00", "Sco", "20 Ari 01", "Sag"},
        {"Dwadasamsa", "22 Ari 30", "Sag", "22 Ari 31", "Cap"},
        {"Dwadasamsa", "25 Ari 00", "Cap", "25 Ari 01", "Aqu"},
        {"Dwadasamsa", "27 Ari 30", "Aqu", "27 Ari 31", "Pis"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(BoxOfAllNine(c.chart, c.atBound), c.sign) << c.chart << ' ' << c.atBound;
        EXPECT_EQ(BoxOfAllNine(c.chart, c.pastBound), c.signPast) << c.chart << ' ' << c.pastBound;
    }
}

TEST(DivisionalCharts, FirstAndLastMinuteOfEverySign) {
    // Charts in tab order: Hora, Drekkana, Chaturthamsa, Saptamsa, Navamsa, Dasamsa, Dwadasamsa.
    using Signs = std::array<std::string_view, kDivisionalChartCount>;
    struct Row {
        std::string_view sign;
        Signs atMinute0, atMinute1799;
    };
    constexpr Row kRows[] = {
        {"Ari",
         {"Leo", "Ari", "Ari", "Ari", "Ari", "Ari", "Ari"},
         {"Can", "Sag", "Cap", "Lib", "Sag", "Cap", "Pis"}},
        {"Tau",
         {"Can", "Tau", "Tau", "Sco", "Cap", "Cap", "Tau"},
         {"Leo", "Cap", "Aqu", "Tau", "Vir", "Lib", "Ari"}},
        {"Gem",
         {"Leo", "Gem", "Gem", "Gem", "Lib", "Gem", "Gem"},
         {"Can", "Aqu", "Pis", "Sag", "Gem", "Pis", "Tau"}},
        {"Can",
         {"Can", "Can", "Can", "Cap", "Can", "Pis", "Can"},
         {"Leo", "Pis", "Ari", "Can", "Pis", "Sag", "Gem"}},
        {"Leo",
         {"Leo", "Leo", "Leo", "Leo", "Ari", "Leo", "Leo"},
         {"Can", "Ari", "Tau", "Aqu", "Sag", "Tau", "Can"}},
        {"Vir",
         {"Can", "Vir", "Vir", "Pis", "Cap", "Tau", "Vir"},
         {"Leo", "Tau", "Gem", "Vir", "Vir", "Aqu", "Leo"}},
        {"Lib",
         {"Leo", "Lib", "Lib", "Lib", "Lib", "Lib", "Lib"},
         {"Can", "Gem", "Can", "Ari", "Gem", "Can", "Vir"}},
        {"Sco",
         {"Can", "Sco", "Sco", "Tau", "Can", "Can", "Sco"},
         {"Leo", "Can", "Leo", "Sco", "Pis", "Ari", "Lib"}},
        {"Sag",
         {"Leo", "Sag", "Sag", "Sag", "Ari", "Sag", "Sag"},
         {"Can", "Leo", "Vir", "Gem", "Sag", "Vir", "Sco"}},
        {"Cap",
         {"Can", "Cap", "Cap", "Can", "Cap", "Vir", "Cap"},
         {"Leo", "Vir", "Lib", "Cap", "Vir", "Gem", "Sag"}},
        {"Aqu",
         {"Leo", "Aqu", "Aqu", "Aqu", "Lib", "Aqu", "Aqu"},
         {"Can", "Lib", "Sco", "Leo", "Gem", "Sco", "Cap"}},
        {"Pis",
         {"Can", "Pis", "Pis", "Vir", "Can", "Sco", "Pis"},
         {"Leo", "Sco", "Sag", "Pis", "Pis", "Leo", "Aqu"}},
    };
    for (const Row& row : kRows) {
        const std::string first = "00 " + std::string(row.sign) + " 00";
        const std::string last = "29 " + std::string(row.sign) + " 59";
        for (std::size_t chart = 0; chart < std::size(kTabs); ++chart) {
            const std::string_view title = kTabs[chart].title;
            EXPECT_EQ(BoxOfAllNine(title, first), row.atMinute0[chart]) << title << ' ' << first;
            EXPECT_EQ(BoxOfAllNine(title, last), row.atMinute1799[chart]) << title << ' ' << last;
        }
    }
}

TEST(DivisionalCharts, UnknownAbbreviationAndMalformedTextsCountAsAries) {
    struct Case {
        std::string_view text, sign;
    };
    constexpr Case kCases[] = {
        {"10 Xyz 01", "Leo"}, {"10 ari 01", "Leo"}, {"", "Ari"},          {"16", "Leo"},
        {"16 Sa", "Leo"},     {"30 Tau 01", "Cap"}, {"99 Tau 99", "Cap"}, {"-5 Tau 00", "Tau"},
        {"16 Leo 3", "Sag"},  {"xx Leo yy", "Leo"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(BoxOfAllNine("Drekkana", c.text), c.sign) << '"' << c.text << '"';
    }
}

// Bodies on bounds, on the last minute and counted on past Pisces.
ChartPositions MixedChart() {
    return BodiesAt({"05 Leo 00", "15 Ari 00", "25 Sag 00", "01 Tau 00", "29 Leo 59", "00 Sag 00",
                     "10 Ari 01", "20 Gem 00", "20 Sag 00"});
}

TEST(DivisionalCharts, BodiesSharingABoxAreListedInBodyOrder) {
    const ChartPlacement drekkana = Placed("Drekkana", MixedChart());
    const std::array<std::string_view, kSignCount> expected = {
        "Mars Ketu", "Venus", "", "", "Sun Moon Mercury Saturn", "", "Rahu", "",
        "Jupiter",   "",      "", ""};
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        EXPECT_EQ(BodiesIn(drekkana.signs[sign]), expected[sign]) << SignAbbreviations[sign];
    }
}

TEST(DivisionalCharts, HoraUsesOnlyCancerAndLeo) {
    for (std::size_t index = 0; index < kSignCount; ++index) {
        const std::string_view sign = SignAbbreviations[index];
        const std::string s(sign);
        const ChartPlacement hora =
            Placed("Hora", BodiesAt({"00 " + s + " 00", "00 " + s + " 01", "07 " + s + " 30",
                                     "14 " + s + " 59", "15 " + s + " 00", "15 " + s + " 01",
                                     "22 " + s + " 30", "29 " + s + " 58", "29 " + s + " 59"}));
        for (std::size_t box = 0; box < kSignCount; ++box) {
            if (box != 3 && box != 4) {
                EXPECT_TRUE(hora.signs[box].bodies().empty()) << '"' << sign << "\" box " << box;
            }
        }
        EXPECT_EQ(hora.signs[3].bodies().size() + hora.signs[4].bodies().size(), kBodyCount)
            << sign;
    }
}

TEST(DivisionalCharts, RetrogradeFlagsAreCarriedThrough) {
    ChartPositions positions = AllBodiesAt("00 Leo 00");
    positions.retrograde = {true, false, true, false, false};  // Mercury and Mars
    const ChartPlacement navamsa = Placed("Navamsa", positions);
    EXPECT_EQ(BodiesIn(navamsa.signs[0]),
              "Sun Moon Mercury(R) Venus Mars(R) Jupiter Saturn Rahu Ketu");
}

TEST(DivisionalCharts, PlacingAgainReplacesTheChart) {
    const ChartPositions positions = MixedChart();
    std::array<ChartPlacement, kDivisionalChartCount> once;
    PlaceDivisionalCharts(positions, once);
    auto twice = once;
    PlaceDivisionalCharts(positions, twice);
    EXPECT_EQ(twice, once);
    for (std::size_t tab = 0; tab < std::size(kTabs); ++tab) {
        ChartPlacement again = once[tab];
        PlaceDivisionalChart(kDivisionalCharts[tab], positions, again);
        EXPECT_EQ(again, once[tab]) << kTabs[tab].title;
    }
}

TEST(DivisionalCharts, TabsFollowTheRulesTable) {
    const ChartPositions positions = MixedChart();
    std::array<ChartPlacement, kDivisionalChartCount> all;
    PlaceDivisionalCharts(positions, all);
    ASSERT_EQ(std::size(kDivisionalCharts), std::size(kTabs));
    for (std::size_t tab = 0; tab < std::size(kTabs); ++tab) {
        EXPECT_EQ(kDivisionalCharts[tab].title, kTabs[tab].title);
        EXPECT_EQ(kDivisionalCharts[tab].slotBase, kTabs[tab].slotBase) << kTabs[tab].title;
        EXPECT_EQ(all[tab], Placed(kTabs[tab].title, positions)) << kTabs[tab].title;
    }
}

}  // namespace
}  // namespace amsaview
