#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

// The resources inside the library: the string table, and the pictures and sounds drawn and
// synthesised at build time (Recursos_generados.cpp).
namespace LibreriaTessarino::Recursos {

enum class TipoRecurso { Bitmap, Cursor, Sonido };

struct RecursoBinario
{
    TipoRecurso tipo;
    int id;
    const unsigned char *datos;
    std::size_t tamano;
};

extern const RecursoBinario kRecursosBinarios[];
extern const std::size_t kCantidadRecursosBinarios;

// The bytes of a picture or sound resource (complete BMP, CUR or WAVE files), or none.
std::span<const unsigned char> recurso(TipoRecurso tipo, int id);

// The string resource `numero` as UTF-8, or null when the table has none.
const char *cadena(int64_t numero);

} // namespace LibreriaTessarino::Recursos
