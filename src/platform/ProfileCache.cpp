#include "ProfileCache.h"

#include <QFile>
#include <QMutex>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// File times are coarse (a clock tick; two seconds on FAT), so a file rewritten in place within
// one tick keeps its size and times. A copy read this soon after its file last changed is
// checked against the bytes on disk at every use until the change is older than that.
constexpr qint64 kRacyNs = 3'000'000'000;
// The settings file and the few job files in use.
constexpr size_t kKept = 4;

qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

struct Stamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 modified = 0;
    qint64 changed = 0;
    bool operator==(const Stamp &) const = default;
};

Stamp stampOf(const struct stat &st)
{
    return {st.st_dev, st.st_ino, st.st_size, nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
}

struct Entry
{
    QString path;
    Stamp stamp;
    bool racy = true;
    std::shared_ptr<const ProfileText> text;
};

struct Cache
{
    QMutex mutex;
    std::vector<Entry> entries; // most recently used first
};

Cache &cache()
{
    static Cache c;
    return c;
}

// Takes the entry for `path` out of the cache, if there is one.
std::optional<Entry> takeEntry(Cache &c, const QString &path)
{
    const auto it =
        std::find_if(c.entries.begin(), c.entries.end(), [&](const Entry &e) { return e.path == path; });
    if (it == c.entries.end())
        return std::nullopt;
    Entry e = std::move(*it);
    c.entries.erase(it);
    return e;
}

void keep(Cache &c, Entry entry)
{
    c.entries.insert(c.entries.begin(), std::move(entry));
    if (c.entries.size() > kKept)
        c.entries.pop_back();
}

bool readable(const struct stat &st)
{
    return S_ISREG(st.st_mode) && st.st_size <= ProfileText::MaxBytes;
}

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The bytes fstat promised (fewer if the file shrank meanwhile); nothing on a read error.
std::optional<QByteArray> readBytes(int fd, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(size - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

} // namespace

namespace ProfileCache {

Loaded load(const QString &path)
{
    Cache &c = cache();
    QMutexLocker locker(&c.mutex);
    std::optional<Entry> kept = takeEntry(c, path);

    const QByteArray native = QFile::encodeName(path);
    struct stat st
    {
    };
    if (::stat(native.constData(), &st) != 0)
        return {errno == ENOENT || errno == ENOTDIR ? State::Missing : State::Unreadable, nullptr};
    if (!readable(st))
        return {State::Unreadable, nullptr};
    if (kept && !kept->racy && kept->stamp == stampOf(st)) {
        auto text = kept->text;
        keep(c, std::move(*kept));
        return {State::Loaded, std::move(text)};
    }

    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    // Non-blocking, in case a FIFO took the file's place since the check above.
    const Descriptor fd(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat opened
    {
    };
    if (fd.get() < 0 || ::fstat(fd.get(), &opened) != 0 || !readable(opened))
        return {State::Unreadable, nullptr};
    std::optional<QByteArray> bytes = readBytes(fd.get(), qsizetype(opened.st_size));
    if (!bytes)
        return {State::Unreadable, nullptr};

    Entry entry{path, stampOf(opened), false, nullptr};
    const qint64 settled = nanoseconds(now) - kRacyNs;
    entry.racy = entry.stamp.modified > settled || entry.stamp.changed > settled;
    if (kept && kept->stamp == entry.stamp && kept->text->bytes() == *bytes) {
        entry.text = std::move(kept->text);
    } else {
        std::optional<ProfileText> parsed = ProfileText::parse(std::move(*bytes));
        if (!parsed)
            return {State::Unreadable, nullptr};
        entry.text = std::make_shared<const ProfileText>(std::move(*parsed));
    }
    auto text = entry.text;
    keep(c, std::move(entry));
    return {State::Loaded, std::move(text)};
}

void forget(const QString &path)
{
    Cache &c = cache();
    QMutexLocker locker(&c.mutex);
    takeEntry(c, path);
}

} // namespace ProfileCache
