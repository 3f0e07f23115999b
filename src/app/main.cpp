#include "QtDialogs.h"
#include "QtPrinterSurface.h"
#include "frmPrincipal.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarino"));

    QtDialogs dialogs;
    const Paths paths = Paths::standard();
    QtPrinterSurface printer(paths.pdfOutputFolder);
    AppContext context{paths, dialogs, printer};

    frmPrincipal window(context);
    dialogs.setParentWindow(&window);
    window.show();
    return QApplication::exec();
}
