#pragma once

#include <QObject>
#include <memory>

#include "app/ui/PlainResultWindow.h"
#include "input/ChartResult.h"
#include "input/ui/frmMain.h"

namespace amsaview {

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
    void showAbout();
    void showForm();

    std::unique_ptr<MessageSink> messages_;
    std::unique_ptr<WebPageOpener> opener_;
    ChartResult result_;
    frmMain form_;
    PlainResultWindow resultWindow_;
};

}  // namespace amsaview
