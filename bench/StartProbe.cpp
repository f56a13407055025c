// amsaview-start-probe: starts the program's windows as the program does and
// reports on standard output, for the window benchmark:
//   start    prints "painted" once the input form is on the screen;
//   compute  then computes the example birth and, once the result window is
//            on the screen, prints "rss KILOBYTES" (the resident memory).
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "ExampleEntry.h"
#include "ui/shell/AppController.h"
#include "ui/shell/InstanceLock.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/WebPages.h"

namespace {

long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

int Report(const std::string& text) {
    std::puts(text.c_str());
    std::fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool compute = argc == 2 && std::strcmp(argv[1], "compute") == 0;
    QApplication app(argc, argv);
    // The saved births of a test location, never the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setApplicationName(QStringLiteral("Amsaview"));
    QApplication::setWindowIcon(amsaview::ProgramIcon());
    // A lock of its own, so that a running Amsaview does not stop the probe.
    QTemporaryDir lockFolder;
    amsaview::InstanceLock lock(lockFolder.filePath(QStringLiteral("amsaview.lock")));
    auto messages = std::make_unique<amsaview::ModalMessageBox>();
    if (!amsaview::ClaimOnlyInstance(lock, *messages, std::cerr)) {
        return 1;
    }

    amsaview::bench::PaintWatch formPainted("frmMain");
    amsaview::bench::PaintWatch resultPainted("frmDisplay");
    amsaview::AppController controller(std::move(messages),
                                       std::make_unique<amsaview::DesktopWebPageOpener>());
    controller.start();
    while (!formPainted.painted()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (!compute) {
        return Report("painted");
    }

    QWidget& form = *amsaview::bench::ShownWindow("frmMain");
    amsaview::bench::EnterExampleBirth(form);
    form.findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();
    while (!resultPainted.painted()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QApplication::processEvents();
    return Report("rss " + std::to_string(ResidentKilobytes()));
}
