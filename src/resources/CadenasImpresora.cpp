#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// The printer setup dialog and the failures of opening it.
constexpr CadenaAnadida kCadenas[] = {
    {9000, "Actualiza&r lista", "&Refresh list"},
    {9001, "No se pudo abrir la configuración de la impresora: %1",
     "The printer setup could not be opened: %1"},
};
} // namespace

std::span<const CadenaAnadida> cadenasImpresora()
{
    return kCadenas; // ids 9000 to 9099
}

} // namespace LibreriaTessarino::Recursos
