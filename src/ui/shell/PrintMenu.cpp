#include "ui/shell/PrintMenu.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "export/ChartExport.h"
#include "ui/common/MessageBoxes.h"
#include "ui/result/frmDisplay.h"

namespace amsaview {
namespace {

constexpr int kDefaultImageWidth = 1200;

struct ExportFilter {
    const char* filter;
    const char* suffix;
};

constexpr ExportFilter kFilters[] = {
    {"PDF document (*.pdf)", "pdf"},
    {"SVG drawing (*.svg)", "svg"},
    {"PNG image of the chart on view (*.png)", "png"},
};

void ShowFailure(QWidget& parent, const QString& message) {
    ModalMessageBox().show(&parent, message, MessageIcon::Critical);
}

void PaintOrComplain(QPrinter& printer, QWidget& parent, const frmDisplay& display) {
    PrintedCharts drawn;
    if (!PaintChartPages(printer, display.result(), display.look(), drawn)) {
        ShowFailure(parent, QStringLiteral("The chart could not be printed on %1.")
                                .arg(printer.printerName().isEmpty() ? printer.outputFileName()
                                                                     : printer.printerName()));
    }
}

void Print(QWidget& parent, const frmDisplay& display) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, display.result().birth);
    QPrintDialog dialog(&printer, &parent);
    if (dialog.exec() == QDialog::Accepted) {
        PaintOrComplain(printer, parent, display);
    }
}

void Preview(QWidget& parent, const frmDisplay& display) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, display.result().birth);
    QPrintPreviewDialog preview(&printer, &parent);
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &parent,
        [&parent, &display](QPrinter* target) { PaintOrComplain(*target, parent, display); });
    preview.exec();
}

void Export(QWidget& parent, const frmDisplay& display) {
    QStringList filters;
    for (const ExportFilter& filter : kFilters) {
        filters << QLatin1String(filter.filter);
    }
    QString chosenFilter = filters.first();
    QString path = QFileDialog::getSaveFileName(
        &parent, QStringLiteral("Export Chart"),
        SuggestedFileName(display.result().birth, QStringLiteral("pdf")),
        filters.join(QStringLiteral(";;")), &chosenFilter);
    if (path.isEmpty()) {
        return;
    }
    if (!ExportKindOf(path)) {
        const auto index = std::max<qsizetype>(0, filters.indexOf(chosenFilter));
        path += QLatin1Char('.') + QLatin1String(kFilters[index].suffix);
    }
    int width = kDefaultImageWidth;
    if (ExportKindOf(path) == ExportKind::Png) {
        bool chosen = false;
        width = QInputDialog::getInt(&parent, QStringLiteral("Export Chart"),
                                     QStringLiteral("Width of the image in pixels:"),
                                     kDefaultImageWidth, kSmallestImageWidth, kLargestImageWidth,
                                     100, &chosen);
        if (!chosen) {
            return;
        }
    }
    if (const ExportFailure failure =
            ExportByName(path, display.result(), display.chartOnView(), width, display.look())) {
        ShowFailure(parent, *failure);
    }
}

}  // namespace

// The print dialog's file is the document's name in the home folder, with its
// suffix made .pdf.
void PreparePrinter(QPrinter& printer, const BirthData& birth) {
    printer.setPageSize(LocalPageSize());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(SuggestedFileName(birth, QStringLiteral("pdf")));
}

void AddPrintAndExport(QMenu& file, QWidget& parent, const frmDisplay& display) {
    QAction* print = file.addAction(QStringLiteral("&Print..."));
    print->setObjectName(QStringLiteral("mnuPrint"));
    print->setShortcut(QKeySequence::Print);
    QObject::connect(print, &QAction::triggered, &parent,
                     [&parent, &display] { Print(parent, display); });

    QAction* preview = file.addAction(QStringLiteral("Print Pre&view..."));
    preview->setObjectName(QStringLiteral("mnuPrintPreview"));
    QObject::connect(preview, &QAction::triggered, &parent,
                     [&parent, &display] { Preview(parent, display); });

    QAction* exportChart = file.addAction(QStringLiteral("Export &Chart..."));
    exportChart->setObjectName(QStringLiteral("mnuExportChart"));
    QObject::connect(exportChart, &QAction::triggered, &parent,
                     [&parent, &display] { Export(parent, display); });
    file.addSeparator();
}

}  // namespace amsaview
