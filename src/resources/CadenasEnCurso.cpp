#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// A run under way while the window works on, and the printers of a run in the log, from 17000.
constexpr CadenaAnadida kCadenas[] = {
    {17000,
     "No se puede imprimir ahora: «%1» se está imprimiendo en «%2». Espere a que termine o deténgalo "
     "en su ventana de progreso.",
     "Cannot print now: \"%1\" is printing on \"%2\". Wait until it ends, or stop it in its progress "
     "window."},
    {17001, "Parte %1: %2 hojas, la última con el número %3, en %4",
     "Part %1: %2 sheets, the last one numbered %3, on %4"},
};
} // namespace

std::span<const CadenaAnadida> cadenasEnCurso()
{
    return kCadenas;
}

} // namespace LibreriaTessarino::Recursos
