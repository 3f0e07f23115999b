#pragma once

#include <QString>

// Texts the print runs show, word for word.
namespace RunMessages {

inline const QString kTitle = QStringLiteral("Tessarino");
inline const QString kAllOff =
    QStringLiteral("Están todas las casillas desactivadas! No hay nada para imprimir.");
inline const QString kDigits = QStringLiteral(
    "El campo (desde) debe tener la misma cantidad de dígitos que el campo (hasta). Por ejemplo si "
    "intenta imprimir desde el 0 hasta el 1000, ponga (desde=0000) y (hasta=1000).");
inline const QString kBadFontSize = QStringLiteral("Tamaño de fuente no válida");
inline const QString kNotNumeric = QStringLiteral("Debe ingresar un valor numérico!");

// A run the user stopped: the number to start again after.
inline QString cancelled(const QString &lastNumber)
{
    return QStringLiteral("Impresión cancelada. La última hoja impresa lleva el número %1; para seguir, "
                          "imprima desde el número siguiente.")
        .arg(lastNumber);
}

// A run sent in parts whose next part the printer did not take: `reason`, then where to start
// again; `lastSent` is the number of the last sheet that went out, empty when none did.
inline QString partRefused(const QString &reason, const QString &lastSent)
{
    if (lastSent.isEmpty())
        return reason + QStringLiteral(" Ninguna hoja llegó a la impresora.");
    return reason + QStringLiteral(" La última hoja enviada a la impresora lleva el número %1; para seguir, "
                                   "imprima desde el número siguiente.")
                        .arg(lastSent);
}

} // namespace RunMessages
