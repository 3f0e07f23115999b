#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

std::span<const CadenaAnadida> cadenasCalibracion()
{
    return {}; // ids 2000 to 2099
}

} // namespace LibreriaTessarino::Recursos
