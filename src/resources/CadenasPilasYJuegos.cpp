#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// Cut-and-stack piles from 1000, receipt-book sets from 1040.
constexpr CadenaAnadida kCadenas[] = {
    {1000, "Numerar en pilas", "Number in piles"},
    {1001, "Primer número:", "First number:"},
    {1002, "Último número:", "Last number:"},
    {1003, "Hojas por pila (0 = sin límite):", "Sheets per pile (0 = no limit):"},
    {1004, "Cerrar", "Close"},
    {1005, "Numerar en &pilas...", "Number in &piles..."},
    {1006, "En pilas: ", "In piles: "},
    {1007, "No hay ninguna fila activada.", "No row is enabled."},
    {1008, "1 hoja", "1 sheet"},
    {1009, "%1 hojas", "%1 sheets"},
    {1010, "1 bloque de %1", "1 block of %1"},
    {1011, "%1 bloques de %2", "%1 blocks of %2"},
    {1012, "%1 bloques de %2 (el último de %3)", "%1 blocks of %2 (the last of %3)"},
    {1013, "pila %1: %2–%3", "pile %1: %2–%3"},
    {1014, "; 1 lugar en blanco al final", "; 1 blank place at the end"},
    {1015, "; %1 lugares en blanco al final", "; %1 blank places at the end"},
    {1016, "La profundidad de las pilas debe ser un número entero, 0 para no limitarla.",
     "The pile depth must be a whole number, 0 for no limit."},
    {1040,
     "El valor de «Juegos» debe ser un número entero del 1 al 10: cada hoja se imprime esa cantidad de veces "
     "seguidas.",
     "The «Sets» value must be a whole number from 1 to 10: each sheet is printed that many times in a row."},
    {1041, "Juegos:", "Sets:"},
    {1042, "Veces seguidas que se imprime cada hoja (talonarios con copias: 1 a 10)",
     "Times in a row each sheet is printed (receipt books with copies: 1 to 10)"},
};
} // namespace

std::span<const CadenaAnadida> cadenasPilasYJuegos()
{
    return kCadenas;
}

} // namespace LibreriaTessarino::Recursos
