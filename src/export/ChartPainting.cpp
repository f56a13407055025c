#include "export/ChartPainting.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "export/ChartOrnament.h"
#include "export/ChartShapes.h"
#include "qtcommon/QtText.h"

namespace amsaview {
namespace {

using shapes::kTwipsPerScreenPixel;

constexpr int kFrameWidth = 6945;  // twips
constexpr int kFrameHeight = 5985;
constexpr int kTwipsPerPoint = 20;

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

ChartLayout LayOutChart(const QRectF& area, const ChartDrawing& chart) {
    const QSizeF frameTwips = ChartFrameTwips(chart.geometry);
    ChartLayout layout;
    const double scale =
        std::min(area.width() / frameTwips.width(), area.height() / frameTwips.height());
    layout.unitsPerTwip = scale;
    const QSizeF frameSize = frameTwips * scale;
    layout.frame = QRectF(QPointF(area.center().x() - frameSize.width() / 2,
                                  area.center().y() - frameSize.height() / 2),
                          frameSize);
    ShaperOf(chart.style).Shape(chart.geometry, chart.lagnaSign, layout);
    return layout;
}

DrawnChart DrawChart(QPainter& painter, const QRectF& area, const ChartDrawing& chart,
                     const ChartColours& colours) {
    DrawnChart drawn;
    drawn.layout = LayOutChart(area, chart);
    const ChartLayout& layout = drawn.layout;
    const double unitsPerTwip = layout.unitsPerTwip;
    const ScaledFonts fonts(painter, unitsPerTwip);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(layout.frame, colours.background);

    const double line = kTwipsPerScreenPixel * unitsPerTwip;
    const QFont numberFont = fonts.courier(kNumberPoints, true);
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        painter.setPen(QPen(colours.outline, line));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(layout.outlines[sign]);

        painter.setPen(colours.signNumber);
        painter.setFont(numberFont);
        painter.drawText(layout.numberAreas[sign], Qt::AlignCenter, QString::number(sign + 1));

        const QRectF& textArea = layout.textAreas[sign];
        const QStringList lines = BoxLines(chart.boxes[sign]);
        const bool lagna = layout.lagnaSign == sign;
        if (!lines.isEmpty() || lagna) {
            // The Lagna's word heads the box, in its own colour, and counts
            // towards the room the names need.
            const QString word = lagna ? chart.lagnaWord : QString();
            const QString names = lines.join(QLatin1Char('\n'));
            const QString all =
                lagna ? (names.isEmpty() ? word : word + QLatin1Char('\n') + names) : names;
            const QFont font = FittingFont(fonts, painter.device(), all, textArea.size());
            painter.setFont(font);
            QRectF namesArea = textArea;
            if (lagna) {
                QFont bold = font;
                bold.setBold(true);
                painter.setFont(bold);
                painter.setPen(colours.lagna);
                painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop, word);
                namesArea.setTop(textArea.top() + QFontMetricsF(font, painter.device()).height());
                painter.setFont(font);
            }
            if (!names.isEmpty()) {
                painter.setPen(colours.names);
                painter.drawText(namesArea, Qt::AlignLeft | Qt::AlignTop, names,
                                 &drawn.textBounds[sign]);
            }
        }
        drawn.lines[sign] = lines;
    }
    if (!layout.lagnaStroke.isNull()) {
        painter.setPen(QPen(colours.lagna, 2 * line, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(layout.lagnaStroke);
    }

    painter.setFont(fonts.sansSerif(kTitlePoints));
    painter.setPen(colours.title);
    painter.drawText(layout.titleArea, Qt::AlignCenter, chart.title);
    if (layout.ornamentArea) {
        DrawChartOrnament(painter, *layout.ornamentArea);
    }
    painter.restore();
    return drawn;
}

}  // namespace amsaview
