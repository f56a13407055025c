#pragma once

#include <string>
#include <string_view>

#include "cli/DashaOptions.h"
#include "pipeline/BirthTimes.h"
#include "pipeline/ChartResult.h"

namespace amsaview {

// The chart as the result window shows it, keyed by the window's label names,
// plus the numbers behind the texts under "values"; keys in alphabetical order
// and numbers as Qt's JSON writer has always printed them.

// The single-birth mode's output: indented by four blanks, ending with a newline.
// With `times`, the panchanga and, when computed, the time windows too. The
// dasha goes `dashaLevels` deep, 1 .. 3.
void AppendChartJson(const ChartResult& result, std::string& out, const BirthTimes* times = nullptr,
                     int dashaLevels = kDefaultDashaLevels);

// One batch row: the same object on one line, with its input line number.
void AppendChartJsonLine(const ChartResult& result, long line, std::string& out,
                         const BirthTimes* times = nullptr, int dashaLevels = kDefaultDashaLevels);

// A batch row that could not be charted: {"error":"...","line":N}.
void AppendErrorJsonLine(std::string_view message, long line, std::string& out);

}  // namespace amsaview
