#include "export/ChartPages.h"

#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <span>

#include "export/VargaTable.h"
#include "model/LookupLists.h"
#include "pipeline/ChartCaptions.h"
#include "pipeline/ChartDasha.h"
#include "qtcommon/QtText.h"

namespace amsaview {
namespace {

constexpr double kMarginPoints = 40;
constexpr double kChartGapPoints = 14;
constexpr double kBlockGapPoints = 16;
// The chart printed beside the Rashi chart: the one read first after it.
constexpr std::string_view kBesideRashi = "D9";
// Sections the header tells in lines of its own, and those the first page
// sets beside each other above the charts; the others follow the charts.
constexpr std::array<std::string_view, 2> kInHeader = {"birth", "clock"};
constexpr std::array<std::string_view, 2> kOnFirstPage = {"vedic", "positions"};

bool Listed(std::span<const std::string_view> ids, std::string_view id) {
    return std::ranges::find(ids, id) != ids.end();
}
constexpr int kDateLength = 10;  // "1963-04-12" of "1963-04-12 14:03:22"

QFont PageFont(double points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Lengths in points on any device: a PDF at 1200 dpi, a printer, an SVG.
// Texts wrap within the width they are given, so none leaves the page.
class PagePen {
  public:
    PagePen(QPainter& painter, const QRectF& page)
        : painter_(painter),
          unitsPerPoint_(std::max(1, painter.device()->logicalDpiY()) / 72.0),
          page_(page),
          y_(page.top()) {}

    double units(double points) const { return points * unitsPerPoint_; }
    double y() const { return y_; }
    void moveDown(double points) { y_ += units(points); }
    void moveTo(double y) { y_ = y; }
    const QRectF& page() const { return page_; }
    QPainter& painter() const { return painter_; }
    // The same pen measuring only: its texts take their room, unpainted.
    PagePen dry() const {
        PagePen copy = *this;
        copy.dry_ = true;
        return copy;
    }

    // How tall a text is once wrapped within the width.
    double height(const QString& text, const QFont& font, double width) const {
        return QFontMetricsF(font, painter_.device())
            .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap | Qt::AlignLeft, text)
            .height();
    }

    // A text at (left, top), wrapped within the width; returns its bottom.
    double text(double left, double top, double width, const QString& text, const QFont& font,
                const QColor& colour = Qt::black) const {
        const double tall = height(text, font, width);
        if (!dry_) {
            painter_.setFont(font);
            painter_.setPen(colour);
            painter_.drawText(QRectF(left, top, width, tall),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        }
        return top + tall;
    }

    // A text across the page; the pen moves below it.
    void line(const QString& text, double points, bool bold = false,
              const QColor& colour = Qt::black) {
        y_ = this->text(page_.left(), y_, page_.width(), text, PageFont(points, bold), colour);
    }

  private:
    QPainter& painter_;
    double unitsPerPoint_;
    QRectF page_;
    double y_;
    bool dry_ = false;
};

// The pages after the first: a block that does not fit below the pen starts
// a new page, headed with the name. Without a paged device there is only
// the one page, and what does not fit is left off.
class PageFlow {
  public:
    PageFlow(PagePen& pen, QPagedPaintDevice* device, QString heading)
        : pen_(pen), device_(device), heading_(std::move(heading)) {}

    // Room for `height` below the pen, on this page or a new one.
    bool room(double height) {
        if (pen_.y() + height <= pen_.page().bottom()) {
            return true;
        }
        if (device_ == nullptr || !device_->newPage()) {
            failed_ = device_ != nullptr;
            return false;
        }
        ++page_;
        pen_.moveTo(pen_.page().top());
        pen_.line(heading_, 14, true, QColor(120, 40, 40));
        pen_.moveDown(10);
        return pen_.y() + height <= pen_.page().bottom();
    }
    bool failed() const { return failed_; }
    int page() const { return page_; }

  private:
    PagePen& pen_;
    QPagedPaintDevice* device_;
    QString heading_;
    bool failed_ = false;
    int page_ = 0;
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

QString BirthDate(const BirthData& birth) {
    return QDate(birth.year, birth.month, birth.day).toString(QStringLiteral("d MMMM yyyy"));
}

QString BirthTime(const BirthData& birth) {
    return QTime(birth.hour, birth.minute, birth.second)
        .toString(birth.second == 0 ? QStringLiteral("HH:mm") : QStringLiteral("HH:mm:ss"));
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
    pen.line(QStringLiteral("Born %1 at %2 local time").arg(BirthDate(birth), BirthTime(birth)),
             10);
    const QString place = Place(birth);
    pen.line((place.isEmpty() ? QString() : place + QStringLiteral("   ")) + Coordinates(birth),
             10);
    pen.line(ClockLine(report), 10);
    if (const ReportSection* clock = FindSection(report, "clock")) {
        pen.line(QStringLiteral("Positions: %1").arg(ToQString(RowValue(*clock, "method"))), 10);
    }
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

// A section's title and rows in a column; returns where it ends.
double DrawSection(const PagePen& pen, double left, double top, double width,
                   const ReportSection& section) {
    constexpr double kPoints = 9.5;
    double y = pen.text(left, top, width, ToQString(section.title), PageFont(12, true));
    y += pen.units(2);
    const double captionWidth = std::min(pen.units(110), width / 2);
    const QFont caption = PageFont(kPoints, true);
    const QFont value = PageFont(kPoints);
    for (const auto& [name, text] : RowsOf(section)) {
        const double end =
            std::max(pen.text(left, y, captionWidth - pen.units(4), name, caption),
                     pen.text(left + captionWidth, y, width - captionWidth, text, value));
        y = end + pen.units(1.5);
    }
    return y;
}

// The first page's sections, two columns side by side.
void DrawDetails(PagePen& pen, const ChartReport& report) {
    const double gap = pen.units(kChartGapPoints);
    const double half = (pen.page().width() - gap) / 2;
    std::array<double, 2> ends = {pen.y(), pen.y()};
    std::size_t column = 0;
    for (const ReportSection& section : report.sections) {
        if (!Listed(kOnFirstPage, section.id)) {
            continue;
        }
        const double left = pen.page().left() + static_cast<double>(column) * (half + gap);
        ends[column] = DrawSection(pen, left, ends[column], half, section) + pen.units(8);
        column = 1 - column;
    }
    pen.moveTo(std::max(ends[0], ends[1]));
}

// The sections neither the header nor the first page holds, each across the
// page as a compact table, after the charts.
void FlowSections(PagePen& pen, PageFlow& flow, const ChartReport& report) {
    for (const ReportSection& section : report.sections) {
        if (Listed(kInHeader, section.id) || Listed(kOnFirstPage, section.id)) {
            continue;
        }
        // Measured by a pen that draws nothing, then drawn where it fits.
        const double height =
            DrawSection(pen.dry(), pen.page().left(), 0, pen.page().width(), section);
        if (!flow.room(height)) {
            return;
        }
        pen.moveTo(DrawSection(pen, pen.page().left(), pen.y(), pen.page().width(), section) +
                   pen.units(kBlockGapPoints));
    }
}

std::size_t BesideRashi(const ChartReport& report) {
    return static_cast<std::size_t>(FindChart(report.charts, kBesideRashi) - report.charts.data());
}

double ChartHeight(double width) {
    const QSizeF frame = ChartFrameTwips(kRashiGrid);
    return width * frame.height() / frame.width();
}

void DrawFirstPage(PagePen& pen, const ChartResult& result, const ChartReport& report,
                   const std::vector<ChartDrawing>& charts, PrintedCharts& drawn) {
    DrawHeader(pen, result, report);
    pen.moveDown(12);
    DrawDetails(pen, report);
    pen.moveDown(6);

    const QRectF& page = pen.page();
    const double gap = pen.units(kChartGapPoints);
    const double half = (page.width() - gap) / 2;
    const double height = ChartHeight(half);
    if (pen.y() + height > page.bottom()) {
        return;  // the flow draws them on the pages after
    }
    drawn[0] = DrawChart(pen.painter(), QRectF(page.left(), pen.y(), half, height), charts[0],
                         kPaperColours);
    const std::size_t index = BesideRashi(report);
    drawn[index] = DrawChart(pen.painter(), QRectF(page.left() + half + gap, pen.y(), half, height),
                             charts[index], kPaperColours);
    pen.moveTo(pen.y() + height + gap);
}

// The charts the first page left, two to a row.
void FlowCharts(PagePen& pen, PageFlow& flow, const std::vector<ChartDrawing>& charts,
                PrintedCharts& drawn) {
    std::vector<std::size_t> left;
    for (std::size_t chart = 0; chart < charts.size(); ++chart) {
        if (drawn[chart].layout.frame.isNull()) {
            left.push_back(chart);
        }
    }
    const double gap = pen.units(kChartGapPoints);
    const double width = (pen.page().width() - gap) / 2;
    const double height = ChartHeight(width);
    for (std::size_t first = 0; first < left.size(); first += 2) {
        if (!flow.room(height)) {
            return;
        }
        for (std::size_t cell = 0; cell < 2 && first + cell < left.size(); ++cell) {
            const std::size_t chart = left[first + cell];
            const double x = pen.page().left() + static_cast<double>(cell) * (width + gap);
            drawn[chart] = DrawChart(pen.painter(), QRectF(x, pen.y(), width, height),
                                     charts[chart], kPaperColours);
            drawn[chart].page = flow.page();
        }
        pen.moveTo(pen.y() + height + gap);
    }
}

// The varga table: a narrow column of names, then one column a chart, in a
// font small enough for the widest cell.
void FlowVargaTable(PagePen& pen, PageFlow& flow, const ChartReport& report) {
    const ReportTable table = VargaTable(report.charts);
    const double width = pen.page().width();
    const double nameWidth = pen.units(52);
    const double cellWidth = (width - nameWidth) / static_cast<double>(table.columns.size() - 1);
    double points = 8;
    while (points > 4 && QFontMetricsF(PageFont(points), pen.painter().device())
                                 .horizontalAdvance(QStringLiteral("Sco (R) ")) > cellWidth) {
        points -= 0.5;
    }
    const QFont cellFont = PageFont(points);
    const QFont headFont = PageFont(points, true);
    const double lineHeight = QFontMetricsF(cellFont, pen.painter().device()).height() * 1.2;
    const double titleHeight = pen.height(QStringLiteral("Vargas"), PageFont(12, true), width);
    if (!flow.room(titleHeight + lineHeight * static_cast<double>(table.rows.size() + 1))) {
        return;
    }
    pen.line(QStringLiteral("Varga Table"), 12, true);
    pen.moveDown(2);
    const auto drawRow = [&](const auto& cells, const QFont& font) {
        for (std::size_t column = 0; column < cells.size(); ++column) {
            const double left = column == 0 ? pen.page().left()
                                            : pen.page().left() + nameWidth +
                                                  static_cast<double>(column - 1) * cellWidth;
            pen.painter().setFont(column == 0 ? headFont : font);
            pen.painter().setPen(Qt::black);
            pen.painter().drawText(
                QRectF(left, pen.y(), column == 0 ? nameWidth : cellWidth, lineHeight),
                Qt::AlignLeft | Qt::AlignVCenter, ToQString(cells[column]));
        }
        pen.moveTo(pen.y() + lineHeight);
    };
    drawRow(table.columns, headFont);
    for (const auto& row : table.rows) {
        drawRow(row, cellFont);
    }
    pen.moveDown(kBlockGapPoints);
}

// The mahadashas, three to a row, each with its antardashas' lords and start
// dates on the birth's clock; the periods running at `asOf` in bold, marked.
void FlowDashaTable(PagePen& pen, PageFlow& flow, const ChartReport& report, const BirthData& birth,
                    UtSeconds asOf) {
    const VimshottariDasha& dasha = report.dasha;
    const double width = pen.page().width();
    const double gap = pen.units(kChartGapPoints);
    const double blockWidth = (width - 2 * gap) / 3;
    const QFont font = PageFont(7.5);
    QFont bold = font;
    bold.setBold(true);
    const double lineHeight = QFontMetricsF(font, pen.painter().device()).height() * 1.15;
    const double blockHeight = lineHeight * (1 + kDashaLordCount);
    const QString intro = QStringLiteral(
                              "%1. %2; dates on the birth's clock, the periods running "
                              "on %3 marked \u25B8.")
                              .arg(ToQString(DashaBalanceText(dasha.balance())),
                                   ToQString(DashaYearText(dasha.year())),
                                   ToQString(DashaLocalText(birth, asOf).substr(0, kDateLength)));
    const double introHeight = pen.height(intro, PageFont(9), width);
    if (!flow.room(pen.units(16) + introHeight + blockHeight)) {
        return;
    }
    pen.line(QStringLiteral("Vimshottari Dasha"), 12, true);
    pen.line(intro, 9);
    pen.moveDown(4);
    const std::optional<DashaPath> running = dasha.RunningAt(asOf);
    const auto isRunning = [&](int level, int index) {
        return running && (*running)[static_cast<std::size_t>(level - 1)] == index;
    };
    const auto dateOf = [&](UtSeconds moment) {
        return ToQString(DashaLocalText(birth, moment).substr(0, kDateLength));
    };
    for (int first = 0; first < kDashaLordCount; first += 3) {
        if (!flow.room(blockHeight)) {
            return;
        }
        for (int maha = first; maha < first + 3; ++maha) {
            const double left = pen.page().left() + (maha - first) * (blockWidth + gap);
            const DashaPeriod period = dasha.Period(1, maha);
            const auto cell = [&](int line, const QString& text, bool marked) {
                pen.painter().setFont(marked ? bold : font);
                pen.painter().setPen(Qt::black);
                pen.painter().drawText(
                    QRectF(left, pen.y() + line * lineHeight, blockWidth, lineHeight),
                    Qt::AlignLeft | Qt::AlignVCenter,
                    (marked ? QStringLiteral("\u25B8 ") : QString()) + text);
            };
            cell(0,
                 QStringLiteral("%1  %2 \u2013 %3")
                     .arg(ToQString(DashaLordName(period.lord)), dateOf(period.start),
                          dateOf(period.end)),
                 isRunning(1, maha));
            for (int antar = 0; antar < kDashaLordCount; ++antar) {
                const int index = FirstSubPeriod(maha) + antar;
                const DashaPeriod sub = dasha.Period(2, index);
                cell(1 + antar,
                     QStringLiteral("   %1  %2")
                         .arg(ToQString(DashaLordName(sub.lord)), dateOf(sub.start)),
                     isRunning(2, index));
            }
        }
        pen.moveTo(pen.y() + blockHeight + gap);
    }
}

// "NAME · 18 February 2020 · 12:00 · New Delhi, Delhi, India · Rashi Chart".
QString ImageCaption(const BirthData& birth, const ChartKind& kind) {
    QStringList parts;
    if (!birth.name.empty()) {
        parts << Isolated(ToQString(birth.name));
    }
    parts << BirthDate(birth) << BirthTime(birth);
    const QString place = Place(birth);
    if (!place.isEmpty()) {
        parts << place;
    }
    parts << ToQString(kind.title);
    return parts.join(QStringLiteral(" \u00B7 "));
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
    drawing.caption = ImageCaption(result.birth, *chart.kind);
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
    PagePen pen(painter, page);
    DrawFirstPage(pen, result, report, ChartDrawings(result, look), drawn);
}

bool PaintChartPages(QPagedPaintDevice& device, const ChartResult& result, const ChartLook& look,
                     PrintedCharts& drawn, std::optional<UtSeconds> asOf) {
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
    PagePen pen(painter, page);
    DrawFirstPage(pen, result, report, charts, drawn);
    PageFlow flow(pen, &device,
                  QStringLiteral("%1, continued").arg(Isolated(ToQString(result.birth.name))));
    FlowCharts(pen, flow, charts, drawn);
    FlowSections(pen, flow, report);
    FlowVargaTable(pen, flow, report);
    FlowDashaTable(pen, flow, report, result.birth,
                   asOf.value_or(QDateTime::currentSecsSinceEpoch()));
    if (flow.failed()) {
        return false;
    }
    return painter.end();
}

}  // namespace amsaview
