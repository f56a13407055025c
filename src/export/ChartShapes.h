#pragma once

#include <QPointF>
#include <QRectF>
#include <initializer_list>

#include "export/ChartStyle.h"

// What the three styles' routines share; not for callers of the painting.
namespace amsaview::shapes {

inline constexpr int kTwipsPerScreenPixel = 15;  // one line's width at 96 dpi
inline constexpr int kTitleTop = 570;            // from the South-Indian centre's top
inline constexpr int kTitleHeight = 420;
inline constexpr int kOrnamentGap = 60;
inline constexpr int kOrnamentWidth = 2940;
inline constexpr int kOrnamentHeight = 1500;
inline constexpr int kNumberWidth = 300;
inline constexpr int kNumberHeight = 240;
inline constexpr int kLagnaStroke = 330;  // along each edge from the marked corner

// A rectangle given in twips from the frame's corner, in the painter's units.
inline QRectF Twips(const ChartLayout& layout, double left, double top, double width,
                    double height) {
    const double scale = layout.unitsPerTwip;
    return {layout.frame.left() + left * scale, layout.frame.top() + top * scale, width * scale,
            height * scale};
}

// The whole rim the grid covers, in the painter's units.
inline QRectF GridArea(const GridGeometry& grid, const ChartLayout& layout) {
    return Twips(layout, grid.firstLeft, grid.firstTop, 3 * grid.pitchX + grid.boxWidth,
                 3 * grid.pitchY + grid.boxHeight);
}

// A point or rectangle given in fractions of an area.
inline QPointF At(const QRectF& area, double x, double y) {
    return {area.left() + x * area.width(), area.top() + y * area.height()};
}
inline QRectF Within(const QRectF& area, double x, double y, double width, double height) {
    return {At(area, x, y), At(area, x + width, y + height)};
}
inline QPolygonF Polygon(const QRectF& area, std::initializer_list<QPointF> fractions) {
    QPolygonF polygon;
    for (const QPointF& point : fractions) {
        polygon << At(area, point.x(), point.y());
    }
    return polygon;
}

// The stroke that cuts off a box's corner: from one edge to the other, the
// same length along each.
QLineF CornerStroke(const QPolygonF& outline, qsizetype corner, double length);

// Outlines' bounds, and the stroke where the Lagna stands at its box's
// corner; a corner of -1 marks no stroke.
void FinishLayout(ChartLayout& layout, const std::array<qsizetype, kSignCount>& markedCorner);

}  // namespace amsaview::shapes
