#include "PrinterSurface.h"

#include "RuntimeError.h"

#include <QCoreApplication>
#include <cmath>

PrinterSettings PrinterSurface::currentSettings() const
{
    PrinterSettings s;
    s.width = width();
    s.height = height();
    s.scaleLeft = scaleLeft();
    s.scaleTop = scaleTop();
    s.scaleWidth = scaleWidth();
    s.scaleHeight = scaleHeight();
    s.zoom = zoom();
    s.paperSize = paperSize();
    s.orientation = int16_t(orientation());
    s.colorMode = colorMode();
    s.copies = copies();
    s.printQuality = printQuality();
    return s;
}

namespace {

// What the scale setters call their values (in the header), for the translation files: they are
// translated as the messages below name them.
[[maybe_unused]] constexpr const char *kScaleNames[] = {
    QT_TRANSLATE_NOOP("PrinterSurface", "El margen izquierdo"),
    QT_TRANSLATE_NOOP("PrinterSurface", "El margen superior"),
    QT_TRANSLATE_NOOP("PrinterSurface", "La anchura de escala"),
    QT_TRANSLATE_NOOP("PrinterSurface", "La altura de escala"),
};

} // namespace

float PrinterSurface::checkedScale(float value, bool extent, const char *what)
{
    // A scale of 0 would divide by zero, a negative one mirrors the page off the sheet, and
    // huge values push every drawing out of any device's range.
    if (!std::isfinite(value) || std::fabs(value) > 1e9f)
        throw RuntimeError(RuntimeError::InvalidPropertyValue,
                           QCoreApplication::translate("PrinterSurface",
                                                       "%1 está fuera del rango admitido (hasta 1000000000).")
                               .arg(QCoreApplication::translate("PrinterSurface", what)));
    if (extent && !(value > 0))
        throw RuntimeError(RuntimeError::InvalidPropertyValue,
                           QCoreApplication::translate("PrinterSurface", "%1 debe ser mayor que 0.")
                               .arg(QCoreApplication::translate("PrinterSurface", what)));
    return value;
}
