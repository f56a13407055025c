#include "vedic/MoonLongitude.h"

#include <cmath>

#include "astro/AngleText.h"
#include "astro/Numeric.h"

namespace amsaview {

double Centuries2000(const BirthMoment& moment) {
    return ((moment.julianDayNumber - 2451545) + moment.universalHours / 24 - 0.5) / 36525;
}

double MoonTropicalLongitude(double centuries2000) {
    const double t = centuries2000;
    const double meanLongitude = 218.3164591 + 481267.88134236 * t;
    const double elongation = (297.8502042 + 445267.1115168 * t) * kDegToRad;
    const double sunAnomaly = (357.5291092 + 35999.0502909 * t) * kDegToRad;
    const double moonAnomaly = (134.9634114 + 477198.8676313 * t) * kDegToRad;
    const double latitudeArgument = (93.2720993 + 483202.0175273 * t) * kDegToRad;
    const double eccentricityFactor = 1 - 0.002516 * t - 0.0000074 * t * t;

    double sum = 0;
    for (const MoonLongitudeTerm& term : MoonLongitudeTerms) {
        const double argument = term.d * elongation + term.m * sunAnomaly +
                                term.mPrime * moonAnomaly + term.f * latitudeArgument;
        const double value = term.coefficient * std::sin(argument);
        sum += term.m != 0 ? value * eccentricityFactor : value;
    }

    double lambda = meanLongitude + sum;
    while (lambda < 0) {
        lambda += 360;
    }
    while (lambda > 360) {
        lambda -= 360;
    }
    return lambda;
}

double EphemerisAyanamsa(double centuries2000) {
    const double t = centuries2000;
    const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;
    const double sunLongitude = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t;
    // sin L itself, not sin 2L: the Moon's figures were always made this way.
    const double nutationSeconds =
        17.23 * std::sin(node * kDegToRad) + 1.27 * std::sin(sunLongitude * kDegToRad);
    return (nutationSeconds - t * (5025.64 + 1.11 * t) - 85886.27) / 3600;
}

MoonPosition MoonSiderealLongitude(const BirthMoment& moment) {
    const double t = Centuries2000(moment);
    double sidereal = MoonTropicalLongitude(t) + EphemerisAyanamsa(t);
    if (sidereal < 0) {
        sidereal += 360;
    }
    return {sidereal, FormatLongitude(sidereal)};
}

}  // namespace amsaview
