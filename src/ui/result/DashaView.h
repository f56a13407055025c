#pragma once

#include <QGroupBox>
#include <optional>

#include "dasha/Vimshottari.h"
#include "model/BirthData.h"

class QDateEdit;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace amsaview {

// The Vimshottari periods of a chart: the balance at birth, the year they
// are counted in, and the tree of mahadashas, antardashas and
// pratyantardashas on the birth's clock (UT in each tip). The periods running
// on the chosen date, today at first, are marked, opened and current.
class DashaView final : public QGroupBox {
    Q_OBJECT

  public:
    explicit DashaView(QWidget* parent = nullptr);

    void setDasha(const VimshottariDasha& dasha, const BirthData& birth);
    // The moment whose running periods are marked; the date box follows it.
    void markRunningAt(UtSeconds moment);

  private:
    void fillTree();
    void dateChosen();

    std::optional<VimshottariDasha> dasha_;
    BirthData birth_;
    UtSeconds moment_ = 0;
    QLabel* balance_ = nullptr;
    QLabel* year_ = nullptr;
    QDateEdit* date_ = nullptr;
    QTreeWidget* tree_ = nullptr;
};

}  // namespace amsaview
