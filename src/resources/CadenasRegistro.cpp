#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// The run log and reprinting, from 3000.
constexpr CadenaAnadida kCadenas[] = {
    {3000, "Las hojas se cuentan desde la 1.", "Sheets are counted from 1."},
    {3001, "La hoja final (%1) es anterior a la inicial (%2).",
     "The last sheet (%1) comes before the first (%2)."},
    {3002, "La impresión tiene %1 hojas; no hay hoja %2.", "The run has %1 sheets; there is no sheet %2."},
    {3003,
     "«%1» no es un tramo de hojas: escriba la primera y la última hoja separadas por un guion, por ejemplo "
     "4322-10000.",
     "«%1» is not a range of sheets: write the first and the last sheet with a hyphen between them, for "
     "example "
     "4322-10000."},
    {3004, "Impresión cancelada después de la hoja %1 de %2; la última hoja impresa lleva el número %3.",
     "Printing cancelled after sheet %1 of %2; the last sheet printed carries the number %3."},
    {3005, "«Continuar» imprime el resto desde la hoja %1.", "«Continue» prints the rest from sheet %1."},
    {3006, "Continuar", "Continue"},
    {3007, "Aceptar", "OK"},
    {3008, "No se pudo anotar la impresión en el registro %1: %2",
     "The run could not be written into the log %1: %2"},
    {3009, "La copia del trabajo de esta impresión no está (%1); no se puede reimprimir.",
     "The copy of this run's job is missing (%1); it cannot be reprinted."},
    {3010, "Re&gistro de impresiones...", "Print lo&g..."},
    {3011, "Reimprimir h&ojas...", "Reprin&t sheets..."},
    {3012, "Registro de impresiones", "Print log"},
    {3013, "Inicio", "Started"},
    {3014, "Estado", "State"},
    {3015, "Impresora", "Printer"},
    {3016, "Trabajo", "Job"},
    {3017, "Página", "Page"},
    {3018, "Hojas", "Sheets"},
    {3019, "Impresas", "Printed"},
    {3020, "Primera", "First"},
    {3021, "Última", "Last"},
    {3022, "sin terminar", "not finished"},
    {3023, "Reimprimir hojas...", "Reprint sheets..."},
    {3024, "Exportar...", "Export..."},
    {3025, "Cerrar", "Close"},
    {3026, "No se pudo exportar el registro a %1: %2", "The log could not be exported to %1: %2"},
    {3027, "Reimprimir hojas", "Reprint sheets"},
    {3028, "Impresión:", "Run:"},
    {3029, "Desde la hoja:", "From sheet:"},
    {3030, "Hasta la hoja:", "To sheet:"},
    {3031, "Reimprimir", "Reprint"},
    {3032, "Cancelar", "Cancel"},
    {3033, "No hay ninguna impresión en el registro.", "The log holds no run."},
    {3034, "No se puede leer el registro %1: %2", "The log %1 cannot be read: %2"},
    {3035, "Escriba en «Desde la hoja» y «Hasta la hoja» números enteros.",
     "Write whole numbers in «From sheet» and «To sheet»."},
    {3036, "completa", "complete"},
    {3037, "cancelada", "cancelled"},
    {3038, "fallida", "failed"},
    {3039, "Exportar el registro de impresiones", "Export the print log"},
    {3040, "%1 · %2 · %3 · hojas %4 a %5", "%1 · %2 · %3 · sheets %4 to %5"},
};
} // namespace

std::span<const CadenaAnadida> cadenasRegistro()
{
    return kCadenas;
}

} // namespace LibreriaTessarino::Recursos
