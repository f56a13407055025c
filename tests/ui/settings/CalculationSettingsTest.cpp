#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "pipeline/ComputeChart.h"
#include "support/FindChild.h"
#include "support/FormExamples.h"
#include "ui/result/frmDisplay.h"
#include "ui/settings/CalculationSettings.h"
#include "ui/settings/dlgMethod.h"

namespace amsaview {

using testing::Child;

class CalculationSettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    }

    void init() { QSettings().clear(); }

    void everyDashaYearRoundTripsThroughTheSettings() {
        for (const DashaYearChoice& choice : kDashaYearChoices) {
            const CalculationOptions options{DashaYear{choice.kind}};
            {
                QSettings store;
                WriteCalculationOptions(store, options);
            }
            QVERIFY2(ReadCalculationOptions(QSettings()) == options, choice.name.data());
        }
        QSettings store;
        store.setValue(QStringLiteral("dasha/year"), QStringLiteral("lunar"));
        QCOMPARE(ReadCalculationOptions(store).dashaYear.kind, DashaYearKind::Gregorian);
    }

    void theMethodDialogChoosesTheDashaYear() {
        dlgMethod dialog(EphemerisSettings{}, CalculationOptions{DashaYear{DashaYearKind::Julian}});
        auto& years = Child<QComboBox>(dialog, "cboDashaYear");
        QCOMPARE(years.count(), 4);
        QCOMPARE(years.currentText(), QStringLiteral("Dasha years of 365.25 days (Julian)"));
        QCOMPARE(dialog.chosenOptions().dashaYear.kind, DashaYearKind::Julian);
        years.setCurrentIndex(3);
        QCOMPARE(years.currentText(), QStringLiteral("Dasha years of 360 days (Savana)"));
        QCOMPARE(dialog.chosenOptions().dashaYear.kind, DashaYearKind::Savana);
        // The method itself is left as it was.
        QCOMPARE(dialog.chosen(), EphemerisSettings{});
    }

    void theKeptYearCountsTheDashaOnView() {
        {
            QSettings store;
            WriteCalculationOptions(store, {DashaYear{DashaYearKind::Savana}});
        }
        ChartResult result;
        QVERIFY(!ComputeChart(testing::DelhiForm(2020, 2, 18, 12, 0), EphemerisSettings{}, result,
                              ReadCalculationOptions(QSettings())));
        frmDisplay display;
        display.showResult(result);
        QVERIFY(Child<QLabel>(display, "lblDashaYear")
                    .text()
                    .startsWith(QStringLiteral("Dasha years of 360 days (Savana)")));
    }

  private:
    QTemporaryDir folder_;
};

}  // namespace amsaview

QTEST_MAIN(amsaview::CalculationSettingsTest)
#include "CalculationSettingsTest.moc"
