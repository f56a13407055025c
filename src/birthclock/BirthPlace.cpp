#include "birthclock/BirthPlace.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "clock/ClockTexts.h"
#include "model/TimeZoneTable.h"

namespace amsaview {
namespace {

// Rounding never gives a value the form refuses: 179°59.7' stays 179°59'.
void SetDegreesMinutes(double degrees, int largestDegrees, std::string& wholeDegrees,
                       std::string& minutes) {
    const long rounded = std::lround(std::fabs(degrees) * 60.0);
    const long total = std::min<long>(rounded, largestDegrees * 60L + 59);
    wholeDegrees = std::to_string(total / 60);
    minutes = std::to_string(total % 60);
}

}  // namespace

void ApplyPlace(const Place& place, FormInput& form) {
    form.city = place.name;
    form.state = place.state;
    form.country = place.country;
    SetDegreesMinutes(place.longitude, 179, form.lonDegrees, form.lonMinutes);
    form.east = place.longitude >= 0.0;
    SetDegreesMinutes(place.latitude, 89, form.latDegrees, form.latMinutes);
    form.south = place.latitude < 0.0;
}

}  // namespace amsaview

namespace amsaview {
namespace {

std::optional<double> Coordinate(const std::string& degrees, const std::string& minutes,
                                 bool negative) {
    if (degrees.empty() || degrees.size() > 3 || minutes.size() > 2) {
        return std::nullopt;
    }
    int whole = 0;
    int parts = 0;
    for (const char c : degrees) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        whole = whole * 10 + (c - '0');
    }
    for (const char c : minutes) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        parts = parts * 10 + (c - '0');
    }
    const double value = whole + parts / 60.0;
    return negative ? -value : value;
}

}  // namespace

const Atlas& PlaceAtlas() {
    static const Atlas atlas;
    return atlas;
}

std::optional<ClockDisagreement> CheckTypedClock(const Atlas& atlas, const FormInput& form) {
    const auto longitude = Coordinate(form.lonDegrees, form.lonMinutes, !form.east);
    const auto latitude = Coordinate(form.latDegrees, form.latMinutes, form.south);
    if (!longitude || !latitude || std::fabs(*latitude) > 90.0 || std::fabs(*longitude) > 180.0) {
        return std::nullopt;
    }
    const auto near = atlas.NearestPlace(*latitude, *longitude, kNearbyPlaceKm);
    if (!near) {
        return std::nullopt;
    }
    const auto settled = ResolveBirthClock(near->place.timeZone, LocalMomentOf(form),
                                           near->place.name, RepeatedMoment::Ask);
    const auto* clock = std::get_if<BirthClock>(&settled);
    if (clock == nullptr) {
        return std::nullopt;
    }
    // Another row of the same offset gives the same chart: nothing to say.
    if (UtcOffsetOfRow(form.zoneRow, form.dst) == clock->reading.utcOffsetSeconds) {
        return std::nullopt;
    }
    return ClockDisagreement{near->place, *clock, near->distanceKm};
}

std::optional<Place> PlaceOfExactClock(const FormInput& form) {
    if (!form.exactClock || form.exactClock->zone.empty()) {
        return std::nullopt;
    }
    Place place;
    place.name = form.city;
    place.state = form.state;
    place.country = form.country;
    place.timeZone = form.exactClock->zone;
    place.longitude = Coordinate(form.lonDegrees, form.lonMinutes, !form.east).value_or(0.0);
    place.latitude = Coordinate(form.latDegrees, form.latMinutes, form.south).value_or(0.0);
    return place;
}

std::string ClockDisagreementText(const ClockDisagreement& disagreement) {
    std::string place = disagreement.place.name;
    if (!disagreement.place.country.empty()) {
        place += ", " + disagreement.place.country;
    }
    return place + " lies within " + std::to_string(static_cast<int>(kNearbyPlaceKm)) +
           " km of these coordinates, and its clock on that date was " +
           DescribeClock(disagreement.clock.reading) +
           ", not the one the time zone and daylight saving boxes give. Use its clock?";
}

}  // namespace amsaview
