#pragma once

#include <QPageSize>
#include <QRectF>
#include <array>

#include "export/ChartPainting.h"
#include "pipeline/ChartResult.h"

class QPagedPaintDevice;
class QPainter;

namespace amsaview {

// The Rashi chart and the divisional charts in the order of their rules.
inline constexpr std::size_t kPrintedChartCount = 1 + kDivisionalChartCount;
using PrintedCharts = std::array<DrawnChart, kPrintedChartCount>;

// The eight charts of a result as the window shows them: titles, grids, boxes.
std::array<ChartDrawing, kPrintedChartCount> ChartDrawings(const ChartResult& result);

// A4, or Letter where the system's locale measures in inches.
QPageSize LocalPageSize();

// The first page, in the painter's units: the birth, the Vedic details, the
// nine positions, the Rashi chart and the Navamsa side by side. The charts it
// drew are filled in.
void DrawFirstPage(QPainter& painter, const QRectF& page, const ChartResult& result,
                   PrintedCharts& drawn);

// Both pages onto a printer or a PDF; the device's page layout is left as set.
// False when the device cannot be painted on.
bool PaintChartPages(QPagedPaintDevice& device, const ChartResult& result, PrintedCharts& drawn);

}  // namespace amsaview
