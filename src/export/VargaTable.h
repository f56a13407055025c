#pragma once

#include "pipeline/ChartReport.h"

namespace amsaview {

// The sign of the ascendant and of each body in every chart: a row for the
// ascendant and one for each body, a column for each chart in the report's
// order, "Sco (R)" where a planet stands retrograde; empty where a chart
// leaves a body out.
ReportTable VargaTable(const ReportCharts& charts);

}  // namespace amsaview
