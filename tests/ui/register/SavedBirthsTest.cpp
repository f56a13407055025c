// The saved births through the windows: Save, Open, the "*" in the title, the
// question on leaving, Delete, the recent births, New, birth files and a
// register that cannot be opened. Each test starts a program over a register
// of its own in a temporary folder.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "register/BirthFile.h"
#include "register/Register.h"
#include "support/FindChild.h"
#include "support/FormExamples.h"
#include "support/PickAtlasPlace.h"
#include "support/RecordingSeams.h"
#include "ui/form/frmMain.h"
#include "ui/register/BirthListModel.h"
#include "ui/register/OpenBirthDialog.h"
#include "ui/shell/AppController.h"

namespace amsaview {
namespace {

using testing::Child;

QWidget* TopLevel(const char* name, bool shownOnly = true) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && !(shownOnly && widget->isHidden())) {
            return widget;
        }
    }
    return nullptr;
}

// Every field away from the form's start, texts with quotes and accents.
FormInput Sita() {
    FormInput form = testing::DelhiForm(1984, 11, 30, 23, 59);
    form.name = "SITA O'BRIEN-ZOË";
    form.secondRow = 42;
    form.lonDegrees = "118";
    form.lonMinutes = "15";
    form.east = false;
    form.latDegrees = "33";
    form.latMinutes = "56";
    form.south = true;
    form.city = "São Paulo";
    form.state = "\"SP\"";
    form.country = "Brasil";
    form.zoneRow = 12;
    form.dst = true;
    return form;
}

FormInput Named(const char* name) {
    FormInput form = testing::DelhiForm(1975, 3, 7, 9, 5);
    form.name = name;
    return form;
}

// A command as the window's menus offer it, in submenus too.
QAction* MenuCommand(const QList<QAction*>& actions, const QString& name) {
    for (QAction* action : actions) {
        if (action->objectName() == name) {
            return action;
        }
        if (action->menu() != nullptr) {
            if (QAction* inner = MenuCommand(action->menu()->actions(), name)) {
                return inner;
            }
        }
    }
    return nullptr;
}

QAction& MenuCommand(QMainWindow& window, const char* name) {
    QAction* found = MenuCommand(window.menuBar()->actions(), QLatin1String(name));
    if (found == nullptr) {
        qFatal("no command %s", name);
    }
    return *found;
}

// Every text of the result window, by element: the chart as the user sees it.
QMap<QString, QString> ShownChart() {
    QMap<QString, QString> texts;
    QWidget* frame = TopLevel("MDI");
    if (frame == nullptr) {
        return texts;
    }
    for (const QLabel* label : frame->findChildren<QLabel*>()) {
        if (!label->objectName().isEmpty()) {
            texts.insert(label->objectName(), label->text());
        }
    }
    return texts;
}

}  // namespace
}  // namespace amsaview

Q_DECLARE_METATYPE(amsaview::Answer)

namespace amsaview {

class SavedBirthsTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void listTexts();
    void saveThenOpenBringsBackEveryFieldAndTheSameChart();
    void saveFromTheResultSavesTheChartOnView();
    void titleMarksUnsavedChanges();
    void aSecondSaveUpdatesAndSaveAsNewAdds();
    void leavingWithUnsavedChangesAsks_data();
    void leavingWithUnsavedChangesAsks();
    void deleteAsksFirst();
    void recentBirthsLatestFirstAndFiveAtMost();
    void newClearsTheForm();
    void openDialogFiltersAsTheUserTypes();
    void importIsAllOrNothing();
    void importSkipsBirthsSavedAlreadyAndLeavesRecentAlone();
    void openDialogDeletesTheSelectedBirthsAfterAsking();
    void exportWritesTheSelectedBirths();
    void anUnopenableRegisterLeavesChartsWorking();
    void aDamagedRegisterIsMovedAsideAndReported();
    void aSavedBirthReopensAfterARestart();
    void anAtlasClockReopensWithItsBirth();
    void fileMenusOpenWithBirthsAndTheirKeysDiffer();
    void aBirthTooLongForTheFormIsNotCutShortUnasked();

