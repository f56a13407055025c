#include "ui/common/HelpMenu.h"

#include <QMenu>
#include <QMenuBar>

#include "ui/common/WebPages.h"

namespace amsaview {
namespace {

// An entry that opens `target`; disabled, with `missingTip` as its tip, while there is none.
QAction* AddLink(QMenu& menu, const char* objectName, const QString& caption, WebPageOpener& opener,
                 const QUrl& target, const QString& missingTip) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    if (target.isEmpty()) {
        action->setEnabled(false);
        action->setToolTip(missingTip);
    } else {
        QObject::connect(action, &QAction::triggered, &menu,
                         [&opener, target] { opener.open(target); });
    }
    return action;
}

void AddSeparator(QMenu& menu, const char* objectName) {
    menu.addSeparator()->setObjectName(QLatin1String(objectName));
}

}  // namespace

QMenu* AddHelpMenu(QMenuBar& menuBar, WebPageOpener& opener, const LinkTargets& links,
                   std::function<void()> showAbout) {
    QMenu* menu = menuBar.addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    menu->setToolTipsVisible(true);
    AddLink(*menu, "mnuOnline", QStringLiteral("&Online Help"), opener, links.guide, NoGuideTip());
    AddLink(*menu, "mnuVisit", QStringLiteral("&Visit Us Online"), opener,
            WebPageUrl(WebPage::Home, links.homePage), NoHomePageTip());
    AddSeparator(*menu, "mnuHelpSep1");
    AddLink(*menu, "mnuUpdate", QStringLiteral("Check for Software &Update"), opener,
            WebPageUrl(WebPage::Download, links.homePage), NoHomePageTip());
    AddSeparator(*menu, "mnuHelpSep2");
    QAction* about = menu->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, menu, std::move(showAbout));
    return menu;
}

}  // namespace amsaview
