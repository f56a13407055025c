#pragma once

#include <string>

#include "model/BirthData.h"
#include "panchanga/Panchanga.h"
#include "swiss/EphemerisSettings.h"

namespace amsaview {

// The universal moment of a birth as a Julian day, to the second the clock gives.
double BirthJulianDayUt(const BirthData& birth);

// The built-in method's Sun and Moon, the same numbers its chart shows.
SiderealLights BuiltInLights(double julianDayUt);

// The panchanga of a birth with its sunrise and sunset, from the Sun and
// Moon of the method that drew the chart. Throws SwissEphemerisError when
// Swiss Ephemeris is chosen and cannot compute.
Panchanga ChartPanchanga(const BirthData& birth, const EphemerisSettings& method);

// "2024-03-01T05:32:10Z": a Julian day in universal time, to the nearest second.
std::string UtcText(double julianDayUt);

// "Friday", or "Friday (before sunrise: Thursday's vara)" when the birth
// came before its date's sunrise.
std::string VaraText(const Panchanga& panchanga);

}  // namespace amsaview
