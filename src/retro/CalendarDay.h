#pragma once

#include <cstdint>

namespace amsaview {

// A Gregorian calendar date as a count of days from 1 March of year 0, so that
// the difference of two dates is the number of midnights between them.
using CalendarDay = std::int32_t;

constexpr CalendarDay CalendarDayOf(int year, int month, int day) {
    // Counting years from March puts the leap day at the end of the year.
    const int marchYear = month <= 2 ? year - 1 : year;
    const int monthFromMarch = month <= 2 ? month + 9 : month - 3;
    return 365 * marchYear + marchYear / 4 - marchYear / 100 + marchYear / 400 +
           (153 * monthFromMarch + 2) / 5 + day - 1;
}

}  // namespace amsaview
