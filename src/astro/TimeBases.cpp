#include "astro/TimeBases.h"

#include <cmath>

namespace amsaview {
namespace {

// Days since 1970-01-01 in the proleptic Gregorian calendar, and back.
long DaysFromCivil(int year, int month, int day) {
    const long y = year - (month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long days, int& year, int& month, int& day) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

double JulianDayNumber(int month, int day, int year) {
    const double m = month + 12.0 * (year + 4800) - 3;
    double j = std::floor((365 * m + 2 * (m - 12 * std::floor(m / 12)) + 7) / 12) + day +
               std::floor(m / 48) - 32083;
    if (j > 2299171) {
        j += std::floor(m / 4800) - std::floor(m / 1200) + 38;
    }
    return j;
}

BirthMoment PrepareBirthMoment(const BirthData& birth) {
    BirthMoment moment;
    moment.localHours = birth.hour + birth.minute / 60.0 + birth.second / 3600.0;
    moment.utMinusLocalHours = -birth.utcOffsetSeconds / 3600.0;
    moment.longitude = birth.lonDegrees + birth.lonMinutes / 60.0;
    moment.latitude = birth.latDegrees + birth.latMinutes / 60.0;
    if (birth.isEast) {
        moment.longitude = -moment.longitude;
    }
    if (birth.isSouth) {
        moment.latitude = -moment.latitude;
    }
    moment.julianDayNumber = JulianDayNumber(birth.month, birth.day, birth.year);
    moment.universalHours = moment.localHours + moment.utMinusLocalHours;
    moment.centuries1900 =
        ((moment.julianDayNumber - 2415020) + moment.universalHours / 24 - 0.5) / 36525;
    return moment;
}

UtMoment PlanetMoment(const BirthData& birth) {
    constexpr long kSecondsPerDay = 24 * 3600;
    const long localSeconds = DaysFromCivil(birth.year, birth.month, birth.day) * kSecondsPerDay +
                              birth.hour * 3600L + birth.minute * 60L + birth.second;
    const long utSeconds = localSeconds - birth.utcOffsetSeconds;
    // Floor division keeps times before 1970 on the right day.
    const long days =
        (utSeconds >= 0 ? utSeconds : utSeconds - (kSecondsPerDay - 1)) / kSecondsPerDay;
    const long secondOfDay = utSeconds - days * kSecondsPerDay;

    UtMoment moment;
    CivilFromDays(days, moment.year, moment.month, moment.day);
    moment.hour = static_cast<int>(secondOfDay / 3600);
    moment.minute = static_cast<int>(secondOfDay / 60 % 60);
    moment.second = static_cast<int>(secondOfDay % 60);
    return moment;
}

double DayNumber(int year, int month, int day, int hour, int minute, int second) {
    return 367.0 * year - std::floor(7 * (year + std::floor((month + 9) / 12.0)) / 4.0) +
           std::floor(275 * month / 9.0) + day - 730531.5 +
           (hour + minute / 60.0 + second / 3600.0) / 24;
}

}  // namespace amsaview
