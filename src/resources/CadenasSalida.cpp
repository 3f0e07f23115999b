#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// The run log's file, the start of a run and what it puts on the sheet, from 8000.
constexpr CadenaAnadida kCadenas[] = {
    {8000, "no es un archivo normal (es una tubería, un dispositivo o una carpeta)",
     "it is not a regular file (it is a pipe, a device or a folder)"},
    {8001,
     "Algunas líneas del registro %1 no se pudieron leer enteras (líneas %2): no se muestran, o de ellas se "
     "muestra solo lo que se leyó.",
     "Some lines of the log %1 could not be read whole (lines %2): they are not shown, or only what could be "
     "read "
     "of them is."},
    {8002, "La impresión no empezó: no se pudo anotar en el registro %1: %2",
     "The run did not start: it could not be written into the log %1: %2"},
    {8003, "La impresión no empezó: no se pudo guardar la copia del trabajo %1: %2",
     "The run did not start: the copy of the job %1 could not be saved: %2"},
    {8004,
     "%1: el código %2 «%3» no cabe en el área imprimible de la impresora: se sale %4. Muévalo o hágalo más "
     "pequeño.",
     "%1: the %2 code «%3» does not fit in the printer's printable area: it runs %4 over. Move it or make it "
     "smaller."},
    {8005, "%1 mm por la izquierda", "%1 mm off the left edge"},
    {8006, "%1 mm por arriba", "%1 mm off the top edge"},
    {8007, "%1 mm por la derecha", "%1 mm off the right edge"},
    {8008, "%1 mm por abajo", "%1 mm off the bottom edge"},
};
} // namespace

std::span<const CadenaAnadida> cadenasSalida()
{
    return kCadenas;
}

} // namespace LibreriaTessarino::Recursos
