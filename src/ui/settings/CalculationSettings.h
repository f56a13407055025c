#pragma once

#include "pipeline/CalculationOptions.h"

class QSettings;

namespace amsaview {

// What a chart is counted with beyond its positions, kept between runs by
// the command line's words ("sidereal"). A word the program does not know
// reads as the default.
CalculationOptions ReadCalculationOptions(const QSettings& store);
void WriteCalculationOptions(QSettings& store, const CalculationOptions& options);

}  // namespace amsaview
