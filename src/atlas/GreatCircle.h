#pragma once

namespace amsaview {

// Mean radius of the Earth (IUGG), enough for "is there a town within 30 km".
inline constexpr double kEarthRadiusKm = 6371.0088;

// Distance along the Earth's surface between two points given in degrees,
// on a sphere (haversine formula).
double GreatCircleKm(double latitude1, double longitude1, double latitude2, double longitude2);

}  // namespace amsaview
