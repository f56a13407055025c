#pragma once

#include "model/BirthData.h"

namespace amsaview::testing {

// A local birth at Greenwich (0° 0', zone 0, no daylight saving).
inline BirthData GreenwichBirth(int year, int month, int day, int hour, int minute = 0) {
    BirthData birth;
    birth.year = static_cast<std::int16_t>(year);
    birth.month = static_cast<std::int16_t>(month);
    birth.day = static_cast<std::int16_t>(day);
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    return birth;
}

// 2000-01-01 12:00 UT, the epoch J2000.0.
inline BirthData NoonJ2000() {
    return GreenwichBirth(2000, 1, 1, 12);
}

}  // namespace amsaview::testing
