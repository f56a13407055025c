#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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

// A sign is 9 padas of 3° 20', a nakshatra 4 of them: sign s runs from pada
// 9s to 9s + 9, nakshatra k from 4k to 4k + 4.
TEST(SignNakshatraTable, EachSignsThreeRowsAreTheNakshatrasOverItAndTheirPadasInIt) {
    for (int sign = 0; sign < 12; ++sign) {
        for (int j = 0; j < 3; ++j) {
            const int nakshatra = 9 * sign / 4 + j;
            const int padasInSign =
                std::min(4 * nakshatra + 4, 9 * sign + 9) - std::max(4 * nakshatra, 9 * sign);
            const SignNakshatraRow& row =
                SignNakshatraTable[static_cast<std::size_t>(3 * sign + j)];
            EXPECT_EQ(row.nakshatra, NakshatraNames[static_cast<std::size_t>(nakshatra)])
                << "sign " << sign << " row " << j;
            EXPECT_EQ(row.padas, std::to_string(padasInSign)) << "sign " << sign << " row " << j;
        }
    }
}

TEST(LookupLordAndPada, LordsRunInTheirCycleFromAswini) {
    // Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury, three times over.
    constexpr std::string_view kCycle[] = {"Ketu", "Venus",   "Sun",    "Moon",   "Mars",
                                           "Rahu", "Jupiter", "Saturn", "Mercury"};
    // The program's own spelling of the 27, from 0° Aries; written out here so
    // that a swap inside the list is caught.
    constexpr std::string_view kNames[] = {
        "Aswini",          "Bharani",         "Krittika",   "Rohini",    "Mrigsira",
        "Ardra",           "Punarvasu",       "Pushya",     "Aslesha",   "Magha",
        "Purbha Phalguni", "Uttara Phalguni", "Hasta",      "Chitra",    "Swati",
        "Vishakha",        "Anuradha",        "Jyeshtha",   "Mula",      "P.Shadya",
        "U.Shadya",        "Shravana",        "Dhanishtha", "Shatbisha", "Purbha Phadra",
        "Uttara Phadra",   "Revati"};
    for (std::size_t k = 0; k < NakshatraNames.size(); ++k) {
        EXPECT_EQ(NakshatraNames[k], kNames[k]) << "nakshatra " << k;
        // The mansion's middle, so the name comes from the longitude.
        const double middle = (static_cast<double>(k) + 0.5) * 40 / 3.0;
        const std::string_view name = NakshatraNames[static_cast<std::size_t>(NakshatraOf(middle))];
        const auto entry = LookupLordAndPada(name, "Mesha");
        ASSERT_TRUE(entry.has_value()) << name;
        EXPECT_EQ(entry->lord, kCycle[k % 9]) << "nakshatra " << k << ", " << name;
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
