#include "RegularFile.h"

#include "ErrorReason.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString refusalOf(const struct stat &st)
{
    if (S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return ErrorReason::of(EISDIR);
    return ErrorReason::notRegularFile();
}

} // namespace

namespace RegularFile {

QString refusal(const QString &path)
{
    struct stat st
    {
    };
    if (path.isEmpty())
        return ErrorReason::of(ENOENT);
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return ErrorReason::of(errno);
    return refusalOf(st);
}

QString open(QFile &file, const QString &path)
{
    if (path.isEmpty())
        return ErrorReason::of(ENOENT);
    // Non-blocking, so that a FIFO does not wait for a writer; the mode is checked on what was
    // opened, not on a name that may have changed since.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        // A socket refuses to open at all; it is still not a file rather than a missing device.
        const int error = errno;
        struct stat st
        {
        };
        if (::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode))
            return refusalOf(st);
        return ErrorReason::of(error);
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return ErrorReason::of(error);
    }
    if (const QString why = refusalOf(st); !why.isEmpty()) {
        ::close(fd);
        return why;
    }
    // Regular files never block; the flag only matters for what was refused above.
    (void)::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return ErrorReason::of(file);
    }
    return {};
}

} // namespace RegularFile