  private:
    void startProgram(const QString& registerPath);
    QString registerPath() const { return folder_->filePath(QStringLiteral("births.sqlite")); }
    frmMain& form() const { return *qobject_cast<frmMain*>(TopLevel("frmMain", false)); }
    QMainWindow* shownWindow() const {
        QWidget* frame = TopLevel("MDI");
        return qobject_cast<QMainWindow*>(frame != nullptr ? frame : TopLevel("frmMain"));
    }
    void command(const char* name) const { MenuCommand(*shownWindow(), name).trigger(); }
    void saveAs(const FormInput& input) {
        form().setFormInput(input);
        command("mnuSave");
    }
    OpenBirthDialog& openDialog() {
        command("mnuOpen");
        auto* dialog = shownWindow()->findChild<OpenBirthDialog*>();
        if (dialog == nullptr) {
            qFatal("no Open dialog");
        }
        return *dialog;
    }
    int savedCount() const {
        Register store;
        const auto opened = store.open(registerPath());
        return opened ? store.count().value() : -1;
    }
    QStringList recentNames() const {
        QStringList names;
        for (QAction* item : MenuCommand(*shownWindow(), "mnuRecentMenu").menu()->actions()) {
            names << item->text().section(QLatin1Char(' '), 1);
        }
        return names;
    }

    std::unique_ptr<QTemporaryDir> folder_;
    testing::RecordingMessageSink* messages_ = nullptr;
    testing::FixedFileChooser* files_ = nullptr;
    std::unique_ptr<AppController> controller_;
};

void SavedBirthsTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    startProgram(registerPath());
}

void SavedBirthsTest::startProgram(const QString& path) {
    controller_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto messages = std::make_unique<testing::RecordingMessageSink>();
    auto files = std::make_unique<testing::FixedFileChooser>();
    messages_ = messages.get();
    files_ = files.get();
    controller_ = std::make_unique<AppController>(
        std::move(messages), std::make_unique<testing::RecordingWebPageOpener>(), LinkTargets{},
        BirthStorage{path, std::move(files)});
    controller_->start();
}

void SavedBirthsTest::cleanup() {
    controller_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    folder_.reset();
}

void SavedBirthsTest::listTexts() {
    struct Case {
        const char* what;
        BirthSummary birth;
        const char* date;
        const char* time;
        const char* place;
    };
    const Case cases[] = {
        {"every part",
         {1, "A", 1901, 1, 1, 0, 0, 0, "Pune", "Maharashtra", "India"},
         "1901-01-01",
         "00:00:00",
         "\u2068Pune\u2069, \u2068Maharashtra\u2069, \u2068India\u2069"},
        {"no state",
         {2, "B", 2050, 12, 31, 23, 59, 59, "London", "", "UK"},
         "2050-12-31",
         "23:59:59",
         "\u2068London\u2069, \u2068UK\u2069"},
        {"blank parts",
         {3, "C", 1975, 3, 7, 9, 5, 0, "  ", "", "India"},
         "1975-03-07",
         "09:05:00",
         "\u2068India\u2069"},
        {"an override kept to its own part",
         {5, "E", 2000, 1, 1, 0, 0, 0, "X\u202eY", "", "India"},
         "2000-01-01",
         "00:00:00",
         "\u2068X\u202eY\u2069, \u2068India\u2069"},
        {"no place", {4, "D", 2000, 10, 9, 12, 30, 7, "", "", ""}, "2000-10-09", "12:30:07", ""},
    };
    for (const Case& c : cases) {
        QVERIFY2(BirthDateText(c.birth) == QLatin1String(c.date), c.what);
        QVERIFY2(BirthTimeText(c.birth) == QLatin1String(c.time), c.what);
        QVERIFY2(BirthPlaceText(c.birth) == QString::fromUtf8(c.place), c.what);
    }
}

