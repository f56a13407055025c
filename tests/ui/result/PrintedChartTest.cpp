#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "export/ChartExport.h"
#include "pipeline/ComputeChart.h"
#include "support/ComputedChart.h"
#include "support/FindChild.h"
#include "support/FormExamples.h"
#include "support/PdfText.h"
#include "support/RecordingSeams.h"
#include "ui/common/WebPages.h"
#include "ui/result/ChartGrid.h"
#include "ui/result/frmDisplay.h"
#include "ui/shell/MDI.h"

namespace amsaview {

using testing::Child;

// The window's charts and the printed ones come from one drawing.
class PrintedChartTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        frame_ = new MDI(webPages_, LinkTargets{}, [] {});
        frame_->display().showResult(
            testing::ComputedChart(testing::DelhiForm(2020, 2, 18, 12, 0)));
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_));
    }

    void cleanup() { delete frame_; }

    void screenAndPageDrawTheSameBoxes() {
        PrintedCharts printed;
        QVERIFY(!ChartPdf(frame_->display().result(), {}, &printed).isEmpty());
        const auto drawings = ChartDrawings(frame_->display().result());
        const QList<ChartGrid*> grids = frame_->display().findChildren<ChartGrid*>();
        QCOMPARE(grids.size(), qsizetype{kChartKinds.size()});
        int compared = 0;
        for (ChartGrid* grid : grids) {
            static_cast<void>(grid->grab());  // paints it, shown or not
            const auto titled = std::ranges::find_if(
                drawings, [&](const ChartDrawing& chart) { return chart.title == grid->title(); });
            const auto index = static_cast<std::size_t>(titled - drawings.begin());
            QVERIFY2(index < kChartKinds.size(), qPrintable(grid->title()));
            for (std::size_t sign = 0; sign < kSignCount; ++sign) {
                QVERIFY2(
                    grid->drawn().lines[sign] == printed[index].lines[sign],
                    qPrintable(QStringLiteral("%1, sign %2").arg(grid->title()).arg(sign + 1)));
            }
            ++compared;
        }
        QCOMPARE(compared, static_cast<int>(kChartKinds.size()));
        // Mercury was retrograde that day: the mark is drawn on both.
        QVERIFY(std::ranges::any_of(printed[0].lines, [](const QStringList& box) {
            return box.contains(QStringLiteral("Budha (R) "));
        }));
    }

    void fileMenuOffersPrintPreviewAndExport() {
        const auto& print = Child<QAction>(*frame_, "mnuPrint");
        QCOMPARE(print.shortcut(), QKeySequence(QKeySequence::Print));
        QVERIFY(Child<QAction>(*frame_, "mnuPrintPreview").isEnabled());
        QVERIFY(Child<QAction>(*frame_, "mnuExportChart").isEnabled());
    }

    void exportTakesTheChartOnView() {
        const frmDisplay& display = frame_->display();
        QCOMPARE(display.chartOnView().title, QStringLiteral("Rashi Chart"));
        Child<QPushButton>(display, "cmdDivisionalChart").click();
        QCOMPARE(display.chartOnView().title, QStringLiteral("Hora"));
        Child<QPushButton>(display, "cmdRashiChart").click();
        QCOMPARE(display.chartOnView().title, QStringLiteral("Rashi Chart"));
    }

    void windowPdfNamesTheBirthAndItsDetails() {
        QTemporaryDir folder;
        const frmDisplay& display = frame_->display();
        const QString path =
            folder.filePath(SuggestedFileName(display.result().birth, QStringLiteral("pdf")));
        QVERIFY(path.endsWith(QStringLiteral("RAM-KUMAR-2020-02-18.pdf")));
        QVERIFY(!ExportByName(path, display.result(), display.chartOnView(), 1200));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QString text = testing::PdfText(written.readAll());
        for (const std::string* wanted :
             {&display.result().birth.name, &display.result().texts.lblLagna,
              &display.result().texts.lblNakshatra}) {
            QVERIFY2(text.contains(QString::fromStdString(*wanted)), wanted->c_str());
        }
    }

  private:
    testing::RecordingWebPageOpener webPages_;
    MDI* frame_ = nullptr;
};

}  // namespace amsaview

QTEST_MAIN(amsaview::PrintedChartTest)
#include "PrintedChartTest.moc"
