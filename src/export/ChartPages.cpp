#include "export/ChartPages.h"

#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "model/LookupLists.h"
#include "pipeline/ChartCaptions.h"
#include "qtcommon/QtText.h"

namespace amsaview {
namespace {

constexpr double kMarginPoints = 40;
constexpr double kChartGapPoints = 14;
constexpr int kRowsPerPage = 3;
// The chart printed beside the Rashi chart: the one read first after it.
constexpr std::string_view kBesideRashi = "D9";

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

// The rows of a report's section by their ids.
const std::string& RowValue(const ReportSection& section, std::string_view id) {
    static const std::string kNone;
    for (const ReportRow& row : section.rows) {
        if (row.id == id) {
            return row.value;
        }
    }
    return kNone;
}

void DrawHeader(PagePen& pen, const ChartResult& result, const ChartReport& report) {
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
    pen.line(ClockLine(report), 10);
    // A long line: it needs the page's width, not a table cell.
    pen.line(QStringLiteral("Positions: %1")
                 .arg(ToQString(RowValue(*FindSection(report, "clock"), "method"))),
             10);
}

using TableRows = std::vector<std::pair<QString, QString>>;

// A section as caption and value rows: its rows, then each table's rows
// with the first cell as caption and the others after it.
TableRows RowsOf(const ReportSection& section) {
    TableRows rows;
    for (const ReportRow& row : section.rows) {
        rows.emplace_back(ToQString(row.caption), ToQString(row.value));
    }
    for (const ReportTable& table : section.tables) {
        for (const auto& cells : table.rows) {
            QStringList rest;
            for (std::size_t cell = 1; cell < cells.size(); ++cell) {
                if (!cells[cell].empty()) {
                    rest << ToQString(cells[cell]);
                }
            }
            rows.emplace_back(cells.empty() ? QString() : ToQString(cells[0]),
                              rest.join(QStringLiteral("  ")));
        }
    }
    return rows;
}

// The Vedic details and the positions side by side: the sections the
// header does not already show.
void DrawDetails(QPainter& painter, PagePen& pen, const ChartReport& report) {
    const double half = (pen.width() - pen.units(kChartGapPoints)) / 2;
    const std::array<const ReportSection*, 2> columns = {FindSection(report, "vedic"),
                                                         FindSection(report, "positions")};
    const double top = pen.y() + pen.units(16);
    double end = top;
    for (std::size_t column = 0; column < columns.size(); ++column) {
        const double left =
            pen.left() + static_cast<double>(column) * (half + pen.units(kChartGapPoints));
        painter.save();
        painter.setPen(Qt::black);
        painter.setFont(PagePen::Font(12, true));
        painter.drawText(QRectF(left, pen.y(), half, pen.units(16)), Qt::AlignLeft | Qt::AlignTop,
                         ToQString(columns[column]->title));
        painter.restore();
        PagePen cell = pen;
        cell.moveTo(top);
        end = std::max(end, cell.table(left, pen.units(column == 0 ? 90 : 110), half,
                                       RowsOf(*columns[column]), 9.5));
    }
    pen.moveTo(end);
}

std::size_t BesideRashi(const ChartReport& report) {
    return static_cast<std::size_t>(FindChart(report.charts, kBesideRashi) - report.charts.data());
}

void DrawFirstPage(QPainter& painter, const QRectF& page, const ChartResult& result,
                   const ChartReport& report, const std::vector<ChartDrawing>& charts,
                   PrintedCharts& drawn) {
    PagePen pen(painter, page);
    DrawHeader(pen, result, report);
    pen.moveDown(12);
    DrawDetails(painter, pen, report);
    pen.moveDown(18);

    const double gap = pen.units(kChartGapPoints);
    const double half = (page.width() - gap) / 2;
    const QSizeF frame = ChartFrameTwips(kRashiGrid);
    const double height = half * frame.height() / frame.width();
    drawn[0] =
        DrawChart(painter, QRectF(page.left(), pen.y(), half, height), charts[0], kPaperColours);
    const std::size_t index = BesideRashi(report);
    drawn[index] = DrawChart(painter, QRectF(page.left() + half + gap, pen.y(), half, height),
                             charts[index], kPaperColours);
}

// The charts the first page leaves, two to a row, kRowsPerPage rows to a
// page, each page headed with the name.
bool DrawFurtherPages(QPagedPaintDevice& device, QPainter& painter, const QRectF& page,
                      const ChartResult& result, const std::vector<ChartDrawing>& charts,
                      std::size_t beside, PrintedCharts& drawn) {
    std::vector<std::size_t> left;
    for (std::size_t chart = 1; chart < charts.size(); ++chart) {
        if (chart != beside) {
            left.push_back(chart);
        }
    }
    constexpr std::size_t kPerPage = 2 * kRowsPerPage;
    for (std::size_t first = 0; first < left.size(); first += kPerPage) {
        if (!device.newPage()) {
            return false;
        }
        PagePen pen(painter, page);
        pen.line(
            QStringLiteral("Divisional charts of %1").arg(Isolated(ToQString(result.birth.name))),
            14, true, QColor(120, 40, 40));
        pen.moveDown(10);
        const double gap = pen.units(kChartGapPoints);
        const double cellWidth = (page.width() - gap) / 2;
        const double cellHeight =
            (page.bottom() - pen.y() - (kRowsPerPage - 1) * gap) / kRowsPerPage;
        for (std::size_t cell = 0; cell < kPerPage && first + cell < left.size(); ++cell) {
            const std::size_t chart = left[first + cell];
            const double x = page.left() + static_cast<double>(cell % 2) * (cellWidth + gap);
            const double y = pen.y() + static_cast<double>(cell / 2) * (cellHeight + gap);
            drawn[chart] = DrawChart(painter, QRectF(x, y, cellWidth, cellHeight), charts[chart],
                                     kPaperColours);
        }
    }
    return true;
}

// "28°00′" from a short position, "28 Can 00".
QString DegreesAndMinutes(std::string_view position) {
    if (position.size() < 9) {
        return {};
    }
    return ToQString(position.substr(0, 2)) + QChar(0x00B0) + ToQString(position.substr(7, 2)) +
           QChar(0x2032);
}

// The boxes with each body's degrees and minutes after its name.
std::array<std::string, kSignCount> BoxesWithDegrees(const ReportChart& chart,
                                                     const ChartResult& result) {
    std::array<std::string, kSignCount> boxes;
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        for (const PlacedBody& placed : chart.placement->signs[sign].bodies()) {
            const std::size_t slot = SlotOf(placed.body);
            boxes[sign] += "\r\n";
            boxes[sign] += (*chart.kind->names)[slot];
            boxes[sign] += ' ';
            boxes[sign] += DegreesAndMinutes(result.texts.planet[slot]).toStdString();
            if (placed.retrograde) {
                boxes[sign] += kRetrogradeMarker;
            }
        }
    }
    return boxes;
}

}  // namespace