void SavedBirthsTest::saveThenOpenBringsBackEveryFieldAndTheSameChart() {
    form().setFormInput(Sita());
    MenuCommand(form(), "mnuNext").trigger();
    const auto chart = ShownChart();
    QVERIFY(!chart.isEmpty());
    command("mnuSave");
    QVERIFY(messages_->shown.isEmpty());

    command("mnuNew");
    QCOMPARE(form().formInput(), FormInput{});
    QVERIFY(TopLevel("MDI") == nullptr);

    OpenBirthDialog& dialog = openDialog();
    QTest::keyClicks(&Child<QLineEdit>(dialog, QStringLiteral("txtSearch")),
                     QStringLiteral("sita"));
    QCOMPARE(dialog.shownCount(), 1);
    QTest::keyClick(&Child<QLineEdit>(dialog, QStringLiteral("txtSearch")), Qt::Key_Return);

    QVERIFY(messages_->shown.isEmpty());
    QCOMPARE(form().formInput(), Sita());
    QCOMPARE(ShownChart(), chart);
    QVERIFY(!shownWindow()->isWindowModified());
}

void SavedBirthsTest::saveFromTheResultSavesTheChartOnView() {
    form().setFormInput(Named("RAMA"));
    MenuCommand(form(), "mnuNext").trigger();
    QVERIFY(TopLevel("MDI") != nullptr);
    command("mnuSave");
    QCOMPARE(savedCount(), 1);
    QVERIFY(shownWindow()->windowTitle().startsWith(QStringLiteral("\u2068RAMA\u2069[*] - ")));
    QVERIFY(!shownWindow()->isWindowModified());
}

void SavedBirthsTest::titleMarksUnsavedChanges() {
    QVERIFY(!form().isWindowModified());  // the form as it starts is nothing to save

    auto& name = Child<QLineEdit>(form(), QStringLiteral("txtName"));
    QTest::keyClicks(&name, QStringLiteral("gita"));
    QVERIFY(form().isWindowModified());
    form().setFormInput(Named("GITA"));
    command("mnuSave");
    QVERIFY(!form().isWindowModified());
    QCOMPARE(form().windowTitle(), QStringLiteral("\u2068GITA\u2069[*] - Amsaview v1.80"));

    auto& city = Child<QLineEdit>(form(), QStringLiteral("txtMCity"));
    const QString saved = city.text();
    QTest::keyClicks(&city, QStringLiteral("x"));
    QVERIFY(form().isWindowModified());
    city.setText(saved);  // back as it was saved: nothing to save
    QVERIFY(!form().isWindowModified());
}

