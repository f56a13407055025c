#include "ui/shell/AppController.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>

#include "pipeline/ComputeChart.h"
#include "pipeline/ValidateBirthData.h"
#include "qtcommon/QtText.h"
#include "register/AafFile.h"
#include "register/BirthFile.h"
#include "ui/common/ApplicationTitle.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/WebPages.h"
#include "ui/register/OpenBirthDialog.h"
#include "ui/result/frmDisplay.h"
#include "ui/settings/CalculationSettings.h"
#include "ui/settings/MethodSettings.h"
#include "ui/settings/dlgMethod.h"
#include "ui/shell/MDI.h"
#include "ui/shell/frmAbout.h"

namespace amsaview {
namespace {

const QString kBirthFileFilter =
    QStringLiteral("Birth files (*%1);;AAF files (*%2 *.AAF);;All files (*)");

QString BirthFileFilter() {
    return kBirthFileFilter.arg(QLatin1String(kBirthFileSuffix), QLatin1String(kAafSuffix));
}

// The birth commands open the window's File menu, as New and Open do in any
// desktop program.
void AddBirthCommands(QMainWindow& window, BirthMenu& commands) {
    if (auto* file = window.menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"))) {
        commands.addTo(*file, file->actions().value(0));
    }
}

QString Quoted(const std::string& name) {
    return QStringLiteral("\u201c%1\u201d").arg(Isolated(QString::fromStdString(name)));
}

// A line box's limit (QLineEdit's own): a longer text that another program
// saved reaches the form cut short.
constexpr qsizetype kLineBoxLength = 32767;

// What saving the form over `stored` would lose because the form could not
// hold it: one phrase for each text cut short.
QStringList CutShort(const FormInput& stored, const FormInput& input) {
    const std::pair<const char*, std::string FormInput::*> kTexts[] = {
        {"name", &FormInput::name},
        {"city", &FormInput::city},
        {"state", &FormInput::state},
        {"country", &FormInput::country}};
    QStringList lost;
    for (const auto& [field, text] : kTexts) {
        const qsizetype length = QString::fromStdString(stored.*text).size();
        if (length > kLineBoxLength && input.*text != stored.*text) {
            lost << QStringLiteral("the %1 has %2 characters, the form holds %3")
                        .arg(QLatin1String(field))
                        .arg(length)
                        .arg(kLineBoxLength);
        }
    }
    return lost;
}

}  // namespace

BirthStorage DefaultBirthStorage() {
    return {Register::DefaultPath(), std::make_unique<DialogFileChooser>()};
}

AppController::AppController(std::unique_ptr<MessageSink> messages,
                             std::unique_ptr<WebPageOpener> opener, LinkTargets links,
                             BirthStorage storage)
    : messages_(std::move(messages)),
      opener_(std::move(opener)),
      files_(std::move(storage.files)),
      links_(std::move(links)),
      method_(ReadMethodSettings(QSettings())),
      options_(ReadCalculationOptions(QSettings())),
      registerPath_(std::move(storage.registerPath)),
      form_(*messages_, *opener_, links_),
      blankForm_(form_.formInput()) {
    connect(&form_, &frmMain::settingsRequested, this, [this] { chooseMethod(&form_); });
    connect(&form_, &frmMain::analyzeRequested, this, &AppController::analyze);
    connect(&form_, &frmMain::aboutRequested, this, [this] { showAbout(&form_); });
    connect(&form_, &frmMain::exitRequested, this, [] { QCoreApplication::exit(0); });
    connect(&form_, &frmMain::edited, this, &AppController::refreshBirthState);
    form_.setCloseGuard([this] { return settleUnsaved(); });

    AddBirthCommands(form_, birthMenu_);
    connect(&birthMenu_, &BirthMenu::newRequested, this, &AppController::newBirth);
    connect(&birthMenu_, &BirthMenu::openRequested, this, &AppController::showOpenDialog);
    connect(&birthMenu_, &BirthMenu::saveRequested, this, [this] { saveBirth(false); });
    connect(&birthMenu_, &BirthMenu::saveAsNewRequested, this, [this] { saveBirth(true); });
    connect(&birthMenu_, &BirthMenu::deleteRequested, this, &AppController::deleteBirth);
    connect(&birthMenu_, &BirthMenu::importRequested, this, &AppController::importBirths);
    connect(&birthMenu_, &BirthMenu::exportRequested, this, [this] { exportBirths({}); });
    connect(&birthMenu_, &BirthMenu::recentChosen, this, &AppController::openBirth);
}

AppController::~AppController() {
    delete frame_;
}

void AppController::start() {
    form_.show();
    const QString note = births_.open(registerPath_);
    birthMenu_.setRegisterUsable(births_.usable(), births_.unusableReason());
    refreshBirthState();
    refreshRecent();
    if (!note.isEmpty()) {
        messages_->show(&form_, note,
                        births_.usable() ? MessageIcon::Information : MessageIcon::Critical);
    }
}

// Computes the chart on view again with the chosen method and shows it; a
// failure is told over `messagesOver` and keeps the last chart.
bool AppController::showChart(QWidget* messagesOver) {
    if (const auto failure = ComputeChart(inputOnView(), method_, result_, options_)) {
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
    const FormInput input = form_.formInput();
    if (const auto failure = ComputeChart(input, method_, result_, options_)) {
        if (resultOnView()) {
            leaveResult();
        }
        messages_->show(&form_, QString::fromStdString(failure->message), failure->icon);
        form_.focusField(failure->focus);
        return;
    }
    chartInput_ = input;
    if (frame_ == nullptr) {
        frame_ = new MDI(*opener_, links_, [this] { showAbout(frame_); });
        connect(frame_, &MDI::backRequested, this, &AppController::showForm);
        connect(frame_, &MDI::exitRequested, this, [] { QCoreApplication::exit(0); });
        connect(frame_, &MDI::settingsRequested, this, [this] { chooseMethod(frame_); });
        frame_->setCloseGuard([this] { return settleUnsaved(); });
        AddBirthCommands(*frame_, birthMenu_);
    }
    frame_->display().showResult(result_);
    refreshBirthState();
    if (form_.isVisible()) {
        placeFrameOverForm();
    }
    // The result shows before the form hides, so the program never has no window.
    frame_->show();
    frame_->raise();
    if (form_.isVisible()) {
        // Asked for again on Back: a window manager places a window anew when it
        // is shown without a place of its own.
        formPlace_ = form_.pos();
        form_.hide();
    }
}

// The place is the window's with its frame (pos), the size the inside's.
void AppController::placeFrameOverForm() {
    const QScreen* screen = form_.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect place =
        PlaceOfForm(QRect(form_.pos(), form_.size()), frame_->size(),
                    form_.frameGeometry().size() - form_.size(), screen->availableGeometry());
    frame_->resize(place.size());
    frame_->move(place.topLeft());
}

void AppController::showAbout(QWidget* over) {
    auto* about = new frmAbout(*opener_, links_, over);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

void AppController::chooseMethod(QWidget* over) {
    dlgMethod dialog(method_, options_, over);
    if (dialog.exec() != QDialog::Accepted ||
        (dialog.chosen() == method_ && dialog.chosenOptions() == options_)) {
        return;
    }
    method_ = dialog.chosen();
    options_ = dialog.chosenOptions();
    QSettings store;
    WriteMethodSettings(store, method_);
    WriteCalculationOptions(store, options_);
    // The chart on view follows the new method at once.
    if (frame_ != nullptr && frame_->isVisible()) {
        showChart(frame_);
    }
}

void AppController::showForm() {
    form_.move(formPlace_);
    form_.show();
    refreshBirthState();
}

// The frame may be in the middle of one of its own commands: it goes once
// control is back in the event loop.
void AppController::leaveResult() {
    if (frame_ != nullptr) {
        frame_->hide();
        frame_->deleteLater();
        frame_.clear();
        showForm();
    }
}

bool AppController::resultOnView() const {
    return frame_ != nullptr && frame_->isVisible();
}

QWidget* AppController::activeWindow() {
    return resultOnView() ? static_cast<QWidget*>(frame_.data()) : &form_;
}

FormInput AppController::inputOnView() const {
    return resultOnView() ? chartInput_ : form_.formInput();
}

bool AppController::settleUnsaved() {
    if (!births_.usable() || !births_.differs(inputOnView(), blankForm_)) {
        return true;
    }
    const auto& current = births_.current();
    const QString question =
        current ? QStringLiteral("Save the changes to %1?").arg(Quoted(current->form.name))
                : QStringLiteral("Save this birth?");
    switch (messages_->ask(activeWindow(), question, Question::SaveDiscardCancel)) {
        case Answer::Save:
            return saveBirth(false);
        case Answer::Discard:
            return true;
        default:
            return false;
    }
}

void AppController::refreshBirthState() {
    const auto& current = births_.current();
    const QString title = current ? QStringLiteral("%1[*] - %2")
                                        .arg(Isolated(QString::fromStdString(current->form.name)),
                                             QLatin1String(kApplicationTitle))
                                  : QStringLiteral("%1[*]").arg(QLatin1String(kApplicationTitle));
    const bool modified = births_.usable() && births_.differs(inputOnView(), blankForm_);
    for (QWidget* window : {static_cast<QWidget*>(&form_), static_cast<QWidget*>(frame_.data())}) {
        if (window != nullptr) {
            window->setWindowTitle(title);
            window->setWindowModified(modified);
        }
    }
    birthMenu_.setCanDelete(current.has_value());
}

void AppController::refreshRecent() {
    if (births_.usable()) {
        const auto recent = births_.store().recent();
        birthMenu_.setRecent(recent ? recent.value() : std::vector<BirthSummary>{});
    }
}

void AppController::newBirth() {
    if (!settleUnsaved()) {
        return;
    }
    leaveResult();
    births_.forget();
    form_.setFormInput(blankForm_);
    form_.focusField(FormField::Name);
    refreshBirthState();
}

void AppController::showOpenDialog() {
    auto* dialog = new OpenBirthDialog(
        [this](const QString& filter) { return births_.store().search(filter); }, activeWindow());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &OpenBirthDialog::birthChosen, this, &AppController::openBirth);
    connect(dialog, &OpenBirthDialog::exportRequested, this, &AppController::exportBirths);
    connect(dialog, &OpenBirthDialog::deleteRequested, this,
            [this, dialog](const QList<BirthId>& ids) { deleteBirths(ids, *dialog); });
    dialog->open();
}

void AppController::openBirth(BirthId id) {
    if (!settleUnsaved()) {
        return;
    }
    const auto loaded = births_.openBirth(id);
    if (!loaded) {
        messages_->show(activeWindow(), loaded.error(), MessageIcon::Critical);
        return;
    }
    form_.setFormInput(loaded.value().form);
    refreshRecent();
    analyze();
}

bool AppController::saveBirth(bool asNew) {
    const FormInput input = inputOnView();
    if (const auto failure = ValidateBirthData(input)) {
        messages_->show(activeWindow(), QString::fromStdString(failure->message), failure->icon);
        form_.focusField(failure->focus);
        return false;
    }
    if (const auto& current = births_.current(); current && !asNew) {
        const QStringList lost = CutShort(current->form, input);
        if (!lost.isEmpty() &&
            messages_->ask(activeWindow(),
                           QStringLiteral("The saved birth is longer than the form can hold: %1. "
                                          "Saving keeps only what the form shows and loses the "
                                          "rest. Save anyway?")
                               .arg(lost.join(QStringLiteral("; "))),
                           Question::YesNo) != Answer::Yes) {
            return false;
        }
    }
    const auto saved = asNew ? births_.saveAsNew(input) : births_.save(input);
    if (!saved) {
        messages_->show(activeWindow(), saved.error(), MessageIcon::Critical);
    }
    refreshBirthState();
    refreshRecent();
    return saved.ok();
}

void AppController::deleteBirth() {
    const auto& current = births_.current();
    if (!current) {
        return;
    }
    const QString question = QStringLiteral("Delete the saved birth %1? This cannot be undone.")
                                 .arg(Quoted(current->form.name));
    if (messages_->ask(activeWindow(), question, Question::YesNo) != Answer::Yes) {
        return;
    }
    if (const auto removed = births_.removeCurrent(); !removed) {
        messages_->show(activeWindow(), removed.error(), MessageIcon::Critical);
    }
    refreshBirthState();
    refreshRecent();
}

void AppController::deleteBirths(const QList<BirthId>& ids, OpenBirthDialog& dialog) {
    const QString question =
        ids.size() == 1 ? QStringLiteral("Delete the selected birth? This cannot be undone.")
                        : QStringLiteral("Delete the %1 selected births? This cannot be undone.")
                              .arg(ids.size());
    if (messages_->ask(&dialog, question, Question::YesNo) != Answer::Yes) {
        return;
    }
    if (const auto removed = births_.remove(ids); !removed) {
        messages_->show(&dialog, removed.error(), MessageIcon::Critical);
    }
    dialog.refresh();
    refreshBirthState();
    refreshRecent();
}

void AppController::importBirths() {
    QWidget* over = activeWindow();
    const QString path =
        files_->fileToRead(over, QStringLiteral("Import Births"), BirthFileFilter());
    if (path.isEmpty()) {
        return;
    }
    const auto read = ImportBirths(path);
    if (!read) {
        messages_->show(over, read.error(), MessageIcon::Critical);
        return;
    }
    const auto saved = births_.store().importNew(read.value().births);
    if (!saved) {
        messages_->show(over, saved.error(), MessageIcon::Critical);
        return;
    }
    const auto count = saved.value().ids.size();
    QString report =
        QStringLiteral("%1 %2 imported from %3")
            .arg(count)
            .arg(count == 1 ? QStringLiteral("birth") : QStringLiteral("births"), path);
    const int already = saved.value().alreadySaved;
    report +=
        already == 0 ? QStringLiteral(".") : QStringLiteral(", %1 already saved.").arg(already);
    const QStringList& skipped = read.value().skipped;
    if (!skipped.isEmpty()) {
        report += QStringLiteral("\n\nNot imported:\n") + skipped.join(u'\n');
    }
    messages_->show(over, report, MessageIcon::Information);
    refreshRecent();
}

// The births given, or every saved birth when none is given.
void AppController::exportBirths(const QList<BirthId>& ids) {
    QWidget* over = QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget()
                                                                 : activeWindow();
    std::vector<SavedBirth> chosen;
    if (ids.isEmpty()) {
        auto all = births_.store().loadAll();
        if (!all) {
            messages_->show(over, all.error(), MessageIcon::Critical);
            return;
        }
        chosen = std::move(all).value();
    } else {
        for (const BirthId id : ids) {
            auto birth = births_.store().load(id);
            if (!birth) {
                messages_->show(over, birth.error(), MessageIcon::Critical);
                return;
            }
            chosen.push_back(std::move(birth).value());
        }
    }
    const QString suggested = QStringLiteral("births%1").arg(QLatin1String(kBirthFileSuffix));
    QString path =
        files_->fileToWrite(over, QStringLiteral("Export Births"), suggested, BirthFileFilter());
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QLatin1String(kBirthFileSuffix)) && !IsAafPath(path)) {
        path += QLatin1String(kBirthFileSuffix);
    }
    if (const auto written = ExportBirths(path, chosen); !written) {
        messages_->show(over, written.error(), MessageIcon::Critical);
        return;
    }
    messages_->show(
        over,
        QStringLiteral("%1 %2 exported to %3.")
            .arg(chosen.size())
            .arg(chosen.size() == 1 ? QStringLiteral("birth") : QStringLiteral("births"), path),
        MessageIcon::Information);
}

}  // namespace amsaview
