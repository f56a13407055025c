#include "export/ChartPainting.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "export/ChartOrnament.h"
#include "qtcommon/QtText.h"

namespace amsaview {
namespace {

constexpr int kFrameWidth = 6945;  // twips
constexpr int kFrameHeight = 5985;
constexpr int kTwipsPerScreenPixel = 15;  // one line's width at 96 dpi
constexpr int kTwipsPerPoint = 20;
constexpr int kBoxTextInset = 90;   // from the box's top-left corner
constexpr int kBoxTextMargin = 30;  // bottom, and right of the sign number's column
constexpr int kNumberWidth = 300;
constexpr int kNumberHeight = 240;
constexpr int kTitleTop = 570;  // from the centre's top
constexpr int kTitleHeight = 420;
constexpr int kOrnamentGap = 60;
constexpr int kOrnamentWidth = 2940;
constexpr int kOrnamentHeight = 1500;

constexpr double kBoxPoints = 8.0;
constexpr double kSmallestBoxPoints = 5.5;
constexpr double kNumberPoints = 9.75;
constexpr double kTitlePoints = 13.5;

// The chart's fonts, sized in twips of the drawing, so that they shrink and
// grow with it whatever the device's resolution.
class ScaledFonts {
  public:
    ScaledFonts(const QPainter& painter, double unitsPerTwip)
        : pointsPerDesignPoint_(kTwipsPerPoint * unitsPerTwip * 72.0 /
                                std::max(1, painter.device()->logicalDpiY())) {}

    QFont sansSerif(double designPoints, bool bold = false) const {
        return font({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                     QStringLiteral("DejaVu Sans")},
                    designPoints, bold);
    }

    QFont courier(double designPoints, bool bold) const {
        return font({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                     QStringLiteral("DejaVu Sans Mono")},
                    designPoints, bold);
    }

  private:
    QFont font(const QStringList& families, double designPoints, bool bold) const {
        QFont font;
        font.setFamilies(families);
        font.setPointSizeF(std::max(0.5, designPoints * pointsPerDesignPoint_));
        font.setBold(bold);
        return font;
    }

    double pointsPerDesignPoint_;
};

// A crowded sign (nine bodies can share a Hora box) still shows every name whole.
QFont FittingFont(const ScaledFonts& fonts, const QPaintDevice* device, const QString& text,
                  const QSizeF& room) {
    double points = kBoxPoints;
    QFont font = fonts.sansSerif(points);
    while (points > kSmallestBoxPoints) {
        const QRectF needed =
            QFontMetricsF(font, device)
                .boundingRect(QRectF(QPointF(), room), Qt::AlignLeft | Qt::AlignTop, text);
        if (needed.width() <= room.width() && needed.height() <= room.height()) {
            break;
        }
        points -= 0.5;
        font = fonts.sansSerif(points);
    }
    return font;
}

}  // namespace

QStringList BoxLines(std::string_view boxText) {
    return ToQString(boxText).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

QSizeF ChartFrameTwips(const GridGeometry& geometry) {
    const int gridRight =
        geometry.firstLeft + 3 * geometry.pitchX + geometry.boxWidth + kTwipsPerScreenPixel;
    const int gridBottom =
        geometry.firstTop + 3 * geometry.pitchY + geometry.boxHeight + kTwipsPerScreenPixel;
    return {static_cast<double>(std::max(kFrameWidth, gridRight)),
            static_cast<double>(std::max(kFrameHeight, gridBottom))};
}

ChartLayout LayOutChart(const QRectF& area, const GridGeometry& geometry) {
    const QSizeF frameTwips = ChartFrameTwips(geometry);
    ChartLayout layout;
    const double scale =
        std::min(area.width() / frameTwips.width(), area.height() / frameTwips.height());
    layout.unitsPerTwip = scale;
    const QSizeF frameSize = frameTwips * scale;
    layout.frame = QRectF(QPointF(area.center().x() - frameSize.width() / 2,
                                  area.center().y() - frameSize.height() / 2),
                          frameSize);
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        const GridCell cell = kSignCells[sign];
        const QRectF box(
            layout.frame.left() + (geometry.firstLeft + cell.column * geometry.pitchX) * scale,
            layout.frame.top() + (geometry.firstTop + cell.row * geometry.pitchY) * scale,
            geometry.boxWidth * scale, geometry.boxHeight * scale);
        layout.boxes[sign] = box;
        layout.textAreas[sign] =
            box.adjusted(kBoxTextInset * scale, kBoxTextInset * scale,
                         -(kNumberWidth + kBoxTextMargin) * scale, -kBoxTextMargin * scale);
    }
    return layout;
}

DrawnChart DrawChart(QPainter& painter, const QRectF& area, const ChartDrawing& chart,
                     const ChartColours& colours) {
    DrawnChart drawn;
    drawn.layout = LayOutChart(area, chart.geometry);
    const ChartLayout& layout = drawn.layout;
    const double unitsPerTwip = layout.unitsPerTwip;
    const auto twips = [&](double left, double top, double width, double height) {
        return QRectF(layout.frame.left() + left * unitsPerTwip,
                      layout.frame.top() + top * unitsPerTwip, width * unitsPerTwip,
                      height * unitsPerTwip);
    };
    const ScaledFonts fonts(painter, unitsPerTwip);
    const GridGeometry& grid = chart.geometry;

    painter.save();
    painter.fillRect(layout.frame, colours.background);

    const double line = kTwipsPerScreenPixel * unitsPerTwip;
    const QFont numberFont = fonts.courier(kNumberPoints, true);
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        const QRectF& box = layout.boxes[sign];
        painter.setPen(QPen(colours.outline, line));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(line / 2, line / 2, -line, -line));

        painter.setPen(colours.signNumber);
        painter.setFont(numberFont);
        const QRectF corner(box.right() - (kNumberWidth + 2 * kTwipsPerScreenPixel) * unitsPerTwip,
                            box.top() + line, kNumberWidth * unitsPerTwip,
                            kNumberHeight * unitsPerTwip);
        painter.drawText(corner, Qt::AlignCenter, QString::number(sign + 1));

        const QRectF& textArea = layout.textAreas[sign];
        const QStringList lines = BoxLines(chart.boxes[sign]);
        if (!lines.isEmpty()) {
            const QString text = lines.join(QLatin1Char('\n'));
            painter.setFont(FittingFont(fonts, painter.device(), text, textArea.size()));
            painter.setPen(colours.names);
            painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop, text, &drawn.textBounds[sign]);
        }
        drawn.lines[sign] = lines;
    }

    const double centreLeft = grid.firstLeft + grid.pitchX;
    const double centreTop = grid.firstTop + grid.pitchY;
    const QRectF title = twips(centreLeft, centreTop + kTitleTop, 2 * grid.pitchX, kTitleHeight);
    painter.setFont(fonts.sansSerif(kTitlePoints));
    painter.setPen(colours.title);
    painter.drawText(title, Qt::AlignCenter, chart.title);

    const QRectF ornament =
        twips(centreLeft + grid.pitchX - kOrnamentWidth / 2.0,
              centreTop + kTitleTop + kTitleHeight + kOrnamentGap, kOrnamentWidth, kOrnamentHeight);
    DrawChartOrnament(painter, ornament);
    painter.restore();
    return drawn;
}

}  // namespace amsaview
