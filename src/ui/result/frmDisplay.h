#pragma once

#include <QWidget>
#include <vector>

#include "export/ChartStyle.h"
#include "pipeline/ChartReport.h"
#include "pipeline/ChartResult.h"
#include "ui/result/SectionTexts.h"

class QGridLayout;
class QLabel;
class QTabBar;
class QTableWidget;

namespace amsaview {

class ChartGrid;
class DashaView;
class SectionView;
struct ChartDrawing;

// The result window: the chart report of one computation, its sections on
// the left tabs and its charts on the right, the Rashi chart first. It only
// switches between what the report holds; it works nothing out itself.
class frmDisplay final : public QWidget {
    Q_OBJECT

  public:
    explicit frmDisplay(QWidget* parent = nullptr);

    // Writes every section and chart of one computation. The chart and the
    // tabs on view stay as they are.
    void showResult(const ChartResult& result);

    // The Rashi chart with the birth details, as the main frame opens it.
    void showInitialView();

    // How the charts are drawn; the window, the pages and the files follow it.
    void setLook(const ChartLook& look);
    const ChartLook& look() const { return look_; }

    // The computation on view, for printing and export.
    const ChartResult& result() const { return result_; }
    // The chart on view: the Rashi chart or the divisional chart of its tab.
    const ChartDrawing& chartOnView() const;
    // The dasha's running periods are marked as of this moment, not today's.
    void markDashaAt(UtSeconds moment);

  private:
    QWidget* buildLeftPanel();
    QWidget* buildRightPanel();
    QWidget* buildBottomStrip();
    void showReport();
    void drawCharts();

    void cmdRashiChart_Click();
    void cmdDivisionalChart_Click();
    void TabStrip1_Click(int tab);
    void TabStrip2_Click(int tab);
    void showChart(std::size_t index);

    std::vector<ChartGrid*> charts_;      // the report's order
    QTableWidget* vargas_ = nullptr;      // on the last chart tab
    std::vector<SectionView*> sections_;  // the report's order
    DashaView* dasha_ = nullptr;
    std::vector<QWidget*> details_;  // the sections', then the dasha's: one for each tab
    std::vector<SectionTexts> detailTexts_;
    QTabBar* tabStrip1_ = nullptr;
    QTabBar* tabStrip2_ = nullptr;
    QLabel* label24_ = nullptr;
    QLabel* lblHeader_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* lblHTB2_ = nullptr;
    QLabel* lblTab2_ = nullptr;
    QLabel* lblMethod_ = nullptr;
    ChartLook look_;
    ChartResult result_;
    // Built once for each result (its time windows take a millisecond or
    // two); it points into result_.
    ChartReport report_ = BuildChartReport(result_);
};

}  // namespace amsaview
