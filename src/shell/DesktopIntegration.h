#pragma once

#include "Paths.h"

#include <QString>

// The file-type association realised the freedesktop.org way for the current user: the job
// files' type, the program's desktop entry and icon in the user's data folder, the program as
// the type's default application in mimeapps.list, then the MIME and desktop databases updated.
// A type another program gave the job files keeps the application that opens it.
class DesktopIntegration
{
public:
    explicit DesktopIntegration(const Paths &paths) : m_paths(paths) {}

    // True when the association is in place afterwards. A type that already owns the job files'
    // extension keeps it and its default application: the program only adds itself as one more
    // application of that type.
    bool associate(const QString &programPath, const QString &description) const;

    // The application that opens `type` now, as the desktop finds it (xdg-mime, GLib): the first
    // installed entry of a [Default Applications] line in the mimeapps.list files, from the
    // user's configuration to the system's data folders; else the first application the data
    // folders' caches list for the type. `chosen` tells the first case from the second.
    struct Default
    {
        QString desktopId; // empty: no application opens the type
        bool chosen = false;
    };
    Default currentDefault(const QString &type) const;

    // The type another package gave the job files' extension, or "" when none did.
    QString otherOwner() const;
    // The program's desktop entry and type are installed in a system data folder.
    bool installed() const;

private:
    bool makeDefault(const QString &mimeType, const QString &desktopId) const;

    const Paths &m_paths;
};

// Runs one of the desktop's database tools on `folder`; false when it is missing or fails.
bool runDesktopTool(const QString &tool, const QString &folder);
