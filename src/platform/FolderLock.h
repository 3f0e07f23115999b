#pragma once

#include <QString>

#include <chrono>

// An advisory lock (flock) on a folder, held by a profile write across its read-change-replace
// so that two processes writing one file never lose each other's values. The folder rather than
// the file, because every write replaces the file by a rename; and no lock file, so that job
// folders stay clean. Readers take no lock: a rename shows them the old file or the new one.
//
// Where the file system has no flock on folders (some network mounts) the write goes ahead
// unlocked, as every write did before.
class FolderLock
{
public:
    // Waits at most `wait` for the lock: a stuck holder must not hang the program.
    FolderLock(const QString &folder, std::chrono::milliseconds wait);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Another writer held the folder for the whole wait.
    bool busy() const { return m_busy; }

private:
    int m_fd = -1;
    bool m_busy = false;
};
