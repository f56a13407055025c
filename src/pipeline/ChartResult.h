#pragma once

#include "model/BirthData.h"
#include "model/ChartPlacements.h"
#include "model/ChartPositions.h"
#include "pipeline/CalculationOptions.h"
#include "pipeline/ResultTexts.h"
#include "swiss/EphemerisSettings.h"

namespace amsaview {

// The one chart the program holds. Each successful computation overwrites it;
// a failed check leaves it as it was.
struct ChartResult {
    BirthData birth;
    ChartPositions positions;
    ResultTexts texts;
    ChartPlacements placements;
    EphemerisSettings method;    // what computed the positions
    CalculationOptions options;  // and what the rest was computed with

    bool operator==(const ChartResult&) const = default;
};

}  // namespace amsaview
