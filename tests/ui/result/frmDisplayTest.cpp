#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include "pipeline/ComputeChart.h"
#include "qtcommon/QtText.h"
#include "support/ComputedChart.h"
#include "support/FindChild.h"
#include "support/FormExamples.h"
#include "ui/result/ChartGrid.h"
#include "ui/result/frmDisplay.h"

namespace amsaview {
namespace {

using testing::Child;

constexpr std::array<const char*, 7> kDivisionalFrames = {
    "fraHora",    "fraDrekkana", "fraChaturthamsa", "fraSaptamsa",
    "fraNavamsa", "fraDasamsa",  "fraDwadasamsa"};

constexpr std::array<const char*, 12> kRashiBoxes = {
    "lblAries", "lblTaurus",  "lblGemini",      "lblCancer",    "lblLeo",      "lblVirgo",
    "lblLibra", "lblScorpio", "lblSagattarius", "lblCapricorn", "lblAquarius", "lblPisces"};

QString Indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

void ClickTab(QTabBar& strip, int tab) {
    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(tab).center());
}

QString VisibleChart(const frmDisplay& display) {
    QStringList shown;
    for (const ChartGrid* chart : display.findChildren<ChartGrid*>()) {
        if (chart->isVisible()) {
            shown << chart->objectName();
        }
    }
    return shown.join(' ');
}

QString VisibleDetails(const frmDisplay& display) {
    QStringList shown;
    for (const char* frame : {"fraDetails", "fraVedic", "fraWestern"}) {
        if (Child<QGroupBox>(display, frame).isVisible()) {
            shown << frame;
        }
    }
    return shown.join(' ');
}

QString Header(const frmDisplay& display) {
    return Child<QLabel>(display, "lblHeader").text();
}

QString Description(const frmDisplay& display) {
    return Child<QLabel>(display, "lblDescription").text();
}

}  // namespace

class frmDisplayTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        display_ = std::make_unique<frmDisplay>();
        display_->showInitialView();
        display_->show();
        QVERIFY(QTest::qWaitForWindowExposed(display_.get()));
    }

    void cleanup() { display_.reset(); }

    void fillsEveryLabelWithTheCoresTexts() {
        const ChartResult result = testing::ComputedChart(testing::DelhiForm(1975, 3, 7, 9, 5));
        display_->showResult(result);
        const ResultTexts& texts = result.texts;
        const std::pair<const char*, const std::string*> labels[] = {
            {"lblName", &texts.lblName},
            {"lblDOB", &texts.lblDOB},
            {"lblTOB", &texts.lblTOB},
            {"lblLatitude", &texts.lblLatitude},
            {"lblLongitude", &texts.lblLongitude},
            {"lblCity", &texts.lblCity},
            {"lblState", &texts.lblState},
            {"lblCountry", &texts.lblCountry},
            {"lblAyanamsha", &texts.lblAyanamsha},
            {"lblLagna", &texts.lblLagna},
            {"lblNakshatra", &texts.lblNakshatra},
            {"lblLagnaPosition", &texts.lblLagnaPosition},
            {"lblRashi", &texts.lblRashi},
            {"lblLord", &texts.lblLord},
            {"lblPada", &texts.lblPada},
        };
        for (const auto& [name, text] : labels) {
            QVERIFY2(!text->empty(), name);
            QCOMPARE(Child<QLabel>(*display_, name).text(), ToQString(*text));
        }
        for (int body = 0; body < kBodyCount; ++body) {
            QCOMPARE(Child<QLabel>(*display_, Indexed("planet", body)).text(),
                     ToQString(texts.planet[static_cast<std::size_t>(body)]));
        }
        // The birth details exactly as the user reads them.
        QCOMPARE(Child<QLabel>(*display_, "lblDOB").text(), QStringLiteral("March/7/1975"));
        QCOMPARE(Child<QLabel>(*display_, "lblTOB").text(), QStringLiteral("9:5"));
        QCOMPARE(Child<QLabel>(*display_, "lblLatitude").text(), QStringLiteral("28° 36'"));
        QCOMPARE(Child<QLabel>(*display_, "lblLongitude").text(), QStringLiteral("77° 12'"));
    }

    void everyBoxShowsItsOwnSlot() {
        // Box (chart, sign) holds the body of the sign's number, marked from
        // Capricorn on, then the body of the chart's number: no two alike.
        constexpr std::array<const char*, kBodyCount> kEnglish = {
            "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};
        const auto fill = [](ChartPlacement& chart, std::size_t second) {
            for (std::size_t sign = 0; sign < kSignCount; ++sign) {
                chart.signs[sign].add({static_cast<Body>(sign % kBodyCount), sign >= 9});
                chart.signs[sign].add({static_cast<Body>(second), false});
            }
        };
        const auto expected = [&](std::size_t sign, std::size_t second,
                                  const std::array<const char*, kBodyCount>& names) {
            return QString::fromUtf8(names[sign % kBodyCount]) +
                   (sign >= 9 ? QStringLiteral(" (R) ") : QString()) + u'\n' +
                   QString::fromUtf8(names[second]);
        };
        ChartResult result;
        fill(result.placements.rashi, 8);
        for (std::size_t chart = 0; chart < kDivisionalFrames.size(); ++chart) {
            fill(result.placements.divisional[chart], chart);
        }
        display_->showResult(result);
        constexpr std::array<const char*, kBodyCount> kSanskrit = {
            "Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Rahu", "Ketu"};
        for (std::size_t sign = 0; sign < kSignCount; ++sign) {
            QCOMPARE(Child<QLabel>(*display_, kRashiBoxes[sign]).text(),
                     expected(sign, 8, kSanskrit));
        }
        // Each chart's first label, in tab order.
        const int bases[] = {0, 12, 72, 24, 36, 48, 60};
        for (std::size_t chart = 0; chart < kDivisionalFrames.size(); ++chart) {
            const auto& frame = Child<ChartGrid>(*display_, kDivisionalFrames[chart]);
            for (std::size_t sign = 0; sign < kSignCount; ++sign) {
                const int slot = bases[chart] + static_cast<int>(sign);
                QCOMPARE(Child<QLabel>(frame, Indexed("lblPlanet", slot)).text(),
                         expected(sign, chart, kEnglish));
            }
        }
    }

    void captionsAsComposed() {
        const std::pair<const char*, QStringList> frames[] = {
            {"fraDetails",
             {"Date of Birth :", "Timeof Birth :", "Longitude :", "Latitude   :", "City :",
              "State :", "Country :"}},
            {"fraVedic",
             {"Ayanamsa", "Lagna / Asc", "Nakshatra", "Rashi", "Pada", "Lord", "Lagna Position"}},
            {"fraWestern",
             {"Surya/Sun", "Chandra/Moon", "Budha/Mercury", "Shukra/Venus", "Mangala/Mars",
              "Guru/Jupiter", "Shani/Saturn", "Rahu/North Node", "Ketu/South node"}},
        };
        for (const auto& [frame, captions] : frames) {
            QStringList shown;
            for (const QLabel* label : Child<QGroupBox>(*display_, frame).findChildren<QLabel*>()) {
                shown << label->text();
            }
            for (const QString& caption : captions) {
                QVERIFY2(shown.contains(caption), qPrintable(caption));
            }
        }
        QCOMPARE(Child<QGroupBox>(*display_, "fraDetails").title(), QStringLiteral("Your Details"));
        QCOMPARE(Child<QGroupBox>(*display_, "fraVedic").title(),
                 QStringLiteral("Other Vedic Details"));
        QCOMPARE(Child<QGroupBox>(*display_, "fraWestern").title(),
                 QStringLiteral("Vedic Planetary Position"));
        QCOMPARE(Child<QLabel>(*display_, "PlanetName_8").text(),
                 QStringLiteral("Ketu/South node"));
        QCOMPARE(Child<QLabel>(*display_, "Label24").text(),
                 QStringLiteral("Rashi Chart :- All Calculations Based on Birth Chart"));
        QCOMPARE(Child<QPushButton>(*display_, "cmdRashiChart").text(),
                 QStringLiteral("Rashi Chart"));
        QCOMPARE(Child<QPushButton>(*display_, "cmdDivisionalChart").text(),
                 QStringLiteral("Divisional Charts"));
        QCOMPARE(display_->windowTitle(), QStringLiteral("Amsaview v1.80"));
        // The titles drawn in the middle of each chart.
        QCOMPARE(Child<ChartGrid>(*display_, "fraBirthchart").title(),
                 QStringLiteral("Rashi Chart"));
        const char* const divisionalTitles[] = {"Hora",    "Drekkana", "Chaturthamsa", "Saptamsa",
                                                "Navamsa", "Dasamsa",  "Dwadasamsa"};
        for (std::size_t chart = 0; chart < kDivisionalFrames.size(); ++chart) {
            QCOMPARE(Child<ChartGrid>(*display_, kDivisionalFrames[chart]).title(),
                     QString::fromLatin1(divisionalTitles[chart]));
        }
    }

    void everyLabelIsPlainText() {
        for (const QLabel* label : display_->findChildren<QLabel*>()) {
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
        }
    }

    void opensOnTheRashiChartAndTheBirthDetails() {
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraBirthchart"));
        QVERIFY(!Child<QTabBar>(*display_, "TabStrip1").isVisible());
        QCOMPARE(VisibleDetails(*display_), QStringLiteral("fraDetails"));
        QCOMPARE(Header(*display_), QStringLiteral("Rashi :"));
        QVERIFY(Description(*display_).startsWith(" Rasi means Sign. "));
        QCOMPARE(Child<QLabel>(*display_, "lblHTB2").text(), QStringLiteral(" About you "));
        QVERIFY(Child<QLabel>(*display_, "lblTab2")
                    .text()
                    .startsWith("The birth details are necessary for any Vedic Astrology "
                                "calculations. "));
    }

    void chartButtons() {
        auto& tabs = Child<QTabBar>(*display_, "TabStrip1");
        QTest::mouseClick(&Child<QPushButton>(*display_, "cmdDivisionalChart"), Qt::LeftButton);
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraHora"));
        QVERIFY(tabs.isVisible());
        QCOMPARE(tabs.currentIndex(), 0);
        QCOMPARE(Header(*display_), QStringLiteral("Hora :"));
        QVERIFY(Description(*display_).startsWith(
            " When a sign is divided into two equal parts, each is called a Hora. "));

        ClickTab(tabs, 0);
        QCOMPARE(Header(*display_), QStringLiteral("Hora:"));

        ClickTab(tabs, 4);
        QTest::mouseClick(&Child<QPushButton>(*display_, "cmdRashiChart"), Qt::LeftButton);
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraBirthchart"));
        QVERIFY(!tabs.isVisible());
        QCOMPARE(Header(*display_), QStringLiteral("Rashi :"));
        QVERIFY(Description(*display_).startsWith(" Rasi means Sign. "));

        // Back to the divisional charts: Hora again, and its tab with it.
        QTest::mouseClick(&Child<QPushButton>(*display_, "cmdDivisionalChart"), Qt::LeftButton);
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraHora"));
        QCOMPARE(tabs.currentIndex(), 0);
    }

    void divisionalTabs_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("tabText");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("firstSentence");
        QTest::newRow("1")
            << 0 << "Hora"
            << "fraHora"
            << "Hora:"
            << " When a sign is divided into two equal parts, each is called a Hora.";
        QTest::newRow("2") << 1 << "Drekkana"
                           << "fraDrekkana"
                           << "Drekkana:"
                           << " When a sign is divided into three equal parts, then each part is "
                              "called the Drekkana.";
        QTest::newRow("3") << 2 << "Chaturthamsa"
                           << "fraChaturthamsa"
                           << "Chaturthamsa:"
                           << " Rules over the educational affairs.";
        QTest::newRow("4") << 3 << "Saptamsa"
                           << "fraSaptamsa"
                           << "Saptamsa:"
                           << " When a sign is divided into seven equal parts, each part is known "
                              "as Sapthamsa.";
        QTest::newRow("5") << 4 << "Navamsa"
                           << "fraNavamsa"
                           << "Navamsa:"
                           << " The most important subdivision amongst the Hindus.";
        QTest::newRow("6") << 5 << "Dasamsa"
                           << "fraDasamsa"
                           << "Dasamsa:"
                           << " The division of each sign into 10 equal parts is known as "
                              "dasamsa.";
        QTest::newRow("7") << 6 << "Dwadasamsa"
                           << "fraDwadasamsa"
                           << "Dwadasamsa:"
                           << " When a sign is divided into twelve equal parts, each part is "
                              "called the Dwadasamsa.";
    }

    void divisionalTabs() {
        QFETCH(int, tab);
        QFETCH(QString, tabText);
        QFETCH(QString, frame);
        QFETCH(QString, header);
        QFETCH(QString, firstSentence);
        auto& tabs = Child<QTabBar>(*display_, "TabStrip1");
        QTest::mouseClick(&Child<QPushButton>(*display_, "cmdDivisionalChart"), Qt::LeftButton);
        // Away to another tab first, so that the click below is a change.
        ClickTab(tabs, tab == 6 ? 5 : 6);
        ClickTab(tabs, tab);
        QCOMPARE(tabs.tabText(tab), tabText);
        QCOMPARE(VisibleChart(*display_), frame);
        QCOMPARE(Header(*display_), header);
        QVERIFY(Description(*display_).startsWith(firstSentence + ' '));
        QCOMPARE(Child<ChartGrid>(*display_, frame).title(), tabText);
    }

    void detailTabs_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("tabText");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("firstSentence");
        QTest::newRow("birth") << 0 << "Birth Details"
                               << "fraDetails"
                               << " About you "
                               << "The birth details are necessary for any Vedic Astrology "
                                  "calculations.";
        QTest::newRow("vedic") << 1 << "Vedic Details"
                               << "fraVedic"
                               << " Vedic Details"
                               << "This software displays the details pertaining to your input "
                                  "birth details.";
        QTest::newRow("planets") << 2 << "Planetary Position"
                                 << "fraWestern"
                                 << " Planetary Details"
                                 << "The position of the different planets in different signs at "
                                    "the time of birth is essential for all calculations.";
    }

    void detailTabs() {
        QFETCH(int, tab);
        QFETCH(QString, tabText);
        QFETCH(QString, frame);
        QFETCH(QString, heading);
        QFETCH(QString, firstSentence);
        auto& tabs = Child<QTabBar>(*display_, "TabStrip2");
        ClickTab(tabs, (tab + 1) % 3);
        ClickTab(tabs, tab);
        QCOMPARE(tabs.tabText(tab), tabText);
        QCOMPARE(VisibleDetails(*display_), frame);
        QCOMPARE(Child<QLabel>(*display_, "lblHTB2").text(), heading);
        QVERIFY(Child<QLabel>(*display_, "lblTab2").text().startsWith(firstSentence + ' '));
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraBirthchart"));
    }

    void viewAndTabsOutliveANewComputation() {
        display_->showResult(testing::ComputedChart(testing::DelhiForm(1975, 3, 7, 9, 5)));
        QTest::mouseClick(&Child<QPushButton>(*display_, "cmdDivisionalChart"), Qt::LeftButton);
        ClickTab(Child<QTabBar>(*display_, "TabStrip1"), 4);
        ClickTab(Child<QTabBar>(*display_, "TabStrip2"), 1);

        const ChartResult second = testing::ComputedChart(testing::DelhiForm(1990, 11, 23, 18, 40));
        display_->showResult(second);
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraNavamsa"));
        QCOMPARE(Header(*display_), QStringLiteral("Navamsa:"));
        QCOMPARE(VisibleDetails(*display_), QStringLiteral("fraVedic"));
        QCOMPARE(Child<QLabel>(*display_, "lblDOB").text(), QStringLiteral("November/23/1990"));
        QCOMPARE(Child<QLabel>(*display_, "lblTOB").text(), QStringLiteral("18:40"));
        QCOMPARE(Child<QLabel>(*display_, "planet_0").text(), ToQString(second.texts.planet[0]));
    }

  private:
    std::unique_ptr<frmDisplay> display_;
};

}  // namespace amsaview

QTEST_MAIN(amsaview::frmDisplayTest)
#include "frmDisplayTest.moc"
