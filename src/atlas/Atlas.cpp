#include "atlas/Atlas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "atlas/AtlasIndexData.h"
#include "atlas/GreatCircle.h"
#include "atlas/SearchFold.h"

namespace amsaview {
namespace {

enum class NameMatch { Exact, Begins, WordBegins };

std::vector<std::string> FoldedParts(std::string_view typed) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = typed.find(',', start);
        parts.push_back(FoldForSearch(typed.substr(start, comma - start)));
        if (comma == std::string_view::npos) {
            return parts;
        }
        start = comma + 1;
    }
}

}  // namespace

Atlas::Atlas() {
    entries_.reserve(std::size(kPlaceNumbers));
    const PlaceNumbers* numbers = std::begin(kPlaceNumbers);
    bool whole = true;
    for (std::string_view chunk : kPlaceIndexChunks) {
        while (whole && !chunk.empty()) {
            const std::size_t end = chunk.find('\n');
            const std::optional<IndexedPlace> place =
                end != std::string_view::npos && numbers != std::end(kPlaceNumbers)
                    ? ParsePlaceIndexLine(chunk.substr(0, end), *numbers++)
                    : std::nullopt;
            whole = place.has_value();
            if (whole) {
                entries_.push_back(*place);
                chunk.remove_prefix(end + 1);
            }
        }
    }
    const bool wordsFit = std::ranges::all_of(kWordStarts, [this](const WordStart& start) {
        return start.entry < entries_.size() &&
               start.offset <= entries_[start.entry].foldedName.size();
    });
    // A damaged index finds nothing rather than a wrong place.
    if (!whole || numbers != std::end(kPlaceNumbers) || !wordsFit) {
        entries_.clear();
        return;
    }
    wordStarts_ = kWordStarts;
}

std::string_view Atlas::TextFrom(const WordStart& start) const {
    return entries_[start.entry].foldedName.substr(start.offset);
}

std::vector<Place> Atlas::Search(std::string_view typed, std::size_t maxResults) const {
    const std::vector<std::string> parts = FoldedParts(typed);
    if (parts.size() > 3 || parts.front().empty() || maxResults == 0) {
        return {};
    }
    const std::string_view city = parts[0];
    const auto partOrAll = [&parts](std::size_t count, std::size_t index) {
        return parts.size() == count ? std::string_view(parts[index]) : std::string_view();
    };
    // With two parts the second may name the state or the country.
    const std::string_view stateOrCountry = partOrAll(2, 1);
    const std::string_view state = partOrAll(3, 1);
    const std::string_view country = partOrAll(3, 2);
    const auto namesCountry = [](const IndexedPlace& entry, std::string_view part) {
        return BeginsAWord(entry.foldedCountry, part) || entry.foldedCountryCode == part;
    };

    struct Candidate {
        NameMatch match;
        std::uint32_t population;
        std::size_t index;
    };
    std::vector<Candidate> candidates;
    auto at = std::lower_bound(
        wordStarts_.begin(), wordStarts_.end(), city,
        [this](const WordStart& start, std::string_view text) { return TextFrom(start) < text; });
    for (; at != wordStarts_.end() && TextFrom(*at).starts_with(city); ++at) {
        const IndexedPlace& entry = entries_[at->entry];
        if ((!stateOrCountry.empty() && !BeginsAWord(entry.foldedState, stateOrCountry) &&
             !namesCountry(entry, stateOrCountry)) ||
            (!state.empty() && !BeginsAWord(entry.foldedState, state)) ||
            (!country.empty() && !namesCountry(entry, country))) {
            continue;
        }
        const NameMatch match = at->offset != 0            ? NameMatch::WordBegins
                                : entry.foldedName == city ? NameMatch::Exact
                                                           : NameMatch::Begins;
        candidates.push_back({match, entry.numbers.population, at->entry});
    }
    // A name with several words that begin alike ("San Juan de San ...")
    // counts once, at its best.
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return std::tuple(a.index, a.match) < std::tuple(b.index, b.match);
    });
    candidates.erase(
        std::unique(candidates.begin(), candidates.end(),
                    [](const Candidate& a, const Candidate& b) { return a.index == b.index; }),
        candidates.end());
    const auto better = [](const Candidate& a, const Candidate& b) {
        return std::tuple(a.match, b.population, a.index) <
               std::tuple(b.match, a.population, b.index);
    };
    const std::size_t kept = std::min(maxResults, candidates.size());
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(kept),
                      candidates.end(), better);

    std::vector<Place> places;
    places.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) {
        places.push_back(entries_[candidates[i].index].ToPlace());
    }
    return places;
}

std::optional<NearbyPlace> Atlas::NearestPlace(double latitude, double longitude,
                                               double maxKm) const {
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || !std::isfinite(maxKm) ||
        std::abs(latitude) > 90.0 || std::abs(longitude) > 180.0 || maxKm < 0.0) {
        return std::nullopt;
    }
    // A degree of latitude is the same length everywhere: most places are
    // ruled out before any trigonometry.
    constexpr double kKmPerDegreeOfLatitude = kEarthRadiusKm * std::numbers::pi / 180.0;
    const IndexedPlace* nearest = nullptr;
    double nearestKm = 0.0;
    for (const IndexedPlace& entry : entries_) {
        if (std::abs(entry.numbers.latitude - latitude) * kKmPerDegreeOfLatitude > maxKm) {
            continue;
        }
        const double km =
            GreatCircleKm(latitude, longitude, entry.numbers.latitude, entry.numbers.longitude);
        if (km <= maxKm && (nearest == nullptr || km < nearestKm)) {
            nearest = &entry;
            nearestKm = km;
        }
    }
    if (nearest == nullptr) {
        return std::nullopt;
    }
    return NearbyPlace{nearest->ToPlace(), nearestKm};
}

}  // namespace amsaview
