#include "qtcommon/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace amsaview {
namespace {

// Qt records no reason for a write cut short part way, as by a disk that
// fills up; writing on meets the error itself, and Qt names it.
bool WriteAll(QFileDevice& file, const QByteArray& bytes) {
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return true;
}

std::optional<QString> WriteDirectly(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAll(file, bytes)) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (target.isSymLink() && !target.exists()) {
        return QStringLiteral("it is a link to nothing");
    }
    if (target.exists() && !target.isFile()) {
        return WriteDirectly(path, bytes);
    }
    QSaveFile file(path);
    // Unbuffered, every write's failure is seen here; commit would only say it failed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    if (!WriteAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace amsaview
