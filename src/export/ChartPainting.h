#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <string_view>

#include "model/LookupLists.h"

class QPainter;

namespace amsaview {

// Where a chart's sign boxes sit, in twips from the chart frame's corner.
struct GridGeometry {
    int firstLeft;
    int firstTop;
    int pitchX;
    int pitchY;
    int boxWidth;  // a box is one line wider than the pitch, so neighbours share their outline
    int boxHeight;
};

inline constexpr GridGeometry kRashiGrid{135, 135, 1710, 1440, 1725, 1455};
inline constexpr GridGeometry kDivisionalGrid{120, 120, 1680, 1440, 1695, 1455};

struct GridCell {
    int row;  // 0 = top
    int column;
};

// The South-Indian grid is sign-fixed: Aries second in the top row, the other
// signs following clockwise round the rim, the inner four cells left free.
inline constexpr std::array<GridCell, kSignCount> kSignCells = {{
    {0, 1},  // Aries
    {0, 2},  // Taurus
    {0, 3},  // Gemini
    {1, 3},  // Cancer
    {2, 3},  // Leo
    {3, 3},  // Virgo
    {3, 2},  // Libra
    {3, 1},  // Scorpio
    {3, 0},  // Sagittarius
    {2, 0},  // Capricorn
    {1, 0},  // Aquarius
    {0, 0},  // Pisces
}};

// The lines a box shows: its "\r\n"-separated names without the empty first line.
QStringList BoxLines(std::string_view boxText);

// The chart's whole frame in twips: the grid with its margin, never smaller
// than the frame the window was composed with.
QSizeF ChartFrameTwips(const GridGeometry& geometry);

// Light texts on the window's brown, or ink on white paper.
struct ChartColours {
    QColor background;
    QColor outline;
    QColor signNumber;
    QColor names;
    QColor title;
};

inline const ChartColours kScreenColours{QColor(199, 121, 50), Qt::black, QColor(128, 128, 128),
                                         Qt::white, QColor(0, 255, 255)};
inline const ChartColours kPaperColours{Qt::white, Qt::black, QColor(110, 110, 110), Qt::black,
                                        QColor(120, 40, 40)};

// One chart as drawn: its title, grid and the twelve boxes' captions,
// Aries .. Pisces, as the pipeline wrote them.
struct ChartDrawing {
    QString title;
    GridGeometry geometry = kRashiGrid;
    std::array<std::string, kSignCount> boxes;
};

// Where a chart's parts fall when it is drawn as large as fits in an area,
// centred.
struct ChartLayout {
    double unitsPerTwip = 1.0;
    QRectF frame;
    std::array<QRectF, kSignCount> boxes;      // each sign's box, Aries .. Pisces
    std::array<QRectF, kSignCount> textAreas;  // where the box's names go
};

ChartLayout LayOutChart(const QRectF& area, const GridGeometry& geometry);

// What was drawn where, so that callers and checks can see the boxes.
struct DrawnChart {
    ChartLayout layout;
    std::array<QStringList, kSignCount> lines;
    std::array<QRectF, kSignCount> textBounds;  // what the names took of their area
};

// Paints the chart as large as fits in the area, centred: the background,
// twelve numbered boxes with their names, the title and the ornament. Fonts
// follow the chart's scale, so the window at 96 dpi and the page look alike.
DrawnChart DrawChart(QPainter& painter, const QRectF& area, const ChartDrawing& chart,
                     const ChartColours& colours);

}  // namespace amsaview
