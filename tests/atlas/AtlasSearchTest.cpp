#include <gtest/gtest.h>

#include "AtlasShared.h"
#include "atlas/PlaceText.h"

// Expected places were looked up on geonames.org; their order of population
// is the one the GeoNames city list gives.

namespace amsaview {
namespace {

struct Expected {
    std::string_view name, state, countryCode;
};

void ExpectPlace(const Place& place, const Expected& expected, std::string_view typed) {
    EXPECT_EQ(place.name, expected.name) << typed;
    EXPECT_EQ(place.state, expected.state) << typed;
    EXPECT_EQ(place.countryCode, expected.countryCode) << typed;
}

TEST(AtlasSearch, ThePlaceMostLikelyMeantComesFirst) {
    struct Case {
        std::string_view typed;
        Expected first;
    };
    const Case kCases[] = {
        {"Madrid", {"Madrid", "Madrid", "ES"}},
        {"mad", {"Madrid", "Madrid", "ES"}},
        {"San Francisco", {"San Francisco", "California", "US"}},
        {"san fr", {"San Francisco", "California", "US"}},
        {"chennai", {"Chennai", "Tamil Nadu", "IN"}},
        {"new york", {"New York", "New York", "US"}},
        {"los angeles", {"Los Angeles", "California", "US"}},
        {"st. louis", {"St Louis", "Missouri", "US"}},
        {"kathmandu", {"Kathmandu", "Bagmati Province", "NP"}},
    };
    for (const Case& c : kCases) {
        const std::vector<Place> found = SharedAtlas().Search(c.typed);
        ASSERT_FALSE(found.empty()) << c.typed;
        ExpectPlace(found.front(), c.first, c.typed);
    }
}

TEST(AtlasSearch, AnExactNameComesBeforeALongerOne) {
    const std::vector<Place> found = SharedAtlas().Search("madrid");
    ASSERT_GE(found.size(), 3u);
    ExpectPlace(found[0], {"Madrid", "Madrid", "ES"}, "madrid");
    ExpectPlace(found[1], {"Madrid", "Cundinamarca", "CO"}, "madrid");
    EXPECT_EQ(found[2].name, "Las Rozas de Madrid");  // more people than Madrid, Colombia
}

TEST(AtlasSearch, IgnoresCaseAndAccents) {
    struct Case {
        std::string_view typed;
        Expected first;
    };
    const Case kCases[] = {
        {"bogota", {"Bogotá", "Bogota D.C.", "CO"}},
        {"BOGOTÁ", {"Bogotá", "Bogota D.C.", "CO"}},
        {"sao paulo", {"São Paulo", "São Paulo", "BR"}},
        {"zürich", {"Zurich", "Canton of Zurich", "CH"}},
        {"maanshan", {"Ma’anshan", "Anhui", "CN"}},
        {"ma'anshan", {"Ma’anshan", "Anhui", "CN"}},
    };
    for (const Case& c : kCases) {
        const std::vector<Place> found = SharedAtlas().Search(c.typed);
        ASSERT_FALSE(found.empty()) << c.typed;
        ExpectPlace(found.front(), c.first, c.typed);
    }
}

TEST(AtlasSearch, StateAndCountryPartsNarrow) {
    struct Case {
        std::string_view typed;
        Expected first;
    };
    const Case kCases[] = {
        {"Madrid, Colombia", {"Madrid", "Cundinamarca", "CO"}},
        {"madrid, cundinam", {"Madrid", "Cundinamarca", "CO"}},
        {"Madrid, ES", {"Madrid", "Madrid", "ES"}},
        {"San Francisco, Cordoba", {"San Francisco", "Cordoba Province", "AR"}},
        {"san fr, calif, united", {"San Francisco", "California", "US"}},
        {"Chennai, Tamil Nadu, India", {"Chennai", "Tamil Nadu", "IN"}},
        {"Kolkata, West Bengal, India", {"Kolkata", "State of West Bengal", "IN"}},
        {"Chennai, , India", {"Chennai", "Tamil Nadu", "IN"}},
    };
    for (const Case& c : kCases) {
        const std::vector<Place> found = SharedAtlas().Search(c.typed);
        ASSERT_FALSE(found.empty()) << c.typed;
        ExpectPlace(found.front(), c.first, c.typed);
        for (const Place& place : found) {
            EXPECT_EQ(place.countryCode, c.first.countryCode) << c.typed << ": " << place.name;
        }
    }
}

TEST(AtlasSearch, FindsNothingForEmptyOrUnknownText) {
    const std::string_view kTyped[] = {
        "",
        "   ",
        ",",
        ", Spain",
        "xqzvw",
        "Chennai, Kerala, India",
        "Madrid, Atlantis",
        "Madrid, Madrid, Spain, Europe",
        "\xff\xfe",
        "%",
        "Madrid, Spain, ES",
    };
    for (std::string_view typed : kTyped) {
        EXPECT_TRUE(SharedAtlas().Search(typed).empty()) << typed;
    }
    EXPECT_TRUE(SharedAtlas().Search("Madrid", 0).empty());
}

TEST(AtlasSearch, EveryHitMatchesAndTheBiggerComesFirstInItsKind) {
    const std::vector<Place> found = SharedAtlas().Search("m", 200);
    ASSERT_EQ(found.size(), 200u);
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_TRUE(found[i].name.starts_with("M")) << found[i].name;
        if (i > 0) {
            EXPECT_GE(found[i - 1].population, found[i].population) << found[i].name;
        }
    }
}

TEST(AtlasSearch, APlaceIsListedOnceEvenWhenSeveralOfItsWordsMatch) {
    // "San Pedro de San ..." and the like begin with "san" more than once.
    const std::vector<Place> found = SharedAtlas().Search("san", 1000);
    for (std::size_t i = 0; i < found.size(); ++i) {
        for (std::size_t j = i + 1; j < found.size(); ++j) {
            EXPECT_FALSE(found[i].latitude == found[j].latitude &&
                         found[i].longitude == found[j].longitude && found[i].name == found[j].name)
                << found[i].name;
        }
    }
}

TEST(AtlasSearch, TheFormattedPlaceFindsItselfFirst) {
    for (std::string_view typed : {"san", "kol", "madrid", "springfield", "bogota"}) {
        for (const Place& place : SharedAtlas().Search(typed, 10)) {
            const std::string text = FormatPlace(place);
            const std::vector<Place> found = SharedAtlas().Search(text, 1);
            ASSERT_EQ(found.size(), 1u) << text;
            EXPECT_EQ(found[0].latitude, place.latitude) << text;
            EXPECT_EQ(found[0].longitude, place.longitude) << text;
        }
    }
}

TEST(FormatPlace, CityStateCountry) {
    Place place;
    place.name = "Chennai";
    place.state = "Tamil Nadu";
    place.country = "India";
    EXPECT_EQ(FormatPlace(place), "Chennai, Tamil Nadu, India");
    place.state.clear();
    EXPECT_EQ(FormatPlace(place), "Chennai, India");
}

}  // namespace
}  // namespace amsaview
