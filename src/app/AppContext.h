#pragma once

#include "Paths.h"
#include "ProfileFiles.h"
#include "ResourceLibrary.h"

class Dialogs;
class PrinterSurface;

// The services a window is built over: the real ones in the program, stand-ins in tests.
struct AppContext
{
    Paths paths;
    Dialogs &dialogs;
    PrinterSurface &printer;
    ProfileFiles profiles{paths.settingsFile};
    // The one binding to Lib_Tessarino; its object is created on the first caption request.
    ResourceLibrary resources{};

    // LeerValorIni/EscribirValorIni on the settings file.
    QString setting(const QString &section, const QString &key) const
    {
        QString file;
        return profiles.LeerValorIni(section, key, file);
    }
    void setSetting(const QString &section, const QString &key, const QString &value) const
    {
        QString file;
        profiles.EscribirValorIni(section, key, value, file);
    }
};
