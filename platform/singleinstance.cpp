#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

SingleInstanceLock::SingleInstanceLock(const QString& executablePath)
    : m_lock(std::make_unique<QLockFile>(lockFilePath(executablePath)))
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

QString SingleInstanceLock::lockFilePath(const QString& executablePath)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    // One executable reached through links is still one program.
    const QFileInfo executable(executablePath);
    const QString canonical = executable.canonicalFilePath();
    const QByteArray key = (canonical.isEmpty() ? executable.absoluteFilePath() : canonical).toUtf8();
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(32));
    return QDir(folder).filePath(QStringLiteral("DezArod-%1.lock").arg(hash));
}
