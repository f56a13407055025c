#pragma once

#include <QGroupBox>
#include <QString>
#include <vector>

#include "pipeline/ChartReport.h"

class QGridLayout;
class QLabel;
class QTableWidget;

namespace amsaview {

// A table to read, not to edit: its cells plain text, as every label.
void FillTable(QTableWidget& view, const ReportTable& table);

// One section of the chart report in a frame: its rows as caption and value,
// a note under them, then each table with its column heads. It keeps its
// labels while the section keeps its shape, so a new chart only rewrites
// their texts.
class SectionView final : public QGroupBox {
    Q_OBJECT

  public:
    explicit SectionView(std::string_view sectionId, QWidget* parent = nullptr);

    void setSection(const ReportSection& section, const QString& note = {});

  private:
    void rebuild(const ReportSection& section);

    std::string id_;
    std::vector<std::size_t> shape_;
    QGridLayout* grid_ = nullptr;
    std::vector<QLabel*> values_;        // rows' values, then the narrow tables' cells, row by row
    std::vector<QTableWidget*> tables_;  // the wide tables
    QLabel* note_ = nullptr;
};

}  // namespace amsaview
