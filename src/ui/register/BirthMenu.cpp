#include "ui/register/BirthMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace amsaview {

BirthMenu::BirthMenu(QObject* parent) : QObject(parent), recent_(std::make_unique<QMenu>()) {
    new_ = command("mnuNew", QStringLiteral("&New"), &BirthMenu::newRequested);
    new_->setShortcut(QKeySequence::New);
    open_ = command("mnuOpen", QStringLiteral("&Open..."), &BirthMenu::openRequested);
    open_->setShortcut(QKeySequence::Open);
    save_ = command("mnuSave", QStringLiteral("&Save"), &BirthMenu::saveRequested);
    save_->setShortcut(QKeySequence::Save);
    saveAsNew_ =
        command("mnuSaveAsNew", QStringLiteral("Save &As New"), &BirthMenu::saveAsNewRequested);
    // The platform's Save As key is unset on some desktops; this one is in the guide.
    saveAsNew_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    delete_ = command("mnuDelete", QStringLiteral("&Delete..."), &BirthMenu::deleteRequested);
    import_ =
        command("mnuImport", QStringLiteral("&Import Births..."), &BirthMenu::importRequested);
    export_ =
        command("mnuExport", QStringLiteral("&Export Births..."), &BirthMenu::exportRequested);

    recent_->setObjectName(QStringLiteral("mnuRecent"));
    recent_->setTitle(QStringLiteral("&Recent Births"));
    recent_->menuAction()->setObjectName(QStringLiteral("mnuRecentMenu"));
    updateEnabled();
}

BirthMenu::~BirthMenu() = default;

QAction* BirthMenu::command(const char* name, const QString& caption, void (BirthMenu::*signal)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, signal);
    return action;
}

void BirthMenu::addTo(QMenu& file, QAction* before) {
    file.setToolTipsVisible(true);
    file.insertActions(before, {new_, open_, save_, saveAsNew_, delete_});
    file.insertSeparator(before);
    file.insertMenu(before, recent_.get());
    file.insertSeparator(before);
    file.insertActions(before, {import_, export_});
    file.insertSeparator(before);
}

void BirthMenu::setRegisterUsable(bool usable, const QString& reason) {
    usable_ = usable;
    const QString tip =
        usable ? QString() : QStringLiteral("Births cannot be kept: %1").arg(reason);
    for (QAction* action :
         {open_, save_, saveAsNew_, delete_, import_, export_, recent_->menuAction()}) {
        action->setToolTip(tip);  // none: the command's own text
    }
    updateEnabled();
}

void BirthMenu::setCanDelete(bool canDelete) {
    canDelete_ = canDelete;
    updateEnabled();
}

void BirthMenu::setRecent(const std::vector<BirthSummary>& births) {
    recent_->clear();
    int number = 0;
    for (const BirthSummary& birth : births) {
        ++number;
        QString name = QString::fromStdString(birth.name);
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = recent_->addAction(QStringLiteral("&%1 %2").arg(number).arg(name));
        item->setObjectName(QStringLiteral("mnuRecent_%1").arg(number - 1));
        connect(item, &QAction::triggered, this, [this, id = birth.id] { emit recentChosen(id); });
    }
    updateEnabled();
}

void BirthMenu::updateEnabled() {
    for (QAction* action : {open_, save_, saveAsNew_, import_, export_}) {
        action->setEnabled(usable_);
    }
    delete_->setEnabled(usable_ && canDelete_);
    recent_->menuAction()->setEnabled(usable_ && !recent_->isEmpty());
}

}  // namespace amsaview
