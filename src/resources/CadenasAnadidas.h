#pragma once

#include <cstdint>
#include <span>

// Strings of the windows and messages added after the first table: each feature keeps its own
// table in its own thousand of ids (Spanish at the id, English 100 above it).
namespace LibreriaTessarino::Recursos {

struct CadenaAnadida
{
    int32_t id; // from 1000 up; the English text is id + 100
    const char *espanol;
    const char *ingles;
};

std::span<const CadenaAnadida> cadenasPilasYJuegos(); // 1000-1099
std::span<const CadenaAnadida> cadenasCalibracion();  // 2000-2099
std::span<const CadenaAnadida> cadenasRegistro();     // 3000-3099
std::span<const CadenaAnadida> cadenasCodigos();      // 4000-4099
std::span<const CadenaAnadida> cadenasPlantilla();    // 5000-5099
std::span<const CadenaAnadida> cadenasVentana();      // 11000-11099
std::span<const CadenaAnadida> cadenasImpresora();    // 9000-9099
std::span<const CadenaAnadida> cadenasPilasYJuegos(); // 1000-1099
std::span<const CadenaAnadida> cadenasCalibracion();  // 2000-2099
std::span<const CadenaAnadida> cadenasRegistro();     // 3000-3099
std::span<const CadenaAnadida> cadenasCodigos();      // 4000-4099
std::span<const CadenaAnadida> cadenasPlantilla();    // 5000-5099
std::span<const CadenaAnadida> cadenasArchivos();     // 7000-7099
std::span<const CadenaAnadida> cadenasSalida();       // 8000-8099
std::span<const CadenaAnadida> cadenasImpresion();    // 14000-14099
std::span<const CadenaAnadida> cadenasSimbolos();     // 16000-16099
std::span<const CadenaAnadida> cadenasEnCurso();      // 17000-17099
std::span<const CadenaAnadida> cadenasTaller();       // 18000-18099 and 19000-19099

// The added string `numero` (Spanish or English) as UTF-8, or null.
const char *cadenaAnadida(int64_t numero);
// Every table above.
std::span<const std::span<const CadenaAnadida>> tablasAnadidas();

} // namespace LibreriaTessarino::Recursos
