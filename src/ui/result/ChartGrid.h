#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "model/LookupLists.h"

class QLabel;

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

// One chart: twelve sign boxes with their numbers round a centre holding the
// chart's title and an ornament. The boxes' contents are labels named after
// the chart's box elements, so the window's callers can find them.
class ChartGrid final : public QWidget {
    Q_OBJECT

  public:
    ChartGrid(const QString& title, const GridGeometry& geometry,
              const std::array<QString, kSignCount>& boxNames, QWidget* parent = nullptr);

    void setBoxes(std::span<const std::string, kSignCount> boxes);
    const QString& title() const { return title_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int px(int twips) const;
    QRectF twipsRect(int left, int top, int width, int height) const;
    QRectF boxRect(int sign) const;
    QRectF centreRect() const;

    QString title_;
    GridGeometry geometry_;
    double pixelsPerTwip_;
    std::array<QLabel*, kSignCount> boxLabels_{};
};

}  // namespace amsaview
