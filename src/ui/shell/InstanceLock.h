#pragma once

#include <QString>
#include <iosfwd>

namespace amsaview {

// Held by the running copy of the program for its whole run: an advisory
// lock the kernel keeps on an open file and drops when the process ends, how
// ever it ends. Whatever the file holds, or whoever wrote it, counts for
// nothing; only a live holder does.
class InstanceLock {
  public:
    enum class Outcome {
        Taken,          // this copy holds the lock
        HeldByAnother,  // another running copy of this user holds it
        Unavailable,    // no lock can be had here; problem() says why
    };

    explicit InstanceLock(QString path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Outcome acquire();
    const QString& problem() const { return problem_; }

  private:
    bool open();

    QString path_;
    QString problem_;
    int descriptor_ = -1;
};

class MessageSink;

// Takes the lock for this copy. When another copy holds it, tells the user
// "Application is already running" and returns false: this copy must end.
// A lock that cannot be had at all never keeps the user out: the copy runs
// and says on `errors` why it runs unguarded.
bool ClaimOnlyInstance(InstanceLock& lock, MessageSink& messages, std::ostream& errors);

// The lock's file: named with the user id, in the first of the two folders
// that belongs to the user alone (neither group nor others may write in it).
// Empty when neither does.
QString InstanceLockPath(const QString& runtimeFolder, const QString& cacheFolder);

// InstanceLockPath over the user's runtime folder and cache folder.
QString DefaultInstanceLockPath();

}  // namespace amsaview
