#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "pipeline/ChartResult.h"
#include "ui/form/frmMain.h"

namespace amsaview {

class MDI;
class MessageSink;
class WebPageOpener;

// Holds the one chart of the run and moves the user between the input form
// and the result: a failed check stays on the form, a computed chart replaces
// it, Back returns to it with every entry kept.
class AppController final : public QObject {
    Q_OBJECT
  public:
    AppController(std::unique_ptr<MessageSink> messages, std::unique_ptr<WebPageOpener> opener);
    ~AppController() override;

    void start();

  private:
    void analyze();
    void showAbout(QWidget* over);
    void showForm();

    std::unique_ptr<MessageSink> messages_;
    std::unique_ptr<WebPageOpener> opener_;
    ChartResult result_;
    frmMain form_;
    QPointer<MDI> frame_;  // exists while a result is on view; it unloads itself on Back
};

}  // namespace amsaview
