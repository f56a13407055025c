// amsaview-screenshot: draws the input form with an example birth and saves
// it as a PNG, for the README. Run it under a real or virtual X server.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>

#include "app/ui/MessageBoxes.h"
#include "app/ui/ProgramIcon.h"
#include "app/ui/WebPages.h"
#include "input/ui/frmMain.h"

namespace {

void SetText(QWidget& form, const char* box, const char* text) {
    form.findChild<QLineEdit*>(QLatin1String(box))->setText(QLatin1String(text));
}

void Pick(QWidget& form, const char* list, int row) {
    form.findChild<QComboBox*>(QLatin1String(list))->setCurrentIndex(row);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: amsaview-screenshot OUTPUT.png\n");
        return 2;
    }
    QApplication::setWindowIcon(amsaview::ProgramIcon());
    amsaview::ModalMessageBox messages;
    amsaview::DesktopWebPageOpener opener;
    amsaview::frmMain form(messages, opener);

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

    form.show();
    QApplication::processEvents();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "amsaview-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
