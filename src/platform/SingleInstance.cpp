#include "SingleInstance.h"

#include "Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Creates `folder` for this user alone, or checks the one standing there: a real folder (not a
// link), owned by the user, that nobody else may write to. Anything else may have been planted
// by another user to hold a lock in our name. The reason it cannot be used, or an empty text.
QString unsafeFolder(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    QDir().mkpath(QFileInfo(folder).absolutePath());
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return QString::fromLocal8Bit(std::strerror(errno));
    struct stat info;
    if (::lstat(path.constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("not a folder");
    if (info.st_uid != ::geteuid())
        return QStringLiteral("owned by user %1").arg(info.st_uid);
    if (info.st_mode & (S_IWGRP | S_IWOTH))
        return QStringLiteral("others may write to it (mode %1)")
            .arg(info.st_mode & 07777, 4, 8, QLatin1Char('0'));
    return {};
}

} // namespace

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
    // A lock we cannot trust is no lock: the program starts as it does without one.
    const QString folder = QFileInfo(m_path).absolutePath();
    if (const QString why = unsafeFolder(folder); !why.isEmpty()) {
        qCWarning(lcApp) << "No single-instance lock in" << folder << ":" << why;
        return true;
    }
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
