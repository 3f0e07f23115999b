#include "CalibrationSettings.h"
#include "CommandLinePrint.h"
#include "QtDialogs.h"
#include "QtPrinterSurface.h"
#include "SheetsPerJob.h"
#include "SingleInstance.h"
#include "StartUp.h"
#include "StopSignals.h"
#include "Translations.h"
#include "frmIni.h"
#include "frmPrincipal.h"
#include "frmProgreso.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <functional>

namespace {

// SIGTERM and SIGHUP: a run under way stops as "Cancelar" stops it, and the program goes on to say
// where it stopped; at any other moment the program ends, as their default action ended it, and
// asks nothing.
void watchStopSignals(QApplication &app)
{
    StopSignals::install({SIGTERM, SIGHUP}, false);
    if (StopSignals::pipeFd() < 0)
        return;
    auto *notifier = new QSocketNotifier(StopSignals::pipeFd(), QSocketNotifier::Read, &app);
    const auto act = std::make_shared<std::function<void()>>();
    *act = [&app, weak = std::weak_ptr(act)] {
        if (StopSignals::received() == 0)
            return; // a run took it
        if (frmProgreso::running()) {
            // The run looks at it before its next sheet; the signal may come after its last one.
            if (const auto again = weak.lock())
                QTimer::singleShot(200, &app, *again);
            return;
        }
        QCoreApplication::exit(128 + StopSignals::received());
    };
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [act] {
        StopSignals::drain();
        (*act)();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    if (CommandLinePrint::wanted(argc, argv))
        return CommandLinePrint::main(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarino"));
    watchStopSignals(app);
    // The hidden start-up window stays until the end; the main window's unload ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QtDialogs dialogs;
    const Paths paths = Paths::standard();
    QtPrinterSurface printer(paths.pdfOutputFolder);
    AppContext context{paths, dialogs, printer};
    // The stored language (or the desktop's) from the first message on; the window confirms it.
    Translations::use(Translations::atStart(context.profiles));
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
