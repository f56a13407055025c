#include "StationText.h"

#include <cmath>

namespace {

struct CivilDate {
    long long year;
    long long month;
    long long day;
};

// Gregorian date of a Julian day number (the integer day that starts at the
// civil midnight before noon of that day).
CivilDate GregorianDateOf(long long julianDayNumber) {
    const long long a = julianDayNumber + 32044;
    const long long b = (4 * a + 3) / 146097;
    const long long c = a - 146097 * b / 4;
    const long long d = (4 * c + 3) / 1461;
    const long long e = c - 1461 * d / 4;
    const long long m = (5 * e + 2) / 153;
    return {100 * b + d - 4800 + m / 10, m + 3 - 12 * (m / 10), e - (153 * m + 2) / 5 + 1};
}

}  // namespace

std::string EntryText(double jdUt) {
    // Julian days start at noon; shifting by half a day starts them at midnight.
    const long long minutes = std::llround((jdUt + 0.5) * 1440.0);
    const long long dayNumber = minutes / 1440;
    const long long minuteOfDay = minutes % 1440;
    const CivilDate date = GregorianDateOf(dayNumber);
    return std::to_string(date.month) + "," + std::to_string(date.day) + "," +
           std::to_string(date.year) + "," + std::to_string(minuteOfDay / 60) + "," +
           std::to_string(minuteOfDay % 60) + ",";
}
