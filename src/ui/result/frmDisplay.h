#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "pipeline/ChartResult.h"

class QGroupBox;
class QLabel;
class QLayout;
class QTabBar;

namespace amsaview {

class ChartGrid;
struct ChartDrawing;

// The result window: birth details, Vedic details, the position table and
// the eight charts of one computation. It only switches between what the
// computation wrote; it works nothing out itself. Every element is named as
// composed; one of a list carries its index after an underscore (planet_0,
// lblPlanet_36).
class frmDisplay final : public QWidget {
    Q_OBJECT

  public:
    explicit frmDisplay(QWidget* parent = nullptr);

    // Writes every caption and chart box of one computation. The chart and the
    // tabs on view stay as they are.
    void showResult(const ChartResult& result);

    // The Rashi chart with the birth details, as the main frame opens it.
    void showInitialView();

    // The computation on view, for printing and export.
    const ChartResult& result() const { return result_; }
    // The chart on view: the Rashi chart or the divisional chart of its tab.
    const ChartDrawing& chartOnView() const;

  private:
    QWidget* buildLeftPanel();
    QLayout* buildDetailFrames(QWidget& tabBody);
    QWidget* buildRightPanel();
    QWidget* buildBottomStrip();

    void cmdRashiChart_Click();
    void cmdDivisionalChart_Click();
    void TabStrip1_Click(int tab);
    void TabStrip2_Click(int tab);

    void showDivisionalFrame(int index);
    void bindValue(QLabel* label, std::string ResultTexts::*text);

    ChartGrid* fraBirthchart_ = nullptr;
    std::array<ChartGrid*, kDivisionalChartCount> divisionalFrames_{};
    std::array<QGroupBox*, 3> detailFrames_{};
    QTabBar* tabStrip1_ = nullptr;
    QTabBar* tabStrip2_ = nullptr;
    QLabel* label24_ = nullptr;
    QLabel* lblHeader_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* lblHTB2_ = nullptr;
    QLabel* lblTab2_ = nullptr;
    QLabel* lblMethod_ = nullptr;
    std::vector<std::pair<QLabel*, std::string ResultTexts::*>> values_;
    std::array<QLabel*, kBodyCount> planet_{};
    ChartResult result_;
};

}  // namespace amsaview
