#pragma once

#include <cstdint>
#include <string>

namespace amsaview {

// The birth details as the user typed them. Coordinates are magnitudes; the
// hemispheres travel in the flags.
struct BirthData {
    std::string name;
    std::int16_t month = 1;
    std::int16_t day = 1;
    std::int16_t year = 1901;
    std::int16_t hour = 0;  // local clock time
    std::int16_t minute = 0;
    std::int16_t second = 0;
    // East positive, daylight saving included: UT = local clock time − this.
    std::int32_t utcOffsetSeconds = 0;
    std::int16_t lonDegrees = 0;
    std::int16_t lonMinutes = 0;
    std::int16_t latDegrees = 0;
    std::int16_t latMinutes = 0;
    bool isEast = false;
    bool isSouth = false;
    bool dst = false;  // shown only: the offset already holds it
    // The clock as the reader is told it: the zone row ("Central European
    // Time (CET)") or the atlas's exact clock ("Europe/Madrid +02:00 (CEST)").
    // Shown only; empty when neither named it.
    std::string clockName;
    bool clockIsExact = false;
    std::string city;
    std::string state;
    std::string country;

    bool operator==(const BirthData&) const = default;
};

}  // namespace amsaview
