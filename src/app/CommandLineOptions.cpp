#include "CommandLineOptions.h"

#include "CommandLineShop.h"

// Our own help and version options: Qt's describe themselves in Qt's words.
CommandLineOptions::CommandLineOptions()
    : help({QStringLiteral("h"), QStringLiteral("help")}, tr("Muestra esta ayuda.")),
      version({QStringLiteral("v"), QStringLiteral("version")}, tr("Muestra la versión del programa.")),
      print(QStringLiteral("print"), tr("Imprime el trabajo del archivo sin mostrar ninguna ventana."),
            tr("archivo.trv")),
      printer(QStringLiteral("printer"),
              tr("Imprime en esa cola de CUPS en lugar de la impresora predeterminada."), tr("nombre")),
      output(QStringLiteral("output"),
             tr("Escribe la impresión en ese archivo PDF (un archivo que ya exista se sustituye y "
                "conserva sus permisos)."),
             tr("archivo.pdf")),
      sheets(QStringLiteral("sheets"),
             tr("Imprime solo las hojas J a K de la impresión (contadas desde 1, con los juegos), por "
                "ejemplo 4322-10000."),
             QStringLiteral("J-K")),
      fitAnyway(QStringLiteral("fit-anyway"), tr("Imprime aunque la página de la plantilla sea mayor que el "
                                                 "papel (lo que no cabe no se imprime).")),
      tickets(CommandLineShop::ticketsOption())
{}

QString CommandLineOptions::description()
{
    return tr("Tessarino numera hojas impresas. Sin opciones abre la ventana (con un trabajo si se le "
              "nombra).");
}

QList<QCommandLineOption> CommandLineOptions::all() const
{
    return {help, version, print, printer, output, sheets, fitAnyway, tickets};
}
