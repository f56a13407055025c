#include "pipeline/ChartCaptions.h"

#include <gtest/gtest.h>

namespace amsaview {
namespace {

SignBox BoxOf(std::initializer_list<PlacedBody> bodies) {
    SignBox box;
    for (const PlacedBody& placed : bodies) {
        box.add(placed);
    }
    return box;
}

TEST(ChartCaptions, EachBodyOnItsOwnLineWithTheMarkAfterARetrogradeOne) {
    struct Case {
        const char* what;
        SignBox box;
        std::string_view english, sanskrit;
    };
    const Case kCases[] = {
        {"empty", BoxOf({}), "", ""},
        {"one", BoxOf({{Body::Moon, false}}), "\r\nMoon", "\r\nChandra"},
        {"retrograde last", BoxOf({{Body::Sun, false}, {Body::Mercury, true}}),
         "\r\nSun\r\nMercury (R) ", "\r\nSurya\r\nBudha (R) "},
        {"retrograde first",
         BoxOf({{Body::Venus, true}, {Body::Mars, false}, {Body::Jupiter, true}}),
         "\r\nVenus (R) \r\nMars\r\nJupiter (R) ", "\r\nShukra (R) \r\nMangala\r\nGuru (R) "},
        {"Saturn and the nodes",
         BoxOf({{Body::Saturn, true}, {Body::Rahu, false}, {Body::Ketu, false}}),
         "\r\nSaturn (R) \r\nRahu\r\nKetu", "\r\nShani (R) \r\nRahu\r\nKetu"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(SignBoxCaption(c.box, kPlanetNames), c.english) << c.what;
        EXPECT_EQ(SignBoxCaption(c.box, kVedicPlanetNames), c.sanskrit) << c.what;
    }
}

TEST(ChartCaptions, RashiInSanskritDivisionalInEnglish) {
    ChartPlacements placements;
    placements.rashi.signs[3].add({Body::Mercury, true});
    placements.divisional[6].signs[11].add({Body::Mercury, true});
    const ChartCaptions rashi = RashiCaptions(placements);
    EXPECT_EQ(rashi[3], "\r\nBudha (R) ");
    EXPECT_EQ(rashi[11], "");
    const ChartCaptions dwadasamsa = DivisionalCaptions(placements, 6);
    EXPECT_EQ(dwadasamsa[11], "\r\nMercury (R) ");
    EXPECT_EQ(DivisionalCaptions(placements, 5)[11], "");
}

}  // namespace
}  // namespace amsaview
