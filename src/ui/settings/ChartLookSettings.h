#pragma once

#include "export/ChartStyle.h"

class QSettings;

namespace amsaview {

// How the charts are drawn, kept between runs by the command line's words
// ("north"). A word the program does not know reads as the default.
ChartLook ReadChartLook(const QSettings& store);
void WriteChartLook(QSettings& store, const ChartLook& look);

}  // namespace amsaview
