#pragma once

#include <array>
#include <optional>
#include <string_view>

// Periods whose entries are fixed in advance: the first and last period of
// every table, a few rows just after the first and before the last, and the
// Mercury period of February 2020 that the retrograde tests use. They are
// written exactly as given here, even where the ephemeris differs by minutes.
struct FixedPeriod {
    std::string_view planet;
    std::optional<int> index;  // position in the table, where it is fixed
    std::string_view retrograde;
    std::string_view direct;
};

inline constexpr std::array<FixedPeriod, 19> kFixedPeriods = {{
    {"Mercury", 0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
    {"Mercury", 1, "7,18,1900,0,53,", "8,11,1900,14,59,"},
    {"Mercury", 2, "11,9,1900,23,33,", "11,29,1900,21,28,"},
    {"Mercury", std::nullopt, "2,17,2020,0,41,", "3,10,2020,3,37,"},
    {"Mercury", 473, "4,8,2050,2,29,", "5,1,2050,19,0,"},
    {"Mercury", 474, "8,11,2050,6,18,", "9,3,2050,18,36,"},
    {"Mercury", 475, "12,1,2050,17,17,", "12,21,2050,11,33,"},
    {"Venus", 0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
    {"Venus", 1, "1,25,1902,3,30,", "3,7,1902,13,41,"},
    {"Venus", 94, "9,25,2050,22,15,", "11,6,2050,19,4,"},
    {"Mars", 0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
    {"Mars", 1, "2,18,1903,14,29,", "5,9,1903,16,14,"},
    {"Mars", 70, "7,15,2050,5,50,", "9,13,2050,9,41,"},
    {"Jupiter", 0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
    {"Jupiter", 1, "4,30,1901,20,16,", "8,30,1901,20,59,"},
    {"Jupiter", 138, "12,21,2050,13,21,", "4,21,2051,23,46,"},
    {"Saturn", 0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
    {"Saturn", 1, "4,26,1901,3,57,", "9,14,1901,0,9,"},
    {"Saturn", 145, "5,18,2050,13,6,", "10,6,2050,11,5,"},
}};
