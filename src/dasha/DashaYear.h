#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace amsaview {

// How long a dasha year lasts. Most programs count the Gregorian year;
// the others are the older conventions an astrologer may ask for.
enum class DashaYearKind : std::uint8_t { Gregorian, Julian, Sidereal, Savana };

struct DashaYearChoice {
    DashaYearKind kind;
    std::string_view name;  // as typed on the command line and kept in the settings
    double days;
};

inline constexpr std::array<DashaYearChoice, 4> kDashaYearChoices = {{
    {DashaYearKind::Gregorian, "gregorian", 365.2425},
    {DashaYearKind::Julian, "julian", 365.25},
    {DashaYearKind::Sidereal, "sidereal", 365.256364},
    {DashaYearKind::Savana, "savana", 360.0},
}};

// The year a dasha is counted in, passed to the computation.
struct DashaYear {
    DashaYearKind kind = DashaYearKind::Gregorian;

    constexpr const DashaYearChoice& choice() const {
        return kDashaYearChoices[static_cast<std::size_t>(kind)];
    }
    constexpr double days() const { return choice().days; }
    constexpr std::string_view name() const { return choice().name; }

    bool operator==(const DashaYear&) const = default;
};

static_assert([] {
    for (std::size_t row = 0; row < kDashaYearChoices.size(); ++row) {
        if (static_cast<std::size_t>(kDashaYearChoices[row].kind) != row) {
            return false;
        }
    }
    return true;
}());

constexpr std::optional<DashaYear> ParseDashaYear(std::string_view name) {
    for (const DashaYearChoice& choice : kDashaYearChoices) {
        if (choice.name == name) {
            return DashaYear{choice.kind};
        }
    }
    return std::nullopt;
}

}  // namespace amsaview
