#include "platform/singleinstance.h"

#include <QDir>
#include <QLockFile>

SingleInstanceLock::SingleInstanceLock(const QString& folder)
    : m_lock(std::make_unique<QLockFile>(lockFilePath(folder)))
{
    // A running copy holds the lock however long it runs; only a dead owner makes it stale.
    m_lock->setStaleLockTime(0);
}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::tryLock()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}

bool SingleInstanceLock::isLocked() const
{
    return m_lock->isLocked();
}

void SingleInstanceLock::unlock()
{
    m_lock->unlock();
}

QString SingleInstanceLock::lockFilePath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("DezArod.lock"));
}
