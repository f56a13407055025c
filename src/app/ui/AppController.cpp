#include "app/ui/AppController.h"

#include <QCoreApplication>

#include "app/ui/MessageBoxes.h"
#include "app/ui/WebPages.h"
#include "app/ui/frmAbout.h"
#include "input/ComputeChart.h"

namespace amsaview {

AppController::AppController(std::unique_ptr<MessageSink> messages,
                             std::unique_ptr<WebPageOpener> opener)
    : messages_(std::move(messages)), opener_(std::move(opener)), form_(*messages_, *opener_) {
    connect(&form_, &frmMain::analyzeRequested, this, &AppController::analyze);
    connect(&form_, &frmMain::aboutRequested, this, &AppController::showAbout);
    connect(&form_, &frmMain::exitRequested, this, [] { QCoreApplication::exit(0); });
    connect(&resultWindow_, &PlainResultWindow::backRequested, this, &AppController::showForm);
}

AppController::~AppController() = default;

void AppController::start() {
    form_.show();
}

void AppController::analyze() {
    if (const auto failure = ComputeChart(form_.formInput(), result_)) {
        messages_->show(&form_, QString::fromStdString(failure->message), failure->icon);
        form_.focusField(failure->focus);
        return;
    }
    resultWindow_.present(result_);
    // The result shows before the form hides, so the program never has no window.
    resultWindow_.show();
    resultWindow_.raise();
    form_.hide();
}

void AppController::showAbout() {
    auto* about = new frmAbout(*opener_, &form_);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

void AppController::showForm() {
    form_.show();
    resultWindow_.hide();
}

}  // namespace amsaview
