#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/BirthData.h"
#include "model/ChartPositions.h"

namespace amsaview {

// The 27 lunar mansions in zodiac order, 13° 20' each from 0° Aries.
inline constexpr std::array<std::string_view, 27> NakshatraNames = {
    "Aswini",        "Bharani",       "Krittika", "Rohini",   "Mrigsira",        "Ardra",
    "Punarvasu",     "Pushya",        "Aslesha",  "Magha",    "Purbha Phalguni", "Uttara Phalguni",
    "Hasta",         "Chitra",        "Swati",    "Vishakha", "Anuradha",        "Jyeshtha",
    "Mula",          "P.Shadya",      "U.Shadya", "Shravana", "Dhanishtha",      "Shatbisha",
    "Purbha Phadra", "Uttara Phadra", "Revati"};

// A nakshatra overlapping a sign, how many of its padas lie in that sign,
// and its lord.
struct SignNakshatraRow {
    std::string_view nakshatra;
    std::string_view padas;
    std::string_view lord;
};

// Three rows per sign from Aries; the sign of a row is row / 3.
inline constexpr std::array<SignNakshatraRow, 36> SignNakshatraTable = {{
    {"Aswini", "4", "Ketu"},
    {"Bharani", "4", "Venus"},
    {"Krittika", "1", "Sun"},
    {"Krittika", "3", "Sun"},
    {"Rohini", "4", "Moon"},
    {"Mrigsira", "2", "Mars"},
    {"Mrigsira", "2", "Mars"},
    {"Ardra", "4", "Rahu"},
    {"Punarvasu", "3", "Jupiter"},
    {"Punarvasu", "1", "Jupiter"},
    {"Pushya", "4", "Saturn"},
    {"Aslesha", "4", "Mercury"},
    {"Magha", "4", "Ketu"},
    {"Purbha Phalguni", "4", "Venus"},
    {"Uttara Phalguni", "1", "Sun"},
    {"Uttara Phalguni", "3", "Sun"},
    {"Hasta", "4", "Moon"},
    {"Chitra", "2", "Mars"},
    {"Chitra", "2", "Mars"},
    {"Swati", "4", "Rahu"},
    {"Vishakha", "3", "Jupiter"},
    {"Vishakha", "1", "Jupiter"},
    {"Anuradha", "4", "Saturn"},
    {"Jyeshtha", "4", "Mercury"},
    {"Mula", "4", "Ketu"},
    {"P.Shadya", "4", "Venus"},
    {"U.Shadya", "1", "Sun"},
    {"U.Shadya", "3", "Sun"},
    {"Shravana", "4", "Moon"},
    {"Dhanishtha", "2", "Mars"},
    {"Dhanishtha", "2", "Mars"},
    {"Shatbisha", "4", "Rahu"},
    {"Purbha Phadra", "3", "Jupiter"},
    {"Purbha Phadra", "1", "Jupiter"},
    {"Uttara Phadra", "4", "Saturn"},
    {"Revati", "4", "Mercury"},
}};

// Index 0..26 of the nakshatra holding a sidereal longitude in [0, 360).
int NakshatraOf(double siderealLongitude);

// The quarter 1..4 of its nakshatra in which a sidereal longitude stands.
int NakshatraPadaOf(double siderealLongitude);

// The Sanskrit sign name for the abbreviation that ends a long-form text.
std::optional<std::string_view> RashiNameOf(std::string_view longFormText);

struct LordAndPadas {
    std::string_view lord;
    std::string_view padas;  // padas of the nakshatra inside its first sign
};

// The first table row naming the nakshatra, when the rashi is a sign name.
std::optional<LordAndPadas> LookupLordAndPada(std::string_view nakshatraCaption,
                                              std::string_view rashiCaption);

// The Moon's sidereal longitude and text, its nakshatra and its rashi.
void ComputeVedicDetails(const BirthData& birth, ChartPositions& positions);

}  // namespace amsaview
