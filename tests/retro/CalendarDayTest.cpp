#include <gtest/gtest.h>

#include "retro/CalendarDay.h"

namespace amsaview {
namespace {

struct DayGap {
    const char* what;
    int fromYear, fromMonth, fromDay;
    int toYear, toMonth, toDay;
    int midnights;
};

constexpr DayGap kDayGaps[] = {
    {"same day", 2020, 2, 17, 2020, 2, 17, 0},
    {"leap year February", 2020, 2, 28, 2020, 3, 1, 2},
    {"1900 has no 29 February", 1900, 2, 28, 1900, 3, 1, 1},
    {"2000 has a 29 February", 2000, 2, 28, 2000, 3, 1, 2},
    {"across a new year", 1999, 12, 31, 2000, 1, 1, 1},
    {"Mercury's first period", 1900, 3, 15, 1900, 4, 7, 23},
    {"Jupiter's last period", 2050, 12, 21, 2051, 4, 21, 121},
    {"a whole leap year", 2024, 1, 1, 2025, 1, 1, 366},
    {"backwards is negative", 2020, 3, 10, 2020, 2, 17, -22},
};

TEST(CalendarDay, CountsMidnightsBetweenDates) {
    for (const DayGap& gap : kDayGaps) {
        EXPECT_EQ(CalendarDayOf(gap.toYear, gap.toMonth, gap.toDay) -
                      CalendarDayOf(gap.fromYear, gap.fromMonth, gap.fromDay),
                  gap.midnights)
            << gap.what;
    }
}

}  // namespace
}  // namespace amsaview
