// amsaview: the desktop program. It starts with the input form.
#include <QApplication>
#include <memory>

#include "app/ui/AppController.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/ProgramIcon.h"
#include "app/ui/WebPages.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Amsaview"));
    QApplication::setWindowIcon(amsaview::ProgramIcon());

    amsaview::AppController controller(std::make_unique<amsaview::ModalMessageBox>(),
                                       std::make_unique<amsaview::DesktopWebPageOpener>());
    controller.start();
    return QApplication::exec();
}
