#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The system-information tool the about box offers.
namespace SysInfo {

// One value of the registry store as text: text as it stands, a 32-bit number in decimal.
// False, and `KeyVal` empty, when the key or the value cannot be read.
bool GetKeyValue(const QString &storeFile, uint32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                 QString &KeyVal);

// The tools looked for on a machine whose store names none, in order of preference.
inline const QStringList LinuxTools = {QStringLiteral("hardinfo"), QStringLiteral("hardinfo2"),
                                       QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor"),
                                       QStringLiteral("lshw-gtk")};

// The program to start: what the store's entries name, or, when it names nothing, a tool of
// LinuxTools found in `searchPath` (the system's PATH when empty). Empty when there is none.
QString findTool(const QString &storeFile, const QStringList &searchPath = {});

} // namespace SysInfo
