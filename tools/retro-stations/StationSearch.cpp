#include "StationSearch.h"

#include <stdexcept>
#include <string>

#include <swephexp.h>

namespace {

constexpr double kSampleStepDays = 0.25;
// About a hundredth of a second: far below the minute the tables keep.
constexpr double kBisectionLimitDays = 1e-7;

// Longitude speed in degrees a day. The library falls back silently to an
// analytic theory when its files are missing; such stations would be minutes
// off, so that is fatal here.
double LongitudeSpeed(int planet, double jdUt) {
    double result[6] = {};
    char error[AS_MAXCH] = {};
    const int flags = swe_calc_ut(jdUt, planet, SEFLG_SWIEPH | SEFLG_SPEED, result, error);
    if (flags < 0 || (flags & SEFLG_SWIEPH) == 0) {
        throw std::runtime_error("Swiss Ephemeris data not used at JD " + std::to_string(jdUt) +
                                 ": " + error);
    }
    return result[3];
}

bool IsForward(double speed) {
    return speed > 0.0;
}

// The moment inside [from, to] where the motion changes direction.
double Bisect(int planet, double from, double to) {
    const bool forwardAtFrom = IsForward(LongitudeSpeed(planet, from));
    while (to - from > kBisectionLimitDays) {
        const double middle = from + (to - from) / 2;
        if (IsForward(LongitudeSpeed(planet, middle)) == forwardAtFrom) {
            from = middle;
        } else {
            to = middle;
        }
    }
    return from + (to - from) / 2;
}

}  // namespace

std::vector<StationPeriod> FindRetrogradePeriods(int planet, double fromJd, double toJd) {
    std::vector<StationPeriod> periods;
    double pendingRetrograde = 0.0;
    bool hasPendingRetrograde = false;
    double previous = fromJd;
    bool previousForward = IsForward(LongitudeSpeed(planet, previous));
    for (double now = fromJd + kSampleStepDays; now <= toJd; now += kSampleStepDays) {
        const bool forward = IsForward(LongitudeSpeed(planet, now));
        if (forward != previousForward) {
            const double station = Bisect(planet, previous, now);
            if (!forward) {
                pendingRetrograde = station;
                hasPendingRetrograde = true;
            } else if (hasPendingRetrograde) {
                periods.push_back({pendingRetrograde, station});
                hasPendingRetrograde = false;
            }
        }
        previous = now;
        previousForward = forward;
    }
    return periods;
}
