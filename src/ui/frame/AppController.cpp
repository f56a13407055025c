#include "ui/frame/AppController.h"

#include <QCoreApplication>
#include <QSettings>

#include "pipeline/ComputeChart.h"
#include "ui/frame/MDI.h"
#include "ui/frame/MessageBoxes.h"
#include "ui/frame/MethodSettings.h"
#include "ui/frame/WebPages.h"
#include "ui/frame/dlgMethod.h"
#include "ui/frame/frmAbout.h"
#include "ui/result/frmDisplay.h"

namespace amsaview {

AppController::AppController(std::unique_ptr<MessageSink> messages,
                             std::unique_ptr<WebPageOpener> opener, LinkTargets links)
    : messages_(std::move(messages)),
      opener_(std::move(opener)),
      links_(std::move(links)),
      method_(ReadMethodSettings(QSettings())),
      form_(*messages_, *opener_, links_) {
    connect(&form_, &frmMain::settingsRequested, this, [this] { chooseMethod(&form_); });
    connect(&form_, &frmMain::analyzeRequested, this, &AppController::analyze);
    connect(&form_, &frmMain::aboutRequested, this, [this] { showAbout(&form_); });
    connect(&form_, &frmMain::exitRequested, this, [] { QCoreApplication::exit(0); });
}

AppController::~AppController() {
    delete frame_;
}

void AppController::start() {
    form_.show();
}

// Computes the form's chart with the chosen method and shows it in the frame
// when one is open; a failure is told over `messagesOver` and keeps the last chart.
bool AppController::showChart(QWidget* messagesOver) {
    if (const auto failure = ComputeChart(form_.formInput(), method_, result_)) {
        messages_->show(messagesOver, QString::fromStdString(failure->message), failure->icon);
        if (messagesOver == &form_) {
            form_.focusField(failure->focus);
        }
        return false;
    }
    if (frame_ != nullptr) {
        frame_->display().showResult(result_);
    }
    return true;
}

void AppController::analyze() {
    if (!showChart(&form_)) {
        return;
    }
    if (frame_ == nullptr) {
        frame_ = new MDI(*opener_, links_, [this] { showAbout(frame_); });
        connect(frame_, &MDI::backRequested, this, &AppController::showForm);
        connect(frame_, &MDI::exitRequested, this, [] { QCoreApplication::exit(0); });
        connect(frame_, &MDI::settingsRequested, this, [this] { chooseMethod(frame_); });
    }
    frame_->display().showResult(result_);
    // The result shows before the form hides, so the program never has no window.
    frame_->show();
    frame_->raise();
    // Asked for again on Back: a window manager places a window anew when it
    // is shown without a place of its own.
    formPlace_ = form_.pos();
    form_.hide();
}

void AppController::showAbout(QWidget* over) {
    auto* about = new frmAbout(*opener_, links_, over);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

void AppController::chooseMethod(QWidget* over) {
    dlgMethod dialog(method_, over);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() == method_) {
        return;
    }
    method_ = dialog.chosen();
    QSettings store;
    WriteMethodSettings(store, method_);
    // The chart on view follows the new method at once.
    if (frame_ != nullptr && frame_->isVisible()) {
        showChart(frame_);
    }
}

void AppController::showForm() {
    form_.move(formPlace_);
    form_.show();
}

}  // namespace amsaview
