#include "export/ChartExport.h"

#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "qtcommon/QtText.h"
#include "qtcommon/WholeFile.h"

namespace amsaview {
namespace {

constexpr int kPdfResolution = 600;
constexpr int kSvgResolution = 96;
constexpr double kSvgMarginPoints = 40;
// Light compression: a chart is large plain areas, which the lightest levels
// already pack well, and the heavier ones cost most of an export's time.
constexpr int kPngQuality = 80;

QString Failure(const QString& path, const QString& reason) {
    return QStringLiteral("Could not write %1: %2").arg(path, reason);
}

}  // namespace

int CaptionHeight(int width) {
    return std::max(12, qRound(width * 0.05));
}

QByteArray ChartPdf(const ChartResult& result, const ChartLook& look, PrintedCharts* drawn) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PrintedCharts charts;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfResolution);
        pdf.setTitle(ToQString(result.birth.name));
        pdf.setCreator(QStringLiteral("Amsaview"));
        pdf.setPageLayout(QPageLayout(LocalPageSize(), QPageLayout::Portrait,
                                      QMarginsF(40, 40, 40, 40), QPageLayout::Point));
        if (!PaintChartPages(pdf, result, look, charts)) {
            return {};
        }
    }
    if (drawn != nullptr) {
        *drawn = charts;
    }
    return bytes;
}

QByteArray ChartSvg(const ChartResult& result, const ChartLook& look, PrintedCharts* drawn) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = LocalPageSize().sizePixels(kSvgResolution);
    PrintedCharts charts;
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(kSvgResolution);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        svg.setTitle(ToQString(result.birth.name));
        QPainter painter;
        if (!painter.begin(&svg)) {
            return {};
        }
        const double margin = kSvgMarginPoints * kSvgResolution / 72.0;
        painter.fillRect(QRect(QPoint(), size), Qt::white);
        DrawFirstPage(painter, QRectF(QPoint(), size).adjusted(margin, margin, -margin, -margin),
                      result, look, charts);
        painter.end();
    }
    if (drawn != nullptr) {
        *drawn = charts;
    }
    return bytes;
}

QImage ChartImage(const ChartDrawing& chart, int width) {
    const QSizeF frame = ChartFrameTwips(chart.geometry);
    const int height = qRound(width * frame.height() / frame.width());
    const int captionHeight = chart.caption.isEmpty() ? 0 : CaptionHeight(width);
    QImage image(width, height + captionHeight, QImage::Format_RGB32);
    image.fill(kScreenColours.background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawChart(painter, QRectF(0, 0, width, height), chart, kScreenColours);
    if (captionHeight > 0) {
        QFont font;
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        font.setPixelSize(std::max(1, captionHeight * 11 / 20));
        painter.setFont(font);
        painter.setPen(kScreenColours.names);
        // A caption longer than the image ends in "…" rather than leave it.
        const QRect line(captionHeight / 2, height, width - captionHeight, captionHeight);
        painter.drawText(
            line, Qt::AlignCenter,
            QFontMetrics(font).elidedText(chart.caption, Qt::ElideRight, line.width()));
    }
    return image;
}

QByteArray ChartPng(const ChartDrawing& chart, int width) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!ChartImage(chart, width).save(&buffer, "PNG", kPngQuality)) {
        return {};
    }
    return png;
}

ExportFailure SaveWhole(const QString& path, const QByteArray& bytes) {
    if (auto reason = WriteWholeFile(path, bytes)) {
        return Failure(path, *reason);
    }
    return std::nullopt;
}

ExportFailure ExportPdf(const QString& path, const ChartResult& result, const ChartLook& look) {
    const QByteArray pdf = ChartPdf(result, look);
    if (pdf.isEmpty()) {
        return Failure(path, QStringLiteral("the pages could not be drawn"));
    }
    return SaveWhole(path, pdf);
}

ExportFailure ExportSvg(const QString& path, const ChartResult& result, const ChartLook& look) {
    const QByteArray svg = ChartSvg(result, look);
    if (svg.isEmpty()) {
        return Failure(path, QStringLiteral("the drawing could not be made"));
    }
    return SaveWhole(path, svg);
}

ExportFailure ExportPng(const QString& path, const ChartDrawing& chart, int width) {
    if (width < kSmallestImageWidth || width > kLargestImageWidth) {
        return Failure(path, QStringLiteral("the width must be %1 to %2 pixels")
                                 .arg(kSmallestImageWidth)
                                 .arg(kLargestImageWidth));
    }
    const QByteArray png = ChartPng(chart, width);
    if (png.isEmpty()) {
        return Failure(path, QStringLiteral("the image could not be encoded"));
    }
    return SaveWhole(path, png);
}

std::optional<ExportKind> ExportKindOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf")) {
        return ExportKind::Pdf;
    }
    if (suffix == QLatin1String("svg")) {
        return ExportKind::Svg;
    }
    if (suffix == QLatin1String("png")) {
        return ExportKind::Png;
    }
    return std::nullopt;
}

ExportFailure ExportByName(const QString& path, const ChartResult& result,
                           const ChartDrawing& chartOnView, int pngWidth, const ChartLook& look) {
    switch (ExportKindOf(path).value_or(ExportKind::Pdf)) {
        case ExportKind::Svg:
            return ExportSvg(path, result, look);
        case ExportKind::Png:
            return ExportPng(path, chartOnView, pngWidth);
        case ExportKind::Pdf:
            break;
    }
    return ExportPdf(path, result, look);
}

QString SuggestedFileName(const BirthData& birth, const QString& extension) {
    QString name;
    for (const QChar c : ToQString(birth.name).simplified()) {
        if (c.isLetterOrNumber()) {
            name += c;
        } else if (c == QLatin1Char(' ') && !name.endsWith(QLatin1Char('-'))) {
            name += QLatin1Char('-');
        }
    }
    if (name.isEmpty()) {
        name = QStringLiteral("chart");
    }
    return QStringLiteral("%1-%2.%3")
        .arg(name, QDate(birth.year, birth.month, birth.day).toString(QStringLiteral("yyyy-MM-dd")),
             extension);
}

}  // namespace amsaview
