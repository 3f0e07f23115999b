#pragma once

#include <QCoreApplication>
#include <QString>

class Dialogs;
class PrinterSurface;

// The two calibration prints of the File menu. Neither reads the ranges, the
// enable boxes or the font of the job, and neither counts as the last print. Any failure
// stops the print at once and shows the error's description; a document already begun is
// neither ended nor cancelled.
namespace TestPrints {

inline QString gridNotice()
{
    return QCoreApplication::translate(
        "TestPrints",
        " Ahora se imprimirá una cuadricula y una referencia en los vertices con un tamaño de fuente de 10, "
        "marcando la posición horizontal, y vertical para horientarte en las cordenadas.");
}
inline QString rectangleNotice()
{
    return QCoreApplication::translate("TestPrints", "Ahora se imprimirá un rectangulo en las posiciones que "
                                                     "marquen las casillas de texto correspondiente");
}

// Command2 ("&Grilla"): a line and an "x,y" label every 1000 units, font size 10.
// Returns false when it stopped with an error (after its message).
bool grid(PrinterSurface &printer, Dialogs &dialogs);

// Command3 ("&Rectangulo"): a 1500 x 500 rectangle whose top-left corner is position 0, read
// strictly from txtPosX(0) and txtPosY(0).
bool rectangle(const QString &posX0, const QString &posY0, PrinterSurface &printer, Dialogs &dialogs);

} // namespace TestPrints
