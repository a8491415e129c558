#include "InstanceLock.h"

#include "Folders.h"

namespace krevol {

QString InstanceLock::lockFilePath()
{
    return workingFile(QStringLiteral("krevol-przys.lock"));
}

bool InstanceLock::acquire()
{
    const QString path = lockFilePath();
    if (path.isEmpty())
        return true; // no working folder: nothing to protect
    m_lock = std::make_unique<QLockFile>(path);
    m_lock->setStaleLockTime(0); // only a lock whose process is gone is stale
    return m_lock->tryLock(0);
}

} // namespace krevol
