#include "SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <unistd.h>

SingleInstance::SingleInstance(const QString &folder)
{
    // The temporary folder is shared between users; one user's instance must not stop another's.
    m_path = QDir(folder).filePath(QStringLiteral("tessarino-%1.lock").arg(::getuid()));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead owner makes a lock stale; by age alone a long-running instance would lose it.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire()
{
    if (m_lock->isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (m_lock->tryLock(0))
        return true;
    return m_lock->error() != QLockFile::LockFailedError;
}

void SingleInstance::release()
{
    m_lock->unlock();
}

bool SingleInstance::isHeld() const
{
    return m_lock->isLocked();
}
