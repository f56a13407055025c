#include "ui/frame/HelpMenu.h"

#include <QMenu>
#include <QMenuBar>

#include "ui/frame/WebPages.h"

namespace amsaview {
namespace {

QAction* AddEntry(QMenu& menu, const char* objectName, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    return action;
}

void AddSeparator(QMenu& menu, const char* objectName) {
    menu.addSeparator()->setObjectName(QLatin1String(objectName));
}

}  // namespace

QMenu* AddHelpMenu(QMenuBar& menuBar, WebPageOpener& opener, std::function<void()> showAbout) {
    QMenu* menu = menuBar.addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    const auto openPage = [&opener](WebPage page) {
        return [&opener, page] { opener.open(WebPageUrl(page)); };
    };
    QObject::connect(AddEntry(*menu, "mnuOnline", QStringLiteral("&Online Help")),
                     &QAction::triggered, menu, openPage(WebPage::Help));
    QObject::connect(AddEntry(*menu, "mnuVisit", QStringLiteral("&Visit Us Online")),
                     &QAction::triggered, menu, openPage(WebPage::Home));
    AddSeparator(*menu, "mnuHelpSep1");
    QObject::connect(AddEntry(*menu, "mnuUpdate", QStringLiteral("Check for Software &Update")),
                     &QAction::triggered, menu, openPage(WebPage::Download));
    AddSeparator(*menu, "mnuHelpSep2");
    QObject::connect(AddEntry(*menu, "mnuAbout", QStringLiteral("&About Software")),
                     &QAction::triggered, menu, std::move(showAbout));
    return menu;
}

}  // namespace amsaview
