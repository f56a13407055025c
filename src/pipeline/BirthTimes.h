#pragma once

#include <optional>
#include <vector>

#include "panchanga/Panchanga.h"
#include "pipeline/ChartResult.h"
#include "pipeline/PositionSource.h"
#include "pipeline/TimeWindows.h"

namespace amsaview {

// What a chart says about its moment beyond the positions: the panchanga
// and, when asked for, how long each chart's Lagna and the Moon's pada hold.
struct BirthTimes {
    Panchanga panchanga;
    std::optional<std::vector<TimeWindow>> windows;
};

// From the chart's own method; `source` is the one that computed `result`.
// Throws what the source throws.
BirthTimes ComputeBirthTimes(const ChartResult& result, const PositionSource& source,
                             bool withWindows);

}  // namespace amsaview
