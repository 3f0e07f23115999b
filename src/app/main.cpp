#include "CalibrationSettings.h"
#include "CommandLinePrint.h"
#include "QtDialogs.h"
#include "QtPrinterSurface.h"
#include "QtTranslations.h"
#include "SheetsPerJob.h"
#include "SingleInstance.h"
#include "StartUp.h"
#include "frmIni.h"
#include "frmPrincipal.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (CommandLinePrint::wanted(argc, argv))
        return CommandLinePrint::main(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarino"));
    loadQtTranslations(app);
    // The hidden start-up window stays until the end; the main window's unload ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QtDialogs dialogs;
    const Paths paths = Paths::standard();
    QtPrinterSurface printer(paths.pdfOutputFolder);
    AppContext context{paths, dialogs, printer};
    printer.setSheetsPerJob(SheetsPerJob::read(context.profiles));
    printer.setCalibrationSource(CalibrationSettings::source(context.profiles));
    SingleInstance instance(paths.lockFolder);

    // The command line is handed on as one text, as typed after the program's name.
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    StartUp startUp(context, instance, arguments.join(u' '));

    frmIni splash;
    QObject::connect(&splash, &frmIni::firstPainted, &app, [&] {
        if (!startUp.run(&splash)) {
            QCoreApplication::exit(StartUp::exitStatus(startUp.outcome()));
            return;
        }
        frmPrincipal *window = startUp.mainWindow();
        dialogs.setParentWindow(window);
        printer.setDocumentFinishedHandler([window](const QString &pdf) { window->showPrintedFile(pdf); });
        QObject::connect(window, &frmPrincipal::unloaded, &app, &QApplication::quit);
        // Leaves the event loop without closing (and so without asking) any window again.
        QObject::connect(window, &frmPrincipal::endedAtOnce, &app, [] { QCoreApplication::exit(0); });
    });
    splash.show();
    return QApplication::exec();
}
