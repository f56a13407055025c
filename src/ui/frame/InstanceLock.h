#pragma once

#include <QLockFile>
#include <QString>

namespace amsaview {

// Held by the running copy of the program for its whole run. The lock file
// records the holder's process, so a lock left behind by a copy that crashed
// is recognised as stale and taken over.
class InstanceLock {
  public:
    explicit InstanceLock(const QString& path);

    // False while another running copy holds the lock.
    bool acquire();

  private:
    QLockFile file_;
};

class MessageSink;

// Takes the lock for this copy. When another copy holds it, tells the user
// "Application is already running" and returns false: this copy must end.
bool ClaimOnlyInstance(InstanceLock& lock, MessageSink& messages);

// One lock per user, in the user's runtime folder.
QString DefaultInstanceLockPath();

}  // namespace amsaview
