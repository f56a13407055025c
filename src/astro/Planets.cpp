#include "astro/Planets.h"

#include <cmath>
#include <string>

#include "astro/AngleText.h"
#include "astro/Numeric.h"
#include "astro/TimeBases.h"

namespace amsaview {
namespace {

constexpr double kKeplerTolerance = 1e-12;

double AngleElement(double degreesAtJ2000, double arcsecondsPerCentury, double centuries) {
    return kDegToRad * (degreesAtJ2000 + (centuries * arcsecondsPerCentury) / 3600);
}

struct EclipticPoint {
    double x, y;
};

EclipticPoint HeliocentricPosition(int row, double dayNumber) {
    const OrbitalElementValues el = OrbitalElements(row, dayNumber);
    const double meanAnomaly = Reduce2Pi(el.meanLongitude - el.perihelion);
    const double nu = TrueAnomaly(meanAnomaly, el.e);
    const double r = el.a * (1 - el.e * el.e) / (1 + el.e * std::cos(nu));
    if (row == kEarthRow) {
        // The Earth's inclination and node play no part.
        return {r * std::cos(nu + el.perihelion), r * std::sin(nu + el.perihelion)};
    }
    const double u = nu + el.perihelion - el.node;
    return {
        r * (std::cos(el.node) * std::cos(u) - std::sin(u) * std::sin(el.node) * std::cos(el.i)),
        r * (std::sin(el.node) * std::cos(u) + std::sin(u) * std::cos(el.node) * std::cos(el.i))};
}

double WrapDegrees(double degrees) {
    const double wrapped = std::fmod(degrees, 360.0);
    if (wrapped >= 0) {
        return wrapped;
    }
    // A tiny negative rest plus 360 rounds to 360 itself.
    return wrapped + 360 < 360 ? wrapped + 360 : 0;
}

double Sidereal(double tropical, double ayanamsa) {
    return WrapDegrees(tropical - std::fabs(ayanamsa));
}

}  // namespace

OrbitalElementValues OrbitalElements(int row, double dayNumber) {
    const OrbitalElementRow& r = OrbitalElementTable[static_cast<std::size_t>(row)];
    const double t = dayNumber / 36525;
    return {r.a0 + r.aRate * t,
            r.e0 + r.eRate * t,
            AngleElement(r.i0, r.iRate, t),
            AngleElement(r.node0, r.nodeRate, t),
            AngleElement(r.perihelion0, r.perihelionRate, t),
            Reduce2Pi(AngleElement(r.meanLongitude0, r.meanLongitudeRate, t))};
}

double TrueAnomaly(double meanAnomaly, double eccentricity) {
    const double e = eccentricity;
    double eccentricAnomaly =
        meanAnomaly + e * std::sin(meanAnomaly) * (1 + e * std::cos(meanAnomaly));
    double previous = 0;
    do {
        previous = eccentricAnomaly;
        eccentricAnomaly = previous - (previous - e * std::sin(previous) - meanAnomaly) /
                                          (1 - e * std::cos(previous));
    } while (std::fabs(eccentricAnomaly - previous) > kKeplerTolerance);
    double nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(eccentricAnomaly / 2));
    if (nu < 0) {
        nu += kTwoPi;
    }
    return nu;
}

namespace {

// The direction from the Earth to a row's body; the Earth's own position is
// shared by all six rows of one chart.
double GeocentricLongitudeFrom(const EclipticPoint& earth, int row, double dayNumber) {
    const EclipticPoint body =
        row == kEarthRow ? EclipticPoint{0, 0} : HeliocentricPosition(row, dayNumber);
    double lambda = ArcTan2(body.y - earth.y, body.x - earth.x) * (180 / kPi);
    while (lambda > 360) {
        lambda -= 360;
    }
    while (lambda < 0) {
        lambda += 360;
    }
    return lambda;
}

}  // namespace

double GeocentricLongitude(int row, double dayNumber) {
    return GeocentricLongitudeFrom(HeliocentricPosition(kEarthRow, dayNumber), row, dayNumber);
}

double GeneralPrecessionInLongitude(double dayNumber) {
    const double t = dayNumber / 36525;
    return (5028.796195 * t + 1.1054348 * t * t) / 3600;
}

double MeanLunarNode(double dayNumber) {
    const double t = dayNumber / 36525;
    const double omega = 125.0445479 - 1934.1362891 * t + 0.0020754 * t * t + t * t * t / 467441 -
                         t * t * t * t / 60616000;
    return WrapDegrees(omega);
}

void ComputePlanets(const BirthData& birth, ChartPositions& positions) {
    const UtMoment ut = PlanetMoment(birth);
    const double dayNumber = DayNumber(ut.year, ut.month, ut.day, ut.hour, ut.minute, ut.second);

    const EclipticPoint earth = HeliocentricPosition(kEarthRow, dayNumber);
    const double precession = GeneralPrecessionInLongitude(dayNumber);
    std::array<double, 6> planet{};
    for (int row = 0; row < 6; ++row) {
        planet[static_cast<std::size_t>(row)] = Sidereal(
            GeocentricLongitudeFrom(earth, row, dayNumber) + precession, positions.ayanamsa);
    }

    const double rahu = Sidereal(MeanLunarNode(dayNumber), positions.ayanamsa);
    const double ketu = WrapDegrees(rahu + 180);

    // Chart order: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu.
    positions.siderealLongitude = {planet[2], positions.moonSidereal,
                                   planet[0], planet[1],
                                   planet[3], planet[4],
                                   planet[5], rahu,
                                   ketu};
    for (int body = 0; body < kBodyCount; ++body) {
        const auto i = static_cast<std::size_t>(body);
        const std::string longForm =
            body == 1 ? positions.moonText : FormatLongitude(positions.siderealLongitude[i]);
        positions.positionText[i] = ShortPositionText(longForm);
    }
}

}  // namespace amsaview
