#include "PrinterLimits.h"

#include <QCoreApplication>

#include "PrinterSurface.h"
#include "RuntimeError.h"

namespace PrinterLimits {

namespace {

[[noreturn]] void refuse(const QString &description)
{
    throw RuntimeError(RuntimeError::InvalidPropertyValue, description);
}

void checkSheet(int32_t twips, const char *what)
{
    if (twips < kMinSheetTwips || twips > kMaxSheetTwips)
        refuse(QCoreApplication::translate("PrinterLimits", "La %1 del papel debe estar entre %2 y %3 twips.")
                   .arg(QCoreApplication::translate("PrinterLimits", what))
                   .arg(kMinSheetTwips)
                   .arg(kMaxSheetTwips));
}

} // namespace

void checkWidth(int32_t twips)
{
    checkSheet(twips, QT_TRANSLATE_NOOP("PrinterLimits", "anchura"));
}

void checkHeight(int32_t twips)
{
    checkSheet(twips, QT_TRANSLATE_NOOP("PrinterLimits", "altura"));
}

void checkCopies(int16_t copies)
{
    if (copies < 1 || copies > kMaxCopies)
        refuse(QCoreApplication::translate("PrinterLimits", "El número de copias debe estar entre 1 y %1.")
                   .arg(kMaxCopies));
}

void checkPrintQuality(int16_t quality)
{
    if (quality == 0 || quality < -4 || quality > kMaxDpi)
        refuse(QCoreApplication::translate(
                   "PrinterLimits",
                   "La calidad debe ser -1 (borrador) a -4 (alta) o una resolución de 1 a %1 ppp.")
                   .arg(kMaxDpi));
}

void checkZoom(int32_t percent)
{
    if (percent < 1 || percent > kMaxZoom)
        refuse(QCoreApplication::translate("PrinterLimits", "El zoom debe estar entre 1 y %1 por ciento.")
                   .arg(kMaxZoom));
}

void checkColorMode(int16_t mode)
{
    if (mode != PrinterSurface::ColorMonochrome && mode != PrinterSurface::ColorColor)
        refuse(QCoreApplication::translate("PrinterLimits",
                                           "El modo de color debe ser 1 (monocromo) o 2 (color)."));
}

QPageSize::PageSizeId paperSizeId(int16_t code)
{
    const QPageSize::PageSizeId id = code > 0 ? QPageSize::id(int(code)) : QPageSize::Custom;
    if (id == QPageSize::Custom)
        throw RuntimeError(
            PrinterSurface::PropertyNotSupported,
            QCoreApplication::translate("PrinterLimits", "El tamaño de papel %1 no existe.").arg(code));
    return id;
}

} // namespace PrinterLimits
