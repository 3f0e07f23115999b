#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// More symbologies, check digits, quiet zones, colour and bar width: messages from 16000, the
// number-format window from 16020.
constexpr CadenaAnadida kCadenas[] = {
    {16000, "%1: la cifra de control solo se calcula sobre números hechos de cifras; «%2» no lo es.",
     "%1: a check digit is only worked out for numbers made of digits; \"%2\" is not one."},
    {16001,
     "%1: el código %2 no puede llevar «%3». Use mayúsculas sin tilde ni eñe, cifras, espacios y los signos "
     "- . $ / + %.",
     "%1: a %2 code cannot hold \"%3\". Use capital letters without accents, digits, blanks and the signs - "
     ". $ / + %."},
    {16002, "%1: el código %2 lleva solo cifras, y «%3» tiene «%4».",
     "%1: a %2 code holds digits only, and \"%3\" has \"%4\"."},
    {16003,
     "%1: el código %2 lleva como mucho %3 cifras (más la de control que añade él mismo), y «%4» tiene %5.",
     "%1: a %2 code holds at most %3 digits (plus the check digit it adds itself), and \"%4\" has %5."},
    {16004,
     "%1: el color del texto es demasiado claro para un lector de códigos (contraste %2 %, hace falta al "
     "menos "
     "%3 %). Elija un color más oscuro o imprima el código en negro.",
     "%1: the text colour is too light for a code scanner (contrast %2 %, at least %3 % is needed). Choose a "
     "darker "
     "colour or print the code in black."},
    {16005,
     "%1: el ancho del módulo debe ser un número de milímetros mayor que 0 y no mayor que %2; se leyó «%3».",
     "%1: the module width must be a number of millimetres above 0 and at most %2; it reads \"%3\"."},
    {16006,
     "%1: el módulo de las barras debe medir al menos %2 mm para que un lector lo lea; se pidieron %3 mm.",
     "%1: the bar module must be at least %2 mm for a scanner to read it; %3 mm were asked for."},
    {16020, "Ninguna", "None"},
    {16021, "Módulo 10 (3-1)", "Modulo 10 (3-1)"},
    {16022, "Módulo 11 (10 = X)", "Modulo 11 (10 = X)"},
    {16023, "Módulo 11 (10 = 0)", "Modulo 11 (10 = 0)"},
    {16024, "Cifra de control", "Check digit"},
    {16025, "Módulo (mm)", "Module (mm)"},
    {16026, "Corrección QR", "QR correction"},
    {16027, "Medida al imprimir", "Printed size"},
    {16028, "Zona libre", "Quiet zone"},
    {16029, "En color", "In colour"},
    {16030,
     "El código se imprime en negro con su esquina superior izquierda en la posición X, Y, sobre un recuadro "
     "blanco (la zona libre que el lector necesita). El tamaño es el lado de un código QR o DataMatrix, el "
     "ancho de un PDF417 (cada módulo de al menos %1 mm) o la altura de las barras (al menos %2 mm), que "
     "llevan "
     "el número debajo en la fuente del trabajo; el módulo es el ancho de la barra más fina. EAN-13 y UPC-A "
     "llevan solo cifras y añaden su propia cifra de control.",
     "The code is printed in black with its top-left corner at position X, Y, over a white box (the quiet "
     "zone a "
     "scanner needs). The size is the side of a QR or DataMatrix code, the width of a PDF417 code (each "
     "module at "
     "least %1 mm) or the height of bars (at least %2 mm), which carry the number below them in the job's "
     "font; the "
     "module is the width of the narrowest bar. EAN-13 and UPC-A hold digits only and add their own check "
     "digit."},
};
} // namespace

std::span<const CadenaAnadida> cadenasSimbolos()
{
    return kCadenas;
}

} // namespace LibreriaTessarino::Recursos
