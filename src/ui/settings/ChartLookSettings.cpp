#include "ui/settings/ChartLookSettings.h"

#include <QSettings>

#include "qtcommon/QtText.h"

namespace amsaview {
namespace {

const QString kStyleKey = QStringLiteral("chart/style");
const QString kDegreesKey = QStringLiteral("chart/degreesInBoxes");

}  // namespace

ChartLook ReadChartLook(const QSettings& store) {
    const ChartLook defaults;
    ChartLook look;
    look.style =
        StyleFromKey(store.value(kStyleKey).toString().toStdString()).value_or(defaults.style);
    look.degreesInBoxes = store.value(kDegreesKey, defaults.degreesInBoxes).toBool();
    return look;
}

void WriteChartLook(QSettings& store, const ChartLook& look) {
    store.setValue(kStyleKey, ToQString(StyleKey(look.style)));
    store.setValue(kDegreesKey, look.degreesInBoxes);
}

}  // namespace amsaview
