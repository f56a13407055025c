#pragma once

#include <cstdint>
#include <string>

namespace amsaview {

struct Place {
    std::string name;         // "Chennai"
    std::string state;        // first-level division: "Tamil Nadu"; may be empty
    std::string country;      // "India"
    std::string countryCode;  // ISO 3166 alpha-2: "IN"
    std::string timeZone;     // IANA name: "Asia/Kolkata"
    double latitude = 0.0;    // degrees, north positive
    double longitude = 0.0;   // degrees, east positive
    std::uint32_t population = 0;
};

}  // namespace amsaview
