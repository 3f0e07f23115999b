#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

std::span<const std::span<const CadenaAnadida>> tablasAnadidas()
{
    static const std::span<const CadenaAnadida> tablas[] = {
        cadenasPilasYJuegos(), cadenasCalibracion(), cadenasRegistro(), cadenasCodigos(), cadenasPlantilla(),
        cadenasVentana(),      cadenasImpresora(),   cadenasArchivos(), cadenasSalida(),  cadenasImpresion(),
        cadenasSimbolos(),     cadenasEnCurso(),     cadenasTaller()};
    return tablas;
}

const char *cadenaAnadida(int64_t numero)
{
    if (numero < 1000)
        return nullptr;
    const int64_t bloque = numero % 1000;
    if (bloque >= 200)
        return nullptr;
    const bool ingles = bloque >= 100;
    const int64_t id = ingles ? numero - 100 : numero;
    for (const auto tabla : tablasAnadidas())
        for (const CadenaAnadida &c : tabla)
            if (c.id == id)
                return ingles ? c.ingles : c.espanol;
    return nullptr;
}

} // namespace LibreriaTessarino::Recursos
