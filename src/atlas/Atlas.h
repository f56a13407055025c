#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/Place.h"

namespace amsaview {

struct NearbyPlace {
    Place place;
    double distanceKm = 0.0;
};

// The places of the GeoNames city list, read once and searched in memory.
class Atlas {
  public:
    Atlas();

    // Places whose name begins with what was typed, or has a word that does,
    // ignoring case and accents ("bogota" finds Bogotá). "City, State,
    // Country" narrows: each further part must begin a word of the state or
    // country ("Madrid, Colombia", "Chennai, Tamil, India", "Madrid, ES").
    // Best guess first: an exact name, then a name that begins with the
    // text, then one with a word that does; within each, the most people.
    std::vector<Place> Search(std::string_view typed, std::size_t maxResults = 20) const;

    // The place nearest to the point, if one lies within maxKm of it.
    std::optional<NearbyPlace> NearestPlace(double latitude, double longitude, double maxKm) const;

    std::size_t PlaceCount() const { return entries_.size(); }

  private:
    struct Entry {
        Place place;
        std::string name, state, country, countryCode;  // folded for search
    };
    // Every word start of every folded name, sorted by the text from there
    // on: a typed prefix is one binary search away.
    struct WordStart {
        std::uint32_t entry;
        std::uint32_t offset;
    };
    std::string_view TextFrom(const WordStart& start) const;

    std::vector<Entry> entries_;
    std::vector<WordStart> wordStarts_;
};

}  // namespace amsaview
