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
};
} // namespace

std::span<const CadenaAnadida> cadenasImpresion()
{
    return kCadenas;
}

} // namespace LibreriaTessarino::Recursos
