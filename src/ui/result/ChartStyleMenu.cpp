#include "ui/result/ChartStyleMenu.h"

#include <QMenu>
#include <QSettings>

#include "ui/result/frmDisplay.h"
#include "ui/settings/ChartLookSettings.h"
#include "ui/settings/dlgChartStyle.h"

namespace amsaview {

void AddChartStyleEntry(QMenu& settings, frmDisplay& display) {
    display.setLook(ReadChartLook(QSettings()));
    QAction* entry = settings.addAction(QStringLiteral("Chart &Style\u2026"));
    entry->setObjectName(QStringLiteral("mnuChartStyle"));
    QObject::connect(entry, &QAction::triggered, &display, [&display] {
        dlgChartStyle dialog(display.look(), &display);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
        display.setLook(dialog.chosen());
        QSettings store;
        WriteChartLook(store, display.look());
    });
}

}  // namespace amsaview
