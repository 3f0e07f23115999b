#pragma once

#include <QString>
#include <QtGlobal>

class ProfileFiles;

// How many sheets of a run go into one job on a system queue, as the settings file keeps it.
namespace SheetsPerJob {

// Chosen by measurement: see README, Performance.
inline constexpr qint64 kDefault = 1000;
inline const QString kSection = QStringLiteral("Impresora");
inline const QString kKey = QStringLiteral("HojasPorTrabajo");

// The stored value; a settings file without it, or with a value that is not a whole number of
// 0 or more, gives kDefault.
qint64 read(const ProfileFiles &settings);
// False, with the reason in words for the user, when the settings file cannot take it.
bool write(const ProfileFiles &settings, qint64 sheets, QString *reason);

} // namespace SheetsPerJob
