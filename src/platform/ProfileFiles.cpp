#include "ProfileFiles.h"
#include "ErrorReason.h"

#include "FolderLock.h"
#include "Logging.h"
#include "ProfileCache.h"
#include "ProfileText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

// Where the bytes of `file` really go: QSaveFile writes through symbolic links to their target,
// and the target's folder is the one to lock.
QString writtenPath(const QString &file)
{
    QFileInfo info(file);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

// The old platform refused to write a read-only file. Root passes every permission check, so
// for root the mode's write bits decide.
bool mayWrite(const QString &path, const struct stat &st)
{
    if (::geteuid() == 0)
        return (st.st_mode & 0222) != 0;
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

// The new file takes the old one's owner and mode, so that a write by root does not hand a
// user's file to root and a private file does not become readable by others. The owner only
// where we may set it; the mode after it, since a change of owner clears set-id bits.
void keepOwnerAndMode(int fd, const struct stat &st)
{
    if (::fchown(fd, st.st_uid, st.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), st.st_gid);
    (void)::fchmod(fd, st.st_mode & 07777);
}

} // namespace

ProfileFiles::ProfileFiles(QString settingsFile) : m_settingsFile(std::move(settingsFile)) {}

QString ProfileFiles::wholeValue(const QString &section, const QString &key, QString &file) const
{
    if (file.isEmpty())
        file = m_settingsFile;
    const std::optional<QString> sectionName = ProfileText::cleanName(section);
    const std::optional<QString> keyName = ProfileText::cleanName(key);
    if (!sectionName || !keyName)
        return Vacio; // no such name can stand in a file
    const ProfileCache::Loaded loaded = ProfileCache::load(file);
    if (loaded.state != ProfileCache::State::Loaded)
        return Vacio;
    return loaded.text->value(*sectionName, *keyName).value_or(Vacio);
}

QString ProfileFiles::LeerValorIni(const QString &section, const QString &key, QString &file) const
{
    QString value = wholeValue(section, key, file);
    if (value.size() > MaxValueLength) {
        // Never keep half of a surrogate pair.
        const bool split = value.at(MaxValueLength - 1).isHighSurrogate();
        value.truncate(split ? MaxValueLength - 1 : MaxValueLength);
    }
    return value;
}

bool ProfileFiles::EscribirValoresIni(const QList<ProfileValue> &values, QString &file, QString *reason) const
{
    if (file.isEmpty())
        file = m_settingsFile;
    // A caller that does not take the reason still never loses a write without a word.
    const auto fail = [reason, &file](const QString &why) {
        if (reason)
            *reason = why;
        else
            qCWarning(lcFiles) << "No se pudo escribir en" << file << ":" << why;
        return false;
    };

    QList<ProfileValue> clean;
    clean.reserve(values.size());
    for (const ProfileValue &v : values) {
        const std::optional<QString> sectionName = ProfileText::cleanName(v.section);
        const std::optional<QString> keyName = ProfileText::cleanName(v.key);
        if (!sectionName || !keyName)
            return fail(QCoreApplication::translate("ProfileFiles",
                                                    "el nombre de sección o de clave \"%1\" no es válido")
                            .arg(sectionName ? v.key : v.section));
        ProfileValue c = v;
        c.section = *sectionName;
        c.key = *keyName;
        clean.append(c);
    }

    const QString target = writtenPath(file);
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(
            QCoreApplication::translate("ProfileFiles", "no se puede crear la carpeta %1").arg(folder));
    const FolderLock lock(folder, m_lockWait);
    if (lock.busy())
        return fail(QCoreApplication::translate("ProfileFiles", "otro programa está modificando el archivo"));

    const ProfileCache::Loaded old = ProfileCache::load(target);
    if (old.state == ProfileCache::State::Unreadable)
        return fail(QCoreApplication::translate(
            "ProfileFiles", "no se puede leer el archivo existente")); // never replace what we could not read
    const QByteArray bytes =
        old.text ? old.text->withValues(clean) : ProfileText::parse({})->withValues(clean);
    if (old.text && bytes == old.text->bytes())
        return true;

    struct stat existing
    {
    };
    const bool exists = ::stat(QFile::encodeName(target).constData(), &existing) == 0;
    if (exists && !mayWrite(target, existing))
        return fail(ErrorReason::readOnlyFile());

    // Unbuffered: a buffered QSaveFile can lose a failed flush (disk full) inside commit() and
    // still replace the file with a cut copy; a direct write reports the short count instead.
    QSaveFile f(target);
    // A writable file in a folder that refuses the temporary file (a portable install in a
    // read-only program folder) is written in place rather than not at all.
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(ErrorReason::of(f));
    if (exists)
        keepOwnerAndMode(f.handle(), existing);
    struct stat written
    {
    };
    if (f.write(bytes) != bytes.size() || f.error() != QFileDevice::NoError) {
        const QString why = ErrorReason::of(f);
        f.cancelWriting();
        return fail(why);
    }
    if (::fstat(f.handle(), &written) != 0 || written.st_size != bytes.size()) {
        f.cancelWriting();
        return fail(QCoreApplication::translate("ProfileFiles", "el archivo no se escribió completo"));
    }
    const bool committed = f.commit(); // on failure the old file stays as it was
    ProfileCache::forget(target);
    if (!committed)
        return fail(ErrorReason::of(f));
    return true;
}

bool ProfileFiles::EscribirValorIni(const QString &section, const QString &key, const QString &value,
                                    QString &file) const
{
    return EscribirValoresIni({{section, key, value}}, file, nullptr);
}
