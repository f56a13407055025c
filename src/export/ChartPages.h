#pragma once

#include <QPageSize>
#include <QRectF>
#include <vector>

#include <optional>

#include "dasha/Vimshottari.h"
#include "export/ChartPainting.h"
#include "pipeline/ChartReport.h"
#include "pipeline/ChartResult.h"

class QPagedPaintDevice;
class QPainter;

namespace amsaview {

// The charts as drawn, in the report's order; a chart not on the pages drawn
// stays empty.
using PrintedCharts = std::vector<DrawnChart>;

// One chart of the report as the window shows it: title, grid, style, boxes
// and the Lagna.
ChartDrawing ChartDrawingOf(const ReportChart& chart, const ChartResult& result,
                            const ChartLook& look);
// Every chart of a result, in the report's order.
std::vector<ChartDrawing> ChartDrawings(const ChartResult& result, const ChartLook& look = {});

// "Clock: Europe/Madrid +02:00 (CEST), daylight saving · UT 1983-09-25 00:30": the
// clock that charted the birth, as the window and the page say it.
QString ClockLine(const ChartReport& report);

// A4, or Letter where the system's locale measures in inches.
QPageSize LocalPageSize();

// The first page, in the painter's units: the birth and the clock, the other
// sections of the report in two columns, the Rashi chart and the Navamsa
// side by side. Long texts wrap within their column. The charts it drew are
// filled in.
void DrawFirstPage(QPainter& painter, const QRectF& page, const ChartResult& result,
                   const ChartLook& look, PrintedCharts& drawn);

// Every page onto a printer or a PDF: the first, then the other charts two
// to a row, the varga table and the dasha with the periods running at
// `asOf` (now, when not given) marked, as many pages as they need. The
// device's page layout is left as set. False when the device cannot be
// painted on.
bool PaintChartPages(QPagedPaintDevice& device, const ChartResult& result, const ChartLook& look,
                     PrintedCharts& drawn, std::optional<UtSeconds> asOf = std::nullopt);

}  // namespace amsaview
