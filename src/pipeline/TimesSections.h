#pragma once

#include <vector>

#include "pipeline/ChartReport.h"

namespace amsaview {

// The panchanga of the birth with its sunrise and sunset, and how long each
// chart's Lagna and the Moon's pada hold ("Lagna holds"), as report
// sections with their times on the birth's clock. Each charts the birth
// again by the result's own method; where that method cannot, the section
// says so in its one row.
void AddBirthTimesSections(const ChartResult& result, std::vector<ReportSection>& sections);

}  // namespace amsaview
