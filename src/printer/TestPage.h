#pragma once

class PrinterSurface;

namespace TestPage {

inline constexpr const char *kMakerName = "Vireo & Trazo";

// The printer test page on the current printer: the frame of the printable area
// with both diagonals, then the maker's name in 13 sizes from 10 to 70 points, starting 500
// units down. Printer errors reach the caller.
void print(PrinterSurface &printer);

} // namespace TestPage
