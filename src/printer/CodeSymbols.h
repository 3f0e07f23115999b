#pragma once

#include <QPainterPath>
#include <QSizeF>
#include <QString>

// Texts encoded as machine-readable codes with libzint, as filled shapes a surface can draw at
// any resolution.
namespace CodeSymbols {

enum class Kind { QR, Code128, DataMatrix };

// Code 128 bars are this wide per module: 1/75 inch, a whole number of dots at 150, 300 and
// 600 dpi, so no printer has to round bars unevenly.
constexpr double kCode128ModuleTwips = 19.2;

struct Symbol
{
    QPainterPath shapes; // in twips from the symbol's top-left, filled with the winding rule
    QSizeF size;         // twips
    int modules = 0;     // across: the narrowest element is size.width() / modules wide
    QString error;       // why the text could not be encoded; the rest is empty then
};

// `text` as a square QR or DataMatrix code `sideTwips` wide, or as Code 128 bars `sideTwips`
// high (without the readable line, which the caller prints in its own font). Texts beyond ASCII
// go into QR and DataMatrix codes as UTF-8 with its ECI marker.
Symbol encode(Kind kind, const QString &text, double sideTwips);

} // namespace CodeSymbols
