#include "export/ChartShapes.h"

namespace amsaview {
namespace {

using namespace shapes;

constexpr double kA = 1.0 / 3;
constexpr double kB = 2.0 / 3;
constexpr double kHalf = kA / 2;

// One sign's box in fractions of the square, where its names go (the number
// takes the text place's top-right corner) and which corner the Lagna's
// stroke cuts: the one farthest from the names.
struct Box {
    std::initializer_list<QPointF> outline;
    QRectF text;
    qsizetype markedCorner;
};

// Signs fixed, Aries in the top centre, counted anticlockwise. A corner cell
// is cut from the square's corner to the middle: its two triangles are the
// signs beside the middle boxes they touch. A triangle's names go in the
// rectangle at its right angle.
const std::array<Box, kSignCount>& Boxes() {
    static const std::array<Box, kSignCount> kBoxes = {{
        {{{kA, 0}, {kB, 0}, {kB, kA}, {kA, kA}}, {kA, 0, kA, kA}, 3},         // Aries
        {{{0, 0}, {kA, 0}, {kA, kA}}, {kHalf, 0, kHalf, kHalf}, 2},           // Taurus
        {{{0, 0}, {kA, kA}, {0, kA}}, {0, kHalf, kHalf, kHalf}, 0},           // Gemini
        {{{0, kA}, {kA, kA}, {kA, kB}, {0, kB}}, {0, kA, kA, kA}, 3},         // Cancer
        {{{0, kB}, {kA, kB}, {0, 1}}, {0, kB, kHalf, kHalf}, 2},              // Leo
        {{{0, 1}, {kA, kB}, {kA, 1}}, {kHalf, kB + kHalf, kHalf, kHalf}, 1},  // Virgo
        {{{kA, kB}, {kB, kB}, {kB, 1}, {kA, 1}}, {kA, kB, kA, kA}, 3},        // Libra
        {{{kB, kB}, {1, 1}, {kB, 1}}, {kB, kB + kHalf, kHalf, kHalf}, 0},     // Scorpio
        {{{kB, kB}, {1, kB}, {1, 1}}, {kB + kHalf, kB, kHalf, kHalf}, 2},     // Sagittarius
        {{{kB, kA}, {1, kA}, {1, kB}, {kB, kB}}, {kB, kA, kA, kA}, 3},        // Capricorn
        {{{kB, kA}, {1, 0}, {1, kA}}, {kB + kHalf, kHalf, kHalf, kHalf}, 1},  // Aquarius
        {{{kB, 0}, {1, 0}, {kB, kA}}, {kB, 0, kHalf, kHalf}, 2},              // Pisces
    }};
    return kBoxes;
}

constexpr int kTextInset = 60;

class EastIndian final : public ChartShaper {
  public:
    void Shape(const GridGeometry& grid, std::optional<std::size_t> lagnaSign,
               ChartLayout& layout) const override {
        const double scale = layout.unitsPerTwip;
        const QRectF square = GridArea(grid, layout);
        std::array<qsizetype, kSignCount> corner{};
        for (std::size_t sign = 0; sign < kSignCount; ++sign) {
            const Box& box = Boxes()[sign];
            layout.outlines[sign] = Polygon(square, box.outline);
            const QRectF place =
                Within(square, box.text.x(), box.text.y(), box.text.width(), box.text.height())
                    .adjusted(kTextInset * scale, kTextInset * scale, -kTextInset * scale,
                              -kTextInset * scale);
            layout.numberAreas[sign] = QRectF(place.right() - kNumberWidth * scale, place.top(),
                                              kNumberWidth * scale, kNumberHeight * scale);
            layout.textAreas[sign] = place.adjusted(0, 0, -kNumberWidth * scale, 0);
            corner[sign] = box.markedCorner;
        }
        // The middle cell holds the title and, below it, the ornament.
        const QRectF middle = Within(square, kA, kA, kA, kA);
        layout.titleArea = QRectF(middle.left(), middle.top() + kOrnamentGap * scale,
                                  middle.width(), kTitleHeight * scale);
        layout.ornamentArea =
            middle.adjusted(kOrnamentGap * scale, (kTitleHeight + 2 * kOrnamentGap) * scale,
                            -kOrnamentGap * scale, -kOrnamentGap * scale);
        layout.lagnaSign = lagnaSign;
        FinishLayout(layout, corner);
    }
};

}  // namespace

const ChartShaper& EastIndianShaper() {
    static const EastIndian shaper;
    return shaper;
}

}  // namespace amsaview
