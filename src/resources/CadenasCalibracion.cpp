#include "CadenasAnadidas.h"

namespace LibreriaTessarino::Recursos {

namespace {
// The printer's calibration: menu, window, messages and the calibration sheet.
constexpr CadenaAnadida kCadenas[] = {
    {2000, "C&alibrar impresora...", "C&alibrate printer..."},
    {2001, "&Quitar calibración", "&Remove calibration"},
    {2002, "Calibrar impresora", "Calibrate printer"},
    {2003,
     "Se ha impreso la hoja de calibración en \"%1\". Mida en milímetros, desde los bordes izquierdo y "
     "superior del papel, hasta el centro de cada cruz.",
     "The calibration sheet was printed on \"%1\". Measure in millimetres, from the left and top edges of "
     "the paper, to the centre of each cross."},
    {2004, "Cruz superior izquierda:", "Top-left cross:"},
    {2005, "Cruz inferior derecha:", "Bottom-right cross:"},
    {2006, "Desde el borde izquierdo (mm)", "From the left edge (mm)"},
    {2007, "Desde el borde superior (mm)", "From the top edge (mm)"},
    {2008, "Aceptar", "OK"},
    {2009, "Cancelar", "Cancel"},
    {2010, "cruz superior izquierda, desde el borde izquierdo", "top-left cross, from the left edge"},
    {2011, "cruz superior izquierda, desde el borde superior", "top-left cross, from the top edge"},
    {2012, "cruz inferior derecha, desde el borde izquierdo", "bottom-right cross, from the left edge"},
    {2013, "cruz inferior derecha, desde el borde superior", "bottom-right cross, from the top edge"},
    {2014, "Escriba la medida de \"%1\".", "Type the measurement of \"%1\"."},
    {2015, "\"%1\" debe ser una medida en milímetros, como 20,5.",
     "\"%1\" must be a measurement in millimetres, such as 20.5."},
    {2016, "\"%1\" no puede ser negativa.", "\"%1\" cannot be negative."},
    {2017,
     "Las medidas de \"%1\" y \"%2\" dan una escala de %3, fuera de 0,9 a 1,1: compruebe que ha medido en "
     "milímetros hasta el centro de las cruces.",
     "The measurements of \"%1\" and \"%2\" give a scale of %3, outside 0.9 to 1.1: check that you measured "
     "in millimetres to the centre of the crosses."},
    {2018,
     "Las medidas de \"%1\" y \"%2\" dan un desplazamiento de %3 mm, de más de 20 mm: compruebe que ha "
     "medido en milímetros desde el borde del papel.",
     "The measurements of \"%1\" and \"%2\" give an offset of %3 mm, more than 20 mm: check that you "
     "measured in millimetres from the edge of the paper."},
    {2019, "Desplazamiento: %1 mm horizontal, %2 mm vertical. Escala: %3 horizontal, %4 vertical.",
     "Offset: %1 mm horizontal, %2 mm vertical. Scale: %3 horizontal, %4 vertical."},
    {2020, ",", "."},
    {2021, "La impresora \"%1\" ya no tiene calibración.", "The printer \"%1\" is no longer calibrated."},
    {2022, "La impresora \"%1\" no tenía calibración.", "The printer \"%1\" had no calibration."},
    {2023, "No se pudo guardar la calibración: %1.", "The calibration could not be saved: %1."},
    {2024,
     "Hoja de calibración de \"%1\".\nMida en milímetros, desde los bordes izquierdo y superior del papel,\n"
     "hasta el centro de cada cruz.",
     "Calibration sheet of \"%1\".\nMeasure in millimetres, from the left and top edges of the paper,\n"
     "to the centre of each cross."},
    {2026, "No se pudo quitar la calibración: %1.", "The calibration could not be removed: %1."},
    {2027, "Calibración", "Calibration"},
};
} // namespace

std::span<const CadenaAnadida> cadenasCalibracion()
{
    return kCadenas; // ids 2000 to 2099
}

} // namespace LibreriaTessarino::Recursos
