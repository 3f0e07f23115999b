#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// Replacing damaged tickets, the summary before a long run, the pile plan and separator sheets,
// from 18000.
constexpr CadenaAnadida kCadenas[] = {
    {18000,
     "«%1» no es un boleto: escriba los números separados por comas y los tramos con un guion, por ejemplo "
     "0457,2310,3001-3004.",
     "«%1» is not a ticket: type the numbers separated by commas and ranges with a hyphen, for example "
     "0457,2310,3001-3004."},
    {18001, "Escriba los números de los boletos que hay que reponer.",
     "Type the numbers of the tickets to replace."},
    {18002, "Se pueden reponer como mucho %1 boletos de una vez.",
     "At most %1 tickets can be replaced at once."},
    {18003, "El boleto %1 no está en este trabajo.", "Ticket %1 is not in this job."},
    {18004, "El boleto %1 no salió en esta impresión (va en la hoja %2).",
     "Ticket %1 was not printed by this run (it goes on sheet %2)."},
    {18010, "%1 × %2 mm", "%1 × %2 mm"},
    {18011, "Hojas: %1", "Sheets: %1"},
    {18012, "Boletos: %1", "Tickets: %1"},
    {18013, "Bloques: %1", "Blocks: %1"},
    {18014, "Impresora: %1", "Printer: %1"},
    {18015, "Papel: %1", "Paper: %1"},
    {18016, "Del %1 al %2", "From %1 to %2"},
    {18020, "Reponer boletos", "Replace tickets"},
    {18021, "Trabajo abierto", "Open job"},
    {18022, "Reponer", "Replace"},
    {18023, "Cancelar", "Cancel"},
    {18024, "Impresión:", "Run:"},
    {18025, "Boletos estropeados:", "Damaged tickets:"},
    {18026, "Por ejemplo 0457,2310,3001-3004", "For example 0457,2310,3001-3004"},
    {18030, "Plan de pilas", "Pile plan"},
    {18031, "Trabajo: %1", "Job: %1"},
    {18032, "Impresora: %1", "Printer: %1"},
    {18033, "Fecha: %1", "Date: %1"},
    {18034, "%1 boletos en %2 hojas; %3", "%1 tickets on %2 sheets; %3"},
    {18035, "Bloque %1: hojas %2 a %3", "Block %1: sheets %2 to %3"},
    {18036, "Pila %1: %2 a %3", "Pile %1: %2 to %3"},
    {18040, "Reponer &boletos...", "Replace &tickets..."},
    {18041, "Imprimir plan de pi&las", "Print pile p&lan"},
    {18042, "Se va a imprimir:", "About to print:"},
    {18043, "¿Seguir?", "Go on?"},
    {18044, "no se puede escribir el archivo", "the file cannot be written"},
    {18045, "El trabajo abierto no imprime en pilas: active las pilas en la página de distinto número.",
     "The open job does not print in piles: turn piles on in the distinct-number page."},
    {18046, "Imprimir", "Print"},
    {18047, "Guardar como PDF", "Save as PDF"},
    {18048, "Cancelar", "Cancel"},
    {18049, "¿Imprimir el plan de pilas en la impresora o guardarlo como PDF?",
     "Print the pile plan on the printer or save it as PDF?"},
    {18050, "Plan de pilas.pdf", "Pile plan.pdf"},
    {18051, "No se pudo guardar %1: %2", "%1 could not be saved: %2"},
    {18060, "Bloque %1 de %2", "Block %1 of %2"},
    {18061, "Hoja separadora antes de cada bloque", "Separator sheet before each block"},
    {19000, "hojas %1–%2", "sheets %1–%2"},
    {19001, "boletos %1", "tickets %1"},
    {19002, "Trabajo", "Job"},
    {19003, "Impresora", "Printer"},
    {19004, "Desde (aaaa-mm-dd)", "From (yyyy-mm-dd)"},
    {19005, "Hasta (aaaa-mm-dd)", "To (yyyy-mm-dd)"},
    {19006, "Todos", "All"},
    {19010, "Página completa", "Whole page"},
    {19011, "Ancho de página", "Page width"},
    {19012, "▶ Empieza el bloque %1 de %2", "▶ Block %1 of %2 starts"},
    {19013, "Bloque %1 de %2", "Block %1 of %2"},
};
} // namespace

std::span<const CadenaAnadida> cadenasTaller()
{
    return kCadenas;
}

} // namespace LibreriaTessarino::Recursos
