#include "export/ChartShapes.h"

namespace amsaview {
namespace {

using namespace shapes;

constexpr int kBoxTextInset = 90;   // from the box's top-left corner
constexpr int kBoxTextMargin = 30;  // bottom, and right of the sign number's column

struct GridCell {
    int row;  // 0 = top
    int column;
};

// Signs fixed: Aries second in the top row, the other signs following
// clockwise round the rim, the inner four cells left to the title.
constexpr std::array<GridCell, kSignCount> kSignCells = {{
    {0, 1},
    {0, 2},
    {0, 3},
    {1, 3},
    {2, 3},
    {3, 3},  // Aries .. Virgo
    {3, 2},
    {3, 1},
    {3, 0},
    {2, 0},
    {1, 0},
    {0, 0},  // Libra .. Pisces
}};

class SouthIndian final : public ChartShaper {
  public:
    void Shape(const GridGeometry& grid, std::optional<std::size_t> lagnaSign,
               ChartLayout& layout) const override {
        const double scale = layout.unitsPerTwip;
        const double line = kTwipsPerScreenPixel * scale;
        for (std::size_t sign = 0; sign < kSignCount; ++sign) {
            const GridCell cell = kSignCells[sign];
            const QRectF box =
                Twips(layout, grid.firstLeft + cell.column * grid.pitchX,
                      grid.firstTop + cell.row * grid.pitchY, grid.boxWidth, grid.boxHeight);
            layout.outlines[sign] = QPolygonF(box.adjusted(line / 2, line / 2, -line, -line));
            layout.outlines[sign].removeLast();  // a rectangle's polygon closes itself
            layout.textAreas[sign] =
                box.adjusted(kBoxTextInset * scale, kBoxTextInset * scale,
                             -(kNumberWidth + kBoxTextMargin) * scale, -kBoxTextMargin * scale);
            layout.numberAreas[sign] =
                QRectF(box.right() - (kNumberWidth + 2 * kTwipsPerScreenPixel) * scale,
                       box.top() + line, kNumberWidth * scale, kNumberHeight * scale);
        }
        const double centreLeft = grid.firstLeft + grid.pitchX;
        const double centreTop = grid.firstTop + grid.pitchY;
        layout.titleArea =
            Twips(layout, centreLeft, centreTop + kTitleTop, 2 * grid.pitchX, kTitleHeight);
        layout.ornamentArea = Twips(layout, centreLeft + grid.pitchX - kOrnamentWidth / 2.0,
                                    centreTop + kTitleTop + kTitleHeight + kOrnamentGap,
                                    kOrnamentWidth, kOrnamentHeight);
        layout.lagnaSign = lagnaSign;
        // The bottom-left corner: the names fill a box from the top, the
        // number sits at the top right.
        std::array<qsizetype, kSignCount> corner{};
        corner.fill(3);
        FinishLayout(layout, corner);
    }
};

}  // namespace

const ChartShaper& SouthIndianShaper() {
    static const SouthIndian shaper;
    return shaper;
}

}  // namespace amsaview
