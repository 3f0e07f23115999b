#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// Numbering onto a designed PDF page.
constexpr CadenaAnadida kCadenas[] = {
    {5000, "Plantilla P&DF...", "P&DF template..."},
    {5001, "Sin plantilla", "No template"},
    {5002, "No se encuentra la plantilla %1.", "The template %1 cannot be found."},
    {5003, "La plantilla %1 no es un archivo PDF.", "The template %1 is not a PDF file."},
    {5004,
     "La plantilla %1 está protegida con contraseña o cifrado; guárdela sin protección y elíjala de nuevo.",
     "The template %1 is protected by a password or encryption; save it without protection and choose it "
     "again."},
    {5005, "La plantilla %1 está dañada y no se puede leer.",
     "The template %1 is damaged and cannot be read."},
    {5006, "La plantilla %1 no tiene la página %2 (tiene %3).",
     "The template %1 has no page %2 (it has %3)."},
    {5007, "No se puede leer la plantilla %1: %2.", "The template %1 cannot be read: %2."},
    {5008,
     "La página %1 de la plantilla mide %2 × %3 mm y el papel %4 × %5 mm: lo que no cabe no se imprimirá. "
     "¿Imprimir de todos modos?",
     "Page %1 of the template measures %2 × %3 mm and the paper %4 × %5 mm: what does not fit will not be "
     "printed. Print anyway?"},
    {5009, "No se ha impreso nada.", "Nothing was printed."},
    {5010, "No se pudo poner la plantilla en el archivo PDF \"%1\": %2. El archivo se ha borrado.",
     "The template could not be put into the PDF file \"%1\": %2. The file has been deleted."},
    {5011, "No se puede dibujar la plantilla %1: %2.", "The template %1 cannot be drawn: %2."},
    {5012, "la ruta de la plantilla es demasiado larga para guardarla; acérquela a la carpeta del trabajo.",
     "the template's path is too long to be saved; move it closer to the job's folder."},
    {5013, "Página de la plantilla", "Template page"},
    {5014, "%1 tiene %2 páginas. ¿Cuál se imprime debajo de los números?",
     "%1 has %2 pages. Which one is printed under the numbers?"},
    {5015, "Seleccione la plantilla PDF", "Select the PDF template"},
    {5016, "Archivos PDF (*.pdf)", "PDF files (*.pdf)"},
};
} // namespace

std::span<const CadenaAnadida> cadenasPlantilla()
{
    return kCadenas; // ids 5000 to 5099
}

} // namespace LibreriaTessarino::Recursos
