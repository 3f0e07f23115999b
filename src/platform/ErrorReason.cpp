#include "ErrorReason.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace {

std::atomic<bool> g_english{false};

struct Reason
{
    int error;
    const char *spanish;
    const char *english;
};

constexpr Reason kReasons[] = {
    {ENOSPC, "no queda espacio en el disco", "there is no space left on the disk"},
    {EDQUOT, "se ha superado la cuota de disco", "the disk quota has been exceeded"},
    {EFBIG, "el archivo supera el tamaño máximo permitido", "the file exceeds the largest size allowed"},
    {EIO, "error de entrada/salida del disco", "the disk reported an input/output error"},
    {EROFS, "el disco es de solo lectura", "the disk is read-only"},
    {EACCES, "no hay permiso para hacerlo", "permission denied"},
    {EPERM, "no hay permiso para hacerlo", "permission denied"},
    {ENOENT, "el archivo o la carpeta no existe", "the file or folder does not exist"},
    {EISDIR, "es una carpeta", "it is a folder"},
    {ENOTDIR, "una parte de la ruta no es una carpeta", "part of the path is not a folder"},
    {EEXIST, "ya existe un archivo con ese nombre", "a file with that name already exists"},
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
    return QString::fromUtf8(g_english ? reason.english : reason.spanish);
}

QString pick(const char *spanish, const char *english)
{
    return QString::fromUtf8(g_english ? english : spanish);
}

} // namespace

namespace ErrorReason {

void setEnglish(bool english)
{
    g_english = english;
}

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
    return pick("no es un archivo normal (es una tubería, un dispositivo o un socket)",
                "it is not a regular file (it is a pipe, a device or a socket)");
}

QString readOnlyFile()
{
    return pick("el archivo es de solo lectura", "the file is read-only");
}

QString of(const QFileDevice &file)
{
    return ofText(file.errorString());
}

} // namespace ErrorReason
