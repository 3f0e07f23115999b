#pragma once

#include "PrinterSurface.h"

#include <QString>
#include <optional>

class ProfileFiles;

// Each printer's calibration as the settings file keeps it: section "Calibración <printer>",
// offsets in millimetres and scale factors, point decimal.
namespace CalibrationSettings {

QString section(const QString &printer);

// The stored calibration; none when the section is missing, incomplete, unreadable or not
// plausible (a hand-edited file prints as if the printer had never been calibrated).
std::optional<PrinterCalibration> read(const ProfileFiles &settings, const QString &printer);
// False, with the reason in words for the user, when the settings file cannot take it.
bool write(const ProfileFiles &settings, const QString &printer, const PrinterCalibration &calibration,
           QString *reason);
bool remove(const ProfileFiles &settings, const QString &printer, QString *reason);

// For PrinterSurface::setCalibrationSource: reads `settings` as each document begins.
PrinterSurface::CalibrationSource source(const ProfileFiles &settings);

} // namespace CalibrationSettings
