#include "LongFileName.h"

#include <QFile>
#include <QStringList>

#include <sys/stat.h>

QString GetLongFilename(const QString &path)
{
    if (!path.startsWith(u'/') || path.contains(QChar(0)))
        return QString();
    // The kernel resolves every component, so a missing one, or a file used as a folder
    // ("/a.trv/x", also "/a.trv/"), fails here as a whole.
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QString();
    QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    return u'/' + parts.join(u'/');
}
