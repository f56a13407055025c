#include "ui/result/ChartGrid.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/common/ProgramColours.h"
#include "ui/common/Twips.h"

namespace amsaview {
namespace {

// A box's text for finders and screen readers; the chart routine paints it.
class BoxTextHolder final : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent*) override {}
};

}  // namespace

ChartGrid::ChartGrid(const QString& title, const GridGeometry& geometry,
                     const std::array<QString, kSignCount>& boxNames, QWidget* parent)
    : QWidget(parent) {
    chart_.title = title;
    chart_.geometry = geometry;
    // Twips are a length on the screen: a desktop with larger fonts (a higher
    // font DPI) gets a larger chart, so its texts keep their room.
    const double pixelsPerTwip = std::max(1.0, logicalDpiY() / 96.0) / kTwipsPerPixel;
    const QSizeF frame = ChartFrameTwips(geometry) * pixelsPerTwip;
    // The composed size is the least; a larger window draws a larger chart.
    setMinimumSize(qRound(frame.width()), qRound(frame.height()));
    resize(minimumSize());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    SetColour(*this, QPalette::Window, kScreenColours.background.rgb());

    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        auto* label = new BoxTextHolder(this);
        label->setObjectName(boxNames[sign]);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        boxLabels_[sign] = label;
    }
    placeBoxLabels();
}

QSize ChartGrid::sizeHint() const {
    return minimumSize();
}

void ChartGrid::placeBoxLabels() {
    const ChartLayout layout = LayOutChart(QRectF(rect()), chart_);
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        boxLabels_[sign]->setGeometry(layout.textAreas[sign].toRect());
    }
}

void ChartGrid::resizeEvent(QResizeEvent*) {
    placeBoxLabels();
}

void ChartGrid::setBoxes(std::span<const std::string, kSignCount> boxes) {
    for (std::size_t sign = 0; sign < boxes.size(); ++sign) {
        chart_.boxes[sign] = boxes[sign];
        boxLabels_[sign]->setText(BoxLines(boxes[sign]).join(QLatin1Char('\n')));
    }
    update();
}

void ChartGrid::setChart(const ChartDrawing& chart) {
    const QString title = chart_.title;
    chart_ = chart;
    chart_.title = title;
    // The style moves the boxes: the labels follow them.
    placeBoxLabels();
    setBoxes(chart.boxes);
}

void ChartGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawn_ = DrawChart(painter, QRectF(rect()), chart_, kScreenColours);
}

}  // namespace amsaview
