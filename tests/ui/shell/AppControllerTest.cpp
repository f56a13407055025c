#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "support/RecordingSeams.h"
#include "ui/settings/MethodSettings.h"
#include "ui/settings/dlgMethod.h"
#include "ui/shell/AppController.h"

namespace amsaview {
namespace {

template <typename T = QWidget>
T* TopLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name)) {
            return qobject_cast<T*>(widget);
        }
    }
    return nullptr;
}

template <typename T>
T* Control(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

// One birth as a user enters it: typed boxes and picked rows.
struct Birth {
    QString name;
    QString lonDegrees, lonMinutes, latDegrees, latMinutes;
    int monthRow, dayRow, yearRow, hourRow, minuteRow, zoneRow;
    bool west = false;
};

}  // namespace
}  // namespace amsaview

Q_DECLARE_METATYPE(amsaview::Birth)

namespace amsaview {
namespace {

const Birth kDelhi{"ram kumar", "77", "12", "28", "36", 2, 6, 74, 9, 5, 34};

void Type(QWidget* form, const char* box, const QString& text) {
    auto* edit = Control<QLineEdit>(form, box);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void Enter(QWidget* form, const Birth& birth) {
    Type(form, "txtName", birth.name);
    Type(form, "txtLonD", birth.lonDegrees);
    Type(form, "txtLonM", birth.lonMinutes);
    Type(form, "txtLatD", birth.latDegrees);
    Type(form, "txtLatM", birth.latMinutes);
    Control<QComboBox>(form, "cboMonth")->setCurrentIndex(birth.monthRow);
    Control<QComboBox>(form, "cboDate")->setCurrentIndex(birth.dayRow);
    Control<QComboBox>(form, "cboYear")->setCurrentIndex(birth.yearRow);
    Control<QComboBox>(form, "cboHH")->setCurrentIndex(birth.hourRow);
    Control<QComboBox>(form, "cboMM")->setCurrentIndex(birth.minuteRow);
    Control<QComboBox>(form, "cmbTimeZone")->setCurrentIndex(birth.zoneRow);
    Control<QRadioButton>(form, birth.west ? "optLong_1" : "optLong_0")->setChecked(true);
}

}  // namespace

class AppControllerTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reportsEachFailedCheckAndMovesTheFocus_data();
    void reportsEachFailedCheckAndMovesTheFocus();
    void showsAComputedChartInPlaceOfTheForm();
    void theResultOpensWhereTheFormWas();
    void goesBackToTheFormWithEveryEntryKept();
    void aNewChartAfterBackOpensOnTheRashiChart();
    void twoChartsInARowMarkARetrogradePlanetOnce();
    void showsTheAboutBoxModally();
    void endsTheProgramWhenTheFormCloses();
    void endsTheProgramFromTheResult();
    void runsARoundTripInTheEventLoop();
    void methodSettingsRoundTripThroughQSettings();
    void theMethodDialogOffersSwissOptionsOnlyForSwiss();
    void switchesTheSourceFromSettingsAndSaysWhichItUsed();
    void aSourceWithoutItsFilesIsToldAndKeepsTheChart();

  private:
    QWidget* form() const { return TopLevel("frmMain"); }
    QWidget* resultWindow() const { return TopLevel("MDI"); }
    QString shown(const char* label) const {
        return Control<QLabel>(resultWindow(), label)->text();
    }

