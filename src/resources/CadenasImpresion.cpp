#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// Runs the printer confirms: states of reconciled runs, the progress window, from 14000.
constexpr CadenaAnadida kCadenas[] = {
    {14000, "interrumpida", "interrupted"},
    {14001, "sin confirmar", "unconfirmed"},
    {14002, "La impresora confirmó hasta la hoja %1 de %2; la última hoja impresa lleva el número %3.",
     "The printer confirmed up to sheet %1 of %2; the last sheet printed carries the number %3."},
    {14003, "La impresora terminó %1 de %2 hojas.", "The printer finished %1 of %2 sheets."},
    {14004, "Enviada a la impresora la hoja %1 de %2", "Sheet %1 of %2 sent to the printer"},
    {14005,
     "Hay partes de la impresión en la impresora. ¿Espera a que las termine o detiene la impresión? Al "
     "detenerla se cancelan las partes que aún no ha terminado.",
     "Parts of the run are at the printer. Wait for it to finish them, or stop the run? Stopping cancels "
     "the parts it has not finished."},
    {14006, "Esperar", "Wait"},
    {14007, "Detener", "Stop"},
};
} // namespace

std::span<const CadenaAnadida> cadenasImpresion()
{
    return kCadenas;
}

} // namespace LibreriaTessarino::Recursos
