// The per-user lock that keeps a second Larkspur from starting. A lock left
// behind by a process that died is taken over (the lock file names the
// process that holds it; a process that no longer runs holds nothing).
#pragma once

#include <QLockFile>
#include <QString>

namespace larkspur {

class InstanceLock {
public:
    explicit InstanceLock(const QString& path = DefaultPath());
    bool TryLock();
    static QString DefaultPath();

private:
    QLockFile lock_;
};

} // namespace larkspur