void SavedBirthsTest::aSecondSaveUpdatesAndSaveAsNewAdds() {
    saveAs(Named("HARI"));
    saveAs(Named("HARI PRASAD"));
    QCOMPARE(savedCount(), 1);
    QCOMPARE(openDialog().shownCount(), 1);
    QCOMPARE(recentNames(), QStringList{QStringLiteral("HARI PRASAD")});

    // The key goes to the form, not to the dialog over it.
    for (OpenBirthDialog* dialog : form().findChildren<OpenBirthDialog*>()) {
        dialog->reject();
    }
    form().setFormInput(Named("HARI COPY"));
    form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form()));
    QCOMPARE(MenuCommand(form(), "mnuSaveAsNew").shortcut(),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QTest::keyClick(&form(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(savedCount(), 2);
    QCOMPARE(form().windowTitle(), QStringLiteral("\u2068HARI COPY\u2069[*] - Amsaview v1.80"));
}

void SavedBirthsTest::leavingWithUnsavedChangesAsks_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("saved");
    QTest::newRow("Cancel keeps running") << Answer::Cancel << false << 0;
    QTest::newRow("Discard leaves") << Answer::Discard << true << 0;
    QTest::newRow("Save saves, then leaves") << Answer::Save << true << 1;
}

void SavedBirthsTest::leavingWithUnsavedChangesAsks() {
    QFETCH(Answer, answer);
    QFETCH(bool, closes);
    QFETCH(int, saved);

    form().setFormInput(Named("UMA"));
    for (const bool fromResult : {false, true}) {
        if (fromResult) {
            if (!closes) {
                MenuCommand(form(), "mnuNext").trigger();
            } else {
                break;  // the form has closed
            }
        }
        messages_->asked.clear();
        messages_->answers = {answer};
        QCOMPARE(shownWindow()->close(), closes);
        QCOMPARE(messages_->asked, QStringList{QStringLiteral("Save this birth?")});
        QCOMPARE(savedCount(), saved);
    }

    // Nothing unsaved: no question.
    if (!closes) {
        command("mnuSave");
        messages_->asked.clear();
        QVERIFY(shownWindow()->close());
        QVERIFY(messages_->asked.isEmpty());
    }
}

void SavedBirthsTest::deleteAsksFirst() {
    QVERIFY(!MenuCommand(form(), "mnuDelete").isEnabled());
    saveAs(Named("KALI"));
    QVERIFY(MenuCommand(form(), "mnuDelete").isEnabled());

    messages_->answers = {Answer::No};
    command("mnuDelete");
    QCOMPARE(messages_->asked.size(), 1);
    QVERIFY(messages_->asked.front().contains(QStringLiteral("KALI")));
    QCOMPARE(savedCount(), 1);

    messages_->answers = {Answer::Yes};
    command("mnuDelete");
    QCOMPARE(savedCount(), 0);
    QVERIFY(!MenuCommand(form(), "mnuDelete").isEnabled());
    QVERIFY(recentNames().isEmpty());
    // What the form holds is no longer saved anywhere.
    QVERIFY(form().isWindowModified());
    QCOMPARE(form().formInput(), Named("KALI"));
}

void SavedBirthsTest::recentBirthsLatestFirstAndFiveAtMost() {
    for (const char* name : {"ONE", "TWO", "THREE"}) {
        form().setFormInput(Named(name));
        command("mnuSaveAsNew");
    }
    QCOMPARE(recentNames(), (QStringList{"THREE", "TWO", "ONE"}));

    command("mnuRecent_2");  // ONE, opened with its chart
    QCOMPARE(form().formInput(), Named("ONE"));
    QVERIFY(TopLevel("MDI") != nullptr);
    QCOMPARE(recentNames(), (QStringList{"ONE", "THREE", "TWO"}));

    command("mnuNew");
    for (const char* name : {"FOUR", "FIVE", "SIX"}) {
        form().setFormInput(Named(name));
        command("mnuSaveAsNew");
    }
    QCOMPARE(recentNames(), (QStringList{"SIX", "FIVE", "FOUR", "ONE", "THREE"}));
}

void SavedBirthsTest::newClearsTheForm() {
    const FormInput start = form().formInput();
    saveAs(Named("DEVI"));
    form().setFormInput(Sita());
    Child<QLineEdit>(form(), QStringLiteral("txtMCity")).setFocus();
    messages_->answers = {Answer::Discard};
    command("mnuNew");
    QCOMPARE(messages_->asked.size(), 1);
    QCOMPARE(form().formInput(), start);
    QCOMPARE(form().focusWidget(), &Child<QLineEdit>(form(), QStringLiteral("txtName")));
    QCOMPARE(form().windowTitle(), QStringLiteral("Amsaview v1.80[*]"));
    QVERIFY(!form().isWindowModified());
    QVERIFY(!MenuCommand(form(), "mnuDelete").isEnabled());
    QCOMPARE(savedCount(), 1);  // Discard kept the saved birth as it was
}

void SavedBirthsTest::openDialogFiltersAsTheUserTypes() {
    const struct {
        const char* name;
        const char* city;
        int year;
    } births[] = {{"ZARA", "Pune", 1990}, {"AMAR", "Chennai", 1975}, {"MIRA", "Pune", 1975}};
    for (const auto& birth : births) {
        FormInput input = testing::DelhiForm(birth.year, 1, 2, 3, 4);
        input.name = birth.name;
        input.city = birth.city;
        form().setFormInput(input);
        command("mnuSaveAsNew");
    }
    OpenBirthDialog& dialog = openDialog();
    auto& list = Child<QTreeView>(dialog, QStringLiteral("lstBirths"));
    const auto names = [&list] {
        QStringList shown;
        for (int row = 0; row < list.model()->rowCount(); ++row) {
            shown << list.model()->index(row, 0).data().toString();
        }
        return shown;
    };
    QCOMPARE(names(), (QStringList{"AMAR", "MIRA", "ZARA"}));  // by name
    QCOMPARE(list.model()->index(0, 1).data().toString(), QStringLiteral("1975-01-02"));
    QCOMPARE(list.model()->index(0, 2).data().toString(), QStringLiteral("03:04:00"));
    QCOMPARE(list.model()->index(0, 3).data().toString(),
             QStringLiteral("\u2068Chennai\u2069, \u2068Delhi\u2069, \u2068India\u2069"));

    auto& search = Child<QLineEdit>(dialog, QStringLiteral("txtSearch"));
    const struct {
        const char* typed;
        QStringList expected;
    } filters[] = {{"pune", {"MIRA", "ZARA"}},
                   {"1975", {"AMAR", "MIRA"}},
                   {"pune 1975", {"MIRA"}},
                   {"mi", {"MIRA"}},
                   {"nobody", {}},
                   {"", {"AMAR", "MIRA", "ZARA"}}};
    for (const auto& filter : filters) {
        search.clear();
        QTest::keyClicks(&search, QLatin1String(filter.typed));
        QVERIFY2(names() == filter.expected, filter.typed);
    }

    // A double-click opens the birth under the pointer.
    search.clear();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect row = list.visualRect(list.model()->index(2, 0));
    QVERIFY(!row.isEmpty());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row.center());
    QTRY_VERIFY(TopLevel("MDI") != nullptr);
    QCOMPARE(form().formInput().name, std::string("ZARA"));
}

