#include <geonames.h>
#include <gtest/gtest.h>

#include <string>

#include "AtlasShared.h"
#include "atlas/PlaceIndex.h"

namespace amsaview {
namespace {

TEST(PlaceIndex, ALineReadsBackAsThePlaceItWasMadeFrom) {
    const Place places[] = {
        {"Bogotá", "Bogota D.C.", "Colombia", "CO", "America/Bogota", 4.60971, -74.08175, 7674366},
        {"St John's", "", "Antigua and Barbuda", "AG", "America/Antigua", 17.12096, -61.84329, 0},
    };
    for (const Place& place : places) {
        const std::string line = PlaceIndexLine(place);  // the views point into it
        const PlaceNumbers numbers{place.latitude, place.longitude, place.population};
        const std::optional<IndexedPlace> read = ParsePlaceIndexLine(line, numbers);
        ASSERT_TRUE(read) << place.name;
        const Place back = read->ToPlace();
        EXPECT_EQ(back.name, place.name);
        EXPECT_EQ(back.state, place.state) << place.name;
        EXPECT_EQ(back.country, place.country) << place.name;
        EXPECT_EQ(back.countryCode, place.countryCode) << place.name;
        EXPECT_EQ(back.timeZone, place.timeZone) << place.name;
        EXPECT_EQ(back.latitude, place.latitude) << place.name;
    }
    const std::string line = PlaceIndexLine(places[0]);
    const std::optional<IndexedPlace> bogota = ParsePlaceIndexLine(line, {});
    EXPECT_EQ(bogota->foldedName, "bogota");
    EXPECT_EQ(bogota->foldedState, "bogota d c");
    EXPECT_EQ(bogota->foldedCountry, "colombia");
    EXPECT_EQ(bogota->foldedCountryCode, "co");
}

TEST(PlaceIndex, ALineWithTooFewOrTooManyFieldsIsRefused) {
    const std::string good =
        PlaceIndexLine({"Pune", "Maharashtra", "India", "IN", "Asia/Kolkata", 18.5, 73.8, 1});
    ASSERT_TRUE(ParsePlaceIndexLine(good, {}));
    EXPECT_FALSE(ParsePlaceIndexLine(good + "\textra", {}));
    EXPECT_FALSE(ParsePlaceIndexLine(good.substr(0, good.rfind('\t')), {}));
    EXPECT_FALSE(ParsePlaceIndexLine("", {}));
}

std::string TextOrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

// The index is built with the program: it must still be libgeonames' list,
// place for place and to the last bit of each coordinate, or the atlas
// answers from a stale copy.
TEST(PlaceIndex, TheAtlasHoldsLibgeonamesListAsItIs) {
    const int count = geonames_get_n_cities();
    ASSERT_EQ(SharedAtlas().PlaceCount(), static_cast<std::size_t>(count));
    for (int index = 0; index < count; index += 10) {
        GeonamesCity* city = geonames_get_city(index);
        const std::string name = TextOrEmpty(geonames_city_get_name(city));
        const std::string zone = TextOrEmpty(geonames_city_get_timezone(city));
        const double latitude = geonames_city_get_latitude(city);
        const double longitude = geonames_city_get_longitude(city);
        geonames_city_free(city);
        const std::optional<NearbyPlace> found =
            SharedAtlas().NearestPlace(latitude, longitude, 0.0);
        ASSERT_TRUE(found) << "city " << index << " " << name;
        EXPECT_EQ(found->place.timeZone, zone) << "city " << index << " " << name;
    }
}

}  // namespace
}  // namespace amsaview
