#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {
const QString kSettingsName = QStringLiteral("Vireo.sys");
}

Paths Paths::standard()
{
    Paths p;
    p.programFolder = QCoreApplication::applicationDirPath();
    const QString portable = QDir(p.programFolder).filePath(kSettingsName);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    p.settingsFile = QFileInfo::exists(portable) ? portable : QDir(config).filePath(kSettingsName);
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    p.jobsFolder = QDir(documents).filePath(QStringLiteral("Mis Trabajos")) + u'/';
    p.pdfOutputFolder = QDir(documents).filePath(QStringLiteral("Tessarino PDF"));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    p.registryStore = QDir(data).filePath(QStringLiteral("registry.ini"));
    p.runLogFolder = data;
    p.desktopDataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    p.desktopConfigHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    p.desktopDataDirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    p.desktopDataDirs.removeAll(p.desktopDataHome);
    p.desktopConfigDirs = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    p.desktopConfigDirs.removeAll(p.desktopConfigHome);
    // Without XDG_RUNTIME_DIR, a folder of the user's own in the temporary folder: the shared
    // temporary folder itself would let anyone plant the lock first.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        p.lockFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (p.lockFolder.isEmpty())
        p.lockFolder = QDir(QDir::tempPath()).filePath(QStringLiteral("tessarino-%1").arg(::geteuid()));
    return p;
}

Paths Paths::under(const QString &root)
{
    const QDir dir(root);
    Paths p;
    p.programFolder = root;
    p.settingsFile = dir.filePath(kSettingsName);
    p.jobsFolder = dir.filePath(QStringLiteral("Mis Trabajos")) + u'/';
    p.pdfOutputFolder = dir.filePath(QStringLiteral("pdf"));
    p.registryStore = dir.filePath(QStringLiteral("registry.ini"));
    p.desktopDataHome = dir.filePath(QStringLiteral("share"));
    p.desktopConfigHome = dir.filePath(QStringLiteral("config"));
    p.lockFolder = root;
    p.runLogFolder = dir.filePath(QStringLiteral("data"));
    return p;
}
