#include "platform/InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

namespace larkspur {

InstanceLock::InstanceLock(const QString& path) : lock_(path) {
    lock_.setStaleLockTime(0); // only a dead holder makes the lock stale, never its age
}

bool InstanceLock::TryLock() { return lock_.tryLock(0); }

QString InstanceLock::DefaultPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/larkspur.lock");
}

} // namespace larkspur
