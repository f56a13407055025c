#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/BirthData.h"
#include "model/ChartPositions.h"
#include "pipeline/PositionSource.h"

namespace amsaview {

// One thing the time around a birth must keep the same: a chart's Lagna
// sign, the Moon's pada.
struct WindowSubject {
    std::string id;  // "D1", "D9", "moonPada"
    std::function<int(const ChartPositions&)> value;
    // The search steps out by this many seconds before it halves: shorter
    // than any stretch the value can keep between two changes, so a change
    // and a change back never fall between two steps.
    int stepSeconds = 60;
};

// How far around the birth a subject keeps its value: whole seconds from
// the birth's universal moment, `earliest` ≤ 0 ≤ `latest`, each charted and
// found the same, with a second further out found different. None where it
// holds for the whole day searched.
struct TimeWindow {
    std::string id;
    int value = 0;
    std::optional<int> earliest;
    std::optional<int> latest;

    bool operator==(const TimeWindow&) const = default;
};

inline constexpr int kWindowSearchSeconds = 86400;

// The Lagna of each chart of kChartKinds, in its order, then the Moon's
// nakshatra pada (its value nakshatra × 4 + pada − 1).
std::vector<WindowSubject> ChartWindowSubjects();

// Charts the birth again with its moment moved, as often as the search needs.
// Throws what the source throws.
std::vector<TimeWindow> FindTimeWindows(const BirthData& birth, const PositionSource& source,
                                        std::span<const WindowSubject> subjects);

// The birth moved by `seconds` of universal time; its clock and date stay.
BirthData ShiftedBirth(const BirthData& birth, int seconds);

}  // namespace amsaview
