#include "RegistryFile.h"

#include "FolderLock.h"
#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// The store is a few keys; anything far larger is not ours to load.
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;
} // namespace

RegistryStore RegistryFile::read() const
{
    QFile f;
    if (!RegularFile::open(f, m_path).isEmpty() || f.size() > kMaxBytes)
        return {};
    return RegistryStore::parse(f.readAll());
}

bool RegistryFile::change(const std::function<bool(RegistryStore &)> &change) const
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    const FolderLock lock(folder, std::chrono::milliseconds(5000));
    if (lock.busy())
        return false;
    RegistryStore store = read();
    if (!change(store))
        return false;
    const QByteArray bytes = store.serialize();
    QSaveFile f(m_path);
    // A folder that refuses the temporary file but holds a writable store: write in place.
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
