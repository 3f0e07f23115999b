#include "DesktopFiles.h"

#include "ProductIcon.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

#include <QSaveFile>
#include <algorithm>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile f(path);
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return false;
    return f.commit();
}

} // namespace

namespace DesktopFiles {

QByteArray mimePackage(const QString &description)
{
    return QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="%1">
    <comment>%2</comment>
    <sub-class-of type="text/plain"/>
    <icon name="%3"/>
    <glob pattern="%4"/>
  </mime-type>
</mime-info>
)")
        .arg(MimeType, description.toHtmlEscaped(), IconName, Glob)
        .toUtf8();
}

QString execArgument(const QString &path)
{
    static const QString kReserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    const bool quote = path.isEmpty() ||
                       std::any_of(path.begin(), path.end(), [](QChar c) { return kReserved.contains(c); });
    QString arg;
    for (QChar c : path) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            arg += u'\\';
        arg += c;
        if (c == u'%')
            arg += u'%'; // a literal percent sign is doubled, quoted or not
    }
    return quote ? u'"' + arg + u'"' : arg;
}

QByteArray desktopEntry(const QString &programPath, const QString &mimeType)
{
    if (programPath.contains(u'\n') || programPath.contains(u'\r'))
        return {};
    // The key file's own escape comes last: a backslash is written doubled.
    QString exec = execArgument(programPath) + QStringLiteral(" %f");
    exec.replace(u'\\', QLatin1String("\\\\"));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Tessarino\n"
                          "Comment=Programa para numerar hojas.\n"
                          "Comment[en]=A program for numbering sheets.\n"
                          "Exec=%1\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "MimeType=%3;\n"
                          "Categories=Office;\n"
                          "Keywords=numerar;numeración;rifa;talonario;vale;imprimir;\n"
                          "Keywords[en]=numbering;raffle;ticket;receipt book;voucher;print;\n")
        .arg(exec, IconName, mimeType)
        .toUtf8();
}

bool write(const QString &shareFolder, const QString &programPath, const QString &description,
           const QString &mimeType, bool withMimeType)
{
    const QDir share(shareFolder);
    const QByteArray entry = desktopEntry(programPath, mimeType);
    if (entry.isEmpty() || !writeFile(share.filePath(QStringLiteral("applications/") + DesktopId), entry))
        return false;
    for (int size : IconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        drawProductIcon(size).save(&buffer, "PNG");
        const QString file = QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(IconName);
        if (!writeFile(share.filePath(file), png))
            return false;
    }
    return !withMimeType || writeFile(share.filePath(QStringLiteral("mime/packages/") + MimePackageName),
                                      mimePackage(description));
}

} // namespace DesktopFiles
