#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

#include "pipeline/ChartResult.h"
#include "ui/common/FileChooser.h"
#include "ui/common/WebPages.h"
#include "ui/form/frmMain.h"
#include "ui/register/BirthKeeper.h"
#include "ui/register/BirthMenu.h"

namespace amsaview {

class MDI;
class OpenBirthDialog;
class MessageSink;

// Where the saved births live and how the user picks files for them.
struct BirthStorage {
    QString registerPath;
    std::unique_ptr<FileChooser> files;
};
BirthStorage DefaultBirthStorage();

// Holds the one chart of the run and moves the user between the input form
// and the result: a failed check stays on the form, a computed chart replaces
// it, Back returns to it with every entry kept. It keeps the saved births
// too: which one is on view, and whether the form still matches it.
class AppController final : public QObject {
    Q_OBJECT
  public:
    AppController(std::unique_ptr<MessageSink> messages, std::unique_ptr<WebPageOpener> opener,
                  LinkTargets links = LinkTargetsOfThisBuild(),
                  BirthStorage storage = DefaultBirthStorage());
    ~AppController() override;

    // Shows the form and opens the register, saying so once when it cannot.
    void start();

  private:
    void analyze();
    void showAbout(QWidget* over);
    void showForm();
    void chooseMethod(QWidget* over);
    bool showChart(QWidget* messagesOver);
    void leaveResult();
    void placeFrameOverForm();
    bool resultOnView() const;
    QWidget* activeWindow();

    // The birth that produced the chart on view, or the form's entries.
    FormInput inputOnView() const;
    // Asks about unsaved changes; false when the user would rather stay.
    bool settleUnsaved();
    // The title and its "*", and what Delete can act on; cheap enough for every keystroke.
    void refreshBirthState();
    void refreshRecent();

    void newBirth();
    void showOpenDialog();
    void openBirth(BirthId id);
    bool saveBirth(bool asNew);
    void deleteBirth();
    void deleteBirths(const QList<BirthId>& ids, OpenBirthDialog& dialog);
    void importBirths();
    void exportBirths(const QList<BirthId>& ids);

    std::unique_ptr<MessageSink> messages_;
    std::unique_ptr<WebPageOpener> opener_;
    std::unique_ptr<FileChooser> files_;
    LinkTargets links_;
    EphemerisSettings method_;    // kept between runs in QSettings
    CalculationOptions options_;  // the same
    QString registerPath_;
    BirthKeeper births_;
    BirthMenu birthMenu_;
    ChartResult result_;
    FormInput chartInput_;
    frmMain form_;
    FormInput blankForm_;
    QPoint formPlace_;
    QPointer<MDI> frame_;  // exists while a result is on view; it unloads itself on Back
};

}  // namespace amsaview
