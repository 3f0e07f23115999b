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

} // namespace RunMessages
