#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its files. Built once at start-up from the XDG locations; tests build
// one over a temporary folder. Nothing here is read from the environment by our own code, but
// whether XDG_RUNTIME_DIR is set.
struct Paths
{
    QString programFolder;   // folder of the running program
    QString settingsFile;    // "Vireo.sys"
    QString jobsFolder;      // job documents, ends with '/'
    QString pdfOutputFolder; // documents of the built-in PDF printer
    QString registryStore;   // stand-in for the system registry, in the XDG data folder
    // The freedesktop.org places the file-type association is written to for this user:
    // XDG_DATA_HOME, XDG_CONFIG_HOME, and the system's data and configuration folders.
    QString desktopDataHome;
    QString desktopConfigHome;
    QStringList desktopDataDirs;
    QStringList desktopConfigDirs; // the system's configuration folders (XDG_CONFIG_DIRS)
    QString lockFolder;            // where the running instance keeps its lock: the runtime folder, else
                                   // "tessarino-<uid>" in the temporary folder
    QString runLogFolder;          // the log of print runs and the copies of their jobs (XDG data folder)

    // The per-user locations; a "Vireo.sys" beside the program makes the install portable.
    static Paths standard();
    // Everything below `root`, for tests and portable installs.
    static Paths under(const QString &root);
};
