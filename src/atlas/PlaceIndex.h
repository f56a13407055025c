#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "atlas/Place.h"

namespace amsaview {

// The numbers of one place, compiled in as they are: no text to read back.
struct PlaceNumbers {
    double latitude = 0.0;
    double longitude = 0.0;
    std::uint32_t population = 0;
};

// A word of a folded name: where it starts, so a typed prefix is one binary
// search away in the list sorted by the text from there on.
struct WordStart {
    std::uint32_t entry = 0;
    std::uint32_t offset = 0;
};

// One place of the city list as the atlas keeps it: views into the index
// built with the program, so loading costs no copies.
struct IndexedPlace {
    std::string_view name, state, country, countryCode, timeZone;
    // Folded for search (FoldForSearch).
    std::string_view foldedName, foldedState, foldedCountry, foldedCountryCode;
    PlaceNumbers numbers;

    Place ToPlace() const;
};

// The texts of a place as one line of the index: fields between tabs, in the
// order of IndexedPlace. The numbers are kept apart.
std::string PlaceIndexLine(const Place& place);
std::optional<IndexedPlace> ParsePlaceIndexLine(std::string_view line, const PlaceNumbers& numbers);

}  // namespace amsaview
