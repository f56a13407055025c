#pragma once

#include <array>

#include "astro/TimeBases.h"

namespace amsaview {

// One periodic term of the Moon's longitude: multiples of D, M, M', F and
// the coefficient in degrees.
struct MoonLongitudeTerm {
    int d, m, mPrime, f;
    double coefficient;
};

// The 25 leading terms of the standard lunar longitude series (Meeus).
inline constexpr std::array<MoonLongitudeTerm, 25> MoonLongitudeTerms = {{
    {0, 0, 1, 0, +6.288774},  {2, 0, -1, 0, +1.274027},  {2, 0, 0, 0, +0.658314},
    {0, 0, 2, 0, +0.213618},  {0, 1, 0, 0, -0.185116},   {0, 0, 0, 2, -0.114332},
    {2, 0, -2, 0, +0.058793}, {2, -1, -1, 0, +0.057066}, {2, 0, 1, 0, +0.053322},
    {2, -1, 0, 0, +0.045758}, {0, 1, -1, 0, -0.040923},  {1, 0, 0, 0, -0.034720},
    {0, 1, 1, 0, -0.030383},  {2, 0, 0, -2, +0.015327},  {0, 0, 1, 2, -0.012528},
    {0, 0, 1, -2, +0.010980}, {4, 0, -1, 0, +0.010675},  {0, 0, 3, 0, +0.010034},
    {4, 0, -2, 0, +0.008548}, {2, 1, -1, 0, -0.007888},  {2, 1, 0, 0, -0.006766},
    {1, 0, -1, 0, -0.005163}, {1, 1, 0, 0, +0.004987},   {2, -1, 1, 0, +0.004036},
    {2, 0, 2, 0, +0.003994},
}};

// Julian centuries from JD 2451545.0 on the ascendant clock.
double Centuries2000(const BirthMoment& moment);

// Tropical longitude of the Moon in degrees [0, 360].
double MoonTropicalLongitude(double centuries2000);

// The Moon's own ayanamsa in degrees (negative), counted from J2000.0.
double EphemerisAyanamsa(double centuries2000);

struct MoonPosition {
    double sidereal;       // degrees, [0, 360)
    std::string longForm;  // moonText
};

MoonPosition MoonSiderealLongitude(const BirthMoment& moment);

}  // namespace amsaview
