#pragma once

namespace accuracy {

// One birth in universal time (Greenwich zone, no daylight saving).
struct Birth {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
    int lonDegrees = 0, lonMinutes = 0;
    bool east = true;
    int latDegrees = 0, latMinutes = 0;
    bool south = false;

    double EastLongitude() const {
        const double magnitude = lonDegrees + lonMinutes / 60.0;
        return east ? magnitude : -magnitude;
    }
    double NorthLatitude() const {
        const double magnitude = latDegrees + latMinutes / 60.0;
        return south ? -magnitude : magnitude;
    }
};

// Rows of the comparison: the nine bodies in chart order, then these two.
inline constexpr int kBodyRows = 9;
inline constexpr int kAscendantRow = 9;
inline constexpr int kAyanamsaRow = 10;
inline constexpr int kRowCount = 11;
inline constexpr const char* kRowNames[kRowCount] = {"Sun",  "Moon",      "Mercury", "Venus",
                                                     "Mars", "Jupiter",   "Saturn",  "Rahu",
                                                     "Ketu", "Ascendant", "Ayanamsa"};

}  // namespace accuracy
