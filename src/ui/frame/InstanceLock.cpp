#include "ui/frame/InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

#include "ui/frame/MessageBoxes.h"

namespace amsaview {

InstanceLock::InstanceLock(const QString& path) : file_(path) {
    // A lock is stale only when its holder is gone, never by age: the first
    // copy may well run for days.
    file_.setStaleLockTime(0);
}

bool InstanceLock::acquire() {
    return file_.tryLock(0);
}

bool ClaimOnlyInstance(InstanceLock& lock, MessageSink& messages) {
    if (lock.acquire()) {
        return true;
    }
    messages.show(nullptr, QStringLiteral("Application is already running"),
                  MessageIcon::Information);
    return false;
}

QString DefaultInstanceLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("amsaview.lock"));
}

}  // namespace amsaview