    testing::RecordingMessageSink* messages_ = nullptr;
    testing::RecordingWebPageOpener* opener_ = nullptr;
    QTemporaryDir registerFolder_;
    std::unique_ptr<AppController> controller_;
    QTemporaryDir settingsFolder_;
};

// The program's settings go to a folder of the test's own.
void AppControllerTest::initTestCase() {
    QVERIFY(settingsFolder_.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
}

void AppControllerTest::init() {
    QSettings().clear();
    auto messages = std::make_unique<testing::RecordingMessageSink>();
    auto opener = std::make_unique<testing::RecordingWebPageOpener>();
    messages_ = messages.get();
    opener_ = opener.get();
    controller_ = std::make_unique<AppController>(
        std::move(messages), std::move(opener),
        LinkTargets{QUrl::fromLocalFile(QStringLiteral("/opt/amsaview/guide/index.html")),
                    QStringLiteral("https://example.net/amsaview/")},
        BirthStorage{registerFolder_.filePath(QStringLiteral("births.sqlite")),
                     std::make_unique<testing::FixedFileChooser>()});
    controller_->start();
    QVERIFY(form() != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(form()));
}

void AppControllerTest::cleanup() {
    controller_.reset();
}

void AppControllerTest::reportsEachFailedCheckAndMovesTheFocus_data() {
    QTest::addColumn<Birth>("birth");
    QTest::addColumn<QString>("pastedBox");  // a text the program sets, which no filter judges
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("critical");
    QTest::addColumn<QString>("focus");  // the year list holds the focus before the command

    const QString longitudeDegrees =
        QStringLiteral("Please Enter Value Between 0 And 179 in the Degree of Longitude");
    const QString longitudeMinutes =
        QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Longitude");
    const QString latitudeDegrees =
        QStringLiteral("Please Enter Value Between 0 And 89 in the Degree of Latitude");
    const QString latitudeMinutes =
        QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Latitude");
    const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString thirtyDays = QStringLiteral("Please Enter Correct Date Or Month !");

    const auto row = [](const char* tag, const Birth& birth, const QString& message, bool critical,
                        const char* focus, const char* pastedBox = "", const char* pasted = "") {
        QTest::newRow(tag) << birth << QString::fromLatin1(pastedBox) << QString::fromLatin1(pasted)
                           << message << critical << QString::fromLatin1(focus);
    };
    const auto with = [](auto change) {
        Birth birth = kDelhi;
        change(birth);
        return birth;
    };
    const auto date = [](int monthRow, int dayRow, int yearRow) {
        Birth birth = kDelhi;
        birth.monthRow = monthRow;
        birth.dayRow = dayRow;
        birth.yearRow = yearRow;
        return birth;
    };
    row("no name", with([](Birth& b) { b.name = ""; }), QStringLiteral("Please Enter Name"), true,
        "txtName");
    row("longitude 180", with([](Birth& b) { b.lonDegrees = "180"; }), longitudeDegrees, true,
        "txtLonD");
    row("letter set in longitude", kDelhi, longitudeDegrees, true, "txtLonD", "txtLonD", "7E");
    row("longitude minutes 60", with([](Birth& b) { b.lonMinutes = "60"; }), longitudeMinutes, true,
        "txtLonM");
    row("latitude 90", with([](Birth& b) { b.latDegrees = "90"; }), latitudeDegrees, true,
        "txtLatD");
    row("latitude minutes 60", with([](Birth& b) { b.latMinutes = "60"; }), latitudeMinutes, true,
        "txtLatM");
    row("29 February 1901", date(1, 28, 0), february, false, "cboYear");
    row("31 April 1975", date(3, 30, 74), thirtyDays, false, "cboYear");
}

void AppControllerTest::reportsEachFailedCheckAndMovesTheFocus() {
    QFETCH(Birth, birth);
    QFETCH(QString, pastedBox);
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    QFETCH(bool, critical);
    QFETCH(QString, focus);

    Enter(form(), birth);
    if (!pastedBox.isEmpty()) {
        Control<QLineEdit>(form(), pastedBox.toLatin1().constData())->setText(pasted);
    }
    messages_->shown.clear();
    Control<QComboBox>(form(), "cboYear")->setFocus();
    Control<QPushButton>(form(), "cmdRashi")->click();

    QCOMPARE(messages_->shown.size(), 1);
    QCOMPARE(messages_->shown.front().text, message);
    QCOMPARE(messages_->shown.front().icon,
             critical ? MessageIcon::Critical : MessageIcon::Information);
    QCOMPARE(messages_->shown.front().parent, form());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(form()->isVisible());
    QVERIFY(resultWindow() == nullptr || !resultWindow()->isVisible());
}

void AppControllerTest::showsAComputedChartInPlaceOfTheForm() {
    Enter(form(), kDelhi);
    Control<QLineEdit>(form(), "txtMCity")->setText(QStringLiteral("New Delhi"));
    Control<QAction>(form(), "mnuNext")->trigger();

    QVERIFY(messages_->shown.isEmpty());
    QVERIFY(!form()->isVisible());
    QVERIFY(resultWindow()->isVisible());
    QCOMPARE(shown("lblName"), QStringLiteral("RAM KUMAR"));
    QCOMPARE(shown("lblDOB"), QStringLiteral("March/7/1975"));
    QCOMPARE(shown("lblTOB"), QStringLiteral("9:5"));
    QCOMPARE(shown("lblLongitude"), QStringLiteral("77\u00b0 12'"));
    QCOMPARE(shown("lblLatitude"), QStringLiteral("28\u00b0 36'"));
    QCOMPARE(shown("lblCity"), QStringLiteral("New Delhi"));
}

// The form moved by the user: the result opens where it was. The offscreen
// screen is 800 by 800, room enough for the frame at that place.
void AppControllerTest::theResultOpensWhereTheFormWas() {
    Enter(form(), kDelhi);
    form()->move(10, 40);
    const QPoint place = form()->pos();
    Control<QAction>(form(), "mnuNext")->trigger();
    QVERIFY(resultWindow()->isVisible());
    QCOMPARE(resultWindow()->pos(), place);
    QVERIFY(resultWindow()->width() >= form()->width());
    QVERIFY(resultWindow()->height() >= form()->height());
}

void AppControllerTest::goesBackToTheFormWithEveryEntryKept() {
    Enter(form(), kDelhi);
    // Where the user left it; a window manager placed it, the program did not.
    QVERIFY(!form()->testAttribute(Qt::WA_Moved));
    const QPoint place = form()->pos();
    Control<QAction>(form(), "mnuNext")->trigger();
    QVERIFY(resultWindow()->isVisible());

    QTest::mouseClick(Control<QPushButton>(resultWindow(), "cmdBack"), Qt::LeftButton);
    QVERIFY(form()->isVisible());
    // Shown again at that place, asked for explicitly so no window manager places it anew.
    QCOMPARE(form()->pos(), place);
    QVERIFY(form()->testAttribute(Qt::WA_Moved));
    QTRY_VERIFY(resultWindow() == nullptr);
    QCOMPARE(Control<QLineEdit>(form(), "txtName")->text(), QStringLiteral("RAM KUMAR"));
    QCOMPARE(Control<QLineEdit>(form(), "txtLonD")->text(), QStringLiteral("77"));
    QCOMPARE(Control<QLineEdit>(form(), "txtLatM")->text(), QStringLiteral("36"));
    QCOMPARE(Control<QComboBox>(form(), "cboYear")->currentText(), QStringLiteral("1975"));
    QCOMPARE(Control<QComboBox>(form(), "cmbTimeZone")->currentIndex(), 34);

    // A second chart replaces the first.
    Type(form(), "txtName", QStringLiteral("sita"));
    Control<QPushButton>(form(), "cmdRashi")->click();
    QVERIFY(resultWindow()->isVisible());
    QCOMPARE(shown("lblName"), QStringLiteral("SITA"));
}

void AppControllerTest::aNewChartAfterBackOpensOnTheRashiChart() {
    Enter(form(), kDelhi);
    Control<QPushButton>(form(), "cmdRashi")->click();
    QTest::mouseClick(Control<QPushButton>(resultWindow(), "cmdDivisionalChart"), Qt::LeftButton);
    auto* charts = Control<QTabBar>(resultWindow(), "TabStrip1");
    QTest::mouseClick(charts, Qt::LeftButton, {}, charts->tabRect(4).center());
    QVERIFY(Control<QWidget>(resultWindow(), "fraNavamsa")->isVisible());
    const QString firstSun = shown("planet_0");

    QTest::mouseClick(Control<QPushButton>(resultWindow(), "cmdBack"), Qt::LeftButton);
    QTRY_VERIFY(resultWindow() == nullptr);
    Control<QComboBox>(form(), "cboYear")->setCurrentIndex(2001 - 1901);
    Control<QPushButton>(form(), "cmdRashi")->click();

    QVERIFY(resultWindow()->isVisible());
    QVERIFY(Control<QWidget>(resultWindow(), "fraBirthchart")->isVisible());
    QVERIFY(!Control<QWidget>(resultWindow(), "fraNavamsa")->isVisible());
    QVERIFY(!Control<QTabBar>(resultWindow(), "TabStrip1")->isVisible());
    QCOMPARE(shown("lblHeader"), QStringLiteral("Rashi :"));
    QCOMPARE(shown("lblDOB"), QStringLiteral("March/7/2001"));
    QVERIFY(shown("planet_0") != firstSun);
}

// Mercury was retrograde on 18 February 2020.
void AppControllerTest::twoChartsInARowMarkARetrogradePlanetOnce() {
    Birth birth = kDelhi;
    birth.monthRow = 1;
    birth.dayRow = 17;
    birth.yearRow = 2020 - 1901;
    Enter(form(), birth);
    for (int chart = 0; chart < 2; ++chart) {
        Control<QPushButton>(form(), "cmdRashi")->click();
        QVERIFY(resultWindow()->isVisible());
        QTest::mouseClick(Control<QPushButton>(resultWindow(), "cmdBack"), Qt::LeftButton);
        QTRY_VERIFY(resultWindow() == nullptr);
    }
    Control<QPushButton>(form(), "cmdRashi")->click();

    const auto marks = [](const QWidget* chart) {
        QStringList names;
        for (const QLabel* box : chart->findChildren<QLabel*>()) {
            names << box->text().split('\n');
        }
        return names.filter(QStringLiteral("(R)"));
    };
    QCOMPARE(marks(Control<QWidget>(resultWindow(), "fraBirthchart")),
             QStringList{QStringLiteral("Budha (R) ")});
    for (const char* chart : {"fraHora", "fraDrekkana", "fraChaturthamsa", "fraSaptamsa",
                              "fraNavamsa", "fraDasamsa", "fraDwadasamsa"}) {
        QCOMPARE(marks(Control<QWidget>(resultWindow(), chart)),
                 QStringList{QStringLiteral("Mercury (R) ")});
    }
}

void AppControllerTest::showsTheAboutBoxModally() {
    Control<QAction>(form(), "mnuAbout")->trigger();
    auto* about = form()->findChild<QWidget*>(QStringLiteral("frmAbout"));
    QVERIFY(about != nullptr);
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    QCOMPARE(about->windowTitle(), QStringLiteral("Amsaview v1.80"));
    QCOMPARE(Control<QLabel>(about, "Label2")->text(), QStringLiteral("Amsaview v1.80"));
    QVERIFY(Control<QLabel>(about, "Label2")->font().bold());
    QVERIFY(Control<QLabel>(about, "Label1")
                ->text()
                .startsWith(QStringLiteral(
                    "Amsaview is a software that maps the vargas or divisions of a sign. ")));
    QVERIFY(!Control<QLabel>(about, "picIcon")->pixmap().isNull());
    // The data the places and clocks come from, with the zone database's
    // version as the system reports it (tzdata's own file, read here apart).
    const QString credits = Control<QLabel>(about, "lblCredits")->text();
    QVERIFY(credits.contains(QStringLiteral("GeoNames")));
    QVERIFY(credits.contains(QStringLiteral("CC BY 4.0")));
    QFile versionFile(QStringLiteral("/usr/share/zoneinfo/tzdata.zi"));
    if (versionFile.open(QIODevice::ReadOnly)) {
        const QString firstLine = QString::fromLatin1(versionFile.readLine()).trimmed();
        QCOMPARE(firstLine.left(9), QStringLiteral("# version"));
        QVERIFY2(credits.contains(QStringLiteral("IANA time-zone database, version ") +
                                  firstLine.mid(10)),
                 qPrintable(credits));
    }

    auto* link = Control<QPushButton>(about, "lblHomePage");
    QCOMPARE(link->text(), QStringLiteral("Click here to visit https://example.net/amsaview/"));
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(opener_->opened, QList<QUrl>{QUrl(QStringLiteral("https://example.net/amsaview/"))});

    const QPointer<QWidget> closing(about);
    QTest::mouseClick(Control<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(closing.isNull());
    QVERIFY(form()->isVisible());
}

void AppControllerTest::endsTheProgramWhenTheFormCloses() {
    for (const bool byMenu : {true, false}) {
        form()->show();
        QTimer::singleShot(0, form(), [this, byMenu] {
            if (byMenu) {
                Control<QAction>(form(), "mnuExit")->trigger();
            } else {
                form()->close();
            }
        });
        QTimer failsafe;  // a failure, not a hang
        failsafe.setSingleShot(true);
        connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        failsafe.start(5000);
        QCOMPARE(QApplication::exec(), 0);
    }
}

void AppControllerTest::endsTheProgramFromTheResult() {
    Enter(form(), kDelhi);
    for (const char* how : {"cmdExit", "mnuExit", "closed"}) {
        Control<QPushButton>(form(), "cmdRashi")->click();
        QVERIFY(resultWindow()->isVisible());
        QTimer::singleShot(0, resultWindow(), [this, how] {
            QWidget* frame = resultWindow();
            if (qstrcmp(how, "cmdExit") == 0) {
                QTest::mouseClick(Control<QPushButton>(frame, how), Qt::LeftButton);
            } else if (qstrcmp(how, "mnuExit") == 0) {
                Control<QAction>(frame, how)->trigger();
            } else {
                frame->close();
            }
        });
        QTimer failsafe;  // a failure, not a hang
        failsafe.setSingleShot(true);
        connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        failsafe.start(5000);
        QCOMPARE(QApplication::exec(), 0);
    }
}

// The program as a user runs it, inside the event loop: analyse, the program
// is still running, Back, Exit ends it with status 0. Outside the loop a
// request to quit goes unnoticed, so only this catches a window that ends
// the program on its way.
void AppControllerTest::runsARoundTripInTheEventLoop() {
    Enter(form(), kDelhi);
    QStringList done;
    const std::vector<std::pair<QString, std::function<bool()>>> steps = {
        {QStringLiteral("analyse"),
         [this] {
             Control<QPushButton>(form(), "cmdRashi")->click();
             return true;
         }},
        {QStringLiteral("result shown, program running"),
         [this] {
             return resultWindow() != nullptr && resultWindow()->isVisible() &&
                    !form()->isVisible();
         }},
        {QStringLiteral("back"),
         [this] {
             QTest::mouseClick(Control<QPushButton>(resultWindow(), "cmdBack"), Qt::LeftButton);
             return true;
         }},
        {QStringLiteral("form shown again"),
         [this] { return form()->isVisible() && resultWindow() == nullptr; }},
        {QStringLiteral("exit"),
         [this] {
             Control<QAction>(form(), "mnuExit")->trigger();
             return true;
         }},
    };
    // One step per turn of the loop, each after the events of the one before.
    QTimer stepper;
    stepper.setInterval(50);
    connect(&stepper, &QTimer::timeout, [&] {
        if (done.size() < static_cast<qsizetype>(steps.size())) {
            const auto& [name, step] = steps[static_cast<std::size_t>(done.size())];
            done << (step() ? name : name + QStringLiteral(": FAILED"));
        }
    });
    stepper.start();
    QTimer failsafe;  // a failure, not a hang
    failsafe.setSingleShot(true);
    connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    failsafe.start(10000);

    QCOMPARE(QApplication::exec(), 0);
    QStringList expected;
    for (const auto& step : steps) {
        expected << step.first;
    }
    QCOMPARE(done, expected);
}

void AppControllerTest::methodSettingsRoundTripThroughQSettings() {
    for (const EphemerisKind kind : kEphemerisKinds) {
        for (const AyanamsaMode ayanamsa : kAyanamsaModes) {
            for (const LunarNode node : kLunarNodes) {
                const EphemerisSettings method{kind, ayanamsa, node, ""};
                {
                    QSettings store;
                    WriteMethodSettings(store, method);
                }
                QCOMPARE(ReadMethodSettings(QSettings()), method);
            }
        }
    }
    // Nothing kept, or a value this program does not know: the defaults.
    QSettings().clear();
    QCOMPARE(ReadMethodSettings(QSettings()), EphemerisSettings{});
    QSettings().setValue(QStringLiteral("method/ephemeris"), QStringLiteral("jpl"));
    QSettings().setValue(QStringLiteral("method/ayanamsa"), QStringLiteral("raman"));
    const EphemerisSettings read = ReadMethodSettings(QSettings());
    QCOMPARE(read.kind, EphemerisKind::BuiltIn);
    QCOMPARE(read.ayanamsa, AyanamsaMode::Raman);
}

void AppControllerTest::theMethodDialogOffersSwissOptionsOnlyForSwiss() {
    dlgMethod dialog(
        EphemerisSettings{EphemerisKind::BuiltIn, AyanamsaMode::Krishnamurti, LunarNode::True, ""});
    auto* ephemeris = Control<QComboBox>(&dialog, "cboEphemeris");
    auto* ayanamsa = Control<QComboBox>(&dialog, "cboAyanamsa");
    auto* node = Control<QComboBox>(&dialog, "cboNode");
    QCOMPARE(ephemeris->currentText(), QStringLiteral("Built-in method"));
    QCOMPARE(ayanamsa->currentText(), QStringLiteral("Krishnamurti"));
    QCOMPARE(node->currentText(), QStringLiteral("True node"));
    QVERIFY(!ayanamsa->isEnabled() && !node->isEnabled());
    ephemeris->setCurrentIndex(1);
    QVERIFY(ayanamsa->isEnabled() && node->isEnabled());
    QCOMPARE(dialog.chosen(), (EphemerisSettings{EphemerisKind::Swiss, AyanamsaMode::Krishnamurti,
                                                 LunarNode::True, ""}));
    ephemeris->setCurrentIndex(0);
    QVERIFY(!ayanamsa->isEnabled() && !node->isEnabled());
}

namespace {

// Chooses in the method dialog once it is open, then presses OK.
void ChooseInMethodDialog(int ephemerisRow, int ayanamsaRow) {
    QTimer::singleShot(0, [ephemerisRow, ayanamsaRow] {
        auto* dialog = qobject_cast<dlgMethod*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            qFatal("no method dialog");
        }
        Control<QComboBox>(dialog, "cboEphemeris")->setCurrentIndex(ephemerisRow);
        Control<QComboBox>(dialog, "cboAyanamsa")->setCurrentIndex(ayanamsaRow);
        dialog->accept();
    });
}

constexpr int kSwissRow = 1;
constexpr int kRamanRow = 4;

}  // namespace

void AppControllerTest::switchesTheSourceFromSettingsAndSaysWhichItUsed() {
    Enter(form(), kDelhi);
    Control<QAction>(form(), "mnuNext")->trigger();
    QCOMPARE(shown("lblMethod"), QStringLiteral("Positions: Built-in method"));
    const QString builtInAyanamsa = shown("lblAyanamsha");

    ChooseInMethodDialog(kSwissRow, kRamanRow);
    Control<QAction>(resultWindow(), "mnuMethod")->trigger();
    QVERIFY(messages_->shown.isEmpty());
    // The chart on view was computed again at once, every caption with it.
    QCOMPARE(shown("lblMethod"),
             QStringLiteral("Positions: Swiss Ephemeris, Raman ayanamsa, mean node"));
    // Raman's ayanamsa for March 1975 is about 22° 1', Lahiri's 23° 29'.
    QVERIFY2(shown("lblAyanamsha").startsWith(QStringLiteral("-22\u00B0 ")),
             qPrintable(shown("lblAyanamsha")));
    QVERIFY(shown("lblAyanamsha") != builtInAyanamsa);
    QCOMPARE(QSettings().value(QStringLiteral("method/ephemeris")).toString(),
             QStringLiteral("swiss"));

    // The next run starts with the choice kept.
    controller_ =
        std::make_unique<AppController>(std::make_unique<testing::RecordingMessageSink>(),
                                        std::make_unique<testing::RecordingWebPageOpener>());
    controller_->start();
    Enter(form(), kDelhi);
    Control<QAction>(form(), "mnuNext")->trigger();
    QCOMPARE(shown("lblMethod"),
             QStringLiteral("Positions: Swiss Ephemeris, Raman ayanamsa, mean node"));
}

// Run by its own test with SE_EPHE_PATH naming an empty folder: the library
// reads that variable when a path is first set on a thread.
void AppControllerTest::aSourceWithoutItsFilesIsToldAndKeepsTheChart() {
    if (qEnvironmentVariableIsEmpty("SE_EPHE_PATH")) {
        QSKIP("needs SE_EPHE_PATH naming a folder without Swiss Ephemeris files");
    }
    Enter(form(), kDelhi);
    Control<QAction>(form(), "mnuNext")->trigger();
    const QString builtInSun = shown("planet_0");

    ChooseInMethodDialog(kSwissRow, 0);
    Control<QAction>(resultWindow(), "mnuMethod")->trigger();
    QCOMPARE(messages_->shown.size(), 1);
    QVERIFY2(messages_->shown[0].text.contains(QStringLiteral("Swiss Ephemeris has no data file")),
             qPrintable(messages_->shown[0].text));
    QCOMPARE(messages_->shown[0].parent, resultWindow());
    QCOMPARE(shown("lblMethod"), QStringLiteral("Positions: Built-in method"));
    QCOMPARE(shown("planet_0"), builtInSun);
}

}  // namespace amsaview

QTEST_MAIN(amsaview::AppControllerTest)
#include "AppControllerTest.moc"
