#include "Recursos.h"

#include "CadenasAnadidas.h"

#include <array>

namespace LibreriaTessarino::Recursos {

namespace {

// Strings 0 to 48 in Spanish; string n + 100 is the English text of string n. Stored exactly as
// the program has always shown them, slips included.
constexpr std::array<const char *, 49> kEspañol = {
    "Tessarino (por Vireo & Trazo)",
    "&Archivo",
    "&Nuevo",
    "&Mismo número",
    "&Distinto numero",
    "&Abrir",
    "&Guardar",
    "&Imprimir cuadricula de prueba",
    "Imprimir &rectangulo de prueba",
    "Imprimir &trabajo",
    "&Salir",
    "&Fuentes",
    "&Color",
    "&Tamaño",
    "Ti&po",
    "G&uardar configuración al salir",
    "&Restaurar valores predeterminados",
    "&Herramientas",
    "&Cargar",
    "&Última impresión mismo número",
    "Ú&ltima impresión distinto número",
    "C&hequear todo",
    "&Limpiar cajas",
    "&Borrar recientes",
    "&Impresora",
    "&Configurar",
    "&Lenguaje",
    "&Español",
    "&Frances",
    "&Italiano",
    "I&ngles",
    "&Acerca",
    "&Notas",
    "&Escribir/editar",
    "&Borrar",
    "Mismo número",
    "Distinto número",
    "Desde",
    "Hasta",
    "&Imprimir",
    "&Cancelar",
    "Fuentes",
    "Muestra",
    "Color",
    "Tamaño",
    "Guardar configuración actual",
    "Restaurar valores",
    "imprimir vertical",
    "-",
};

constexpr std::array<const char *, 49> kIngles = {
    "Tessarino (by Vireo & Trazo)",
    "&File",
    "&New",
    "&Same number",
    "&Different number",
    "&Open",
    "&Save",
    "&Print squares of test",
    "Print test &rectangle",
    "Print &work",
    "&Exit",
    "&Fonts",
    "&Color",
    "&Size",
    "&Type",
    "&Keep current configuration",
    "&Restore predetermined values",
    "&Tools",
    "&Load",
    "L&ast impression same number",
    "La&st impression different number",
    "&Chek all",
    "Clea&n boxes",
    "Clean &recent",
    "&Printer",
    "&Config",
    "&Language",
    "&Spanish",
    "&French",
    "&Italian",
    "&English",
    "&About",
    "&Note",
    "&Escri/edit",
    "&Delette",
    "Same number",
    "Different number",
    "From",
    "Until",
    "&Print",
    "&Cancel",
    "Fonts",
    "Shows",
    "Color",
    "Size",
    "Save configuration",
    "Restore values",
    "Print vertical",
    "-",
};

} // namespace

const char *cadena(int64_t numero)
{
    if (numero >= 0 && numero < int64_t(kEspañol.size()))
        return kEspañol[std::size_t(numero)];
    if (numero >= 100 && numero < 100 + int64_t(kIngles.size()))
        return kIngles[std::size_t(numero - 100)];
    return cadenaAnadida(numero);
}

std::span<const unsigned char> recurso(TipoRecurso tipo, int id)
{
    for (std::size_t i = 0; i < kCantidadRecursosBinarios; ++i) {
        const RecursoBinario &r = kRecursosBinarios[i];
        if (r.tipo == tipo && r.id == id)
            return {r.datos, r.tamano};
    }
    return {};
}

} // namespace LibreriaTessarino::Recursos
