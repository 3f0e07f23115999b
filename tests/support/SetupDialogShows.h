#pragma once

#include <QString>

class PrinterSurface;
class QWidget;

// Every field of an open printer setup dialog against the settings of the printer in force:
// one line per field that differs ("txtScaleWidth 11906 != 100"), "" when it shows them all.
QString setupDialogMismatches(const QWidget &dialog, const PrinterSurface &printer);
