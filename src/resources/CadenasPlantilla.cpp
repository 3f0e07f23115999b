#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

std::span<const CadenaAnadida> cadenasPlantilla()
{
    return {}; // ids 5000 to 5099
}

} // namespace LibreriaTessarino::Recursos
