#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// Reading the files the user brings: jobs, notes, design PDFs.
constexpr CadenaAnadida kCadenas[] = {
    {7000, "no se puede leer la línea %1: no es texto UTF-8 ni windows-1252.",
     "line %1 cannot be read: it is neither UTF-8 nor windows-1252 text."},
    {7001,
     "no se puede leer la línea %1: mezcla dos codificaciones (el resto del archivo es UTF-8 y esa línea "
     "no). "
     "Guárdelo todo en UTF-8 con un editor de texto.",
     "line %1 cannot be read: the file mixes two encodings (the rest of it is UTF-8 and that line is not). "
     "Save it all as UTF-8 with a text editor."},
};
} // namespace

std::span<const CadenaAnadida> cadenasArchivos()
{
    return kCadenas; // ids 7000 to 7099
}

} // namespace LibreriaTessarino::Recursos