ChartDrawing ChartDrawingOf(const ReportChart& chart, const ChartResult& result,
                            const ChartLook& look) {
    ChartDrawing drawing;
    drawing.title = ToQString(chart.kind->title);
    drawing.geometry = IsRashi(*chart.kind) ? kRashiGrid : kDivisionalGrid;
    drawing.style = look.style;
    drawing.boxes = look.degreesInBoxes ? BoxesWithDegrees(chart, result) : BoxCaptions(chart);
    if (chart.ascendantSign != kNoSign) {
        drawing.lagnaSign = static_cast<std::size_t>(chart.ascendantSign);
    }
    // The word in the language of the chart's names.
    drawing.lagnaWord =
        chart.kind->names == &kVedicPlanetNames ? QStringLiteral("Lagna") : QStringLiteral("Asc");
    return drawing;
}

std::vector<ChartDrawing> ChartDrawings(const ChartResult& result, const ChartLook& look) {
    std::vector<ChartDrawing> drawings;
    for (const ReportChart& chart : ReportChartsOf(result)) {
        drawings.push_back(ChartDrawingOf(chart, result, look));
    }
    return drawings;
}

QString ClockLine(const ChartReport& report) {
    const ReportSection* clock = FindSection(report, "clock");
    if (clock == nullptr) {
        return {};
    }
    return QStringLiteral("Clock: %1 \u00B7 UT %2")
        .arg(ToQString(RowValue(*clock, "clock")), ToQString(RowValue(*clock, "universalTime")));
}

QPageSize LocalPageSize() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

void DrawFirstPage(QPainter& painter, const QRectF& page, const ChartResult& result,
                   const ChartLook& look, PrintedCharts& drawn) {
    const ChartReport report = BuildChartReport(result);
    drawn.assign(report.charts.size(), {});
    DrawFirstPage(painter, page, result, report, ChartDrawings(result, look), drawn);
}

bool PaintChartPages(QPagedPaintDevice& device, const ChartResult& result, const ChartLook& look,
                     PrintedCharts& drawn) {
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
    const ChartReport report = BuildChartReport(result);
    const std::vector<ChartDrawing> charts = ChartDrawings(result, look);
    drawn.assign(charts.size(), {});
    DrawFirstPage(painter, page, result, report, charts, drawn);
    if (!DrawFurtherPages(device, painter, page, result, charts, BesideRashi(report), drawn)) {
        return false;
    }
    return painter.end();
}

}  // namespace amsaview
