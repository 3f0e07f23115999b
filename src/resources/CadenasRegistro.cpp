#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

std::span<const CadenaAnadida> cadenasRegistro()
{
    return {}; // ids 3000 to 3099
}

} // namespace LibreriaTessarino::Recursos
