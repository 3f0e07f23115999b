#pragma once

#include "Paths.h"

class Dialogs;
class PrinterSurface;

// The services a window is built over: the real ones in the program, stand-ins in tests.
struct AppContext
{
    Paths paths;
    Dialogs &dialogs;
    PrinterSurface &printer;
};
