#include "register/DamagedFile.h"

#include <QFile>

namespace amsaview {
namespace {

// SQLite keeps these next to the database; a log left behind would be
// replayed into the fresh file.
constexpr const char* kCompanions[] = {"-wal", "-shm"};

bool AnyExists(const QString& name) {
    if (QFile::exists(name)) {
        return true;
    }
    for (const char* companion : kCompanions) {
        if (QFile::exists(name + QLatin1String(companion))) {
            return true;
        }
    }
    return false;
}

QString FreeName(const QString& base) {
    QString name = base;
    for (int counter = 2; AnyExists(name); ++counter) {
        name = base + QStringLiteral("-%1").arg(counter);
    }
    return name;
}

}  // namespace

bool LacksDatabaseHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0) {
        return false;
    }
    static const QByteArray kHeader("SQLite format 3\0", 16);
    return file.read(kHeader.size()) != kHeader;
}

RegisterResult<QString> MoveAside(const QString& path, const QDate& date) {
    const QString aside = FreeName(path + QStringLiteral(".damaged-") + date.toString(Qt::ISODate));
    QFile file(path);
    // rename() refuses an existing target, so nothing is ever overwritten.
    if (!file.rename(aside)) {
        return RegisterError{
            QStringLiteral("The damaged register %1 could not be renamed to %2: %3")
                .arg(path, aside, file.errorString())};
    }
    for (const char* companion : kCompanions) {
        QFile companionFile(path + QLatin1String(companion));
        if (companionFile.exists() && !companionFile.rename(aside + QLatin1String(companion))) {
            return RegisterError{
                QStringLiteral("The damaged register was renamed to %1, but its file %2 could "
                               "not be: %3")
                    .arg(aside, companionFile.fileName(), companionFile.errorString())};
        }
    }
    return aside;
}

}  // namespace amsaview