void SavedBirthsTest::importIsAllOrNothing() {
    SavedBirth first;
    first.form = Named("ASHA");
    SavedBirth second;
    second.form = Named("BELA");
    const QJsonDocument good = QJsonDocument::fromJson(BirthsToJson({first, second}));
    QJsonObject file = good.object();
    QJsonArray births = file.value(QStringLiteral("births")).toArray();
    QJsonObject bad = births.at(1).toObject();
    bad.insert(QStringLiteral("monthRow"), 12);
    births.replace(1, bad);
    file.insert(QStringLiteral("births"), births);

    const auto write = [this](const char* name, const QByteArray& json) {
        QFile out(folder_->filePath(QLatin1String(name)));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(json);
        files_->toRead = out.fileName();
    };
    write("bad.amsaview.json", QJsonDocument(file).toJson());
    command("mnuImport");
    QCOMPARE(messages_->shown.size(), 1);
    QVERIFY2(messages_->shown.front().text.contains(QStringLiteral("Birth 2 (BELA)")) &&
                 messages_->shown.front().text.contains(QStringLiteral("monthRow")),
             qPrintable(messages_->shown.front().text));
    QCOMPARE(messages_->shown.front().icon, MessageIcon::Critical);
    QCOMPARE(savedCount(), 0);

    messages_->shown.clear();
    write("good.amsaview.json", good.toJson());
    command("mnuImport");
    QCOMPARE(savedCount(), 2);
    QCOMPARE(messages_->shown.size(), 1);
    QVERIFY(messages_->shown.front().text.startsWith(QStringLiteral("2 births imported")));

    // Giving up in the file dialog does nothing.
    files_->toRead.clear();
    messages_->shown.clear();
    command("mnuImport");
    QVERIFY(messages_->shown.isEmpty());
    QCOMPARE(savedCount(), 2);
}

