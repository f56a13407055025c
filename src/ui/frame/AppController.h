#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "pipeline/ChartResult.h"
#include "ui/form/frmMain.h"
#include "ui/frame/WebPages.h"

namespace amsaview {

class MDI;
class MessageSink;

// Holds the one chart of the run and moves the user between the input form
// and the result: a failed check stays on the form, a computed chart replaces
// it, Back returns to it with every entry kept.
class AppController final : public QObject {
    Q_OBJECT
  public:
    AppController(std::unique_ptr<MessageSink> messages, std::unique_ptr<WebPageOpener> opener,
                  LinkTargets links = LinkTargetsOfThisBuild());
    ~AppController() override;

    void start();

  private:
    void analyze();
    void showAbout(QWidget* over);
    void showForm();
    void chooseMethod(QWidget* over);
    bool showChart(QWidget* messagesOver);

    std::unique_ptr<MessageSink> messages_;
    std::unique_ptr<WebPageOpener> opener_;
    LinkTargets links_;
    EphemerisSettings method_;  // kept between runs in QSettings
    ChartResult result_;
    frmMain form_;
    QPoint formPlace_;
    QPointer<MDI> frame_;  // exists while a result is on view; it unloads itself on Back
};

}  // namespace amsaview
