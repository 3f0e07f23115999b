#pragma once

#include "QtPrinterSurface.h"

#include <memory>

// The built-in PDF printer as the printer tests start from: current, writing into `folder`,
// DejaVu Sans at 12 points.
inline std::unique_ptr<QtPrinterSurface> pdfPrinter(const QString &folder)
{
    auto printer = std::make_unique<QtPrinterSurface>(folder);
    printer->setCurrentPrinter(printer->pdfPrinterIndex());
    printer->setFontName(QStringLiteral("DejaVu Sans"));
    printer->setFontSize(12);
    return printer;
}
