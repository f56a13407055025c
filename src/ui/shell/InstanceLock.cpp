#include "ui/shell/InstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <ostream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ui/common/MessageBoxes.h"

namespace amsaview {
namespace {

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

int OpenLockFile(const QByteArray& path) {
    const int descriptor = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor >= 0 || errno != EACCES) {
        return descriptor;
    }
    // A lock file left read-only still carries a lock.
    return ::open(path.constData(), O_RDONLY | O_CLOEXEC);
}

// Only a folder of this user that no one else may write in keeps the lock
// from being taken, replaced or removed by another user.
bool BelongsToUserAlone(const QString& folder) {
    struct stat status {};
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0) {
        return false;
    }
    return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

InstanceLock::InstanceLock(QString path) : path_(std::move(path)) {}

InstanceLock::~InstanceLock() {
    // Closing drops the lock. The file stays: removing it could let two
    // copies lock two different files of the same name.
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

bool InstanceLock::open() {
    if (path_.isEmpty()) {
        problem_ = QStringLiteral("no folder of this user alone to hold the lock");
        return false;
    }
    const QByteArray path = QFile::encodeName(path_);
    descriptor_ = OpenLockFile(path);
    if (descriptor_ < 0 && errno == EISDIR) {
        // A folder where the lock belongs is no lock; an empty one gives way.
        if (::rmdir(path.constData()) == 0) {
            descriptor_ = OpenLockFile(path);
        } else {
            errno = EISDIR;
        }
    }
    if (descriptor_ < 0) {
        problem_ = QStringLiteral("cannot open %1: %2").arg(path_, SystemError(errno));
        return false;
    }
    return true;
}

InstanceLock::Outcome InstanceLock::acquire() {
    if (descriptor_ < 0 && !open()) {
        return Outcome::Unavailable;
    }
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) {
        return Outcome::Taken;
    }
    if (errno == EWOULDBLOCK) {
        return Outcome::HeldByAnother;
    }
    problem_ = QStringLiteral("cannot lock %1: %2").arg(path_, SystemError(errno));
    return Outcome::Unavailable;
}

bool ClaimOnlyInstance(InstanceLock& lock, MessageSink& messages, std::ostream& errors) {
    switch (lock.acquire()) {
        case InstanceLock::Outcome::Taken:
            return true;
        case InstanceLock::Outcome::HeldByAnother:
            messages.show(nullptr, QStringLiteral("Application is already running"),
                          MessageIcon::Information);
            return false;
        case InstanceLock::Outcome::Unavailable:
            break;
    }
    errors << "amsaview: running without the single-copy check: "
           << lock.problem().toLocal8Bit().constData() << '\n';
    return true;
}

QString InstanceLockPath(const QString& runtimeFolder, const QString& cacheFolder) {
    const QString name = QStringLiteral("amsaview-%1.lock").arg(::geteuid());
    for (const QString& folder : {runtimeFolder, cacheFolder}) {
        if (!folder.isEmpty() && QDir().mkpath(folder) && BelongsToUserAlone(folder)) {
            return QDir(folder).filePath(name);
        }
    }
    return {};
}

QString DefaultInstanceLockPath() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return InstanceLockPath(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                            cache.isEmpty() ? QString() : cache + QStringLiteral("/amsaview"));
}

}  // namespace amsaview
