#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

std::span<const CadenaAnadida> cadenasCodigos()
{
    return {}; // ids 4000 to 4099
}

} // namespace LibreriaTessarino::Recursos
