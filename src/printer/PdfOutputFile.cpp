#include "PdfOutputFile.h"
#include "ErrorReason.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Large enough that a run of thousands of sheets costs few system calls.
constexpr qint64 kBufferBytes = 256 * 1024;

QString reasonFor(int error)
{
    return ErrorReason::of(error);
}

} // namespace

PdfOutputFile::PdfOutputFile(QString path) : m_path(std::move(path))
{
    m_buffer.reserve(std::size_t(kBufferBytes));
}

PdfOutputFile::~PdfOutputFile()
{
    if (!m_finished)
        discard();
}

bool PdfOutputFile::create()
{
    const QByteArray name = QFile::encodeName(m_path);
    m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        fail(errno);
        return false;
    }
    m_created = true;
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return true;
}

qint64 PdfOutputFile::writeData(const char *data, qint64 length)
{
    if (failed())
        return -1;
    if (qint64(m_buffer.size()) + length > kBufferBytes) {
        if (!writeOut(m_buffer.data(), qint64(m_buffer.size())))
            return -1;
        m_buffer.clear(); // keeps its capacity
    }
    if (length > kBufferBytes) {
        if (!writeOut(data, length))
            return -1;
    } else {
        m_buffer.insert(m_buffer.end(), data, data + length);
    }
    m_accepted += length;
    return length;
}

bool PdfOutputFile::writeOut(const char *data, qint64 length)
{
    while (length > 0) {
        const ssize_t written = ::write(m_fd, data, size_t(length));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            fail(written < 0 ? errno : EIO);
            return false;
        }
        data += written;
        length -= written;
    }
    return true;
}

bool PdfOutputFile::finish()
{
    if (m_fd < 0)
        return false;
    if (!failed() && writeOut(m_buffer.data(), qint64(m_buffer.size())))
        m_buffer.clear();
    struct stat written = {};
    if (!failed() && ::fstat(m_fd, &written) != 0)
        fail(errno);
    if (::close(m_fd) != 0 && !failed()) // some file systems report a failed write only here
        fail(errno);
    m_fd = -1;
    QIODevice::close();
    if (!failed() && written.st_size != m_accepted)
        m_failure = QCoreApplication::translate("PdfOutputFile", "el disco guardó %1 de %2 bytes")
                        .arg(written.st_size)
                        .arg(m_accepted);
    if (failed())
        return false;
    m_finished = true;
    return true;
}

void PdfOutputFile::discard()
{
    closeDescriptor();
    if (m_created) // never a file someone else made under this name
        QFile::remove(m_path);
    m_created = false;
}

void PdfOutputFile::fail(int error)
{
    if (!failed())
        m_failure = reasonFor(error);
}

void PdfOutputFile::closeDescriptor()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (isOpen())
        QIODevice::close();
}
