#pragma once

#include <QDialog>
#include <QList>
#include <functional>

#include "register/RegisterResult.h"
#include "register/SavedBirth.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace amsaview {

class BirthListModel;

// Finds a saved birth: a search box that narrows the list as the user types
// (name, place, year), the list sorted by name. Enter or a double-click opens
// the birth under the cursor; Export… and Delete… (or the Delete key) hand on
// the births selected.
class OpenBirthDialog final : public QDialog {
    Q_OBJECT
  public:
    using Search = std::function<RegisterResult<std::vector<BirthSummary>>(const QString& filter)>;

    explicit OpenBirthDialog(Search search, QWidget* parent = nullptr);

    int shownCount() const;
    // Searches again, after births were deleted.
    void refresh();

  signals:
    void birthChosen(amsaview::BirthId id);
    void exportRequested(const QList<amsaview::BirthId>& ids);
    void deleteRequested(const QList<amsaview::BirthId>& ids);

  private:
    void filter(const QString& text);
    void openCurrent();
    QList<BirthId> selectedIds() const;
    void updateButtons();

    Search search_;
    BirthListModel* births_ = nullptr;
    QLineEdit* searchBox_ = nullptr;
    QTreeView* list_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* delete_ = nullptr;
};

}  // namespace amsaview
