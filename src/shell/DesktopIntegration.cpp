#include "DesktopIntegration.h"

#include "DesktopFiles.h"
#include "Logging.h"
#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>

namespace {

const QString kDefaultSection = QStringLiteral("[Default Applications]");

// Opens one of the desktop's databases for reading, never waiting on a FIFO put in its place. A
// missing file is usual and quiet; anything else that cannot be read is logged and skipped.
bool openDatabase(QFile &file, const QString &path)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return false;
    const QString why = RegularFile::open(file, path);
    if (!why.isEmpty())
        qCWarning(lcShell) << "skipping" << path << ":" << why;
    return why.isEmpty();
}

// Sets `key` in `section` of a key file's lines, keeping every other line as it stands.
QStringList withKey(QStringList lines, const QString &section, const QString &key, const QString &value)
{
    qsizetype at = lines.indexOf(section);
    if (at < 0) {
        if (!lines.isEmpty() && !lines.last().isEmpty())
            lines.append(QString());
        lines.append(section);
        lines.append(key + u'=' + value);
        return lines;
    }
    qsizetype end = at + 1;
    while (end < lines.size() && !lines[end].startsWith(u'['))
        ++end;
    for (qsizetype i = at + 1; i < end; ++i) {
        if (lines[i].section(u'=', 0, 0).trimmed() == key) {
            lines[i] = key + u'=' + value;
            return lines;
        }
    }
    while (end > at + 1 && lines[end - 1].trimmed().isEmpty())
        --end; // the new key joins its section, not the blank line before the next one
    lines.insert(end, key + u'=' + value);
    return lines;
}

// The applications `type` maps to in `section` of a key file (a mimeapps.list, defaults.list or
// mimeinfo.cache), in their order.
QStringList applicationsIn(const QString &file, const QString &section, const QString &type)
{
    QFile f;
    if (!openDatabase(f, file))
        return {};
    bool inSection = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inSection = line == section;
        } else if (inSection && line.section(u'=', 0, 0).trimmed() == type) {
            return line.section(u'=', 1).split(u';', Qt::SkipEmptyParts);
        }
    }
    return {};
}

// The mimeapps.list names of a folder: the current desktops' own lists first.
QStringList mimeappsLists(const QString &folder)
{
    QStringList lists;
    const QDir dir(folder);
    for (const QString &desktop : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        lists << dir.filePath(desktop.toLower() + QStringLiteral("-mimeapps.list"));
    lists << dir.filePath(QStringLiteral("mimeapps.list"));
    return lists;
}

} // namespace

bool runDesktopTool(const QString &tool, const QString &folder)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(tool, {folder});
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString DesktopIntegration::otherOwner() const
{
    // globs2 lines are "weight:type:pattern[:flags]"; the user's own database comes first.
    const QStringList folders = QStringList(m_paths.desktopDataHome) + m_paths.desktopDataDirs;
    for (const QString &folder : folders) {
        QFile globs;
        if (!openDatabase(globs, QDir(folder).filePath(QStringLiteral("mime/globs2"))))
            continue;
        while (!globs.atEnd()) {
            const QStringList fields = QString::fromUtf8(globs.readLine()).trimmed().split(u':');
            if (fields.size() >= 3 && fields[2].compare(DesktopFiles::Glob, Qt::CaseInsensitive) == 0 &&
                fields[1] != DesktopFiles::MimeType)
                return fields[1];
        }
    }
    return {};
}

bool DesktopIntegration::installed() const
{
    for (const QString &folder : m_paths.desktopDataDirs) {
        const QDir share(folder);
        if (QFileInfo::exists(share.filePath(QStringLiteral("applications/") + DesktopFiles::DesktopId)) &&
            QFileInfo::exists(
                share.filePath(QStringLiteral("mime/packages/") + DesktopFiles::MimePackageName)))
            return true;
    }
    return false;
}

DesktopIntegration::Default DesktopIntegration::currentDefault(const QString &type) const
{
    const QStringList dataFolders = QStringList(m_paths.desktopDataHome) + m_paths.desktopDataDirs;
    const auto installed = [&](const QString &id) {
        for (const QString &folder : dataFolders)
            if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("applications/") + id)))
                return true;
        return false;
    };
    QStringList lists;
    for (const QString &folder : QStringList(m_paths.desktopConfigHome) + m_paths.desktopConfigDirs)
        lists << mimeappsLists(folder);
    for (const QString &folder : dataFolders)
        lists << mimeappsLists(QDir(folder).filePath(QStringLiteral("applications")));
    for (const QString &list : lists)
        for (const QString &id : applicationsIn(list, kDefaultSection, type))
            if (installed(id))
                return {id, true};
    for (const QString &folder : dataFolders) {
        const QDir applications(QDir(folder).filePath(QStringLiteral("applications")));
        for (const auto &[file, section] :
             {std::pair{QStringLiteral("defaults.list"), kDefaultSection},
              std::pair{QStringLiteral("mimeinfo.cache"), QStringLiteral("[MIME Cache]")}}) {
            const QStringList ids = applicationsIn(applications.filePath(file), section, type);
            if (!ids.isEmpty())
                return {ids.first(), false};
        }
    }
    return {};
}

bool DesktopIntegration::makeDefault(const QString &mimeType, const QString &desktopId) const
{
    const QString file = QDir(m_paths.desktopConfigHome).filePath(QStringLiteral("mimeapps.list"));
    QStringList lines;
    QFile old;
    if (openDatabase(old, file))
        lines = QString::fromUtf8(old.readAll()).split(u'\n');
    else if (QFileInfo::exists(file) || QFileInfo(file).isSymLink())
        return false; // never replace a list we could not read (the reason is logged)
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    lines = withKey(lines, kDefaultSection, mimeType, desktopId + u';');
    if (!QDir().mkpath(m_paths.desktopConfigHome))
        return false;
    QSaveFile f(file);
    f.setDirectWriteFallback(true);
    const QByteArray bytes = (lines.join(u'\n') + u'\n').toUtf8();
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

bool DesktopIntegration::associate(const QString &programPath, const QString &description) const
{
    if (installed())
        return true; // a packaged install brought it all; the user's folders stay as they are
    const QString owner = otherOwner();
    const QString type = owner.isEmpty() ? DesktopFiles::MimeType : owner;
    // Our entry in the user's own folder would come first in the desktop's caches and so become
    // the type's application by default: the one the user has now is written down first.
    const Default before = owner.isEmpty() ? Default{} : currentDefault(owner);
    if (!DesktopFiles::write(m_paths.desktopDataHome, programPath, description, type, owner.isEmpty()))
        return false;
    if (owner.isEmpty()) {
        if (!makeDefault(type, DesktopFiles::DesktopId))
            return false;
    } else if (!before.chosen && !before.desktopId.isEmpty() && before.desktopId != DesktopFiles::DesktopId) {
        if (!makeDefault(type, before.desktopId))
            return false;
    }
    const QDir share(m_paths.desktopDataHome);
    // Another package's type is in its own database already; ours must be compiled in.
    if (owner.isEmpty() &&
        !runDesktopTool(QStringLiteral("update-mime-database"), share.filePath(QStringLiteral("mime"))))
        return false;
    return runDesktopTool(QStringLiteral("update-desktop-database"),
                          share.filePath(QStringLiteral("applications")));
}
