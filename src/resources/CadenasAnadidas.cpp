#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

const char *cadenaAnadida(int64_t numero)
{
    if (numero < 1000)
        return nullptr;
    const int64_t bloque = numero % 1000;
    if (bloque >= 200)
        return nullptr;
    const bool ingles = bloque >= 100;
    const int64_t id = ingles ? numero - 100 : numero;
    for (const auto tabla :
         {cadenasPilasYJuegos(), cadenasCalibracion(), cadenasRegistro(), cadenasCodigos(),
          cadenasPlantilla(), cadenasVentana(), cadenasImpresora(), cadenasArchivos(), cadenasSalida(),
          cadenasImpresion(), cadenasSimbolos(), cadenasEnCurso(), cadenasTaller()})
        for (const CadenaAnadida &c : tabla)
            if (c.id == id)
                return ingles ? c.ingles : c.espanol;
    return nullptr;
}

} // namespace LibreriaTessarino::Recursos
