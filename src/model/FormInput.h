#pragma once

#include <optional>
#include <string>

namespace amsaview {

// A clock the zone list cannot express (local mean time, +05:45): the offset
// found for the place and date, carried to the second.
struct ExactClock {
    int utcOffsetSeconds = 0;  // local clock minus UT, daylight saving included
    std::string description;   // "Asia/Kolkata +05:21:10, local mean time"
    std::string zone;          // IANA name: "Asia/Kolkata"

    bool operator==(const ExactClock&) const = default;
};

// What the input form holds at the moment of a computation: box texts as
// typed, pick-list rows, options and the check box.
struct FormInput {
    std::string name;
    int monthRow = 0;   // 0 = January
    int dayRow = 0;     // 0 = day 1
    int yearRow = 0;    // 0 = 1901
    int hourRow = 0;    // 0..23
    int minuteRow = 0;  // 0..59
    int secondRow = 0;  // 0..59
    std::string lonDegrees;
    std::string lonMinutes;
    bool east = true;
    std::string latDegrees;
    std::string latMinutes;
    bool south = false;
    std::string city;
    std::string state;
    std::string country;
    std::optional<int> zoneRow = 29;  // row of the time-zone list; none when nothing is selected
    bool dst = false;
    // When set, it stands for the zone row and the daylight-saving box.
    std::optional<ExactClock> exactClock;

    bool operator==(const FormInput&) const = default;
};

inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;

}  // namespace amsaview
