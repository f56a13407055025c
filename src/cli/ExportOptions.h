#pragma once

#include <QString>

namespace amsaview {

// Files the command line writes besides the JSON: the printed pages as PDF or
// SVG, one chart as PNG.
struct ExportRequest {
    QString pdf;
    QString svg;
    QString png;
    QString pngChart = QStringLiteral("Rashi");  // or a divisional chart's title
    int pngWidth = 1200;
    QString chartStyle = QStringLiteral("south");  // or north, east: the drawing's to judge

    bool any() const { return !pdf.isEmpty() || !svg.isEmpty() || !png.isEmpty(); }
};

// Whether any export option is present, asked before an application exists
// (drawing needs a GUI application; the JSON alone does not).
bool NamesAnExport(int argc, const char* const* argv);

}  // namespace amsaview
