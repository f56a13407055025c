// amsaview: the desktop program. It starts with the input form, unless
// another copy already runs.
#include <QApplication>
#include <memory>

#include "app/ui/AppController.h"
#include "app/ui/InstanceLock.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/ProgramIcon.h"
#include "app/ui/WebPages.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Amsaview"));
    QApplication::setDesktopFileName(QStringLiteral("amsaview"));
    QApplication::setWindowIcon(amsaview::ProgramIcon());

    amsaview::InstanceLock lock(amsaview::DefaultInstanceLockPath());
    auto messages = std::make_unique<amsaview::ModalMessageBox>();
    if (!amsaview::ClaimOnlyInstance(lock, *messages)) {
        return 0;
    }

    amsaview::AppController controller(std::move(messages),
                                       std::make_unique<amsaview::DesktopWebPageOpener>());
    controller.start();
    return QApplication::exec();
}
