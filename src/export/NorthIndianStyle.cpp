#include "export/ChartShapes.h"

namespace amsaview {
namespace {

using namespace shapes;

// One house of the diamond, in fractions of the chart's square: its outline,
// where its names and its sign number go.
struct House {
    std::initializer_list<QPointF> outline;
    QRectF text;
    QRectF number;
};

// Houses fixed, counted anticlockwise from the top centre: the four kites
// (1, 4, 7, 10) meet in the middle, the eight triangles line the rim.
// Each text place is the largest rectangle the house holds beside its number.
const std::array<House, kSignCount>& Houses() {
    static const std::array<House, kSignCount> kHouses = {{
        {{{.5, 0}, {.75, .25}, {.5, .5}, {.25, .25}}, {.38, .13, .24, .24}, {.45, .385, .1, .06}},
        {{{0, 0}, {.5, 0}, {.25, .25}}, {.13, .01, .24, .12}, {.21, .14, .08, .07}},
        {{{0, 0}, {.25, .25}, {0, .5}}, {.01, .13, .12, .24}, {.14, .215, .07, .07}},
        {{{0, .5}, {.25, .25}, {.5, .5}, {.25, .75}}, {.13, .38, .24, .24}, {.385, .47, .06, .06}},
        {{{0, 1}, {0, .5}, {.25, .75}}, {.01, .63, .12, .24}, {.14, .715, .07, .07}},
        {{{0, 1}, {.25, .75}, {.5, 1}}, {.13, .87, .24, .12}, {.21, .79, .08, .07}},
        {{{.5, 1}, {.25, .75}, {.5, .5}, {.75, .75}}, {.38, .63, .24, .24}, {.45, .555, .1, .06}},
        {{{1, 1}, {.5, 1}, {.75, .75}}, {.63, .87, .24, .12}, {.71, .79, .08, .07}},
        {{{1, 1}, {.75, .75}, {1, .5}}, {.87, .63, .12, .24}, {.79, .715, .07, .07}},
        {{{1, .5}, {.75, .75}, {.5, .5}, {.75, .25}}, {.63, .38, .24, .24}, {.555, .47, .06, .06}},
        {{{1, 0}, {1, .5}, {.75, .25}}, {.87, .13, .12, .24}, {.79, .215, .07, .07}},
        {{{1, 0}, {.75, .25}, {.5, 0}}, {.63, .01, .24, .12}, {.71, .14, .08, .07}},
    }};
    return kHouses;
}

class NorthIndian final : public ChartShaper {
  public:
    void Shape(const GridGeometry& grid, std::optional<std::size_t> lagnaSign,
               ChartLayout& layout) const override {
        // The title above the diamond: the diamond leaves no middle free.
        const QRectF rim = GridArea(grid, layout);
        const double titleHeight = kTitleHeight * layout.unitsPerTwip;
        layout.titleArea = QRectF(rim.left(), rim.top(), rim.width(), titleHeight);
        const QRectF square = rim.adjusted(0, titleHeight, 0, 0);
        // Without a Lagna the houses still need signs: Aries rises.
        const std::size_t rising = lagnaSign.value_or(0);
        for (std::size_t house = 0; house < kSignCount; ++house) {
            const House& place = Houses()[house];
            const std::size_t sign = (rising + house) % kSignCount;
            layout.outlines[sign] = Polygon(square, place.outline);
            layout.textAreas[sign] = Within(square, place.text.x(), place.text.y(),
                                            place.text.width(), place.text.height());
            layout.numberAreas[sign] = Within(square, place.number.x(), place.number.y(),
                                              place.number.width(), place.number.height());
        }
        layout.ornamentArea.reset();
        layout.lagnaSign = lagnaSign;
        // House 1 is the Lagna by its place: no stroke.
        std::array<qsizetype, kSignCount> corner{};
        corner.fill(-1);
        FinishLayout(layout, corner);
    }
};

}  // namespace

const ChartShaper& NorthIndianShaper() {
    static const NorthIndian shaper;
    return shaper;
}

}  // namespace amsaview
