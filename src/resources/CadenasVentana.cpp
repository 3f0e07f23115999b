#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// Questions and texts of the main window's own commands.
constexpr CadenaAnadida kCadenas[] = {
    {11000, "¿Quitar la calibración de la impresora \"%1\"? Las medidas que se tomaron se perderán.",
     "Remove the calibration of the printer \"%1\"? The measurements taken will be lost."},
    {11001, "Quitar", "Remove"},
    {11002, "Cancelar", "Cancel"},
    {11003, "el plan no es válido", "the plan is not valid"},
};
} // namespace

std::span<const CadenaAnadida> cadenasVentana()
{
    return kCadenas; // ids 11000 to 11099
}

} // namespace LibreriaTessarino::Recursos
