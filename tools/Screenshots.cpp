// amsaview-screenshot: runs the program's windows with an example birth and
// saves the README's pictures into a folder: the input form, the result with
// the birth details and the Rashi chart, and the Navamsa chart. Run it under
// a real or virtual X server.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <cstdio>
#include <memory>

#include "ui/shell/AppController.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/WebPages.h"

namespace {

QWidget& Window(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
            return *widget;
        }
    }
    std::fprintf(stderr, "amsaview-screenshot: no window %s\n", name);
    std::exit(1);
}

template <typename T>
T& Control(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(QLatin1String(name));
    if (control == nullptr) {
        std::fprintf(stderr, "amsaview-screenshot: no control %s\n", name);
        std::exit(1);
    }
    return *control;
}

void SetText(QWidget& form, const char* box, const char* text) {
    Control<QLineEdit>(form, box).setText(QLatin1String(text));
}

void Pick(QWidget& form, const char* list, int row) {
    Control<QComboBox>(form, list).setCurrentIndex(row);
}

void Save(QWidget& window, const QDir& folder, const char* file) {
    QApplication::processEvents();
    const QString path = folder.filePath(QLatin1String(file));
    if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "amsaview-screenshot: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: amsaview-screenshot FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QApplication::setWindowIcon(amsaview::ProgramIcon());
    amsaview::AppController controller(std::make_unique<amsaview::ModalMessageBox>(),
                                       std::make_unique<amsaview::DesktopWebPageOpener>());
    controller.start();

    QWidget& form = Window("frmMain");
    SetText(form, "txtName", "RAM KUMAR");
    Pick(form, "cboMonth", 2);
    Pick(form, "cboDate", 6);
    Pick(form, "cboYear", 74);
    Pick(form, "cboHH", 9);
    Pick(form, "cboMM", 5);
    SetText(form, "txtLonD", "77");
    SetText(form, "txtLonM", "12");
    SetText(form, "txtLatD", "28");
    SetText(form, "txtLatM", "36");
    SetText(form, "txtMCity", "New Delhi");
    SetText(form, "txtMState", "Delhi");
    SetText(form, "txtMCountry", "India");
    Pick(form, "cmbTimeZone", 34);
    Save(form, folder, "input-form.png");

    Control<QPushButton>(form, "cmdRashi").click();
    QWidget& result = Window("MDI");
    Save(result, folder, "result-rashi.png");

    Control<QPushButton>(result, "cmdDivisionalChart").click();
    Control<QTabBar>(result, "TabStrip1").setCurrentIndex(4);
    Save(result, folder, "result-navamsa.png");
    return 0;
}
