#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "swiss/EphemerisSettings.h"

namespace amsaview {

// The nine bodies of a chart, in the order SwissPositions lists them.
enum class SwissBody { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu };

inline constexpr std::size_t kSwissBodyCount = 9;
inline constexpr std::array<std::string_view, kSwissBodyCount> kSwissBodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};

// One moment and place. Universal time stands for UT1; UTC is within a second of it.
struct SwissRequest {
    double julianDayUt = 0;
    double longitude = 0;  // degrees, east positive
    double latitude = 0;   // degrees, north positive
};

struct SwissBodyPosition {
    double longitude = 0;     // sidereal (tropical for AyanamsaMode::Tropical) degrees [0, 360)
    double speed = 0;         // degrees of longitude per day
    bool retrograde = false;  // Mercury..Saturn moving backwards; never the lights or the nodes
};

// Apparent geocentric positions of a moment.
struct SwissPositions {
    std::array<SwissBodyPosition, kSwissBodyCount> bodies;
    double ayanamsa = 0;   // degrees, positive; 0 for tropical
    double ascendant = 0;  // same zodiac as the bodies, degrees [0, 360)

    SwissBodyPosition& operator[](SwissBody body) { return bodies[static_cast<std::size_t>(body)]; }
    const SwissBodyPosition& operator[](SwissBody body) const {
        return bodies[static_cast<std::size_t>(body)];
    }
};

// Missing data files, a date the files do not cover, or a library failure.
class SwissEphemerisError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The library's version, as it reports it ("2.10.03").
std::string SwissEphemerisVersion();

// Julian day of a Gregorian calendar date in universal time; `hours` may leave 0..24.
double JulianDayUt(int year, int month, int day, double hours);

// Swiss Ephemeris with one ayanamsa, node and data folder. Computes only from
// the data files (never the library's built-in lower-precision fallback) and
// throws SwissEphemerisError instead. Safe to use from several threads.
class SwissEphemeris {
  public:
    // Throws SwissEphemerisError when the data folder lacks the files.
    explicit SwissEphemeris(const EphemerisSettings& settings);

    SwissPositions Compute(const SwissRequest& request) const;

    // The folder searched: SE_EPHE_PATH when set, as the library does.
    const std::string& DataPath() const { return dataPath_; }

  private:
    AyanamsaMode ayanamsa_;
    LunarNode node_;
    std::string dataPath_;
};

}  // namespace amsaview
