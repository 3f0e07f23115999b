#include "ErrorReason.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <cerrno>
#include <cstring>

namespace {

// Translated where shown, into the installed translation's language (Spanish with none).
struct Reason
{
    int error;
    const char *text;
};

constexpr Reason kReasons[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("ErrorReason", "no queda espacio en el disco")},
    {EDQUOT, QT_TRANSLATE_NOOP("ErrorReason", "se ha superado la cuota de disco")},
    {EFBIG, QT_TRANSLATE_NOOP("ErrorReason", "el archivo supera el tamaño máximo permitido")},
    {EIO, QT_TRANSLATE_NOOP("ErrorReason", "error de entrada/salida del disco")},
    {EROFS, QT_TRANSLATE_NOOP("ErrorReason", "el disco es de solo lectura")},
    {EACCES, QT_TRANSLATE_NOOP("ErrorReason", "no hay permiso para hacerlo")},
    {EPERM, QT_TRANSLATE_NOOP("ErrorReason", "no hay permiso para hacerlo")},
    {ENOENT, QT_TRANSLATE_NOOP("ErrorReason", "el archivo o la carpeta no existe")},
    {EISDIR, QT_TRANSLATE_NOOP("ErrorReason", "es una carpeta")},
    {ENOTDIR, QT_TRANSLATE_NOOP("ErrorReason", "una parte de la ruta no es una carpeta")},
    {EEXIST, QT_TRANSLATE_NOOP("ErrorReason", "ya existe un archivo con ese nombre")},
};

// Qt words a few errors itself, in English whatever the system's language (qt_error_string);
// every other file error it words as strerror() does.
struct QtText
{
    int error;
    const char *text;
};

constexpr QtText kQtTexts[] = {
    {EACCES, "Permission denied"},
    {ENOENT, "No such file or directory"},
    {ENOSPC, "No space left on device"},
    {EISDIR, "file to open is a directory"}, // QFile's own, through QIODevice's translation
};

QString textOf(const Reason &reason)
{
    return QCoreApplication::translate("ErrorReason", reason.text);
}

} // namespace

namespace ErrorReason {

QString of(int error)
{
    for (const Reason &reason : kReasons)
        if (reason.error == error)
            return textOf(reason);
    return QString::fromLocal8Bit(std::strerror(error));
}

QString ofText(const QString &systemText)
{
    for (const QtText &qt : kQtTexts)
        if (systemText == QLatin1String(qt.text) ||
            systemText == QCoreApplication::translate("QIODevice", qt.text))
            return of(qt.error);
    for (const Reason &reason : kReasons)
        if (systemText == QString::fromLocal8Bit(std::strerror(reason.error)))
            return textOf(reason);
    return systemText;
}

QString notRegularFile()
{
    return QCoreApplication::translate(
        "ErrorReason", "no es un archivo normal (es una tubería, un dispositivo o un socket)");
}

QString readOnlyFile()
{
    return QCoreApplication::translate("ErrorReason", "el archivo es de solo lectura");
}

QString of(const QFileDevice &file)
{
    return ofText(file.errorString());
}

} // namespace ErrorReason
