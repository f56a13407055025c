#pragma once

#include "model/BirthData.h"

namespace amsaview {

// The ascendant clock of a birth: the Julian day number of the local date
// plus universal hours that may leave 0..24 and so carry the day.
struct BirthMoment {
    double localHours = 0;         // hour + minute / 60 + second / 3600
    double utMinusLocalHours = 0;  // −offset: UT = local + this
    double longitude = 0;          // degrees, west positive
    double latitude = 0;           // degrees, north positive
    double universalHours = 0;     // not wrapped into 0..24
    double julianDayNumber = 0;    // of the local civil date
    double centuries1900 = 0;      // Julian centuries from JD 2415020.0
};

// The planet clock: the universal-time calendar date and time of a birth.
struct UtMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const UtMoment&) const = default;
};

// Whole-day count; Julian calendar up to October 1582, Gregorian after.
double JulianDayNumber(int month, int day, int year);

BirthMoment PrepareBirthMoment(const BirthData& birth);

// Both clocks share one universal time: local clock time less the offset,
// to the second; an hour below 0 or past 23 carries into the next date.
UtMoment PlanetMoment(const BirthData& birth);

// Days from JD 2451545.0; exact from March 1900 to February 2100.
double DayNumber(int year, int month, int day, int hour, int minute, int second = 0);

}  // namespace amsaview
