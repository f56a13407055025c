#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "register/SavedBirth.h"

class QAction;
class QMenu;

namespace amsaview {

// The File menu's commands for saved births, one set shared by every window
// that shows them, so their state and shortcuts are the same everywhere.
class BirthMenu final : public QObject {
    Q_OBJECT
  public:
    explicit BirthMenu(QObject* parent = nullptr);
    ~BirthMenu() override;

    // Puts the commands into a window's File menu, ahead of `before`.
    void addTo(QMenu& file, QAction* before);

    // Without a register only New is left; the others say why in their tip.
    void setRegisterUsable(bool usable, const QString& reason);
    void setCanDelete(bool canDelete);
    void setRecent(const std::vector<BirthSummary>& births);

  signals:
    void newRequested();
    void openRequested();
    void saveRequested();
    void saveAsNewRequested();
    void deleteRequested();
    void importRequested();
    void exportRequested();
    void recentChosen(amsaview::BirthId id);

  private:
    QAction* command(const char* name, const QString& caption, void (BirthMenu::*signal)());
    void updateEnabled();

    QAction* new_ = nullptr;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAsNew_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* import_ = nullptr;
    QAction* export_ = nullptr;
    std::unique_ptr<QMenu> recent_;
    bool usable_ = true;
    bool canDelete_ = false;
};

}  // namespace amsaview
