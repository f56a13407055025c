#pragma once

#include <vector>

// One retrograde period: the moments, as Julian days in universal time, at
// which the planet's geocentric longitude stops and turns back, then stops
// and turns forward again.
struct StationPeriod {
    double retrogradeJd;
    double directJd;
};

// Every retrograde period of a Swiss Ephemeris planet that lies wholly
// between the two Julian days, sampled every quarter day. Throws std::runtime_error when
// the library could not use its data files.
std::vector<StationPeriod> FindRetrogradePeriods(int planet, double fromJd, double toJd);
