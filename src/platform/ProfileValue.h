#pragma once

#include <QString>

// One value to write: EscribirValorIni's arguments.
struct ProfileValue
{
    QString section;
    QString key;
    QString value;
    // Written only over a key the file already holds: a default that must replace an older
    // setting without adding a key to files that never had one.
    bool onlyIfPresent = false;
    // Takes the key's line out of the file instead (the section header stays); `value` is unused.
    bool remove = false;
    // With `remove`: takes out the whole section, header, keys and every section of that name;
    // `key` is unused. Blank lines and comments after its last key stay for the next section.
    bool wholeSection = false;
    // Written as given, blanks at its ends included, where the old program wrote such bytes
    // (they read back trimmed). Otherwise a value is quoted when needed to read back exactly.
    bool asIs = false;

    static ProfileValue sectionRemoval(const QString &section)
    {
        return {section, QString(), QString(), false, true, true};
    }
};
