#pragma once

#include <optional>

#include "atlas/Atlas.h"
#include "atlas/Place.h"
#include "birthclock/BirthClock.h"
#include "model/FormInput.h"

namespace amsaview {

// The atlas, read on first use and shared by every thread after that.
const Atlas& PlaceAtlas();

// A place near typed coordinates whose clock on the birth date differs from
// the form's zone row and box.
struct ClockDisagreement {
    Place place;
    BirthClock clock;  // the place's clock on that date
    double distanceKm = 0.0;
};

inline constexpr double kNearbyPlaceKm = 30.0;

// The atlas place within 30 km of the form's coordinates, when the clock it
// kept at the form's date and time is not the one the form's zone row and box
// give. None when the coordinates are not numbers, no place is near, or that
// local time was skipped or repeated there.
std::optional<ClockDisagreement> CheckTypedClock(const Atlas& atlas, const FormInput& form);

// Text for the user: the place, its clock, the offer.
std::string ClockDisagreementText(const ClockDisagreement& disagreement);

// City, state, country and both coordinates of the form set to the place:
// degrees and minutes rounded to the nearest minute, with the hemispheres.
void ApplyPlace(const Place& place, FormInput& form);

// The atlas place a birth's exact clock was found for, as far as the form
// keeps it: the place boxes, the zone and the typed coordinates (0 where they
// are not numbers). None without an exact clock naming a zone.
std::optional<Place> PlaceOfExactClock(const FormInput& form);

}  // namespace amsaview
