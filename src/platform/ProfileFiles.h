#pragma once

#include "ProfileValue.h"

#include <QList>
#include <QString>

#include <chrono>

// INI ("private profile") files as the old platform read and wrote them: the settings file and
// every job file go through here. Users bring files written on the old platform, so the rules
// are its rules: names match without regard to case, an update keeps the key where it stands,
// a new key goes to the end of its section and a new section to the end of the file, lines are
// CRLF and the text is windows-1252 (ProfileText.h has the rules and the other encodings).
//
// The file is never held open. A parsed copy is kept while the file is unchanged on disk. Every
// write replaces the whole file atomically under a lock on its folder, keeps the file's owner and
// mode, and leaves every line it does not change with its bytes.
class ProfileFiles
{
public:
    // What a missing file, section or key reads as; every caller compares against it.
    static inline const QString Vacio = QStringLiteral("Vacio");
    // The old read buffer held 255 characters including the terminator.
    static constexpr qsizetype MaxValueLength = 254;

    explicit ProfileFiles(QString settingsFile);

    const QString &settingsFile() const { return m_settingsFile; }

    // The value of `key` in `section` of `file`, at most MaxValueLength characters, or Vacio.
    // An empty `file` means the settings file and is replaced by its path in the caller's variable.
    QString LeerValorIni(const QString &section, const QString &key, QString &file) const;

    // The same, uncut: for values of our own keys that may be longer than the old programs read
    // (a note, a prefix), which a cut read would silently shorten and a save then write back so.
    QString wholeValue(const QString &section, const QString &key, QString &file) const;

    // Sets `key` in `section` of `file` to `value`, creating the key, the section, the file and
    // its folders as needed. An empty `file` means the settings file, as above. A file that cannot
    // be written (read-only, unreadable, in use by another writer for too long, a name it cannot
    // hold) keeps its old content; the failure is logged (lcFiles) and false returned.
    bool EscribirValorIni(const QString &section, const QString &key, const QString &value,
                          QString &file) const;

    // The values in order, as that many EscribirValorIni calls would leave the file, but in one
    // atomic replace: either every value lands or the file keeps its bytes. On failure returns
    // false and, when `reason` is given, says why in words for the user; without it the failure
    // is logged (lcFiles). A section or key name
    // that would read back as something else ('=', '[', ']', a line break, a leading ';') is
    // refused and nothing is written; reads with such names give Vacio.
    bool EscribirValoresIni(const QList<ProfileValue> &values, QString &file, QString *reason) const;

    // How long a write waits for another process's write to the same folder before it fails.
    void setLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

private:
    QString m_settingsFile;
    std::chrono::milliseconds m_lockWait{5000};
};
