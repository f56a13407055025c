#pragma once

#include <QDialog>
#include <array>

#include "export/ChartStyle.h"

class QCheckBox;
class QRadioButton;

namespace amsaview {

// Chooses how the charts are drawn: the style, and whether the boxes give
// each body's degrees and minutes.
class dlgChartStyle final : public QDialog {
    Q_OBJECT

  public:
    explicit dlgChartStyle(const ChartLook& current, QWidget* parent = nullptr);

    ChartLook chosen() const;

  private:
    std::array<QRadioButton*, kChartStyles.size()> styles_{};
    QCheckBox* degrees_ = nullptr;
};

}  // namespace amsaview
