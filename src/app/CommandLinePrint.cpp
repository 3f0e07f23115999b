#include "CommandLinePrint.h"
#include "CalibrationSettings.h"
#include "ErrorReason.h"

#include "ConsoleDialogs.h"
#include "DocumentCommands.h"
#include "JobFile.h"
#include "JobRun.h"
#include "JobSheets.h"
#include "Paths.h"
#include "PrintJob.h"
#include "QtPrinterSurface.h"
#include "QtTranslations.h"
#include "RunRecorder.h"
#include "RunText.h"
#include "SheetsPerJob.h"
#include "TemplateReady.h"
#include "TerminalProgress.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

enum Status { Printed = 0, NotPrinted = 1, BadCommandLine = 2 };

void say(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The job file, checked as the window checks it before opening.
std::optional<PrintJob> readJob(const QString &file, const ProfileFiles &profiles)
{
    if (!QFileInfo::exists(file)) {
        say(DocumentCommands::kNotFound);
        return std::nullopt;
    }
    if (const QString why = JobFile::refusal(file); !why.isEmpty()) {
        say(QStringLiteral("No se puede abrir el archivo %1: %2").arg(shown(file), why));
        return std::nullopt;
    }
    PrintJob job = PrintJob::read(profiles, file);
    for (const QString &notice : job.notices)
        say(notice);
    return job;
}

// The run, written into the run log with a copy of the job as printed.
RunOutcome runJob(const PrintJob &job, const QString &file, const std::optional<SheetSpan> &span,
                  PrinterSurface &printer, Dialogs &dialogs, RunObserver *observer,
                  const ProfileFiles &profiles)
{
    const RunLog log(Paths::standard().runLogFolder);
    int sentido = PrinterSurface::Portrait;
    try {
        sentido = job.orientation.value_or(printer.orientation());
    } catch (const std::exception &) {
    }
    RunRecorder recorder(log, profiles,
                         {QFileInfo(file).absoluteFilePath(), RunRecorder::printerName(printer), job.page,
                          JobRun::saved(job, sentido), QString(), span ? span->first : 1},
                         observer);
    // Where a stopped run went to is told in sheets, so that the rest of a set is not lost.
    recorder.setTellsWhereStopped(true);
    const RunOutcome outcome = JobRun::print(job, span, printer, dialogs, &recorder);
    if (const QString problem = recorder.finish(outcome); !problem.isEmpty())
        say(QStringLiteral("No se pudo anotar la impresión en el registro %1: %2")
                .arg(shown(log.file()), problem));
    if (outcome == RunOutcome::Cancelled) {
        auto [done, last, text] = RunText::stopped(recorder.run());
        if (done < last)
            text += QStringLiteral(" Para seguir: tessarino --print \"%1\" --sheets %2-%3")
                        .arg(file)
                        .arg(done + 1)
                        .arg(last);
        say(text);
    }
    return outcome;
}

struct Target
{
    std::optional<int> printer;    // nullopt: the default one
    QString output;                // a PDF file instead of a printer
    QString file;                  // the job file
    std::optional<SheetSpan> span; // only these sheets of the run
};

int printOnPrinter(const PrintJob &job, const Target &target, const ProfileFiles &profiles)
{
    const Paths paths = Paths::standard();
    QtPrinterSurface printer(paths.pdfOutputFolder);
    printer.setSheetsPerJob(SheetsPerJob::read(profiles));
    printer.setCalibrationSource(CalibrationSettings::source(profiles));
    if (target.printer)
        printer.setCurrentPrinter(*target.printer);
    ConsoleDialogs dialogs;
    TerminalProgress progress;
    const RunOutcome outcome =
        runJob(job, target.file, target.span, printer, dialogs, progress.observer(), profiles);
    if (outcome != RunOutcome::Printed)
        return NotPrinted;
    if (printer.pdfPrinterCurrent())
        say(QStringLiteral("Impreso en %1").arg(shown(printer.lastPdfFile())));
    return Printed;
}

// The run goes to a private folder beside the output and only a finished file takes the
// output's name, so a failed run leaves no PDF behind and an old file stays until replaced.
int printToFile(const PrintJob &job, const Target &target, const ProfileFiles &profiles)
{
    const QFileInfo info(target.output);
    QTemporaryDir work(info.absolutePath() + QStringLiteral("/.tessarino-XXXXXX"));
    if (!work.isValid()) {
        say(QStringLiteral("No se puede escribir en la carpeta %1: %2.")
                .arg(shown(info.absolutePath()), ErrorReason::ofText(work.errorString())));
        return NotPrinted;
    }
    RunOutcome outcome;
    QString written;
    {
        QtPrinterSurface printer(work.path());
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        printer.setCalibrationSource(CalibrationSettings::source(profiles)); // as in the window
        ConsoleDialogs dialogs;
        TerminalProgress progress;
        outcome = runJob(job, target.file, target.span, printer, dialogs, progress.observer(), profiles);
        written = printer.lastPdfFile();
    } // a document a failure left open is closed here, inside the private folder
    if ((outcome != RunOutcome::Printed && outcome != RunOutcome::Cancelled) || written.isEmpty())
        return NotPrinted;
    if (std::rename(QFile::encodeName(written).constData(),
                    QFile::encodeName(info.absoluteFilePath()).constData()) != 0) {
        say(QStringLiteral("No se puede guardar el archivo PDF %1: %2.")
                .arg(shown(info.absoluteFilePath()), ErrorReason::of(errno)));
        return NotPrinted;
    }
    return outcome == RunOutcome::Printed ? Printed : NotPrinted;
}

std::optional<int> printerNamed(const QString &name)
{
    const QtPrinterSurface printers{QString()};
    const QList<PrinterInfo> list = printers.printers();
    for (int i = 0; i < list.size(); ++i)
        if (list[i].deviceName == name)
            return i;
    return std::nullopt;
}

} // namespace

