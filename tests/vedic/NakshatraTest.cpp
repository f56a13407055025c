#include <gtest/gtest.h>

#include "astro/AngleText.h"
#include "vedic/Nakshatra.h"

namespace amsaview {
namespace {

TEST(NakshatraOf, BoundsOfTheMansions) {
    EXPECT_EQ(NakshatraOf(0), 0);
    EXPECT_EQ(NakshatraOf(13.333333333333334), 1);  // 800 arc minutes end the first
    EXPECT_EQ(NakshatraOf(13.3333), 0);
    EXPECT_EQ(NakshatraOf(359.99), 26);
}

TEST(NakshatraPadaOf, QuarterOfTheMansion) {
    EXPECT_EQ(NakshatraPadaOf(0), 1);
    EXPECT_EQ(NakshatraPadaOf(3.34), 2);
    EXPECT_EQ(NakshatraPadaOf(13.3), 4);
    EXPECT_EQ(NakshatraPadaOf(13.34), 1);
    EXPECT_EQ(NakshatraPadaOf(359.99), 4);
}

TEST(TablesAgree, EveryNakshatraHasARowAndEverySignNinePadas) {
    for (const std::string_view name : NakshatraNames) {
        EXPECT_TRUE(LookupLordAndPada(name, "Mesha").has_value()) << name;
    }
    for (int sign = 0; sign < 12; ++sign) {
        int padas = 0;
        for (int row = 3 * sign; row < 3 * sign + 3; ++row) {
            padas += SignNakshatraTable[static_cast<std::size_t>(row)].padas[0] - '0';
        }
        EXPECT_EQ(padas, 9) << "sign " << sign;
    }
}

// The Moon's details for a sidereal longitude, as the result window shows them.
struct MoonCase {
    double moon;
    const char* nakshatra;
    const char* rashi;
    const char* lord;
    int pada;
};

TEST(VedicDetails, MoonExamples) {
    constexpr MoonCase kCases[] = {
        {199.462377, "Swati", "Thula", "Rahu", 4},
        {35, "Krittika", "Vrishabha", "Sun", 3},  // the Aries row still gives the lord
        {295, "Dhanishtha", "Makara", "Mars", 1},
        {303, "Dhanishtha", "Kumbha", "Mars", 3},
        {93.987823, "Pushya", "Kataka", "Saturn", 1},
    };
    for (const MoonCase& c : kCases) {
        const std::string_view nakshatra =
            NakshatraNames[static_cast<std::size_t>(NakshatraOf(c.moon))];
        EXPECT_EQ(nakshatra, c.nakshatra) << c.moon;
        const auto rashi = RashiNameOf(FormatLongitude(c.moon));
        ASSERT_TRUE(rashi.has_value()) << c.moon;
        EXPECT_EQ(*rashi, c.rashi) << c.moon;
        const auto entry = LookupLordAndPada(nakshatra, *rashi);
        ASSERT_TRUE(entry.has_value()) << c.moon;
        EXPECT_EQ(entry->lord, c.lord) << c.moon;
        EXPECT_EQ(NakshatraPadaOf(c.moon), c.pada) << c.moon;
    }
}

TEST(LookupLordAndPada, EarlierRowWinsForANakshatraSpanningTwoSigns) {
    const auto krittika = LookupLordAndPada("Krittika", "Vrishabha");
    ASSERT_TRUE(krittika.has_value());
    EXPECT_EQ(krittika->padas, "1");
    const auto dhanishtha = LookupLordAndPada("Dhanishtha", "Kumbha");
    ASSERT_TRUE(dhanishtha.has_value());
    EXPECT_EQ(dhanishtha->padas, "2");
}

TEST(LookupLordAndPada, NothingWithoutASignNameOrAKnownNakshatra) {
    EXPECT_FALSE(LookupLordAndPada("Swati", "").has_value());
    EXPECT_FALSE(LookupLordAndPada("Swati", "thula").has_value());
    EXPECT_FALSE(LookupLordAndPada("Unknown", "Thula").has_value());
}

TEST(RashiNameOf, ReadsTheLastThreeCharacters) {
    EXPECT_EQ(RashiNameOf("19\u00B0 27' 44\" Lib  "), "Thula");
    EXPECT_EQ(RashiNameOf("Pis"), "Meena");
    EXPECT_FALSE(RashiNameOf("0\u00B0 0' 0\" ").has_value());
    EXPECT_FALSE(RashiNameOf("").has_value());
    EXPECT_FALSE(RashiNameOf("lib").has_value());
}

}  // namespace
}  // namespace amsaview
