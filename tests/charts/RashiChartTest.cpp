#include "charts/RashiChart.h"

#include <gtest/gtest.h>

#include "support/ChartTestSupport.h"

namespace amsaview {
namespace {

using testing::BodiesAt;
using testing::BodiesIn;

using RashiSigns = std::array<std::string, kSignCount>;

// Each sign's bodies, placed over a chart left full by an earlier birth.
RashiSigns Placed(const ChartPositions& positions) {
    ChartPlacement rashi;
    for (SignBox& box : rashi.signs) {
        box.add({Body::Saturn, true});
    }
    PlaceRashiChart(positions, rashi);
    RashiSigns signs;
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        signs[sign] = BodiesIn(rashi.signs[sign]);
    }
    return signs;
}

TEST(RashiChart, PlacesEachBodyInItsOwnSign) {
    const RashiSigns signs =
        Placed(BodiesAt({"16 Sag 31", "02 Tau 10", "29 Sag 59", "00 Cap 00", "12 Sco 40",
                         "05 Pis 07", "21 Can 13", "10 Aqu 22", "10 Leo 22"}));
    const RashiSigns expected = {"",     "Moon",        "",      "Saturn", "Ketu",   "", "",
                                 "Mars", "Sun Mercury", "Venus", "Rahu",   "Jupiter"};
    EXPECT_EQ(signs, expected);
}

TEST(RashiChart, KetuStandsOppositeRahuWhateverItsOwnText) {
    struct Case {
        std::string_view rahu, ketu;
        std::size_t rahuBox, ketuBox;
    };
    constexpr Case kCases[] = {
        {"10 Aqu 22", "10 Leo 22", 10, 4}, {"03 Ari 00", "03 Lib 00", 0, 6},
        {"03 Ari 00", "17 Gem 45", 0, 6},  {"03 Ari 00", "garbage", 0, 6},
        {"29 Vir 59", "", 5, 11},          {"00 Pis 00", "00 Pis 00", 11, 5},
    };
    for (const Case& c : kCases) {
        // Sun .. Saturn without a sign are left out, so only the nodes show.
        const RashiSigns signs = Placed(BodiesAt({"", "", "", "", "", "", "", c.rahu, c.ketu}));
        RashiSigns expected;
        expected[c.rahuBox] = "Rahu";
        expected[c.ketuBox] = "Ketu";
        EXPECT_EQ(signs, expected) << c.rahu << " / " << c.ketu;
    }
}

TEST(RashiChart, UnmatchedAbbreviationsAreLeftOut) {
    const RashiSigns signs =
        Placed(BodiesAt({"16 Xyz 31", "02 tau 10", "", "16 Sa", "16 Sag", " 16 Sag 31", "21 Can 13",
                         "10 aqu 22", "10 Leo 22"}));
    RashiSigns expected;
    expected[8] = "Mars";  // "16 Sag" still has its sign in characters 4-6
    expected[3] = "Saturn";
    EXPECT_EQ(signs, expected);
}

TEST(RashiChart, BodiesSharingABoxAreListedInBodyOrderWithKetuLast) {
    // Ketu's own text says Sagittarius; it still joins the seven opposite Rahu.
    const RashiSigns signs =
        Placed(BodiesAt({"05 Gem 00", "05 Gem 00", "05 Gem 00", "05 Gem 00", "05 Gem 00",
                         "05 Gem 00", "05 Gem 00", "05 Sag 00", "05 Sag 00"}));
    RashiSigns expected;
    expected[2] = "Sun Moon Mercury Venus Mars Jupiter Saturn Ketu";
    expected[8] = "Rahu";
    EXPECT_EQ(signs, expected);
}

TEST(RashiChart, RetrogradeFlagsOfMercuryToSaturnOnly) {
    ChartPositions positions =
        BodiesAt({"16 Sag 31", "02 Tau 10", "29 Sag 59", "00 Cap 00", "12 Sco 40", "05 Pis 07",
                  "21 Can 13", "10 Aqu 22", "10 Leo 22"});
    positions.retrograde = {false, true, true, false, true};  // Venus, Mars, Saturn
    const RashiSigns signs = Placed(positions);
    EXPECT_EQ(signs[7], "Mars(R)");
    EXPECT_EQ(signs[9], "Venus(R)");
    EXPECT_EQ(signs[3], "Saturn(R)");
    EXPECT_EQ(signs[8], "Sun Mercury");
    EXPECT_EQ(signs[10], "Rahu");
}

}  // namespace
}  // namespace amsaview
