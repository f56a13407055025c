#include "charts/RashiChart.h"

#include <gtest/gtest.h>

#include "support/ChartTestSupport.h"

namespace amsaview {
namespace {

using test::BodiesAt;
using test::PlainNames;

using RashiBoxes = std::array<std::string, kSignCount>;

RashiBoxes Filled(const ChartPositions& positions, const DisplayNames& names = PlainNames()) {
    ChartBoxes boxes;
    boxes.rashi.fill("stale");
    boxes.lblPlanet.fill("untouched");
    FillRashiChart(positions, names, boxes);
    for (const std::string& box : boxes.lblPlanet) {
        EXPECT_EQ(box, "untouched");
    }
    return boxes.rashi;
}

TEST(RashiChart, PlacesEachBodyInItsOwnSign) {
    const RashiBoxes boxes =
        Filled(BodiesAt({"16 Sag 31", "02 Tau 10", "29 Sag 59", "00 Cap 00", "12 Sco 40",
                         "05 Pis 07", "21 Can 13", "10 Aqu 22", "10 Leo 22"}));
    const RashiBoxes expected = {"",           "\r\nChandra", "",
                                 "\r\nShani",  "\r\nKetu",    "",
                                 "",           "\r\nMangala", "\r\nSurya\r\nBudha",
                                 "\r\nShukra", "\r\nRahu",    "\r\nGuru"};
    EXPECT_EQ(boxes, expected);
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
        const RashiBoxes boxes = Filled(BodiesAt({"", "", "", "", "", "", "", c.rahu, c.ketu}));
        RashiBoxes expected;
        expected[c.rahuBox] = "\r\nRahu";
        expected[c.ketuBox] = "\r\nKetu";
        EXPECT_EQ(boxes, expected) << c.rahu << " / " << c.ketu;
    }
}

TEST(RashiChart, UnmatchedAbbreviationsAreLeftOut) {
    const RashiBoxes boxes =
        Filled(BodiesAt({"16 Xyz 31", "02 tau 10", "", "16 Sa", "16 Sag", " 16 Sag 31", "21 Can 13",
                         "10 aqu 22", "10 Leo 22"}));
    RashiBoxes expected;
    expected[8] = "\r\nMangala";  // "16 Sag" still has its sign in characters 4-6
    expected[3] = "\r\nShani";
    EXPECT_EQ(boxes, expected);
}

TEST(RashiChart, BodiesSharingABoxAreListedInBodyOrderWithKetuLast) {
    // Ketu's own text says Sagittarius; it still joins the seven opposite Rahu.
    const RashiBoxes boxes =
        Filled(BodiesAt({"05 Gem 00", "05 Gem 00", "05 Gem 00", "05 Gem 00", "05 Gem 00",
                         "05 Gem 00", "05 Gem 00", "05 Sag 00", "05 Sag 00"}));
    RashiBoxes expected;
    expected[2] = "\r\nSurya\r\nChandra\r\nBudha\r\nShukra\r\nMangala\r\nGuru\r\nShani\r\nKetu";
    expected[8] = "\r\nRahu";
    EXPECT_EQ(boxes, expected);
}

TEST(RashiChart, RetrogradeMarksAreCarriedAndFillingAgainReplaces) {
    DisplayNames names = PlainNames();
    names.vedicPlanetNames[4] = "Mangala (R) ";
    const ChartPositions positions =
        BodiesAt({"16 Sag 31", "02 Tau 10", "29 Sag 59", "00 Cap 00", "12 Sco 40", "05 Pis 07",
                  "21 Can 13", "10 Aqu 22", "10 Leo 22"});
    ChartBoxes boxes;
    FillRashiChart(positions, names, boxes);
    EXPECT_EQ(boxes.rashi[7], "\r\nMangala (R) ");
    const ChartBoxes once = boxes;
    FillRashiChart(positions, names, boxes);
    EXPECT_EQ(boxes.rashi, once.rashi);
}

}  // namespace
}  // namespace amsaview
