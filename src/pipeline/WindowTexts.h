#pragma once

#include <string>
#include <vector>

#include "model/BirthData.h"
#include "pipeline/TimeWindows.h"

namespace amsaview {

// "3 min 20 s", "45 s", "2 h 0 min 5 s".
std::string MarginText(int seconds);

// The birth's local clock `seconds` after it: "11:52:10", with the date in
// front when it is another day ("2024-03-02 00:10:05").
std::string LocalClockText(const BirthData& birth, int seconds);

// One row of the "Lagna holds" table.
struct WindowRow {
    std::string chart;  // "D9", "Moon's pada"
    std::string value;  // "Leo", "Pushya 1"
    std::string from;   // local clock, or "over a day before"
    std::string to;
    std::string margin;  // to the nearer change
    bool close = false;  // under a minute to the nearer change
};

std::vector<WindowRow> WindowRows(const BirthData& birth, const std::vector<TimeWindow>& windows);

// "Leo", or "Pushya 1" for the Moon's pada.
std::string WindowValueText(const TimeWindow& window);

}  // namespace amsaview
