#pragma once

#include <array>
#include <string_view>

#include "model/BirthData.h"
#include "model/ChartPositions.h"

namespace amsaview {

// One body's Keplerian elements at J2000.0 (mean ecliptic and equinox of
// J2000) and their drift per Julian century; angles in degrees, rates in
// arc-seconds per century.
struct OrbitalElementRow {
    std::string_view body;
    double a0, aRate;
    double e0, eRate;
    double i0, iRate;
    double node0, nodeRate;
    double perihelion0, perihelionRate;
    double meanLongitude0, meanLongitudeRate;
};

inline constexpr int kEarthRow = 2;  // its geocentric result is the Sun

inline constexpr std::array<OrbitalElementRow, 6> OrbitalElementTable = {{
    {"Mercury", 0.38709893, +0.00000066, 0.20563069, +0.00002527, 7.00487, -23.51, 48.33167,
     -446.30, 77.45645, +573.57, 252.25084, +538101628.29},
    {"Venus", 0.72333199, +0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89,
     131.53298, -108.80, 181.97973, +210664136.06},
    {"Sun", 1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, +1198.28, 100.46435, +129597740.63},
    {"Mars", 1.52366231, -0.00007221, 0.09341233, +0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, +1560.78, 355.45332, +68905103.78},
    {"Jupiter", 5.20336301, +0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615,
     +1217.17, 14.75385, +839.93, 34.40438, +10925078.35},
    {"Saturn", 9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, +6.11, 113.71504,
     -1591.05, 92.43194, -1948.89, 49.94432, +4401052.95},
}};

// The elements of one row at a moment; angles in radians, L reduced to [0, 2π).
struct OrbitalElementValues {
    double a, e, i, node, perihelion, meanLongitude;
};

OrbitalElementValues OrbitalElements(int row, double dayNumber);

// True anomaly in [0, 2π) for mean anomaly `meanAnomaly` (radians), by Newton
// iteration on Kepler's equation.
double TrueAnomaly(double meanAnomaly, double eccentricity);

// Tropical geocentric ecliptic longitude of a row's body in degrees [0, 360],
// measured from the equinox of J2000.0 like the elements.
double GeocentricLongitude(int row, double dayNumber);

// Degrees the equinox has moved along the ecliptic since J2000.0 (IAU 2006);
// the ayanamsa counts from the equinox of the date, the elements from J2000.
double GeneralPrecessionInLongitude(double dayNumber);

// Tropical longitude of the Moon's mean ascending node of date in degrees
// [0, 360) (Meeus, Astronomical Algorithms, 2nd ed., 47.7).
double MeanLunarNode(double dayNumber);

// The nine sidereal position texts, Sun..Ketu; needs the ayanamsa and the
// Moon's text from the earlier stages.
void ComputePlanets(const BirthData& birth, ChartPositions& positions);

}  // namespace amsaview
