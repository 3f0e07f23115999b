#include "SysInfo.h"

#include "cRegistro.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// The value is read into a buffer of this many bytes; a longer one cannot be read.
constexpr qsizetype kValueBuffer = 1024;
} // namespace

namespace SysInfo {

bool GetKeyValue(const QString &storeFile, uint32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                 QString &KeyVal)
{
    KeyVal.clear();
    const QVariant value = cRegistro(storeFile).QueryValue(KeyRoot, KeyName, SubKeyRef);
    if (!value.isValid())
        return false;
    if (value.typeId() == QMetaType::Int) {
        KeyVal = QString::number(value.toInt()); // the number itself, every digit kept
        return true;
    }
    const QString text = value.toString();
    if (text.toUtf8().size() + 1 > kValueBuffer)
        return false;
    KeyVal = text;
    return true;
}

QString findTool(const QString &storeFile, const QStringList &searchPath)
{
    constexpr uint32_t machine = cRegistro::HKEY_LOCAL_MACHINE;
    QString found;
    if (GetKeyValue(storeFile, machine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), found))
        return found; // started as named: a missing file fails to start
    if (GetKeyValue(storeFile, machine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                    QStringLiteral("MSINFO"), found)) {
        const QString file = QDir(found).filePath(QStringLiteral("MSINFO32.EXE"));
        return QFileInfo::exists(file) ? file : QString();
    }
    for (const QString &tool : LinuxTools) {
        const QString path = QStandardPaths::findExecutable(tool, searchPath);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace SysInfo
