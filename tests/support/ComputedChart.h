#pragma once

#include <QtGlobal>

#include "pipeline/ComputeChart.h"

namespace amsaview::testing {

// The chart of an example birth; an example that fails its checks ends the run.
inline ChartResult ComputedChart(const FormInput& form) {
    ChartResult result;
    if (ComputeChart(form, result)) {
        qFatal("an example birth failed its checks");
    }
    return result;
}

}  // namespace amsaview::testing
