#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "support/ComputedChart.h"
#include "support/FindChild.h"
#include "support/FormExamples.h"
#include "ui/result/ChartGrid.h"
#include "ui/result/ChartStyleMenu.h"
#include "ui/result/frmDisplay.h"
#include "ui/settings/ChartLookSettings.h"
#include "ui/settings/dlgChartStyle.h"

namespace amsaview {
namespace {

using testing::Child;

QString Described(const ChartLook& look) {
    return QStringLiteral("%1%2").arg(StyleName(look.style),
                                      look.degreesInBoxes ? " with degrees" : "");
}

// Answers the dialog the entry opens, as a user would, once it is up.
void AnswerChartStyle(const char* style, bool degrees, bool accept) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<dlgChartStyle*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        Child<QRadioButton>(*dialog, QStringLiteral("optStyle_") + style).click();
        Child<QCheckBox>(*dialog, "chkDegrees").setChecked(degrees);
        accept ? dialog->accept() : dialog->reject();
    });
}

}  // namespace

class ChartStyleTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    }

    void init() { QSettings().clear(); }

    void everyLookRoundTripsThroughTheSettings() {
        for (const ChartStyle style : kChartStyles) {
            for (const bool degrees : {false, true}) {
                const ChartLook look{style, degrees};
                {
                    QSettings store;
                    WriteChartLook(store, look);
                }
                QVERIFY2(ReadChartLook(QSettings()) == look, qPrintable(Described(look)));
            }
        }
    }

    void anUnknownOrMissingStyleReadsAsTheDefault() {
        QCOMPARE(ReadChartLook(QSettings()), ChartLook{});
        QSettings store;
        store.setValue(QStringLiteral("chart/style"), QStringLiteral("western"));
        QCOMPARE(ReadChartLook(store).style, ChartStyle::South);
    }

    void theDialogStartsFromTheCurrentLook() {
        dlgChartStyle dialog(ChartLook{ChartStyle::North, true});
        QVERIFY(Child<QRadioButton>(dialog, "optStyle_north").isChecked());
        QVERIFY(!Child<QRadioButton>(dialog, "optStyle_south").isChecked());
        QVERIFY(Child<QCheckBox>(dialog, "chkDegrees").isChecked());
        QCOMPARE(dialog.chosen(), (ChartLook{ChartStyle::North, true}));
        Child<QRadioButton>(dialog, "optStyle_east").click();
        Child<QCheckBox>(dialog, "chkDegrees").setChecked(false);
        QCOMPARE(dialog.chosen(), (ChartLook{ChartStyle::East, false}));
        // Each choice has its key: Alt and the style's first letter.
        QCOMPARE(Child<QRadioButton>(dialog, "optStyle_south").text(),
                 QStringLiteral("&South Indian"));
    }

    void theChosenLookIsDrawnAndKeptForTheNextRun() {
        {
            frmDisplay display;
            display.showResult(testing::ComputedChart(testing::DelhiForm(2020, 2, 18, 12, 0)));
            QMenu settings;
            AddChartStyleEntry(settings, display);
            QCOMPARE(display.look(), ChartLook{});

            AnswerChartStyle("north", true, true);
            Child<QAction>(settings, "mnuChartStyle").trigger();
            QCOMPARE(display.look(), (ChartLook{ChartStyle::North, true}));
            for (const ChartGrid* chart : display.findChildren<ChartGrid*>()) {
                QCOMPARE(chart->chart().style, ChartStyle::North);
            }
            // The Sun entered tropical Pisces on 19 February 2020 at 05:57 UT, a
            // day after this noon (06:30 UT): about 29°02′ Aquarius, 4°54′ once
            // Lahiri's 24°08′ is taken off. Its degrees are in the box.
            const ChartGrid& rashi = Child<ChartGrid>(display, "fraBirthchart");
            const QString aquarius = QString::fromStdString(rashi.chart().boxes[10]);
            QVERIFY2(aquarius.contains(u"Surya 04°5"), qPrintable(aquarius));
            QCOMPARE(display.chartOnView().style, ChartStyle::North);

            // Cancel keeps what was there.
            AnswerChartStyle("east", false, false);
            Child<QAction>(settings, "mnuChartStyle").trigger();
            QCOMPARE(display.look(), (ChartLook{ChartStyle::North, true}));
        }
        frmDisplay nextRun;
        QMenu settings;
        AddChartStyleEntry(settings, nextRun);
        QCOMPARE(nextRun.look(), (ChartLook{ChartStyle::North, true}));
        QCOMPARE(nextRun.chartOnView().style, ChartStyle::North);
    }

  private:
    QTemporaryDir folder_;
};

}  // namespace amsaview

QTEST_MAIN(amsaview::ChartStyleTest)
#include "ChartStyleTest.moc"
