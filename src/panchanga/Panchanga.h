#pragma once

#include <functional>

#include "panchanga/SunDay.h"

namespace amsaview {

// The chart's own sidereal Sun and Moon, degrees [0, 360).
struct SiderealLights {
    double sun = 0;
    double moon = 0;
};

// The lights at a universal moment (Julian day), from whichever method drew
// the chart; the panchanga never asks which.
using LightsAt = std::function<SiderealLights(double julianDayUt)>;

// One element of the panchanga: its number and the moments (Julian days,
// universal time) it began and ends.
struct PanchangaSpan {
    int number = 0;
    double start = 0;
    double end = 0;

    bool operator==(const PanchangaSpan&) const = default;
};

struct Panchanga {
    int vara = 0;             // 0 Sunday .. 6 Saturday, counted from sunrise
    int civilWeekday = 0;     // the weekday of the local date, counted from midnight
    PanchangaSpan tithi;      // 1..30
    PanchangaSpan nakshatra;  // 1..27, of the Moon
    int pada = 0;             // 1..4
    PanchangaSpan yoga;       // 1..27
    PanchangaSpan karana;     // 1..60
    SunDay sun;

    bool operator==(const Panchanga&) const = default;
};

// The elements as the lights define them, without their times.
int TithiOf(const SiderealLights& lights);
int KaranaOf(const SiderealLights& lights);
int YogaOf(const SiderealLights& lights);

// The weekday 0 Sunday .. 6 Saturday of a Julian day number (noon-based, whole).
int WeekdayOfJulianDayNumber(double julianDayNumber);

// The panchanga of a birth at `julianDayUt`, whose local civil date falls on
// `civilWeekday` and has the sun day `sun`. A birth before that date's
// sunrise belongs to the previous weekday's vara; where the Sun does not rise
// that date, the civil weekday stands.
Panchanga ComputePanchanga(double julianDayUt, int civilWeekday, const SunDay& sun,
                           const LightsAt& lights);

}  // namespace amsaview