// The same file twice: the second import finds both saved.
void SavedBirthsTest::importSkipsBirthsSavedAlreadyAndLeavesRecentAlone() {
    saveAs(Named("ASHA"));
    SavedBirth asha;
    asha.form = Named("ASHA");
    SavedBirth bela;
    bela.form = Named("BELA");
    files_->toRead = folder_->filePath(QStringLiteral("two.amsaview.json"));
    QFile out(files_->toRead);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(BirthsToJson({asha, bela}));
    out.close();
    const QString expected[] = {
        QStringLiteral("1 birth imported from %1, 1 already saved.").arg(files_->toRead),
        QStringLiteral("0 births imported from %1, 2 already saved.").arg(files_->toRead)};
    for (const QString& report : expected) {
        messages_->shown.clear();
        command("mnuImport");
        QCOMPARE(messages_->shown.size(), 1);
        QCOMPARE(messages_->shown.front().text, report);
    }
    QCOMPARE(savedCount(), 2);
    QCOMPARE(recentNames(), QStringList{QStringLiteral("ASHA")});
}

void SavedBirthsTest::openDialogDeletesTheSelectedBirthsAfterAsking() {
    FormInput longAgo = Named("ANU");
    longAgo.yearRow = 1947 - kFirstYear;
    longAgo.monthRow = 7;
    longAgo.dayRow = 14;
    for (const FormInput& input : {longAgo, Named("BINA"), Named("CHARU")}) {
        form().setFormInput(input);
        command("mnuSaveAsNew");
    }
    OpenBirthDialog& dialog = openDialog();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto& list = Child<QTreeView>(dialog, QStringLiteral("lstBirths"));
    for (const int column : {BirthListModel::Date, BirthListModel::Time}) {
        const QModelIndex cell = list.model()->index(0, column);
        QVERIFY2(list.columnWidth(column) >= list.sizeHintForIndex(cell).width(),
                 qPrintable(cell.data().toString()));
    }
    QPushButton& remove = Child<QPushButton>(dialog, QStringLiteral("cmdDelete"));
    list.clearSelection();
    QVERIFY(!remove.isEnabled());
    list.selectionModel()->select(list.model()->index(0, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list.selectionModel()->select(list.model()->index(2, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QVERIFY(remove.isEnabled());

    messages_->answers = {Answer::No};
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Delete);
    QCOMPARE(messages_->asked,
             QStringList{QStringLiteral("Delete the 2 selected births? This cannot be undone.")});
    QCOMPARE(savedCount(), 3);

    messages_->answers = {Answer::Yes};
    remove.click();
    QCOMPARE(messages_->asked.size(), 2);
    QCOMPARE(savedCount(), 1);
    QCOMPARE(dialog.shownCount(), 1);
    QCOMPARE(list.model()->index(0, 0).data().toString(), QStringLiteral("BINA"));
    QCOMPARE(recentNames(), QStringList{QStringLiteral("BINA")});

    // In the search box the key deletes a character, not a birth.
    auto& search = Child<QLineEdit>(dialog, QStringLiteral("txtSearch"));
    QTest::keyClicks(&search, QStringLiteral("b"));
    QTest::keyClick(&search, Qt::Key_Home);
    QTest::keyClick(&search, Qt::Key_Delete);
    QCOMPARE(messages_->asked.size(), 2);
    QCOMPARE(savedCount(), 1);
}

void SavedBirthsTest::exportWritesTheSelectedBirths() {
    for (const char* name : {"ANU", "BINA", "CHARU"}) {
        form().setFormInput(Named(name));
        command("mnuSaveAsNew");
    }
    // Every birth, the suffix added to the name given.
    files_->toWrite = folder_->filePath(QStringLiteral("all"));
    command("mnuExport");
    const auto all = ReadBirthFile(files_->toWrite + QLatin1String(kBirthFileSuffix));
    QVERIFY2(all.ok(), qPrintable(all.ok() ? QString() : all.error()));
    QCOMPARE(all.value().size(), std::size_t{3});

    // The births selected in the Open dialog.
    OpenBirthDialog& dialog = openDialog();
    auto& list = Child<QTreeView>(dialog, QStringLiteral("lstBirths"));
    list.selectionModel()->select(list.model()->index(0, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list.selectionModel()->select(list.model()->index(2, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    files_->toWrite = folder_->filePath(QStringLiteral("two.amsaview.json"));
    Child<QPushButton>(dialog, QStringLiteral("cmdExport")).click();
    const auto two = ReadBirthFile(files_->toWrite);
    QVERIFY(two.ok());
    QCOMPARE(two.value().size(), std::size_t{2});
    QCOMPARE(two.value()[0].form, Named("ANU"));
    QCOMPARE(two.value()[1].form, Named("CHARU"));
}

void SavedBirthsTest::anUnopenableRegisterLeavesChartsWorking() {
    // A folder that cannot be made: a file stands in its place.
    QFile blocker(folder_->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    startProgram(blocker.fileName() + QStringLiteral("/births.sqlite"));

    QCOMPARE(messages_->shown.size(), 1);
    QCOMPARE(messages_->shown.front().icon, MessageIcon::Critical);
    QVERIFY2(messages_->shown.front().text.contains(QStringLiteral("blocker")),
             qPrintable(messages_->shown.front().text));
    for (const char* name : {"mnuSave", "mnuSaveAsNew", "mnuOpen", "mnuImport", "mnuExport"}) {
        const QAction& action = MenuCommand(form(), name);
        QVERIFY2(!action.isEnabled(), name);
        QVERIFY2(action.toolTip().startsWith(QStringLiteral("Births cannot be kept: ")), name);
    }
    QVERIFY(MenuCommand(form(), "mnuNew").isEnabled());

    // Charts are still computed, and leaving asks nothing it could not do.
    messages_->shown.clear();
    form().setFormInput(Named("NO REGISTER"));
    MenuCommand(form(), "mnuNext").trigger();
    QVERIFY(messages_->shown.isEmpty());
    QVERIFY(TopLevel("MDI") != nullptr);
    QVERIFY(shownWindow()->close());
    QVERIFY(messages_->asked.isEmpty());
}

void SavedBirthsTest::aDamagedRegisterIsMovedAsideAndReported() {
    controller_.reset();
    QFile damaged(registerPath());
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, 'x'));
    damaged.close();
    startProgram(registerPath());

    QCOMPARE(messages_->shown.size(), 1);
    QVERIFY2(messages_->shown.front().text.contains(QStringLiteral("births.sqlite.damaged-")),
             qPrintable(messages_->shown.front().text));
    QVERIFY(MenuCommand(form(), "mnuSave").isEnabled());
    saveAs(Named("AFTER"));
    QCOMPARE(savedCount(), 1);
}

void SavedBirthsTest::aSavedBirthReopensAfterARestart() {
    form().setFormInput(Sita());
    MenuCommand(form(), "mnuNext").trigger();
    const auto chart = ShownChart();
    command("mnuSave");

    startProgram(registerPath());
    QVERIFY(messages_->shown.isEmpty());
    QCOMPARE(recentNames().size(), 1);
    command("mnuRecent_0");
    QCOMPARE(form().formInput(), Sita());
    QCOMPARE(ShownChart(), chart);
}

// Madras kept its own time in 1901, 5:21:10 ahead of UT; the zone list's
// Indian row is 5:30 ahead. Reopened on the list's row, the chart would move.
void SavedBirthsTest::anAtlasClockReopensWithItsBirth() {
    form().setFormInput(Named("MADRAS"));
    Child<QComboBox>(form(), QStringLiteral("cboYear")).setCurrentIndex(1901 - kFirstYear);
    Child<QComboBox>(form(), QStringLiteral("cboMonth")).setCurrentIndex(0);
    Child<QComboBox>(form(), QStringLiteral("cboDate")).setCurrentIndex(0);
    QVERIFY(testing::PickAtlasPlace(form(), QStringLiteral("Chennai"),
                                    QStringLiteral("Chennai, Tamil Nadu, India")));
    const FormInput picked = form().formInput();
    QVERIFY(picked.exactClock.has_value());
    const QString clockLine = Child<QLabel>(form(), QStringLiteral("lblClock")).text();
    QVERIFY(clockLine.contains(QStringLiteral("+05:21:10")));
    MenuCommand(form(), "mnuNext").trigger();
    const auto chart = ShownChart();
    QVERIFY(!chart.isEmpty());
    command("mnuSave");
    QVERIFY(messages_->shown.isEmpty());

    startProgram(registerPath());
    command("mnuRecent_0");
    QVERIFY(messages_->shown.isEmpty());
    QCOMPARE(form().formInput(), picked);
    QCOMPARE(Child<QLabel>(form(), QStringLiteral("lblClock")).text(), clockLine);
    QCOMPARE(ShownChart(), chart);
    QVERIFY(!shownWindow()->isWindowModified());

    // New leaves nothing of the place's clock behind.
    command("mnuNew");
    QVERIFY(!form().formInput().exactClock.has_value());
    QVERIFY(Child<QLabel>(form(), QStringLiteral("lblClock")).text().isEmpty());
}

void SavedBirthsTest::fileMenusOpenWithBirthsAndTheirKeysDiffer() {
    form().setFormInput(Named("RAMA"));
    MenuCommand(form(), "mnuNext").trigger();
    auto* frame = qobject_cast<QMainWindow*>(TopLevel("MDI"));
    QVERIFY(frame != nullptr);
    for (QMainWindow* window : {static_cast<QMainWindow*>(&form()), frame}) {
        const QString name = window->objectName();
        auto* file = window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
        QVERIFY2(file != nullptr, qPrintable(name));
        QCOMPARE(file->actions().value(0), &MenuCommand(*window, "mnuNew"));
        QCOMPARE(file->actions().constLast(), &MenuCommand(*window, "mnuExit"));
        // Alt+F then one letter must reach one command, not cycle between two.
        QMap<QChar, QString> taken;
        for (const QAction* action : file->actions()) {
            const qsizetype amp = action->text().indexOf(QLatin1Char('&'));
            if (amp < 0 || amp + 1 >= action->text().size()) {
                continue;
            }
            const QChar key = action->text().at(amp + 1).toLower();
            QVERIFY2(!taken.contains(key),
                     qPrintable(QStringLiteral("%1: %2 and %3 share &%4")
                                    .arg(name, taken.value(key), action->text(), key)));
            taken.insert(key, action->text());
        }
    }
}

// Another program saved a name longer than a line box holds: saving the
// form over it asks first, and "No" keeps the stored birth whole.
void SavedBirthsTest::aBirthTooLongForTheFormIsNotCutShortUnasked() {
    constexpr std::size_t kStoredLength = 40000;
    {
        Register store;
        QVERIFY(store.open(registerPath()));
        SavedBirth birth;
        birth.form = Sita();
        birth.form.name = std::string(kStoredLength, 'A');
        QVERIFY(store.saveNew(birth));
    }
    startProgram(registerPath());
    command("mnuRecent_0");
    const auto storedLength = [this] {
        Register store;
        const auto opened = store.open(registerPath());
        const auto all = store.loadAll();
        return opened && all && all.value().size() == 1 ? all.value()[0].form.name.size() : 0;
    };
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        messages_->asked.clear();
        messages_->answers = {answer};
        command("mnuSave");
        QCOMPARE(messages_->asked.size(), 1);
        QVERIFY2(messages_->asked[0].contains(
                     QStringLiteral("the name has 40000 characters, the form holds 32767")),
                 qPrintable(messages_->asked[0]));
        QCOMPARE(storedLength(), answer == Answer::No ? kStoredLength : std::size_t{32767});
    }
}
}  // namespace amsaview

QTEST_MAIN(amsaview::SavedBirthsTest)
#include "SavedBirthsTest.moc"
