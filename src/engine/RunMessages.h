#pragma once

#include <QCoreApplication>
#include <QString>

// Texts the print runs show, word for word, in the interface language.
namespace RunMessages {

inline const QString kTitle = QStringLiteral("Tessarino");
inline QString allOff()
{
    return QCoreApplication::translate("RunMessages",
                                       "Están todas las casillas desactivadas! No hay nada para imprimir.");
}
inline QString digits()
{
    return QCoreApplication::translate(
        "RunMessages",
        "El campo (desde) debe tener la misma cantidad de dígitos que el campo (hasta). Por ejemplo si "
        "intenta imprimir desde el 0 hasta el 1000, ponga (desde=0000) y (hasta=1000).");
}
inline QString badFontSize()
{
    return QCoreApplication::translate("RunMessages", "Tamaño de fuente no válida");
}
inline QString notNumeric()
{
    return QCoreApplication::translate("RunMessages", "Debe ingresar un valor numérico!");
}

// A run the user stopped: the number to start again after.
inline QString cancelled(const QString &lastNumber)
{
    return QCoreApplication::translate("RunMessages",
                                       "Impresión cancelada. La última hoja impresa lleva el número %1; "
                                       "para seguir, imprima desde el número siguiente.")
        .arg(lastNumber);
}

// A stopped run of which the printer completed no sheet.
inline QString nothingOut()
{
    return QCoreApplication::translate("RunMessages", "Impresión cancelada. La impresora no terminó ninguna "
                                                      "hoja; para seguir, imprima desde el principio.");
}

// A run whose printer did not take or finish a part: `reason`, then where to start again;
// `lastDone` is the number of the last sheet that came out, empty when none did, and
// `firstAgain` the number on sheet `sheetAgain` of the run, the first to print again.
inline QString partRefused(const QString &reason, const QString &lastDone, const QString &firstAgain,
                           qint64 sheetAgain)
{
    QString text = reason;
    if (lastDone.isEmpty())
        text += QCoreApplication::translate("RunMessages", " Ninguna hoja llegó a salir de la impresora.");
    else
        text += QCoreApplication::translate("RunMessages",
                                            " La última hoja que la impresora terminó lleva el número %1.")
                    .arg(lastDone);
    if (!firstAgain.isEmpty())
        text += QCoreApplication::translate("RunMessages", " Hay que volver a imprimir desde la hoja %1 "
                                                           "(número %2).")
                    .arg(sheetAgain)
                    .arg(firstAgain);
    return text;
}

} // namespace RunMessages
