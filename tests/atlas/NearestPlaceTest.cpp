#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "AtlasShared.h"
#include "atlas/GreatCircle.h"

namespace amsaview {
namespace {

TEST(GreatCircleKm, KnownArcsOfTheSphere) {
    // Arcs worked by hand on a sphere of 6371.0088 km: a quarter turn is
    // pi*R/2, half a turn pi*R, and 0.2 degree across the pole 0.2*pi*R/180.
    struct Case {
        double lat1, lon1, lat2, lon2, km;
    };
    constexpr Case kCases[] = {
        {0, 0, 0, 90, 10007.557},      {0, 0, 0, 180, 20015.115},
        {90, 0, -90, 0, 20015.115},    {89.9, 0, 89.9, 180, 22.239},
        {12.5, 77.5, 12.5, 77.5, 0.0}, {0, 179.95, 0, -179.95, 11.119},
    };
    for (const Case& c : kCases) {
        EXPECT_NEAR(GreatCircleKm(c.lat1, c.lon1, c.lat2, c.lon2), c.km, 0.001)
            << c.lat1 << "," << c.lon1 << " to " << c.lat2 << "," << c.lon2;
    }
}

TEST(NearestPlace, FindsTheTownWithinTheRadius) {
    const std::vector<Place> chennai = SharedAtlas().Search("Chennai, Tamil Nadu, India", 1);
    ASSERT_EQ(chennai.size(), 1u);
    // 0.1 degree due east, out in the Bay of Bengal: by hand,
    // 6371.0088 km * 0.1 * pi/180 * cos(13.0878 degrees) = 10.831 km.
    const auto near =
        SharedAtlas().NearestPlace(chennai[0].latitude, chennai[0].longitude + 0.1, 30);
    ASSERT_TRUE(near.has_value());
    EXPECT_EQ(near->place.name, "Chennai");
    EXPECT_NEAR(near->distanceKm, 10.831, 0.01);
    EXPECT_NEAR(chennai[0].latitude, 13.0878, 0.0001);

    const auto atTheCentre =
        SharedAtlas().NearestPlace(chennai[0].latitude, chennai[0].longitude, 0);
    ASSERT_TRUE(atTheCentre.has_value());
    EXPECT_EQ(atTheCentre->place.name, "Chennai");
    EXPECT_EQ(atTheCentre->distanceKm, 0.0);
}

TEST(NearestPlace, NothingOutOfReachOrForImpossibleCoordinates) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double latitude, longitude, maxKm;
    };
    const Case kCases[] = {
        {0.0, -140.0, 30.0},  // the middle of the Pacific
        {-90.0, 0.0, 30.0},   // the South Pole
        {91.0, 0.0, 30.0},   {0.0, 181.0, 30.0}, {nan, 0.0, 30.0},
        {0.0, nan, 30.0},    {13.0, 80.0, -1.0}, {13.0, 80.0, nan},
    };
    for (const Case& c : kCases) {
        EXPECT_FALSE(SharedAtlas().NearestPlace(c.latitude, c.longitude, c.maxKm).has_value())
            << c.latitude << "," << c.longitude << " within " << c.maxKm;
    }
}

}  // namespace
}  // namespace amsaview
