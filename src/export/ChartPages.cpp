#include "export/ChartPages.h"

#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "astro/TimeBases.h"
#include "charts/DivisionalRules.h"
#include "model/LookupLists.h"
#include "pipeline/ChartCaptions.h"
#include "qtcommon/QtText.h"
#include "swiss/EphemerisSettings.h"

namespace amsaview {
namespace {

using ChartSet = std::array<ChartDrawing, kPrintedChartCount>;

constexpr double kMarginPoints = 40;
constexpr double kChartGapPoints = 14;

constexpr std::size_t ChartIndex(std::string_view title) {
    for (std::size_t chart = 0; chart < kDivisionalCharts.size(); ++chart) {
        if (kDivisionalCharts[chart].title == title) {
            return 1 + chart;
        }
    }
    return 0;
}

constexpr std::size_t kNavamsa = ChartIndex("Navamsa");
static_assert(kNavamsa != 0);

constexpr std::array<const char*, kBodyCount> kPositionRows = {
    "Surya / Sun",    "Chandra / Moon", "Budha / Mercury",   "Shukra / Venus",   "Mangala / Mars",
    "Guru / Jupiter", "Shani / Saturn", "Rahu / North Node", "Ketu / South Node"};

// Lengths in points on any device: a PDF at 1200 dpi, a printer, an SVG.
class PagePen {
  public:
    PagePen(QPainter& painter, const QRectF& page)
        : painter_(painter),
          unitsPerPoint_(std::max(1, painter.device()->logicalDpiY()) / 72.0),
          left_(page.left()),
          width_(page.width()),
          y_(page.top()) {}

    double units(double points) const { return points * unitsPerPoint_; }
    double y() const { return y_; }
    void moveDown(double points) { y_ += units(points); }
    void moveTo(double y) { y_ = y; }

