// amsaview: the desktop program. It starts with the input form, unless
// another copy already runs.
#include <QApplication>
#include <iostream>
#include <memory>

#include "ui/common/MessageBoxes.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/WebPages.h"
#include "ui/settings/SettingsFolder.h"
#include "ui/shell/AppController.h"
#include "ui/shell/InstanceLock.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString settingsProblem = amsaview::UseProgramSettingsFolder();
    QApplication::setDesktopFileName(QStringLiteral("amsaview"));
    QApplication::setWindowIcon(amsaview::ProgramIcon());

    amsaview::InstanceLock lock(amsaview::DefaultInstanceLockPath());
    auto messages = std::make_unique<amsaview::ModalMessageBox>();
    if (!amsaview::ClaimOnlyInstance(lock, *messages, std::cerr)) {
        return 0;
    }

    amsaview::AppController controller(std::move(messages),
                                       std::make_unique<amsaview::DesktopWebPageOpener>());
    controller.start();
    if (!settingsProblem.isEmpty()) {
        amsaview::ModalMessageBox().show(nullptr, settingsProblem, amsaview::MessageIcon::Critical);
    }
    return QApplication::exec();
}
