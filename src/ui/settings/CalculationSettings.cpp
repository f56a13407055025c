#include "ui/settings/CalculationSettings.h"

#include <QSettings>

#include "qtcommon/QtText.h"

namespace amsaview {
namespace {

const QString kDashaYearKey = QStringLiteral("dasha/year");

}  // namespace

CalculationOptions ReadCalculationOptions(const QSettings& store) {
    CalculationOptions options;
    options.dashaYear = ParseDashaYear(store.value(kDashaYearKey).toString().toStdString())
                            .value_or(options.dashaYear);
    return options;
}

void WriteCalculationOptions(QSettings& store, const CalculationOptions& options) {
    store.setValue(kDashaYearKey, ToQString(options.dashaYear.name()));
}

}  // namespace amsaview