    static QFont Font(double points, bool bold = false) {
        QFont font;
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    // One line across the page; the pen moves below it.
    void line(const QString& text, double points, bool bold = false,
              const QColor& colour = Qt::black) {
        painter_.setFont(Font(points, bold));
        painter_.setPen(colour);
        const double height = QFontMetricsF(painter_.font(), painter_.device()).height();
        painter_.drawText(QRectF(left_, y_, width_, height), Qt::AlignLeft | Qt::AlignTop, text);
        y_ += height;
    }

    // Rows of a caption and its value from a left edge and with a column width;
    // returns where the table ends.
    double table(double left, double captionWidth, double width,
                 const std::vector<std::pair<QString, QString>>& rows, double points) const {
        painter_.setPen(Qt::black);
        const QFont caption = Font(points, true);
        const QFont value = Font(points);
        const double height = QFontMetricsF(value, painter_.device()).height() * 1.15;
        double y = y_;
        for (const auto& [name, text] : rows) {
            painter_.setFont(caption);
            painter_.drawText(QRectF(left, y, captionWidth, height),
                              Qt::AlignLeft | Qt::AlignVCenter, name);
            painter_.setFont(value);
            painter_.drawText(QRectF(left + captionWidth, y, width - captionWidth, height),
                              Qt::AlignLeft | Qt::AlignVCenter, text);
            y += height;
        }
        return y;
    }

    double left() const { return left_; }
    double width() const { return width_; }

  private:
    QPainter& painter_;
    double unitsPerPoint_;
    double left_;
    double width_;
    double y_;
};

QString Coordinates(const BirthData& birth) {
    return QStringLiteral("%1° %2' %3, %4° %5' %6")
        .arg(birth.latDegrees)
        .arg(birth.latMinutes, 2, 10, QLatin1Char('0'))
        .arg(birth.isSouth ? QLatin1Char('S') : QLatin1Char('N'))
        .arg(birth.lonDegrees)
        .arg(birth.lonMinutes, 2, 10, QLatin1Char('0'))
        .arg(birth.isEast ? QLatin1Char('E') : QLatin1Char('W'));
}

QString Place(const BirthData& birth) {
    QStringList parts;
    for (const std::string* part : {&birth.city, &birth.state, &birth.country}) {
        if (!part->empty()) {
            parts << Isolated(ToQString(*part));
        }
    }
    return parts.join(QStringLiteral(", "));
}

// Seconds only when the clock has them, as a place's mean time does.
QString Offset(std::int32_t seconds) {
    const QChar sign = seconds < 0 ? QLatin1Char('-') : QLatin1Char('+');
    const std::int64_t magnitude = seconds < 0 ? -std::int64_t{seconds} : seconds;
    QString text = QStringLiteral("UTC%1%2:%3")
                       .arg(sign)
                       .arg(magnitude / 3600, 2, 10, QLatin1Char('0'))
                       .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
    if (magnitude % 60 != 0) {
        text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

// UT from the same clock as the chart's JSON, so the two cannot disagree.
QString ClockLine(const BirthData& birth) {
    const UtMoment universal = PlanetMoment(birth);
    QString ut = QStringLiteral("%1-%2-%3 %4:%5")
                     .arg(universal.year, 4, 10, QLatin1Char('0'))
                     .arg(universal.month, 2, 10, QLatin1Char('0'))
                     .arg(universal.day, 2, 10, QLatin1Char('0'))
                     .arg(universal.hour, 2, 10, QLatin1Char('0'))
                     .arg(universal.minute, 2, 10, QLatin1Char('0'));
    if (birth.utcOffsetSeconds % 60 != 0) {
        ut += QStringLiteral(":%1").arg(universal.second, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("Clock %1%2   UT %3")
        .arg(Offset(birth.utcOffsetSeconds),
             birth.dst ? QStringLiteral(" (daylight saving included)") : QString(), ut);
}

void DrawHeader(PagePen& pen, const ChartResult& result) {
    const BirthData& birth = result.birth;
    pen.line(ToQString(birth.name), 18, true, QColor(120, 40, 40));
    const QDate date(birth.year, birth.month, birth.day);
    pen.line(QStringLiteral("Born %1 at %2 local time")
                 .arg(date.toString(QStringLiteral("d MMMM yyyy")),
                      QTime(birth.hour, birth.minute).toString(QStringLiteral("HH:mm"))),
             10);
    const QString place = Place(birth);
    pen.line((place.isEmpty() ? QString() : place + QStringLiteral("   ")) + Coordinates(birth),
             10);
    pen.line(ClockLine(birth), 10);
    // A long line: it needs the page's width, not a table cell.
    pen.line(QStringLiteral("Positions: %1").arg(ToQString(MethodDescription(result.method))), 10);
}

void DrawDetails(QPainter& painter, PagePen& pen, const ChartResult& result) {
    const ResultTexts& texts = result.texts;
    std::vector<std::pair<QString, QString>> vedic = {
        {QStringLiteral("Lagna"), ToQString(texts.lblLagna)},
        {QStringLiteral("Lagna position"), ToQString(texts.lblLagnaPosition)},
        {QStringLiteral("Rashi"), ToQString(texts.lblRashi)},
        {QStringLiteral("Nakshatra"), ToQString(texts.lblNakshatra)},
        {QStringLiteral("Pada"), ToQString(texts.lblPada)},
        {QStringLiteral("Lord"), ToQString(texts.lblLord)},
        {QStringLiteral("Ayanamsa"), ToQString(texts.lblAyanamsha)},
    };
    std::vector<std::pair<QString, QString>> positions;
    for (std::size_t body = 0; body < kBodyCount; ++body) {
        const bool retrograde = IsMarkedRetrograde(result.positions, static_cast<Body>(body));
        positions.emplace_back(
            QString::fromLatin1(kPositionRows[body]),
            ToQString(texts.planet[body]) + (retrograde ? QStringLiteral("  (R)") : QString()));
    }

    const double half = (pen.width() - pen.units(kChartGapPoints)) / 2;
    const double right = pen.left() + half + pen.units(kChartGapPoints);
    pen.line(QStringLiteral("Vedic details"), 12, true);
    const double top = pen.y();
    painter.save();
    painter.setFont(PagePen::Font(12, true));
    painter.drawText(QRectF(right, top - pen.units(16), half, pen.units(16)),
                     Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Planetary positions"));
    painter.restore();
    const double vedicEnd = pen.table(pen.left(), pen.units(90), half, vedic, 9.5);
    const double positionsEnd = pen.table(right, pen.units(110), half, positions, 9.5);
    pen.moveTo(std::max(vedicEnd, positionsEnd));
}

void DrawFirstPage(QPainter& painter, const QRectF& page, const ChartResult& result,
                   const ChartSet& charts, PrintedCharts& drawn) {
    PagePen pen(painter, page);
    DrawHeader(pen, result);
    pen.moveDown(12);
    DrawDetails(painter, pen, result);
    pen.moveDown(18);

    const double gap = pen.units(kChartGapPoints);
    const double half = (page.width() - gap) / 2;
    const QSizeF frame = ChartFrameTwips(kRashiGrid);
    const double height = half * frame.height() / frame.width();
    drawn[0] =
        DrawChart(painter, QRectF(page.left(), pen.y(), half, height), charts[0], kPaperColours);
    drawn[kNavamsa] = DrawChart(painter, QRectF(page.left() + half + gap, pen.y(), half, height),
                                charts[kNavamsa], kPaperColours);
}

// The second page: the six other divisional charts, three rows of two.
void DrawSecondPage(QPainter& painter, const QRectF& page, const ChartResult& result,
                    const ChartSet& charts, PrintedCharts& drawn) {
    PagePen pen(painter, page);
    pen.line(QStringLiteral("Divisional charts of %1").arg(Isolated(ToQString(result.birth.name))),
             14, true, QColor(120, 40, 40));
    pen.moveDown(10);

    const double gap = pen.units(kChartGapPoints);
    const double cellWidth = (page.width() - gap) / 2;
    const double cellHeight = (page.bottom() - pen.y() - 2 * gap) / 3;
    std::size_t cell = 0;
    for (std::size_t chart = 1; chart < kPrintedChartCount; ++chart) {
        if (chart == kNavamsa) {
            continue;
        }
        const double left = page.left() + static_cast<double>(cell % 2) * (cellWidth + gap);
        const double top = pen.y() + static_cast<double>(cell / 2) * (cellHeight + gap);
        drawn[chart] = DrawChart(painter, QRectF(left, top, cellWidth, cellHeight), charts[chart],
                                 kPaperColours);
        ++cell;
    }
}

}  // namespace

std::array<ChartDrawing, kPrintedChartCount> ChartDrawings(const ChartResult& result) {
    std::array<ChartDrawing, kPrintedChartCount> charts;
    charts[0].title = QStringLiteral("Rashi Chart");
    charts[0].geometry = kRashiGrid;
    charts[0].boxes = RashiCaptions(result.placements);
    for (std::size_t chart = 0; chart < kDivisionalCharts.size(); ++chart) {
        ChartDrawing& drawing = charts[1 + chart];
        drawing.title = ToQString(kDivisionalCharts[chart].title);
        drawing.geometry = kDivisionalGrid;
        drawing.boxes = DivisionalCaptions(result.placements, chart);
    }
    return charts;
}

QPageSize LocalPageSize() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

void DrawFirstPage(QPainter& painter, const QRectF& page, const ChartResult& result,
                   PrintedCharts& drawn) {
    DrawFirstPage(painter, page, result, ChartDrawings(result), drawn);
}

bool PaintChartPages(QPagedPaintDevice& device, const ChartResult& result, PrintedCharts& drawn) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // The device's origin is the printable area's corner; keep a margin of
    // our own only where the device leaves none.
    const QRectF area(0, 0, device.width(), device.height());
    const double margin =
        device.pageLayout().margins().isNull() ? kMarginPoints * device.logicalDpiY() / 72.0 : 0.0;
    const QRectF page = area.adjusted(margin, margin, -margin, -margin);
    const ChartSet charts = ChartDrawings(result);
    DrawFirstPage(painter, page, result, charts, drawn);
    if (!device.newPage()) {
        return false;
    }
    DrawSecondPage(painter, page, result, charts, drawn);
    return painter.end();
}

}  // namespace amsaview
