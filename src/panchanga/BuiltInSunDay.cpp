#include "panchanga/BuiltInSunDay.h"

#include <cmath>

#include "astro/Numeric.h"
#include "astro/Planets.h"

namespace amsaview {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kSiderealDegreesPerDay = 360.98564736629;
constexpr double kDayTolerance = 0.05 / 86400;
constexpr int kMostSteps = 12;

double Past(double degrees) {
    double reduced = std::fmod(degrees, 360.0);
    if (reduced > 180) {
        reduced -= 360;
    } else if (reduced <= -180) {
        reduced += 360;
    }
    return reduced;
}

struct SunPlace {
    double rightAscension;  // degrees
    double declination;     // radians
    double siderealTime;    // apparent, at Greenwich, degrees
};

SunPlace SunAt(double julianDayUt) {
    const double d = julianDayUt - kJ2000;
    const double t = d / 36525;
    const double node = (125.04452 - 1934.136261 * t) * kDegToRad;
    const double sunMean = (280.4665 + 36000.7698 * t) * kDegToRad;
    const double nutationLongitude =
        (-17.20 * std::sin(node) - 1.32 * std::sin(2 * sunMean)) / 3600;
    const double nutationObliquity = (9.20 * std::cos(node) + 0.57 * std::cos(2 * sunMean)) / 3600;
    constexpr double kAberration = -20.4898 / 3600;

    const double longitude = (GeocentricLongitude(kEarthRow, d) + GeneralPrecessionInLongitude(d) +
                              nutationLongitude + kAberration) *
                             kDegToRad;
    const double obliquity = (23.4392911 - 0.0130042 * t + nutationObliquity) * kDegToRad;
    const double gmst = 280.46061837 + kSiderealDegreesPerDay * d + 0.000387933 * t * t;
    return {std::atan2(std::cos(obliquity) * std::sin(longitude), std::cos(longitude)) / kDegToRad,
            std::asin(std::sin(obliquity) * std::sin(longitude)),
            gmst + nutationLongitude * std::cos(obliquity)};
}

struct Event {
    std::optional<double> moment;
    PolarDay polar = PolarDay::None;
};

// `side` −1 for the rising, +1 for the setting: the hour angle at which the
// centre stands at the standard altitude, found again at each new moment
// because the Sun moves meanwhile.
Event Iterate(double start, double longitude, double latitude, int side) {
    const double phi = latitude * kDegToRad;
    const double altitude = kSunriseAltitude * kDegToRad;
    double moment = start;
    for (int step = 0; step < kMostSteps; ++step) {
        const SunPlace sun = SunAt(moment);
        const double cosine = (std::sin(altitude) - std::sin(phi) * std::sin(sun.declination)) /
                              (std::cos(phi) * std::cos(sun.declination));
        if (cosine < -1) {
            return {std::nullopt, PolarDay::MidnightSun};
        }
        if (cosine > 1) {
            return {std::nullopt, PolarDay::PolarNight};
        }
        const double wanted = side * std::acos(cosine) / kDegToRad;
        const double hourAngle = sun.siderealTime + longitude - sun.rightAscension;
        const double correction = Past(wanted - hourAngle) / kSiderealDegreesPerDay;
        moment += correction;
        if (std::fabs(correction) < kDayTolerance) {
            return {moment, PolarDay::None};
        }
    }
    return {moment, PolarDay::None};
}

// The event inside [midnight, midnight + 1), started from the local noons of
// the date and its neighbours: a zone far from its meridian moves the Sun's
// day against the clock's.
Event OnDate(double midnight, double longitude, double latitude, int side) {
    Event found;
    for (const double noon : {midnight + 0.5, midnight - 0.5, midnight + 1.5}) {
        const Event event = Iterate(noon, longitude, latitude, side);
        if (!event.moment) {
            found.polar = found.polar == PolarDay::None ? event.polar : found.polar;
            continue;
        }
        if (*event.moment >= midnight && *event.moment < midnight + 1) {
            return event;
        }
    }
    return found;
}

}  // namespace

SunDay BuiltInSunDay(double localMidnight, double longitude, double latitude) {
    const Event rise = OnDate(localMidnight, longitude, latitude, -1);
    const Event set = OnDate(localMidnight, longitude, latitude, +1);
    SunDay day{rise.moment, set.moment, PolarDay::None};
    if (!day.sunrise && !day.sunset) {
        day.polar = rise.polar != PolarDay::None ? rise.polar : set.polar;
    }
    return day;
}

}  // namespace amsaview
