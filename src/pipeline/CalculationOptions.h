#pragma once

#include "dasha/DashaYear.h"

namespace amsaview {

// What a chart is computed with beyond the source of its positions. Passed to
// the computation and kept in its result, so everything drawn or written from
// the result counts the same way.
struct CalculationOptions {
    DashaYear dashaYear;

    bool operator==(const CalculationOptions&) const = default;
};

}  // namespace amsaview
