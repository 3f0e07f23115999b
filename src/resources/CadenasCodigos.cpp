#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// Numbers printed as codes, with texts before and after them: messages from 4000, the window
// from 4010.
constexpr CadenaAnadida kCadenas[] = {
    {4000, "Mismo número, posición %1", "Same number, position %1"},
    {4001, "Distinto número, fila %1", "Distinct number, row %1"},
    {4002,
     "%1: el tamaño del código debe ser un número de milímetros mayor que 0 y no mayor que %2; se leyó «%3».",
     "%1: the code size must be a number of millimetres above 0 and at most %2; it reads \"%3\"."},
    {4003,
     "%1: el código %2 no puede llevar «%3». Use letras sin tilde ni eñe, cifras, espacios y signos del "
     "teclado inglés.",
     "%1: a %2 code cannot hold \"%3\". Use letters without accents, digits, blanks and the signs of an "
     "English keyboard."},
    {4004,
     "%1: las barras del código %2 deben medir al menos %3 mm de alto para que un lector las lea; se "
     "pidieron %4 mm.",
     "%1: the bars of a %2 code must be at least %3 mm high for a scanner to read them; %4 mm were asked "
     "for."},
    {4005, "%1: «%2» no se puede escribir como código %3 (%4).",
     "%1: \"%2\" cannot be written as a %3 code (%4)."},
    {4006,
     "%1: «%2» necesita un código %3 de %4 módulos por lado, y cada módulo debe medir al menos %5 mm para "
     "que "
     "un lector lo lea: el código debe medir al menos %6 mm, no %7 mm.",
     "%1: \"%2\" needs a %3 code of %4 modules a side, and each module must be at least %5 mm for a scanner "
     "to read "
     "it: the code must be at least %6 mm, not %7 mm."},
    {4010, "Formato de los números", "Number format"},
    {4011, "Cerrar", "Close"},
    {4012, "Formato", "Format"},
    {4013, "Antes del número", "Before the number"},
    {4014, "Después del número", "After the number"},
    {4015, "Tamaño (mm)", "Size (mm)"},
    {4016, "Texto", "Text"},
    {4017, "Mismo número", "Same number"},
    {4018, "Posición %1", "Position %1"},
    {4019, "Distinto número", "Distinct number"},
    {4020, "Fila %1", "Row %1"},
    {4021,
     "El código se imprime con su esquina superior izquierda en la posición X, Y. El tamaño es el lado de un "
     "código QR o DataMatrix (cada módulo de al menos %1 mm) o la altura de las barras de un Code 128 (al "
     "menos "
     "%2 mm), que lleva el número debajo en la fuente del trabajo.",
     "The code is printed with its top-left corner at position X, Y. The size is the side of a QR or "
     "DataMatrix code "
     "(each module at least %1 mm) or the height of Code 128 bars (at least %2 mm), which carry the number "
     "below them "
     "in the job's font."},
    {4022, "Formato de los &números...", "Number &format..."},
};
} // namespace

std::span<const CadenaAnadida> cadenasCodigos()
{
    return kCadenas;
}

} // namespace LibreriaTessarino::Recursos
