// amsaview: the desktop program. It starts with the input form, unless
// another copy already runs.
#include <QApplication>
#include <iostream>
#include <memory>

#include "ui/shell/AppController.h"
#include "ui/shell/InstanceLock.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/WebPages.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Amsaview"));
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
    return QApplication::exec();
}
