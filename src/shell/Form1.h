#pragma once

#include "Paths.h"

#include <QString>

// What the old association window did, as a function: its boxes held what the job-file type
// is registered with, and "Asignar" (Command1) registered it. Start-up runs it at the first run.
namespace Form1 {

// The boxes' contents, as the window was loaded with them.
struct Boxes
{
    QString txtExtension = QStringLiteral(".Trv");
    QString txtClave = QStringLiteral("TrvArchivo");
    QString txtDescripcion = QStringLiteral("Archivo de tessarino");
    QString txtComando = QStringLiteral("Abrir");
    QString txtIcono = QStringLiteral("2");
};

// Registers the type in the store and on the desktop; `programFile` is the program's file name
// without its folder. Each failing step is skipped; the result says whether every step
// succeeded, so that a later start can try again.
bool registerFileType(const Paths &paths, const QString &programFile, const Boxes &boxes = {});

// The program's folder with one separator, then its file name.
QString programPath(const QString &folder, const QString &programFile);

} // namespace Form1