namespace CommandLinePrint {

bool wanted(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] == '-')
            return true;
    return false;
}

int main(int argc, char **argv)
{
    // No window is ever shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The name places the settings file: the same one the window reads.
    QApplication::setApplicationName(QStringLiteral("Tessarino"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARINO_VERSION));
    loadQtTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tessarino numera hojas impresas. Sin opciones abre la ventana "
                       "(con un trabajo si se le nombra)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption print(
        QStringLiteral("print"),
        QStringLiteral("Imprime el trabajo del archivo sin mostrar ninguna ventana."),
        QStringLiteral("archivo.trv"));
    const QCommandLineOption printerOption(QStringLiteral("printer"),
                                           QStringLiteral("Imprime en esa cola de CUPS en lugar de la "
                                                          "impresora predeterminada."),
                                           QStringLiteral("nombre"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("Escribe la impresión en ese archivo PDF."),
                                    QStringLiteral("archivo.pdf"));
    const QCommandLineOption sheets(
        QStringLiteral("sheets"),
        QStringLiteral("Imprime solo las hojas J a K de la impresión (contadas desde 1, "
                       "con los juegos), por ejemplo 4322-10000."),
        QStringLiteral("J-K"));
    parser.addOptions({print, printerOption, output, sheets});

    const auto wrong = [](const QString &text) {
        say(text + QStringLiteral("\nPruebe «tessarino --help»."));
        return BadCommandLine;
    };
    if (!parser.parse(QApplication::arguments()))
        return wrong(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return Printed;
    }
    if (parser.isSet(version)) {
        std::printf("Tessarino %s\n", TESSARINO_VERSION);
        return Printed;
    }
    if (!parser.isSet(print))
        return wrong(QStringLiteral("Falta --print con el archivo del trabajo."));
    if (!parser.positionalArguments().isEmpty())
        return wrong(
            QStringLiteral("Argumento inesperado: %1").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(printerOption) && parser.isSet(output))
        return wrong(QStringLiteral("--printer y --output no pueden usarse juntos."));

    Target target;
    if (parser.isSet(printerOption)) {
        target.printer = printerNamed(parser.value(printerOption));
        if (!target.printer) {
            say(QStringLiteral("No existe la impresora \"%1\".").arg(parser.value(printerOption)));
            return NotPrinted;
        }
    }
    target.output = parser.value(output);

    const Paths paths = Paths::standard();
    const ProfileFiles profiles(paths.settingsFile);
    target.file = parser.value(print);
    const std::optional<PrintJob> job = readJob(target.file, profiles);
    if (!job)
        return NotPrinted;
    if (parser.isSet(sheets)) {
        // The run's sheets are counted as it would print them, sets included.
        ConsoleDialogs dialogs;
        const std::unique_ptr<JobSheets> all = JobRun::sheets(*job, dialogs);
        if (!all)
            return NotPrinted;
        QString why;
        target.span = SheetSpan::parse(parser.value(sheets), all->count(), why);
        if (!target.span)
            return wrong(QStringLiteral("--sheets: ") + why);
    }
    return target.output.isEmpty() ? printOnPrinter(*job, target, profiles)
                                   : printToFile(*job, target, profiles);
}

} // namespace CommandLinePrint
