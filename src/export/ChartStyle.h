#pragma once

#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/LookupLists.h"

namespace amsaview {

// The three ways astrologers draw a chart: South-Indian (signs fixed, Pisces
// top left), North-Indian (houses fixed, the Lagna's house at the top) and
// East-Indian (signs fixed, Aries at the top).
enum class ChartStyle : std::uint8_t { South, North, East };

inline constexpr std::array<ChartStyle, 3> kChartStyles = {ChartStyle::South, ChartStyle::North,
                                                           ChartStyle::East};

// "south", "north", "east": the command line's and the settings' word.
std::string_view StyleKey(ChartStyle style);
std::optional<ChartStyle> StyleFromKey(std::string_view key);
// "South Indian" .. for menus and dialogs.
QString StyleName(ChartStyle style);

// How a chart is drawn, wherever it is drawn: chosen in the settings or on
// the command line and passed to every drawing.
struct ChartLook {
    ChartStyle style = ChartStyle::South;
    bool degreesInBoxes = false;  // "Surya 28°00′" rather than "Surya"

    bool operator==(const ChartLook&) const = default;
};

// Where a chart's parts fall, in the painter's units.
struct ChartLayout {
    double unitsPerTwip = 1.0;
    QRectF frame;
    std::array<QPolygonF, kSignCount> outlines;  // each sign's box, Aries .. Pisces
    std::array<QRectF, kSignCount> boxes;        // the outlines' bounds
    std::array<QRectF, kSignCount> textAreas;    // where the box's names go
    std::array<QRectF, kSignCount> numberAreas;  // where its sign number goes
    std::optional<std::size_t> lagnaSign;        // the box that holds the Lagna
    QLineF lagnaStroke;  // across that box's corner; none where the house shows it
    QRectF titleArea;
    std::optional<QRectF> ornamentArea;
};

// Sizes in twips of the chart's frame, as the window was composed: the grid
// of the South-Indian chart, whose rim the other styles fill.
struct GridGeometry {
    int firstLeft;
    int firstTop;
    int pitchX;
    int pitchY;
    int boxWidth;  // a box is one line wider than the pitch, so neighbours share their outline
    int boxHeight;
};

// One routine per style: the twelve signs and the Lagna's sign turned into
// polygons and text places inside a frame already scaled and placed.
class ChartShaper {
  public:
    virtual ~ChartShaper() = default;
    virtual void Shape(const GridGeometry& grid, std::optional<std::size_t> lagnaSign,
                       ChartLayout& layout) const = 0;
};

const ChartShaper& ShaperOf(ChartStyle style);

}  // namespace amsaview
