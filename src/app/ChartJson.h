#pragma once

#include <QJsonObject>

#include "pipeline/ChartResult.h"

namespace amsaview {

// The chart as the result window shows it, keyed by the window's label
// names, plus the numbers behind the texts under "values".
QJsonObject ChartToJson(const ChartResult& result);

}  // namespace amsaview
