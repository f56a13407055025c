#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

#include "export/ChartPages.h"

namespace amsaview {

// Empty when the file was written; otherwise what went wrong, naming the file.
using ExportFailure = std::optional<QString>;

// Every page as a PDF of the local paper size.
QByteArray ChartPdf(const ChartResult& result, const ChartLook& look = {},
                    PrintedCharts* drawn = nullptr);
// The first page as an SVG drawing.
QByteArray ChartSvg(const ChartResult& result, const ChartLook& look = {},
                    PrintedCharts* drawn = nullptr);
// One chart as the window shows it, this many pixels wide, with its caption
// (name, date, time, place, chart) on a line under it.
QImage ChartImage(const ChartDrawing& chart, int width);
// The caption line's height in an image this many pixels wide.
int CaptionHeight(int width);
// The same as a PNG file's bytes; empty when encoding fails.
QByteArray ChartPng(const ChartDrawing& chart, int width);

inline constexpr int kSmallestImageWidth = 100;
inline constexpr int kLargestImageWidth = 10000;

ExportFailure ExportPdf(const QString& path, const ChartResult& result, const ChartLook& look = {});
ExportFailure ExportSvg(const QString& path, const ChartResult& result, const ChartLook& look = {});
ExportFailure ExportPng(const QString& path, const ChartDrawing& chart, int width);

// The kinds of file an export writes, told apart by the file's suffix.
enum class ExportKind { Pdf, Svg, Png };
std::optional<ExportKind> ExportKindOf(const QString& path);

// The pages (PDF, SVG) or the given chart (PNG) by the path's suffix.
ExportFailure ExportByName(const QString& path, const ChartResult& result,
                           const ChartDrawing& chartOnView, int pngWidth,
                           const ChartLook& look = {});

// As WriteWholeFile (qtcommon/WholeFile.h), its failure naming the file.
ExportFailure SaveWhole(const QString& path, const QByteArray& bytes);

// "NAME-YYYY-MM-DD.EXT": letters and digits of the name kept, blanks as '-'.
QString SuggestedFileName(const BirthData& birth, const QString& extension);

}  // namespace amsaview
