#pragma once

#include "panchanga/SunDay.h"

namespace amsaview {

// Sunrise and sunset on the local civil date that begins at `localMidnight`
// (Julian day, universal time) at an east-positive longitude and a
// north-positive latitude, from the built-in method's Sun: its Keplerian
// longitude brought to the equinox of the date, with aberration and the
// leading nutation term, iterated to the moment the centre stands at
// kSunriseAltitude.
SunDay BuiltInSunDay(double localMidnight, double longitude, double latitude);

}  // namespace amsaview
