#pragma once

#include "charts/ChartBoxes.h"
#include "input/BirthData.h"
#include "input/ChartPositions.h"
#include "input/DisplayNames.h"
#include "input/ResultTexts.h"

namespace amsaview {

// The one chart the program holds. Each successful computation overwrites it;
// a failed check leaves it as it was.
struct ChartResult {
    BirthData birth;
    ChartPositions positions;
    DisplayNames names;
    ResultTexts texts;
    ChartBoxes boxes;

    bool operator==(const ChartResult&) const = default;
};

}  // namespace amsaview
