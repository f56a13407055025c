#pragma once

class QPainter;
class QRectF;

namespace amsaview {

// The lotus rising from water that sits under every chart's title.
void DrawChartOrnament(QPainter& painter, const QRectF& area);

}  // namespace amsaview
