#pragma once

#include <QByteArray>
#include <QString>

// The freedesktop.org files that tie job files to the program: a shared-mime-info type, a
// desktop entry and the icon in the hicolor theme. The same text is installed by
// `cmake --install` and written at the first run of an uninstalled program.
namespace DesktopFiles {

inline const QString MimeType = QStringLiteral("application/x-tessarino");
inline const QString DesktopId = QStringLiteral("tessarino.desktop");
inline const QString IconName = QStringLiteral("tessarino");
inline const QString MimePackageName = QStringLiteral("tessarino.xml");
inline const QString Glob = QStringLiteral("*.trv");
inline constexpr int IconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The type of job files, named `description` (any letter case of the extension matches).
QByteArray mimePackage(const QString &description);

// The program's entry, opening one file of `mimeType`. Empty when the path cannot stand in an
// Exec line (a line break in it).
QByteArray desktopEntry(const QString &programPath, const QString &mimeType);

// `path` as one argument of an Exec line: quoted when it holds a reserved character.
QString execArgument(const QString &path);

// Writes the entry, the icons and, when `withMimeType`, the type below `shareFolder`
// (the XDG data folder: applications/, icons/, mime/packages/). False on the first failure.
bool write(const QString &shareFolder, const QString &programPath, const QString &description,
           const QString &mimeType, bool withMimeType);

} // namespace DesktopFiles
