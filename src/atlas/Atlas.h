#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/Place.h"
#include "atlas/PlaceIndex.h"

namespace amsaview {

struct NearbyPlace {
    Place place;
    double distanceKm = 0.0;
};

// The places of the GeoNames city list, indexed when the program was built
// and searched in memory.
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
    std::string_view TextFrom(const WordStart& start) const;

    std::vector<IndexedPlace> entries_;
    std::span<const WordStart> wordStarts_;  // compiled in
};

}  // namespace amsaview
