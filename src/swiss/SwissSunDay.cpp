#include "swiss/SwissSunDay.h"

#include <swephexp.h>

#include "swiss/SwissEphemeris.h"
#include "swiss/SwissSession.h"

namespace amsaview {
namespace {

constexpr double kPressure = 1013.25;  // hPa
constexpr double kTemperature = 10;    // °C

// The library answers −2 when the Sun stays up or down the whole search.
constexpr int32 kCircumpolar = -2;

std::optional<double> Event(double localMidnight, double* place, int32 which) {
    double moment = 0;
    char libraryMessage[AS_MAXCH] = "";
    const int32 status = swe_rise_trans(localMidnight, SE_SUN, nullptr, SEFLG_SWIEPH, which, place,
                                        kPressure, kTemperature, &moment, libraryMessage);
    if (status == kCircumpolar) {
        return std::nullopt;
    }
    if (status < 0) {
        throw SwissEphemerisError(std::string("Swiss Ephemeris could not compute the sunrise: ") +
                                  libraryMessage);
    }
    // The routine finds the next event after the start, perhaps days later.
    if (moment >= localMidnight + 1) {
        return std::nullopt;
    }
    return moment;
}

bool UpperLimbUp(double moment, double* place) {
    double sun[6] = {};
    char libraryMessage[AS_MAXCH] = "";
    if (swe_calc_ut(moment, SE_SUN, SEFLG_SWIEPH, sun, libraryMessage) < 0) {
        throw SwissEphemerisError(std::string("Swiss Ephemeris could not compute the Sun: ") +
                                  libraryMessage);
    }
    double horizon[3] = {};
    swe_azalt(moment, SE_ECL2HOR, place, kPressure, kTemperature, sun, horizon);
    constexpr double kSemiDiameter = 16.0 / 60;
    return horizon[2] + kSemiDiameter > 0;  // the apparent altitude, refraction included
}

}  // namespace

SwissSunEvents SwissSunDay(const std::string& dataPath, double localMidnight, double longitude,
                           double latitude) {
    UseSwissDataPath(dataPath);
    double place[3] = {longitude, latitude, 0};
    SwissSunEvents events;
    events.sunrise = Event(localMidnight, place, SE_CALC_RISE);
    events.sunset = Event(localMidnight, place, SE_CALC_SET);
    if (!events.sunrise && !events.sunset) {
        events.sunUp = UpperLimbUp(localMidnight + 0.5, place);
    }
    return events;
}

}  // namespace amsaview
