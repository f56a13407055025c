#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "astro/TimeBases.h"
#include "model/TimeZoneTable.h"
#include "pipeline/ComputeChart.h"
#include "support/FindChild.h"
#include "support/FormExamples.h"
#include "support/PickAtlasPlace.h"
#include "support/RecordingSeams.h"
#include "ui/form/frmMain.h"

namespace amsaview {
namespace {

const LinkTargets kLinks{QUrl::fromLocalFile(QStringLiteral("/opt/amsaview/guide/index.html")),
                         QStringLiteral("https://example.net/amsaview/")};

}  // namespace

// The atlas in the form: the City box's offers, the fill, the clock of the
// date, and the questions asked before a chart.
class frmMainPlaceTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void offersAtlasPlacesAsTheCityIsTyped();
    void pickedPlaceFillsCoordinatesAndTheClock();
    void clockFollowsTheDate();
    void handEditsReturnToTheList();
    void skippedTimeStopsTheChart();
    void repeatedTimeAsksWhichMoment();
    void typedClockIsQuestionedOnce();
    void cancellingAClockQuestionChartsNothing();
    void aSavedExactClockBringsItsPlaceBack();

  private:
    template <typename T>
    T* control(const char* name) const {
        return &testing::Child<T>(*form_, QLatin1String(name));
    }
    QAbstractItemModel* offers() const { return control<QCompleter>("placeCompleter")->model(); }
    // Types the text into the City box and picks the offer that reads `line`.
    void pick(const QString& typed, const QString& line);
    void setBirth(int year, int month, int day, int hour, int minute);

    testing::RecordingMessageSink messages_;
    testing::RecordingWebPageOpener opener_;
    std::unique_ptr<frmMain> form_;
};

