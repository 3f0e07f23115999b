#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <array>
#include <variant>

// How one printer misplaces what it prints, and the correction that undoes it. Positions are
// millimetres from the paper's top-left corner: what the printer is sent for point p lands at
// offset + scale * p, each axis on its own. Measured on the calibration sheet, whose two crosses
// stand kCrossInsetMm in from the top-left and the bottom-right corner of the paper.
struct PrinterCalibration
{
    double offsetX = 0, offsetY = 0; // millimetres
    double scaleX = 1, scaleY = 1;

    static constexpr double kCrossInsetMm = 20;
    // Beyond these a measurement is a mistake (inches, the wrong edge), not a printer.
    static constexpr double kMinScale = 0.9, kMaxScale = 1.1, kMaxOffsetMm = 20;

    // The four measurements, in the order the calibration window asks for them.
    enum Box { TopLeftX, TopLeftY, BottomRightX, BottomRightY };
    struct Problem
    {
        Box box;         // the box to correct
        QString message; // names it, in the interface language
    };
    using Outcome = std::variant<PrinterCalibration, Problem>;

    // From the distances as typed (millimetres, comma or point decimal) on paper `paperMm`
    // wide and high.
    static Outcome fromTyped(const std::array<QString, 4> &typed, QSizeF paperMm);
    static Outcome fromDistances(const std::array<double, 4> &mm, QSizeF paperMm);

    bool plausible() const;
    bool isIdentity() const { return offsetX == 0 && offsetY == 0 && scaleX == 1 && scaleY == 1; }

    // Maps twips on the printable area, as a job places them, to the twips the printer must be
    // sent so that they land there. `printableOrigin` is the printable area's corner on the
    // paper, in twips.
    QTransform correction(QPointF printableOrigin) const;

    // The box as messages name it, in the interface language.
    static QString boxName(Box box);
    // A number as the interface language writes it, with `decimals` places.
    static QString shown(double value, int decimals);
};
