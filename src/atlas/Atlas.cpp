#include "atlas/Atlas.h"

#include <geonames.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <unordered_map>

#include "atlas/GreatCircle.h"
#include "atlas/SearchFold.h"

namespace amsaview {
namespace {

std::string TextOrEmpty(const gchar* text) {
    return text != nullptr ? text : "";
}

Place ReadPlace(int index) {
    GeonamesCity* city = geonames_get_city(index);
    Place place{TextOrEmpty(geonames_city_get_name(city)),
                TextOrEmpty(geonames_city_get_state(city)),
                TextOrEmpty(geonames_city_get_country(city)),
                TextOrEmpty(geonames_city_get_country_code(city)),
                TextOrEmpty(geonames_city_get_timezone(city)),
                geonames_city_get_latitude(city),
                geonames_city_get_longitude(city),
                geonames_city_get_population(city)};
    geonames_city_free(city);
    return place;
}

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
    const int count = geonames_get_n_cities();
    entries_.reserve(static_cast<std::size_t>(std::max(count, 0)));
    // States and countries repeat thousands of times: fold each once.
    std::unordered_map<std::string, std::string> folded;
    const auto foldedOnce = [&folded](const std::string& text) {
        auto [at, added] = folded.try_emplace(text);
        if (added) {
            at->second = FoldForSearch(text);
        }
        return at->second;
    };
    for (int index = 0; index < count; ++index) {
        Place place = ReadPlace(index);
        std::string name = FoldForSearch(place.name);
        std::string state = foldedOnce(place.state);
        std::string country = foldedOnce(place.country);
        std::string code = foldedOnce(place.countryCode);
        entries_.push_back({std::move(place), std::move(name), std::move(state), std::move(country),
                            std::move(code)});
    }
    for (std::uint32_t entry = 0; entry < entries_.size(); ++entry) {
        const std::string& name = entries_[entry].name;
        std::size_t offset = 0;
        while (true) {
            wordStarts_.push_back({entry, static_cast<std::uint32_t>(offset)});
            const std::size_t blank = name.find(' ', offset);
            if (blank == std::string::npos) {
                break;
            }
            offset = blank + 1;
        }
    }
    std::sort(wordStarts_.begin(), wordStarts_.end(),
              [this](const WordStart& a, const WordStart& b) { return TextFrom(a) < TextFrom(b); });
}

std::string_view Atlas::TextFrom(const WordStart& start) const {
    return std::string_view(entries_[start.entry].name).substr(start.offset);
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
    const auto namesCountry = [](const Entry& entry, std::string_view part) {
        return BeginsAWord(entry.country, part) || entry.countryCode == part;
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
        const Entry& entry = entries_[at->entry];
        if ((!stateOrCountry.empty() && !BeginsAWord(entry.state, stateOrCountry) &&
             !namesCountry(entry, stateOrCountry)) ||
            (!state.empty() && !BeginsAWord(entry.state, state)) ||
            (!country.empty() && !namesCountry(entry, country))) {
            continue;
        }
        const NameMatch match = at->offset != 0      ? NameMatch::WordBegins
                                : entry.name == city ? NameMatch::Exact
                                                     : NameMatch::Begins;
        candidates.push_back({match, entry.place.population, at->entry});
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
        places.push_back(entries_[candidates[i].index].place);
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
    std::optional<NearbyPlace> nearest;
    for (const Entry& entry : entries_) {
        if (std::abs(entry.place.latitude - latitude) * kKmPerDegreeOfLatitude > maxKm) {
            continue;
        }
        const double km =
            GreatCircleKm(latitude, longitude, entry.place.latitude, entry.place.longitude);
        if (km <= maxKm && (!nearest || km < nearest->distanceKm)) {
            nearest = NearbyPlace{entry.place, km};
        }
    }
    return nearest;
}

}  // namespace amsaview
