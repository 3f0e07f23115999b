#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Tells the first running instance of the program from later ones, through a lock file in the
// folder it is given (the user's runtime folder, or a folder of the user's own in the temporary
// folder). The folder is created for the user alone (0700); one that is a link, belongs to
// someone else or that others may write to is not used, so that another user cannot plant a lock
// that keeps the program from starting. The lock is held until release() or destruction; a lock
// left behind by an instance that died is taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // False only while another live instance holds the lock. When no lock can be made at all
    // (say the folder is not writable, or not the user's own) this is true, since refusing to start would be
    // worse than allowing a second instance; isHeld() tells the two apart.
    bool tryAcquire();
    void release();
    bool isHeld() const;
    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
