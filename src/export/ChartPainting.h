#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "export/ChartStyle.h"
#include "model/LookupLists.h"

class QPainter;

namespace amsaview {

inline constexpr GridGeometry kRashiGrid{135, 135, 1710, 1440, 1725, 1455};
inline constexpr GridGeometry kDivisionalGrid{120, 120, 1680, 1440, 1695, 1455};

// The lines a box shows: its "\r\n"-separated names without the empty first line.
QStringList BoxLines(std::string_view boxText);

// The chart's whole frame in twips: the grid with its margin, never smaller
// than the frame the window was composed with.
QSizeF ChartFrameTwips(const GridGeometry& geometry);

// Dark ink on the window's ochre, or on white paper: every text of a box
// stands out from it by at least 4.5:1.
struct ChartColours {
    QColor background;
    QColor outline;
    QColor signNumber;
    QColor names;
    QColor title;
    QColor lagna;  // the stroke and word that mark the Lagna's box
};

inline const ChartColours kScreenColours{QColor(199, 121, 50), Qt::black,
                                         QColor(60, 0, 0),     Qt::black,
                                         QColor(0, 0, 90),     QColor(70, 0, 0)};
inline const ChartColours kPaperColours{Qt::white, Qt::black,           QColor(110, 110, 110),
                                        Qt::black, QColor(120, 40, 40), QColor(150, 0, 0)};

// One chart as drawn: its title, grid, style, the twelve boxes' texts,
// Aries .. Pisces, and the Lagna's box with the word that marks it.
struct ChartDrawing {
    QString title;
    GridGeometry geometry = kRashiGrid;
    ChartStyle style = ChartStyle::South;
    std::array<std::string, kSignCount> boxes;
    std::optional<std::size_t> lagnaSign;
    QString lagnaWord;  // "Lagna" beside the Sanskrit names, "Asc" beside the English
    QString caption;    // under the chart when it is an image of its own: name, date, place
};

// Where a chart's parts fall when it is drawn as large as fits in an area,
// centred, in its style.
ChartLayout LayOutChart(const QRectF& area, const ChartDrawing& chart);

// What was drawn where, so that callers and checks can see the boxes.
struct DrawnChart {
    ChartLayout layout;
    std::array<QStringList, kSignCount> lines;  // the bodies' lines, without the Lagna's word
    std::array<QRectF, kSignCount> textBounds;  // what the names took of their area
    int page = 0;                               // of the pages printed, the first 0
};

// Paints the chart as large as fits in the area, centred: the background,
// twelve numbered boxes with their names, the Lagna's mark, the title and
// the ornament. Fonts
// follow the chart's scale, so the window at 96 dpi and the page look alike.
DrawnChart DrawChart(QPainter& painter, const QRectF& area, const ChartDrawing& chart,
                     const ChartColours& colours);

}  // namespace amsaview
