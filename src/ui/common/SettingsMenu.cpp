#include "ui/common/SettingsMenu.h"

#include <QMenu>
#include <QMenuBar>

namespace amsaview {

QMenu* AddSettingsMenu(QMenuBar& menuBar, std::function<void()> chooseMethod) {
    QMenu* menu = menuBar.addMenu(QStringLiteral("&Settings"));
    menu->setObjectName(QStringLiteral("mnuSettings"));
    QAction* method = menu->addAction(QStringLiteral("Chart &Method\u2026"));
    method->setObjectName(QStringLiteral("mnuMethod"));
    QObject::connect(method, &QAction::triggered, menu, std::move(chooseMethod));
    return menu;
}

}  // namespace amsaview
