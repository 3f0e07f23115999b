#pragma once

#include <QSizeF>
#include <QString>

class PrinterSurface;

// The sheet a printer is calibrated from: a millimetre ruler along the paper's top and left
// edges and two crosses PrinterCalibration::kCrossInsetMm in from the top-left and bottom-right
// corners of the paper, drawn without the printer's calibration, as its own document.
namespace CalibrationSheet {

// Throws RuntimeError when the printer fails; the printer's scale and font size stay as they were.
void print(PrinterSurface &printer, const QString &printerName);

// The current printer's paper as oriented, in millimetres.
QSizeF paperMm(const PrinterSurface &printer);

} // namespace CalibrationSheet
