#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace amsaview {

inline constexpr int kSignCount = 12;

// Slot 12 stays empty so that a search past Pisces finds nothing.
inline constexpr std::array<std::string_view, 13> SignAbbreviations = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis", ""};

// The sign whose abbreviation is exactly this text, "Ari" = 0 .. "Pis" = 11.
// The empty slot after Pisces is never searched. All have three letters,
// compared by hand: a chart searches a hundred times, and memcmp costs more.
constexpr std::optional<std::int16_t> FindSign(std::string_view abbreviation) {
    if (abbreviation.size() != 3) {
        return std::nullopt;
    }
    for (std::int16_t sign = 0; sign < kSignCount; ++sign) {
        const std::string_view candidate = SignAbbreviations[static_cast<std::size_t>(sign)];
        if (candidate[0] == abbreviation[0] && candidate[1] == abbreviation[1] &&
            candidate[2] == abbreviation[2]) {
            return sign;
        }
    }
    return std::nullopt;
}

static_assert([] {
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        if (SignAbbreviations[sign].size() != 3) {
            return false;
        }
    }
    return true;
}());

inline constexpr std::array<std::string_view, kSignCount> SignNamesVedic = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrishcika", "Dhanush", "Makara", "Kumbha", "Meena"};

inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The bodies' names, Sun .. Ketu: English in the divisional charts, Sanskrit
// in the Rashi chart.
inline constexpr std::array<std::string_view, 9> kPlanetNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};
inline constexpr std::array<std::string_view, 9> kVedicPlanetNames = {
    "Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Rahu", "Ketu"};

}  // namespace amsaview
