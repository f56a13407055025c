#include "charts/DivisionalCharts.h"

#include <gtest/gtest.h>

#include "charts/DivisionalRules.h"
#include "support/ChartTestSupport.h"

namespace amsaview {
namespace {

using test::AllBodiesAt;
using test::BodiesAt;
using test::PlainNames;

using PlaceRoutine = void (*)(const ChartPositions&, const DisplayNames&, ChartBoxes&);

struct Routine {
    std::string_view title;
    PlaceRoutine place;
    std::size_t base;
};

// Tab order, with the slot bases written out independently of the chart table.
constexpr Routine kRoutines[] = {
    {"Hora", PlaceHora, 0},
    {"Drekkana", PlaceDrekkana, 12},
    {"Chaturthamsa", PlaceChaturthamsa, 72},
    {"Saptamsa", PlaceSaptamsa, 24},
    {"Navamsa", PlaceNavamsa, 36},
    {"Dasamsa", PlaceDasamsa, 48},
    {"Dwadasamsa", PlaceDwadasamsa, 60},
};

const Routine& RoutineTitled(std::string_view title) {
    for (const Routine& routine : kRoutines) {
        if (routine.title == title) {
            return routine;
        }
    }
    throw std::invalid_argument("no routine titled " + std::string(title));
}

constexpr std::string_view kAllNine =
    "\r\nSun\r\nMoon\r\nMercury\r\nVenus\r\nMars\r\nJupiter\r\nSaturn\r\nRahu\r\nKetu";

// The sign of the one box that receives all nine bodies standing at text, or
// what went wrong: another chart's slot touched, bodies split or lost.
std::string BoxOfAllNine(const Routine& routine, std::string_view text) {
    ChartBoxes boxes;
    boxes.lblPlanet.fill("untouched");
    routine.place(AllBodiesAt(text), PlainNames(), boxes);
    std::string found = "none";
    for (std::size_t slot = 0; slot < boxes.lblPlanet.size(); ++slot) {
        const std::string& box = boxes.lblPlanet[slot];
        const bool own = slot >= routine.base && slot < routine.base + kSignCount;
        if (!own && box != "untouched") {
            return "slot " + std::to_string(slot) + " touched";
        }
        if (own && !box.empty()) {
            if (box != kAllNine || found != "none") {
                return "bodies split or garbled";
            }
            found = SignAbbreviations[slot - routine.base];
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
        EXPECT_EQ(BoxOfAllNine(RoutineTitled(c.chart), c.text), c.sign) << c.chart << ' ' << c.text;
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
        const Routine& routine = RoutineTitled(c.chart);
        EXPECT_EQ(BoxOfAllNine(routine, c.atBound), c.sign) << c.chart << ' ' << c.atBound;
        EXPECT_EQ(BoxOfAllNine(routine, c.pastBound), c.signPast) << c.chart << ' ' << c.pastBound;
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
        for (std::size_t chart = 0; chart < std::size(kRoutines); ++chart) {
            const Routine& routine = kRoutines[chart];
            EXPECT_EQ(BoxOfAllNine(routine, first), row.atMinute0[chart])
                << routine.title << ' ' << first;
            EXPECT_EQ(BoxOfAllNine(routine, last), row.atMinute1799[chart])
                << routine.title << ' ' << last;
        }
    }
}

TEST(DivisionalCharts, UnknownAbbreviationAndMalformedTextsCountAsAries) {
    const Routine& drekkana = RoutineTitled("Drekkana");
    struct Case {
        std::string_view text, sign;
    };
    constexpr Case kCases[] = {
        {"10 Xyz 01", "Leo"}, {"10 ari 01", "Leo"}, {"", "Ari"},          {"16", "Leo"},
        {"16 Sa", "Leo"},     {"30 Tau 01", "Cap"}, {"99 Tau 99", "Cap"}, {"-5 Tau 00", "Tau"},
        {"16 Leo 3", "Sag"},  {"xx Leo yy", "Leo"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(BoxOfAllNine(drekkana, c.text), c.sign) << '"' << c.text << '"';
    }
}

// Bodies on bounds, on the last minute and counted on past Pisces.
ChartPositions MixedChart() {
    return BodiesAt({"05 Leo 00", "15 Ari 00", "25 Sag 00", "01 Tau 00", "29 Leo 59", "00 Sag 00",
                     "10 Ari 01", "20 Gem 00", "20 Sag 00"});
}

TEST(DivisionalCharts, BodiesSharingABoxAreListedInBodyOrder) {
    ChartBoxes boxes;
    PlaceDrekkana(MixedChart(), PlainNames(), boxes);
    const std::array<std::string, kSignCount> expected = {"\r\nMars\r\nKetu",
                                                          "\r\nVenus",
                                                          "",
                                                          "",
                                                          "\r\nSun\r\nMoon\r\nMercury\r\nSaturn",
                                                          "",
                                                          "\r\nRahu",
                                                          "",
                                                          "\r\nJupiter",
                                                          "",
                                                          "",
                                                          ""};
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        EXPECT_EQ(boxes.lblPlanet[12 + sign], expected[sign]) << SignAbbreviations[sign];
    }
}

TEST(DivisionalCharts, HoraUsesOnlyCancerAndLeo) {
    for (std::size_t index = 0; index < kSignCount; ++index) {
        const std::string_view sign = SignAbbreviations[index];
        const std::string s(sign);
        ChartBoxes boxes;
        PlaceHora(BodiesAt({"00 " + s + " 00", "00 " + s + " 01", "07 " + s + " 30",
                            "14 " + s + " 59", "15 " + s + " 00", "15 " + s + " 01",
                            "22 " + s + " 30", "29 " + s + " 58", "29 " + s + " 59"}),
                  PlainNames(), boxes);
        for (std::size_t box = 0; box < kSignCount; ++box) {
            if (box != 3 && box != 4) {
                EXPECT_EQ(boxes.lblPlanet[box], "") << '"' << sign << "\" box " << box;
            }
        }
        EXPECT_EQ(boxes.lblPlanet[3].size() + boxes.lblPlanet[4].size(), kAllNine.size()) << sign;
    }
}

TEST(DivisionalCharts, RetrogradeMarksAreCarriedThrough) {
    DisplayNames names = PlainNames();
    names.planetNames[2] = "Mercury (R) ";
    names.planetNames[4] = "Mars (R) ";
    ChartBoxes boxes;
    PlaceNavamsa(AllBodiesAt("00 Leo 00"), names, boxes);
    EXPECT_EQ(boxes.lblPlanet[36],
              "\r\nSun\r\nMoon\r\nMercury (R) \r\nVenus\r\nMars (R) \r\nJupiter\r\nSaturn\r\nRahu"
              "\r\nKetu");
}

TEST(DivisionalCharts, PlacingAgainReplacesTheChart) {
    const ChartPositions positions = MixedChart();
    ChartBoxes once;
    PlaceDivisionalCharts(positions, PlainNames(), once);
    for (const Routine& routine : kRoutines) {
        ChartBoxes twice = once;
        routine.place(positions, PlainNames(), twice);
        EXPECT_EQ(twice.lblPlanet, once.lblPlanet) << routine.title;
    }
    ChartBoxes all = once;
    PlaceDivisionalCharts(positions, PlainNames(), all);
    EXPECT_EQ(all.lblPlanet, once.lblPlanet);
}

TEST(DivisionalCharts, TabTitlesLeadToTheirRoutinesBoxes) {
    const ChartPositions positions = MixedChart();
    ChartBoxes all;
    PlaceDivisionalCharts(positions, PlainNames(), all);
    ASSERT_EQ(std::size(kDivisionalCharts), std::size(kRoutines));
    for (std::size_t tab = 0; tab < std::size(kRoutines); ++tab) {
        const Routine& routine = kRoutines[tab];
        EXPECT_EQ(kDivisionalCharts[tab].title, routine.title);
        ChartBoxes alone;
        routine.place(positions, PlainNames(), alone);
        const auto shown = BoxesOf(all, kDivisionalCharts[tab]);
        for (std::size_t sign = 0; sign < kSignCount; ++sign) {
            EXPECT_EQ(shown[sign], alone.lblPlanet[routine.base + sign]) << routine.title;
        }
    }
}

}  // namespace
}  // namespace amsaview
