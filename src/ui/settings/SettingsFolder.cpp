#include "ui/settings/SettingsFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace amsaview {
namespace {

const QString kProgram = QStringLiteral("Amsaview");
// What Qt names the organisation of a program that set none.
const QString kNoOrganisation = QStringLiteral("Unknown Organization");

}  // namespace

QString UseProgramSettingsFolder() {
    QCoreApplication::setOrganizationName(kProgram);
    QCoreApplication::setApplicationName(kProgram);
    QSettings earlier(QSettings::NativeFormat, QSettings::UserScope, kNoOrganisation, kProgram);
    QSettings current;
    if (!QFileInfo::exists(earlier.fileName()) || QFileInfo::exists(current.fileName())) {
        return {};
    }
    // Key by key rather than renamed: the two folders may lie on different disks.
    for (const QString& key : earlier.allKeys()) {
        current.setValue(key, earlier.value(key));
    }
    current.sync();
    if (current.status() != QSettings::NoError) {
        return QStringLiteral("The settings could not be moved from %1 to %2.")
            .arg(earlier.fileName(), current.fileName());
    }
    const QString earlierFile = earlier.fileName();
    if (!QFile::remove(earlierFile)) {
        return QStringLiteral("The settings were copied to %1, but %2 could not be removed.")
            .arg(current.fileName(), earlierFile);
    }
    QDir().rmdir(QFileInfo(earlierFile).path());  // only when nothing else is left in it
    return {};
}

}  // namespace amsaview
