#pragma once

#include <QWidget>
#include <array>
#include <span>
#include <string>

#include "export/ChartPainting.h"

class QLabel;

namespace amsaview {

// One chart on screen, painted by the same routine as the printed page, as
// large as its place allows and never smaller than composed. The
// boxes' texts are also held by labels named after the chart's box elements,
// so that the window's callers and screen readers find them; the labels
// leave the painting to the routine.
class ChartGrid final : public QWidget {
    Q_OBJECT

  public:
    ChartGrid(const QString& title, const GridGeometry& geometry,
              const std::array<QString, kSignCount>& boxNames, QWidget* parent = nullptr);

    void setBoxes(std::span<const std::string, kSignCount> boxes);
    // The whole drawing: style, boxes and the Lagna; the title stays.
    void setChart(const ChartDrawing& chart);
    const QString& title() const { return chart_.title; }
    const ChartDrawing& chart() const { return chart_; }
    // What the last paint drew.
    const DrawnChart& drawn() const { return drawn_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeBoxLabels();

    ChartDrawing chart_;
    DrawnChart drawn_;
    std::array<QLabel*, kSignCount> boxLabels_{};
};

}  // namespace amsaview
