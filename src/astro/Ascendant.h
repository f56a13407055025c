#pragma once

#include "astro/TimeBases.h"
#include "model/BirthData.h"
#include "model/ChartPositions.h"

namespace amsaview {

// The ayanamsa in degrees as a correction (negative) at `centuries1900`
// Julian centuries from JD 2415020.0, nutation included.
double Ayanamsa(double centuries1900);

// Local sidereal time in degrees (RAMC); a negative value is left negative.
double LocalSiderealTime(const BirthMoment& moment);

// The tropical ascendant in degrees [0, 360) for a local sidereal time in
// degrees and a north-positive latitude.
double TropicalAscendant(double localSiderealTime, double latitude, double centuries1900);

// Ayanamsa and the sidereal ascendant (Lagna), with their texts.
void ComputeAscendant(const BirthData& birth, ChartPositions& positions);

}  // namespace amsaview
