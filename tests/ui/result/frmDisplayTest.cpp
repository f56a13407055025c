#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

#include "pipeline/ChartReport.h"
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

QString BoxName(std::string_view chart, std::size_t sign) {
    return QStringLiteral("lbl%1_%2").arg(ToQString(chart), ToQString(SignAbbreviations[sign]));
}

void ClickTab(QTabBar& strip, int tab) {
    strip.setCurrentIndex(tab);  // scrolls the tab into view, as the arrow keys do
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
    for (const QGroupBox* frame : display.findChildren<QGroupBox*>()) {
        if (frame->objectName().startsWith(QLatin1String("fra")) && frame->isVisible()) {
            shown << frame->objectName();
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

// Madrid, 25 September 1983 at 02:30: the hour the clocks went back, so the
// clock says which of the two moments was charted.
// The clock as the atlas settles it for either moment of the repeated hour.
FormInput MadridRepeatedHour(int offsetSeconds) {
    FormInput form = testing::DelhiForm(1983, 9, 25, 2, 30);
    form.lonDegrees = "3";
    form.lonMinutes = "42";
    form.east = false;
    form.latDegrees = "40";
    form.latMinutes = "25";
    form.city = "Madrid";
    form.state = "";
    form.country = "Spain";
    form.exactClock =
        ExactClock{offsetSeconds,
                   offsetSeconds == 7200 ? "Europe/Madrid +02:00 (CEST), daylight saving"
                                         : "Europe/Madrid +01:00 (CET)",
                   "Europe/Madrid"};
    return form;
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

    void showsTheBirthAsTyped() {
        display_->showResult(testing::ComputedChart(testing::DelhiForm(1975, 3, 7, 9, 5)));
        const std::pair<const char*, QString> shown[] = {
            {"lblName", "RAM KUMAR"},   {"lblDOB", "March/7/1975"},  {"lblTOB", "9:5"},
            {"lblLatitude", "28° 36'"}, {"lblLongitude", "77° 12'"}, {"lblCity", "New Delhi"},
            {"lblState", "Delhi"},      {"lblCountry", "India"},
        };
        for (const auto& [name, text] : shown) {
            QCOMPARE(Child<QLabel>(*display_, name).text(), text);
        }
    }

    void everyRowAndCellOfTheReportIsShown() {
        const ChartResult result = testing::ComputedChart(testing::DelhiForm(2020, 2, 18, 12, 0));
        display_->showResult(result);
        const ChartReport report = BuildChartReport(result);
        auto& tabs = Child<QTabBar>(*display_, "TabStrip2");
        // Every section, then the dasha.
        QCOMPARE(tabs.count(), static_cast<int>(report.sections.size()) + 1);
        QCOMPARE(tabs.tabText(tabs.count() - 1), QStringLiteral("Dasha"));
        int values = 0;
        for (std::size_t section = 0; section < report.sections.size(); ++section) {
            const ReportSection& part = report.sections[section];
            QCOMPARE(tabs.tabText(static_cast<int>(section)), ToQString(part.title));
            ClickTab(tabs, static_cast<int>(section));
            QStringList onView;
            for (const QLabel* label : display_->findChildren<QLabel*>()) {
                if (label->isVisible()) {
                    onView << label->text();
                }
            }
            // A wide table is a view of its own, which scrolls.
            for (const QTableWidget* table : display_->findChildren<QTableWidget*>()) {
                for (int row = 0; table->isVisible() && row < table->rowCount(); ++row) {
                    for (int column = 0; column < table->columnCount(); ++column) {
                        onView << table->item(row, column)->text();
                    }
                }
            }
            for (const ReportRow& row : part.rows) {
                QVERIFY2(onView.contains(ToQString(row.caption)), row.caption.data());
                QVERIFY2(onView.contains(ToQString(row.value)), row.value.c_str());
                ++values;
            }
            for (const ReportTable& table : part.tables) {
                for (const auto& line : table.rows) {
                    for (const std::string& cell : line) {
                        QVERIFY2(cell.empty() || onView.contains(ToQString(cell)), cell.c_str());
                        ++values;
                    }
                }
            }
        }
        QVERIFY(values > 40);
        // Mercury turned back on 17 February 2020: marked in its row.
        ClickTab(tabs, 3);
        QCOMPARE(Child<QLabel>(*display_, "positions_2_2").text(), QStringLiteral("(R)"));
        QCOMPARE(Child<QLabel>(*display_, "positions_0_2").text(), QString());
        QCOMPARE(Child<QLabel>(*display_, "planet_0").text(), ToQString(result.texts.planet[0]));
    }

    void birthDetailsSayWhichOfTheRepeatedMomentsWasCharted() {
        // 02:30 at +02:00 is 00:30 UT; the same clock time an hour later, at
        // +01:00, is 01:30 UT.
        const std::pair<int, QString> moments[] = {
            {7200, QStringLiteral("Clock: Europe/Madrid +02:00 (CEST), daylight saving \u00B7 UT "
                                  "1983-09-25 00:30")},
            {3600, QStringLiteral("Clock: Europe/Madrid +01:00 (CET) \u00B7 UT 1983-09-25 01:30")},
        };
        for (const auto& [offset, line] : moments) {
            display_->showResult(testing::ComputedChart(MadridRepeatedHour(offset)));
            const auto& note =
                Child<QLabel>(Child<QGroupBox>(*display_, "fraDetails"), "birthNote");
            QCOMPARE(note.text(), line);
            QVERIFY(note.isVisible());
        }
    }

    void everyBoxShowsItsOwnChart() {
        // Box (chart, sign) holds the body of the sign's number, marked from
        // Capricorn on, then the body of the chart's place: no two alike.
        constexpr std::array<const char*, kBodyCount> kEnglish = {
            "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};
        constexpr std::array<const char*, kBodyCount> kSanskrit = {
            "Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Rahu", "Ketu"};
        const auto fill = [](ChartPlacement& chart, std::size_t second) {
            for (std::size_t sign = 0; sign < kSignCount; ++sign) {
                chart.signs[sign].add({static_cast<Body>(sign % kBodyCount), sign >= 9});
                chart.signs[sign].add({static_cast<Body>(second % kBodyCount), false});
            }
        };
        ChartResult result;
        fill(result.placements.rashi, 8);
        for (std::size_t chart = 0; chart < result.placements.divisional.size(); ++chart) {
            fill(result.placements.divisional[chart], chart);
        }
        for (std::size_t chart = 0; chart < result.placements.exact.size(); ++chart) {
            fill(result.placements.exact[chart], kDivisionalChartCount + chart);
        }
        display_->showResult(result);
        for (const ChartKind& kind : kChartKinds) {
            const bool rashi = IsRashi(kind);
            const std::size_t second = rashi ? 8
                                       : kind.rule != nullptr
                                           ? DivisionalIndex(kind)
                                           : kDivisionalChartCount + ExactIndex(kind);
            const auto& names = rashi ? kSanskrit : kEnglish;
            for (std::size_t sign = 0; sign < kSignCount; ++sign) {
                const QString expected = QString::fromUtf8(names[sign % kBodyCount]) +
                                         (sign >= 9 ? QStringLiteral(" (R) ") : QString()) + u'\n' +
                                         QString::fromUtf8(names[second % kBodyCount]);
                QCOMPARE(Child<QLabel>(*display_, BoxName(kind.id, sign)).text(), expected);
            }
        }
    }

    void captionsAsComposed() {
        QCOMPARE(Child<QGroupBox>(*display_, "fraDetails").title(), QStringLiteral("Your Details"));
        QCOMPARE(Child<QGroupBox>(*display_, "fraVedic").title(),
                 QStringLiteral("Other Vedic Details"));
        QCOMPARE(Child<QGroupBox>(*display_, "fraWestern").title(),
                 QStringLiteral("Vedic Planetary Position"));
        QCOMPARE(Child<QLabel>(*display_, "Label24").text(),
                 QStringLiteral("Rashi Chart :- All Calculations Based on Birth Chart"));
        QCOMPARE(Child<QPushButton>(*display_, "cmdRashiChart").text(),
                 QStringLiteral("Rashi Chart"));
        QCOMPARE(Child<QPushButton>(*display_, "cmdDivisionalChart").text(),
                 QStringLiteral("Divisional Charts"));
        QCOMPARE(display_->windowTitle(), QStringLiteral("Amsaview v1.80"));
        QCOMPARE(Child<ChartGrid>(*display_, "fraBirthchart").title(),
                 QStringLiteral("Rashi Chart"));
        QCOMPARE(Child<ChartGrid>(*display_, "fraNavamsa").title(), QStringLiteral("Navamsa"));
    }

    void everyLabelIsPlainText() {
        display_->showResult(testing::ComputedChart(testing::DelhiForm(1975, 3, 7, 9, 5)));
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
        QCOMPARE(display_->chartOnView().title, QStringLiteral("Rashi Chart"));
    }

    void chartButtons() {
        auto& tabs = Child<QTabBar>(*display_, "TabStrip1");
        QTest::mouseClick(&Child<QPushButton>(*display_, "cmdDivisionalChart"), Qt::LeftButton);
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraHora"));
        QVERIFY(tabs.isVisible());
        QCOMPARE(tabs.currentIndex(), 0);
        QCOMPARE(Header(*display_), QStringLiteral("Hora:"));
        QCOMPARE(display_->chartOnView().title, QStringLiteral("Hora"));

        ClickTab(tabs, 4);
        QTest::mouseClick(&Child<QPushButton>(*display_, "cmdRashiChart"), Qt::LeftButton);
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraBirthchart"));
        QVERIFY(!tabs.isVisible());
        QCOMPARE(Header(*display_), QStringLiteral("Rashi :"));

        // Back to the divisional charts: Hora again, and its tab with it.
        QTest::mouseClick(&Child<QPushButton>(*display_, "cmdDivisionalChart"), Qt::LeftButton);
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraHora"));
        QCOMPARE(tabs.currentIndex(), 0);
    }

    void aTabForEveryDivisionalChart() {
        auto& tabs = Child<QTabBar>(*display_, "TabStrip1");
        QTest::mouseClick(&Child<QPushButton>(*display_, "cmdDivisionalChart"), Qt::LeftButton);
        // A tab for each chart after the Rashi chart, then the varga table's.
        QCOMPARE(tabs.count(), static_cast<int>(kChartKinds.size()));
        QCOMPARE(tabs.tabText(tabs.count() - 1), QStringLiteral("Varga Table"));
        for (int tab = tabs.count() - 2; tab >= 0; --tab) {
            const ChartKind& kind = kChartKinds[static_cast<std::size_t>(tab) + 1];
            ClickTab(tabs, tab);
            QCOMPARE(tabs.tabText(tab), ToQString(kind.title));
            QCOMPARE(VisibleChart(*display_),
                     QStringLiteral("fra") + ToQString(kind.title).remove(' '));
            QCOMPARE(Header(*display_), ToQString(kind.caption));
            QCOMPARE(Description(*display_), ToQString(kind.description));
            QCOMPARE(display_->chartOnView().title, ToQString(kind.title));
        }
        ClickTab(tabs, 4);
        QCOMPARE(Header(*display_), QStringLiteral("Navamsa:"));
        QVERIFY(Description(*display_).startsWith(
            " The most important subdivision amongst the Hindus. "));
    }

    void theVargaTableHoldsWhatTheBoxesShow() {
        display_->showResult(testing::ComputedChart(testing::DelhiForm(2020, 2, 18, 12, 0)));
        QTest::mouseClick(&Child<QPushButton>(*display_, "cmdDivisionalChart"), Qt::LeftButton);
        auto& tabs = Child<QTabBar>(*display_, "TabStrip1");
        ClickTab(tabs, tabs.count() - 1);
        const auto& table = Child<QTableWidget>(*display_, "tblVargas");
        QVERIFY(table.isVisible());
        QCOMPARE(VisibleChart(*display_), QString());
        QCOMPARE(Header(*display_), QStringLiteral("Varga Table:"));
        QCOMPARE(table.rowCount(), 1 + kBodyCount);
        QCOMPARE(table.columnCount(), 1 + static_cast<int>(kChartKinds.size()));
        const auto cell = [&](int row, std::string_view chart) {
            for (int column = 1; column < table.columnCount(); ++column) {
                if (table.horizontalHeaderItem(column)->text() == ToQString(chart)) {
                    return table.item(row, column)->text();
                }
            }
            return QStringLiteral("(no column)");
        };
        // The Sun at 4°55′ Aquarius: the second navamsa of an air sign,
        // counted from Libra, is Scorpio. Mercury turned back on 17 February
        // in Aquarius.
        QCOMPARE(table.item(1, 0)->text(), QStringLiteral("Sun"));
        QCOMPARE(cell(1, "D1"), QStringLiteral("Aqu"));
        QCOMPARE(cell(1, "D9"), QStringLiteral("Sco"));
        QCOMPARE(cell(3, "D1"), QStringLiteral("Aqu (R)"));
        QCOMPARE(table.item(0, 0)->text(), QStringLiteral("Asc"));
        // Every body's cell names the box the chart lists it in.
        constexpr std::array<const char*, kBodyCount> kEnglish = {
            "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};
        for (const ChartKind& kind : kChartKinds) {
            if (IsRashi(kind)) {
                continue;  // the Rashi chart's boxes name the bodies in Sanskrit
            }
            for (std::size_t sign = 0; sign < kSignCount; ++sign) {
                for (QString line : Child<QLabel>(*display_, BoxName(kind.id, sign))
                                        .text()
                                        .split('\n', Qt::SkipEmptyParts)) {
                    const bool retrograde = line.contains(QStringLiteral("(R)"));
                    line = line.remove(QStringLiteral("(R)")).trimmed();
                    const auto body = std::ranges::find(kEnglish, line) - kEnglish.begin();
                    QVERIFY2(body < kBodyCount, qPrintable(line));
                    const QString wanted = ToQString(SignAbbreviations[sign]) +
                                           (retrograde ? QStringLiteral(" (R)") : QString());
                    QVERIFY2(cell(1 + static_cast<int>(body), kind.id) == wanted,
                             qPrintable(QStringLiteral("%1 in %2").arg(line, ToQString(kind.id))));
                }
            }
        }
        // Back to a chart: the table gives way.
        ClickTab(tabs, 0);
        QVERIFY(!table.isVisible());
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraHora"));
    }

    void detailTabs_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("tabText");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("heading");
        QTest::newRow("birth") << 0 << "Birth Details"
                               << "fraDetails"
                               << " About you ";
        QTest::newRow("clock") << 1 << "Clock"
                               << "fra_clock"
                               << " Clock";
        QTest::newRow("vedic") << 2 << "Vedic Details"
                               << "fraVedic"
                               << " Vedic Details";
        QTest::newRow("positions") << 3 << "Planetary Positions"
                                   << "fraWestern"
                                   << " Planetary Details";
    }

    void detailTabs() {
        QFETCH(int, tab);
        QFETCH(QString, tabText);
        QFETCH(QString, frame);
        QFETCH(QString, heading);
        auto& tabs = Child<QTabBar>(*display_, "TabStrip2");
        ClickTab(tabs, (tab + 1) % tabs.count());
        ClickTab(tabs, tab);
        QCOMPARE(tabs.tabText(tab), tabText);
        QCOMPARE(VisibleDetails(*display_), frame);
        QCOMPARE(Child<QLabel>(*display_, "lblHTB2").text(), heading);
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraBirthchart"));
    }

    void viewAndTabsOutliveANewComputation() {
        display_->showResult(testing::ComputedChart(testing::DelhiForm(1975, 3, 7, 9, 5)));
        QTest::mouseClick(&Child<QPushButton>(*display_, "cmdDivisionalChart"), Qt::LeftButton);
        ClickTab(Child<QTabBar>(*display_, "TabStrip1"), 4);
        ClickTab(Child<QTabBar>(*display_, "TabStrip2"), 2);

        const ChartResult second = testing::ComputedChart(testing::DelhiForm(1990, 11, 23, 18, 40));
        display_->showResult(second);
        QCOMPARE(VisibleChart(*display_), QStringLiteral("fraNavamsa"));
        QCOMPARE(Header(*display_), QStringLiteral("Navamsa:"));
        QCOMPARE(VisibleDetails(*display_), QStringLiteral("fraVedic"));
        QCOMPARE(Child<QLabel>(*display_, "lblDOB").text(), QStringLiteral("November/23/1990"));
        QCOMPARE(Child<QLabel>(*display_, "lblTOB").text(), QStringLiteral("18:40"));
        QCOMPARE(Child<QLabel>(*display_, "planet_0").text(), ToQString(second.texts.planet[0]));
    }

    void theChartGrowsWithTheWindowAndKeepsItsComposedSize() {
        auto& chart = Child<ChartGrid>(*display_, "fraBirthchart");
        const QSize composed = chart.minimumSize();
        // 1725 + 2 × 135 twips wide at least: the grid and its margins.
        QVERIFY2(composed.width() >= 133, qPrintable(QString::number(composed.width())));
        display_->resize(display_->sizeHint());
        QTest::qWait(20);
        const QSize hinted = chart.size();
        display_->resize(display_->sizeHint() + QSize(400, 300));
        QTRY_VERIFY(chart.width() >= hinted.width() + 350);
        QVERIFY(chart.height() >= hinted.height() + 250);
        // Never below the composed size, however small the window is made.
        display_->resize(200, 150);
        QTRY_VERIFY(chart.width() >= composed.width() && chart.height() >= composed.height());
    }

  private:
    std::unique_ptr<frmDisplay> display_;
};

}  // namespace amsaview

QTEST_MAIN(amsaview::frmDisplayTest)
#include "frmDisplayTest.moc"