void frmMainPlaceTest::init() {
    messages_.shown.clear();
    messages_.chosen.clear();
    messages_.choice = 0;
    form_ = std::make_unique<frmMain>(messages_, opener_, kLinks);
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void frmMainPlaceTest::cleanup() {
    form_.reset();
}

void frmMainPlaceTest::pick(const QString& typed, const QString& line) {
    QVERIFY2(testing::PickAtlasPlace(*form_, typed, line),
             qPrintable(QStringLiteral("no offer reads %1").arg(line)));
}

void frmMainPlaceTest::setBirth(int year, int month, int day, int hour, int minute) {
    control<QComboBox>("cboYear")->setCurrentIndex(year - kFirstYear);
    control<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
    control<QComboBox>("cboDate")->setCurrentIndex(day - 1);
    control<QComboBox>("cboHH")->setCurrentIndex(hour);
    control<QComboBox>("cboMM")->setCurrentIndex(minute);
}

void frmMainPlaceTest::offersAtlasPlacesAsTheCityIsTyped() {
    QLineEdit* city = control<QLineEdit>("txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("chenn"));
    QVERIFY(offers()->rowCount() > 0);
    QCOMPARE(offers()->index(0, 0).data().toString(), QStringLiteral("Chennai, Tamil Nadu, India"));
    QTest::keyClicks(city, QStringLiteral("ai, Tamil"));
    QCOMPARE(offers()->index(0, 0).data().toString(), QStringLiteral("Chennai, Tamil Nadu, India"));
    city->clear();
    QTest::keyClicks(city, QStringLiteral("bogota"));
    QCOMPARE(offers()->index(0, 0).data().toString().left(6), QString::fromUtf8("Bogot\u00E1"));
}

// Chennai 13.08784 N 80.27847 E: 13°05' N, 80°17' E to the minute. On 1 June
// 1943 India kept war time, IST and one hour: noon was 05:30 UT.
void frmMainPlaceTest::pickedPlaceFillsCoordinatesAndTheClock() {
    setBirth(1943, 6, 1, 12, 0);
    pick(QStringLiteral("Chennai"), QStringLiteral("Chennai, Tamil Nadu, India"));
    QCOMPARE(control<QLineEdit>("txtMCity")->text(), QStringLiteral("Chennai"));
    QCOMPARE(control<QLineEdit>("txtMState")->text(), QStringLiteral("Tamil Nadu"));
    QCOMPARE(control<QLineEdit>("txtMCountry")->text(), QStringLiteral("India"));
    QCOMPARE(control<QLineEdit>("txtLonD")->text(), QStringLiteral("80"));
    QCOMPARE(control<QLineEdit>("txtLonM")->text(), QStringLiteral("17"));
    QVERIFY(control<QRadioButton>("optLong_0")->isChecked());
    QCOMPARE(control<QLineEdit>("txtLatD")->text(), QStringLiteral("13"));
    QCOMPARE(control<QLineEdit>("txtLatM")->text(), QStringLiteral("5"));
    QVERIFY(control<QRadioButton>("optLat_0")->isChecked());
    QCOMPARE(control<QLabel>("lblClock")->text(),
             QStringLiteral("Clock on that date: +06:30, daylight saving"));
    QCOMPARE(control<QComboBox>("cmbTimeZone")->currentIndex(), 34);
    QVERIFY(control<QCheckBox>("chkDST")->isChecked());

    control<QLineEdit>("txtName")->setText(QStringLiteral("X"));
    QSignalSpy analyze(form_.get(), &frmMain::analyzeRequested);
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(analyze.count(), 1);
    QVERIFY(messages_.chosen.isEmpty());
    ChartResult result;
    QVERIFY(!ComputeChart(form_->formInput(), result));
    const UtMoment ut = PlanetMoment(result.birth);
    QCOMPARE(QStringLiteral("%1:%2").arg(ut.hour).arg(ut.minute), QStringLiteral("5:30"));
}

void frmMainPlaceTest::clockFollowsTheDate() {
    setBirth(1990, 1, 1, 12, 0);
    pick(QStringLiteral("Chennai"), QStringLiteral("Chennai, Tamil Nadu, India"));
    QCOMPARE(control<QLabel>("lblClock")->text(), QStringLiteral("Clock on that date: IST +05:30"));
    QCOMPARE(form_->formInput().zoneRow, std::optional<int>(34));
    QVERIFY(!form_->formInput().dst);

    control<QComboBox>("cboYear")->setCurrentIndex(1901 - kFirstYear);
    QCOMPARE(control<QLabel>("lblClock")->text(),
             QStringLiteral("MMT +05:21:10 (not in the list)"));
    // No row of the list is shown for a clock it does not hold; the form keeps its row.
    QCOMPARE(control<QComboBox>("cmbTimeZone")->currentIndex(), -1);
    QCOMPARE(control<QComboBox>("cmbTimeZone")->placeholderText(),
             QStringLiteral("Exact clock from the atlas"));
    const FormInput old = form_->formInput();
    QCOMPARE(old.zoneRow, std::optional<int>(34));
    QVERIFY(old.exactClock.has_value());
    QCOMPARE(old.exactClock->utcOffsetSeconds, 5 * 3600 + 21 * 60 + 10);

    control<QComboBox>("cboYear")->setCurrentIndex(1990 - kFirstYear);
    QVERIFY(!form_->formInput().exactClock.has_value());
    QCOMPARE(form_->formInput().zoneRow, std::optional<int>(34));
}

void frmMainPlaceTest::handEditsReturnToTheList() {
    const struct {
        const char* what;
        std::function<void(frmMainPlaceTest&)> edit;
        int row;  // the list's row after the edit
    } edits[] = {
        {"minutes of longitude typed",
         [](frmMainPlaceTest& t) {
             t.control<QLineEdit>("txtLonM")->setFocus();
             QTest::keyClick(t.control<QLineEdit>("txtLonM"), Qt::Key_Backspace);
         },
         kDefaultTimeZoneRow},
        {"hemisphere clicked",
         [](frmMainPlaceTest& t) {
             QTest::mouseClick(t.control<QRadioButton>("optLat_1"), Qt::LeftButton);
         },
         kDefaultTimeZoneRow},
        {"zone row picked",
         [](frmMainPlaceTest& t) {
             auto* list = t.control<QComboBox>("cmbTimeZone");
             list->setCurrentIndex(5);
             emit list->activated(5);
         },
         5},
    };
    for (const auto& e : edits) {
        setBirth(1901, 1, 1, 12, 0);
        pick(QStringLiteral("Chennai"), QStringLiteral("Chennai, Tamil Nadu, India"));
        QVERIFY2(form_->formInput().exactClock.has_value(), e.what);
        e.edit(*this);
        QVERIFY2(!form_->formInput().exactClock.has_value(), e.what);
        QVERIFY2(control<QLabel>("lblClock")->text().isEmpty(), e.what);
        // The list shows what it showed, or the row picked; a later date change
        // leaves it alone.
        const int rowAfter = control<QComboBox>("cmbTimeZone")->currentIndex();
        QCOMPARE(rowAfter, e.row);
        control<QComboBox>("cboYear")->setCurrentIndex(1990 - kFirstYear);
        QCOMPARE(control<QComboBox>("cmbTimeZone")->currentIndex(), rowAfter);
        QVERIFY2(form_->formInput().zoneRow == std::optional<int>(rowAfter), e.what);
    }
}

void frmMainPlaceTest::skippedTimeStopsTheChart() {
    control<QLineEdit>("txtName")->setText(QStringLiteral("X"));
    setBirth(1983, 3, 27, 2, 30);
    pick(QStringLiteral("Madrid"), QStringLiteral("Madrid, Madrid, Spain"));
    QSignalSpy analyze(form_.get(), &frmMain::analyzeRequested);
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(analyze.count(), 0);
    QCOMPARE(messages_.shown.size(), 1);
    QCOMPARE(
        messages_.shown[0].text,
        QStringLiteral(
            "02:30 on 27 March 1983 did not exist in Madrid: clocks went from 02:00 to 03:00"));
    QCOMPARE(messages_.shown[0].icon, MessageIcon::Critical);
    QCOMPARE(QApplication::focusWidget(), control<QComboBox>("cboHH"));

    control<QComboBox>("cboHH")->setCurrentIndex(3);
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(analyze.count(), 1);
}

void frmMainPlaceTest::repeatedTimeAsksWhichMoment() {
    control<QLineEdit>("txtName")->setText(QStringLiteral("X"));
    setBirth(1983, 9, 25, 2, 30);
    pick(QStringLiteral("Madrid"), QStringLiteral("Madrid, Madrid, Spain"));
    QSignalSpy analyze(form_.get(), &frmMain::analyzeRequested);
    for (const int answer : {1, 0}) {
        messages_.choice = answer;
        messages_.chosen.clear();
        control<QComboBox>("cboMM")->setCurrentIndex(answer == 1 ? 30 : 31);
        control<QComboBox>("cboMM")->setCurrentIndex(30);  // a change asks again
        QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
        QCOMPARE(messages_.chosen.size(), 1);
        QVERIFY(messages_.chosen[0].first.startsWith(QStringLiteral(
            "02:30 on 25 September 1983 happened twice in Madrid: first on CEST +02:00, then on "
            "CET +01:00")));
        QCOMPARE(messages_.chosen[0].second,
                 (QStringList{QStringLiteral("The first (CEST +02:00)"),
                              QStringLiteral("The second (CET +01:00)")}));
        const FormInput input = form_->formInput();
        QCOMPARE(input.zoneRow, std::optional<int>(20));
        QCOMPARE(input.dst, answer == 0);
        QCOMPARE(UtcOffsetOfRow(input.zoneRow, input.dst).value_or(0), answer == 0 ? 7200 : 3600);
    }
    QCOMPARE(analyze.count(), 2);
}

// Cancel, Escape or closing either question: the form stays as it was and
// the next Analyze asks again.
void frmMainPlaceTest::cancellingAClockQuestionChartsNothing() {
    control<QLineEdit>("txtName")->setText(QStringLiteral("X"));
    QSignalSpy analyze(form_.get(), &frmMain::analyzeRequested);
    messages_.choice = -1;

    setBirth(1983, 9, 25, 2, 30);
    pick(QStringLiteral("Madrid"), QStringLiteral("Madrid, Madrid, Spain"));
    for (int press = 1; press <= 2; ++press) {
        QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
        QCOMPARE(messages_.chosen.size(), press);
    }
    QCOMPARE(analyze.count(), 0);
    QCOMPARE(form_->focusWidget(), control<QComboBox>("cboHH"));

    messages_.chosen.clear();
    setBirth(1990, 1, 1, 12, 0);
    // Typed over by hand, so the atlas place is forgotten.
    for (const auto& [name, text] : {std::pair{"txtLonD", "80"}, std::pair{"txtLonM", "17"},
                                     std::pair{"txtLatD", "13"}, std::pair{"txtLatM", "5"}}) {
        control<QLineEdit>(name)->selectAll();
        QTest::keyClicks(control<QLineEdit>(name), QLatin1String(text));
    }
    QTest::mouseClick(control<QRadioButton>("optLong_0"), Qt::LeftButton);  // Madrid lies west
    for (int press = 1; press <= 2; ++press) {
        QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
        QCOMPARE(messages_.chosen.size(), press);
        QVERIFY(messages_.chosen.back().first.startsWith(QStringLiteral("Chennai, India")));
    }
    QCOMPARE(analyze.count(), 0);
}

// Chennai's coordinates typed with the zone left at Greenwich.
void frmMainPlaceTest::typedClockIsQuestionedOnce() {
    control<QLineEdit>("txtName")->setText(QStringLiteral("X"));
    setBirth(1990, 1, 1, 12, 0);
    for (const auto& [name, text] : {std::pair{"txtLonD", "80"}, std::pair{"txtLonM", "17"},
                                     std::pair{"txtLatD", "13"}, std::pair{"txtLatM", "5"}}) {
        QTest::keyClicks(control<QLineEdit>(name), QLatin1String(text));
    }
    QSignalSpy analyze(form_.get(), &frmMain::analyzeRequested);
    messages_.choice = 1;  // keep mine
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(messages_.chosen.size(), 1);
    QVERIFY(
        messages_.chosen[0].first.startsWith(QStringLiteral("Chennai, India lies within 30 km")));
    QVERIFY(messages_.chosen[0].first.contains(QStringLiteral("IST +05:30")));
    QCOMPARE(analyze.count(), 1);
    QCOMPARE(form_->formInput().zoneRow, std::optional<int>(kDefaultTimeZoneRow));

    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(messages_.chosen.size(), 1);  // once
    QCOMPARE(analyze.count(), 2);

    control<QComboBox>("cboYear")->setCurrentIndex(1991 - kFirstYear);
    messages_.choice = 0;  // use its clock
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(messages_.chosen.size(), 2);
    QCOMPARE(analyze.count(), 3);
    QCOMPARE(form_->formInput().zoneRow, std::optional<int>(34));
    QCOMPARE(control<QLineEdit>("txtLonD")->text(), QStringLiteral("80"));

    // With the row agreeing nothing is asked.
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(messages_.chosen.size(), 2);
}

// Madras noon on 1 January 1901 by Madras time, 5:21:10 ahead of UT: 06:38:50
// UT, which the chart takes to the minute.
void frmMainPlaceTest::aSavedExactClockBringsItsPlaceBack() {
    control<QLineEdit>("txtName")->setText(QStringLiteral("X"));
    setBirth(1901, 1, 1, 12, 0);
    pick(QStringLiteral("Chennai"), QStringLiteral("Chennai, Tamil Nadu, India"));
    const FormInput saved = form_->formInput();
    QVERIFY(saved.exactClock.has_value());
    const QString clockLine = control<QLabel>("lblClock")->text();

    // A birth typed by hand: the place picked before lends it nothing.
    const FormInput typed = testing::DelhiForm(1901, 1, 1, 12, 0);
    form_->setFormInput(typed);
    QCOMPARE(form_->formInput(), typed);
    QVERIFY(control<QLabel>("lblClock")->text().isEmpty());

    form_->setFormInput(saved);
    QCOMPARE(form_->formInput(), saved);
    QCOMPARE(control<QLabel>("lblClock")->text(), clockLine);
    ChartResult result;
    QVERIFY(!ComputeChart(form_->formInput(), result));
    const UtMoment ut = PlanetMoment(result.birth);
    QCOMPARE(QStringLiteral("%1:%2").arg(ut.hour).arg(ut.minute), QStringLiteral("6:38"));

    // Another date gets the place's clock for that date, as after a pick.
    setBirth(1943, 6, 1, 12, 0);
    QCOMPARE(control<QLabel>("lblClock")->text(),
             QStringLiteral("Clock on that date: +06:30, daylight saving"));
    QVERIFY(!form_->formInput().exactClock.has_value());
    QCOMPARE(form_->formInput().zoneRow, std::optional<int>(34));
    QVERIFY(form_->formInput().dst);

    // And a hand edit returns to the list.
    form_->setFormInput(saved);
    emit control<QComboBox>("cmbTimeZone")->activated(29);
    QVERIFY(!form_->formInput().exactClock.has_value());
    QVERIFY(control<QLabel>("lblClock")->text().isEmpty());
}

}  // namespace amsaview

QTEST_MAIN(amsaview::frmMainPlaceTest)
#include "frmMainPlaceTest.moc"
