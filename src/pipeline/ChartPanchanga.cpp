#include "pipeline/ChartPanchanga.h"

#include <cmath>

#include "astro/Ascendant.h"
#include "astro/Planets.h"
#include "astro/TimeBases.h"
#include "panchanga/BuiltInSunDay.h"
#include "panchanga/PanchangaNames.h"
#include "pipeline/ChartDasha.h"
#include "swiss/SwissEphemeris.h"
#include "swiss/SwissSunDay.h"
#include "vedic/MoonLongitude.h"

namespace amsaview {
namespace {

constexpr double kJ1900 = 2415020.0;
constexpr double kJ2000 = 2451545.0;

double Normalize(double degrees) {
    const double reduced = std::fmod(degrees, 360.0);
    return reduced < 0 ? reduced + 360 : reduced;
}

SunDay FromSwiss(const SwissSunEvents& events) {
    SunDay day{events.sunrise, events.sunset, PolarDay::None};
    if (!day.sunrise && !day.sunset) {
        day.polar = events.sunUp ? PolarDay::MidnightSun : PolarDay::PolarNight;
    }
    return day;
}

}  // namespace

double BirthJulianDayUt(const BirthData& birth) {
    const BirthMoment moment = PrepareBirthMoment(birth);
    return moment.julianDayNumber - 0.5 + moment.universalHours / 24;
}

SiderealLights BuiltInLights(double julianDayUt) {
    // The same arithmetic as the chart's stages: the Sun from the Keplerian
    // Earth with the ascendant's ayanamsa, the Moon with its own.
    const double day = julianDayUt - kJ2000;
    const double sunTropical =
        GeocentricLongitude(kEarthRow, day) + GeneralPrecessionInLongitude(day);
    const double ayanamsa = Ayanamsa((julianDayUt - kJ1900) / 36525);
    const double centuries2000 = day / 36525;
    return {Normalize(sunTropical - std::fabs(ayanamsa)),
            Normalize(MoonTropicalLongitude(centuries2000) + EphemerisAyanamsa(centuries2000))};
}

Panchanga ChartPanchanga(const BirthData& birth, const EphemerisSettings& method) {
    const BirthMoment moment = PrepareBirthMoment(birth);
    const double birthMoment = BirthJulianDayUt(birth);
    const double localMidnight = moment.julianDayNumber - 0.5 - birth.utcOffsetSeconds / 86400.0;
    const double east = -moment.longitude;
    const int weekday = WeekdayOfJulianDayNumber(moment.julianDayNumber);

    if (method.kind == EphemerisKind::BuiltIn) {
        return ComputePanchanga(birthMoment, weekday,
                                BuiltInSunDay(localMidnight, east, moment.latitude), BuiltInLights);
    }
    const SwissEphemeris ephemeris(method);
    const LightsAt lights = [&ephemeris](double julianDayUt) {
        const SwissPositions positions = ephemeris.Compute({julianDayUt, 0, 0});
        return SiderealLights{positions[SwissBody::Sun].longitude,
                              positions[SwissBody::Moon].longitude};
    };
    const SunDay sun =
        FromSwiss(SwissSunDay(ephemeris.DataPath(), localMidnight, east, moment.latitude));
    return ComputePanchanga(birthMoment, weekday, sun, lights);
}

std::string UtcText(double julianDayUt) {
    constexpr double kUnixEpoch = 2440587.5;  // 1970-01-01T00:00Z
    char text[kIsoMomentSize];
    const UtSeconds seconds = std::llround((julianDayUt - kUnixEpoch) * 86400);
    return {text, WriteIsoMoment(text, seconds)};
}

std::string VaraText(const Panchanga& panchanga) {
    std::string text(kVaraNames[static_cast<std::size_t>(panchanga.civilWeekday)]);
    if (panchanga.vara != panchanga.civilWeekday) {
        text += " (before sunrise: ";
        text += kVaraNames[static_cast<std::size_t>(panchanga.vara)];
        text += "'s vara)";
    }
    return text;
}

}  // namespace amsaview
