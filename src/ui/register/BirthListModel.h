#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "register/SavedBirth.h"

namespace amsaview {

// The saved births as the Open dialog lists them: one row per birth, in the
// order given, with its name, date, time and place. Texts are made only for
// the rows on view.
class BirthListModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Name, Date, Time, Place, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setBirths(std::vector<BirthSummary> births);
    const BirthSummary& birthAt(int row) const { return births_.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<BirthSummary> births_;
};

// "1975-03-07", "09:05:00" and "Pune, Maharashtra, India" (empty parts left out).
QString BirthDateText(const BirthSummary& birth);
QString BirthTimeText(const BirthSummary& birth);
QString BirthPlaceText(const BirthSummary& birth);

}  // namespace amsaview
