#include <gtest/gtest.h>

#include "birthclock/BirthPlace.h"

namespace amsaview {
namespace {

// Minutes worked by hand: 0.5 rounds up, hemispheres from the signs, and the
// rounding never gives 180° or 90°.
TEST(ApplyPlace, RoundsToTheNearestMinuteWithHemispheres) {
    const struct {
        double lat, lon;
        const char *latText, *lonText;
        bool south, east;
    } cases[] = {
        {13.08784, 80.27847, "13 5", "80 17", false, true},
        {40.4165, -3.70256, "40 25", "3 42", false, false},
        {-33.86785, 151.20732, "33 52", "151 12", true, true},
        {-0.004, -0.0083, "0 0", "0 0", true, false},
        {89.9999, 179.9999, "89 59", "179 59", false, true},
        {10.5 + 0.5 / 60, 0.0, "10 31", "0 0", false, true},
    };
    for (const auto& c : cases) {
        Place place;
        place.name = "P";
        place.latitude = c.lat;
        place.longitude = c.lon;
        FormInput form;
        ApplyPlace(place, form);
        EXPECT_EQ(form.latDegrees + " " + form.latMinutes, c.latText) << c.lat;
        EXPECT_EQ(form.lonDegrees + " " + form.lonMinutes, c.lonText) << c.lon;
        EXPECT_EQ(form.south, c.south) << c.lat;
        EXPECT_EQ(form.east, c.east) << c.lon;
    }
}

FormInput Typed(const char* lonD, const char* lonM, bool east, const char* latD, const char* latM,
                int year, int zoneRow, bool dst) {
    FormInput form;
    form.lonDegrees = lonD;
    form.lonMinutes = lonM;
    form.east = east;
    form.latDegrees = latD;
    form.latMinutes = latM;
    form.yearRow = year - kFirstYear;
    form.monthRow = 5;  // June
    form.hourRow = 12;
    form.zoneRow = zoneRow;
    form.dst = dst;
    return form;
}

TEST(CheckTypedClock, SpeaksOnlyWhenANearPlaceKeptAnotherClock) {
    const Atlas& atlas = PlaceAtlas();
    const struct {
        const char* what;
        FormInput form;
        const char* place;  // none: nothing to say
    } cases[] = {
        {"Chennai on GMT", Typed("80", "17", true, "13", "5", 1990, 29, false), "Chennai"},
        {"Chennai on IST", Typed("80", "17", true, "13", "5", 1990, 34, false), nullptr},
        {"Chennai 1943 on plain IST", Typed("80", "17", true, "13", "5", 1943, 34, false),
         "Chennai"},
        {"Madrid summer on MET plus the box", Typed("3", "42", false, "40", "25", 1990, 41, true),
         nullptr},
        {"Madrid summer without the box", Typed("3", "42", false, "40", "25", 1990, 20, false),
         "Madrid"},
        {"mid-Atlantic", Typed("30", "0", false, "30", "0", 1990, 29, false), nullptr},
        {"coordinates not yet typed", Typed("", "", true, "13", "5", 1990, 29, false), nullptr},
    };
    for (const auto& c : cases) {
        const auto said = CheckTypedClock(atlas, c.form);
        if (c.place == nullptr) {
            EXPECT_FALSE(said) << c.what << ": " << (said ? said->place.name : "");
            continue;
        }
        ASSERT_TRUE(said) << c.what;
        EXPECT_EQ(said->place.name, c.place) << c.what;
        EXPECT_LE(said->distanceKm, 30.0) << c.what;
    }
    const auto chennai = CheckTypedClock(atlas, cases[0].form);
    EXPECT_EQ(ClockDisagreementText(*chennai),
              "Chennai, India lies within 30 km of these coordinates, and its clock on that date "
              "was IST +05:30, not the one the time zone and daylight saving boxes give. Use its "
              "clock?");
}

FormInput Southern(FormInput form) {
    form.south = true;
    return form;
}

// Coordinates worked by hand: 80° 17' is 80.28333°, 3° 42' West -3.7°.
TEST(PlaceOfExactClock, BringsBackThePlaceTheClockWasFoundFor) {
    const struct {
        const char* what;
        FormInput form;
        std::optional<ExactClock> clock;
        bool place;
        double lat, lon;
    } cases[] = {
        {"Chennai, north and east", Typed("80", "17", true, "13", "5", 1901, 34, false),
         ExactClock{19270, "Madras", "Asia/Kolkata"}, true, 13.08333, 80.28333},
        {"Madrid, west", Typed("3", "42", false, "40", "25", 1901, 29, false),
         ExactClock{-884, "", "Europe/Madrid"}, true, 40.41667, -3.7},
        {"Sydney, south", Southern(Typed("151", "12", true, "33", "52", 1901, 29, false)),
         ExactClock{36000, "", "Australia/Sydney"}, true, -33.86667, 151.2},
        {"boxes not numbers", Typed("8x", "", true, "", "", 1901, 29, false),
         ExactClock{19270, "", "Asia/Kolkata"}, true, 0.0, 0.0},
        {"offset without a zone", Typed("80", "17", true, "13", "5", 1901, 34, false),
         ExactClock{19270, "typed", ""}, false, 0, 0},
        {"zone row only", Typed("80", "17", true, "13", "5", 1901, 34, false), std::nullopt, false,
         0, 0},
    };
    for (auto c : cases) {
        c.form.city = "City";
        c.form.state = "State";
        c.form.country = "Country";
        c.form.exactClock = c.clock;
        const auto place = PlaceOfExactClock(c.form);
        ASSERT_EQ(place.has_value(), c.place) << c.what;
        if (!place) {
            continue;
        }
        EXPECT_EQ(place->name, "City") << c.what;
        EXPECT_EQ(place->state, "State") << c.what;
        EXPECT_EQ(place->country, "Country") << c.what;
        EXPECT_EQ(place->timeZone, c.clock->zone) << c.what;
        EXPECT_NEAR(place->latitude, c.lat, 1e-5) << c.what;
        EXPECT_NEAR(place->longitude, c.lon, 1e-5) << c.what;
    }
}

}  // namespace
}  // namespace amsaview
