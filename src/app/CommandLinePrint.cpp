#include "CommandLinePrint.h"
#include "CalibrationSettings.h"
#include "CommandLineLanguage.h"
#include "CommandLineOptions.h"
#include "CommandLineShop.h"
#include "ErrorReason.h"
#include "Logging.h"

#include "ConsoleDialogs.h"
#include "JobFile.h"
#include "JobRun.h"
#include "JobSheets.h"
#include "Paths.h"
#include "PrintJob.h"
#include "QtPrinterSurface.h"
#include "RunReconcile.h"
#include "RunRecorder.h"
#include "RunText.h"
#include "SheetsPerJob.h"
#include "StopSignals.h"
#include "TemplateReady.h"
#include "TerminalProgress.h"
#include "Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum Status { Printed = 0, NotPrinted = 1, BadCommandLine = 2 };

// What the command line says, in the interface language.
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(CommandLinePrint)
};

void say(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A word as a shell reads it back unchanged: bare when it holds nothing the shell would act on.
QString shellWord(const QString &word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:=@%+,-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    QString quoted = word;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

// The job file, checked as the window checks it before opening.
std::optional<PrintJob> readJob(const QString &file, const ProfileFiles &profiles)
{
    if (!QFileInfo::exists(file)) {
        say(Words::tr("No se encuentra el archivo %1.").arg(shown(file)));
        return std::nullopt;
    }
    if (const QString why = JobFile::refusal(file); !why.isEmpty()) {
        say(Words::tr("No se puede abrir el archivo %1: %2").arg(shown(file), why));
        return std::nullopt;
    }
    PrintJob job = PrintJob::read(profiles, file);
    for (const QString &notice : job.notices)
        say(notice);
    return job;
}

struct Target
{
    std::optional<int> printer;          // nullopt: the default one
    QString printerName;                 // as given with --printer
    QString output;                      // a PDF file instead of a printer, as given
    QString outputFile;                  // the file it writes: a symbolic link is followed
    std::optional<struct stat> existing; // the regular file the output replaces
    QString file;                        // the job file
    std::optional<SheetSpan> span;       // only these sheets of the run
    TicketReplacement::Request tickets;  // only these tickets, each at its place (--tickets)
    bool fitAnyway = false;
};

// The command that prints the sheets a stopped run left. A file output goes to a new file, so
// that the sheets already in the first one are not replaced.
QString rest(const Target &target, qint64 first, qint64 last)
{
    const QString span = QStringLiteral("%1-%2").arg(first).arg(last);
    QStringList words{QStringLiteral("tessarino"), QStringLiteral("--print"), shellWord(target.file),
                      QStringLiteral("--sheets"), span};
    if (target.printer)
        words << QStringLiteral("--printer") << shellWord(target.printerName);
    if (!target.output.isEmpty()) {
        const QFileInfo out(target.output);
        const QString name = QStringLiteral("%1 (hojas %2)").arg(out.completeBaseName(), span) +
                             (out.suffix().isEmpty() ? QString() : u'.' + out.suffix());
        const QString folder = target.output.contains(u'/') ? out.path() + u'/' : QString();
        words << QStringLiteral("--output") << shellWord(folder + name);
    }
    if (target.fitAnyway)
        words << QStringLiteral("--fit-anyway");
    return words.join(u' ');
}

// The run, written into the run log with a copy of the job as printed.
RunOutcome runJob(const PrintJob &job, const Target &target, PrinterSurface &printer, ConsoleDialogs &dialogs,
                  RunObserver *observer, const ProfileFiles &profiles)
{
    const RunLog log(Paths::standard().runLogFolder);
    int sentido = PrinterSurface::Portrait;
    try {
        sentido = job.orientation.value_or(printer.orientation());
    } catch (const std::exception &e) {
        qCWarning(lcPrint) << "the printer cannot tell its orientation; the job copy says portrait:"
                           << describeFailure(e);
    }
    RunRecorder recorder(log, profiles,
                         {QFileInfo(target.file).absoluteFilePath(), RunRecorder::printerName(printer),
                          job.page, JobRun::saved(job, sentido), QString(),
                          target.span ? target.span->first : 1, target.tickets.listed, QString()},
                         observer);
    // Where a stopped run went to is told in sheets, so that the rest of a set is not lost.
    recorder.setTellsWhereStopped(true);
    const RunOutcome outcome =
        CommandLineShop::run(job, target.span, target.tickets, printer, dialogs, &recorder, profiles);
    if (const QString problem = recorder.finish(outcome); !problem.isEmpty())
        say(Words::tr("No se pudo anotar la impresión en el registro %1: %2")
                .arg(shown(log.file()), problem));
    // A run the user or the printer stopped goes on from the first sheet the printer did not
    // confirm.
    if (outcome == RunOutcome::Cancelled ||
        (outcome == RunOutcome::Failed && recorder.started() && printer.confirmsSheets())) {
        auto [done, last, text] = RunText::stopped(recorder.run());
        if (done < last && target.tickets.listed.isEmpty()) // a replacement is typed again, shorter
            text += Words::tr(" Para seguir: ") + rest(target, done + 1, last);
        say(text);
    }
    if (outcome != RunOutcome::Printed && dialogs.refused() > 0)
        say(Words::tr("No se ha impreso nada. Con --fit-anyway se imprime aunque la página de la "
                      "plantilla no quepa en el papel."));
    return outcome;
}

// A run stopped by a signal ends as the shell expects of it: 128 + the signal (130 for Ctrl+C).
int stoppedStatus(RunOutcome outcome)
{
    if (outcome == RunOutcome::Printed)
        return Printed;
    if (outcome == RunOutcome::Cancelled && StopSignals::received() != 0)
        return 128 + StopSignals::received();
    return NotPrinted;
}

int printOnPrinter(const PrintJob &job, const Target &target, const ProfileFiles &profiles,
                   ConsoleDialogs &dialogs)
{
    const Paths paths = Paths::standard();
    // Runs a killed program left at a printer are told as far as the spooler saw them print.
    RunReconcile::reconcile(RunLog(paths.runLogFolder));
    QtPrinterSurface printer(paths.pdfOutputFolder);
    printer.setSheetsPerJob(SheetsPerJob::read(profiles));
    printer.setCalibrationSource(CalibrationSettings::source(profiles));
    if (target.printer)
        printer.setCurrentPrinter(*target.printer);
    TerminalProgress progress;
    const RunOutcome outcome = runJob(job, target, printer, dialogs, progress.observer(), profiles);
    if (outcome == RunOutcome::Printed && printer.pdfPrinterCurrent())
        say(Words::tr("Impreso en %1").arg(shown(printer.lastPdfFile())));
    return stoppedStatus(outcome);
}

// This machine in a work folder's name: a folder shared by several machines holds runs whose
// process numbers mean nothing here.
QString hostWord()
{
    QString host = QSysInfo::machineHostName();
    host.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.]")), QStringLiteral("_"));
    return host.isEmpty() ? QStringLiteral("local") : host;
}

const QString kWorkPrefix = QStringLiteral(".tessarino-");

// Work folders that runs killed on this machine left beside their output: named
// `.tessarino-<host>-<pid>-XXXXXX`, of this user, whose process is gone. Nothing else is touched:
// not a link, not another user's folder, not a folder of a run that may still be going.
void removeAbandonedWork(const QString &folder)
{
    const QString host = hostWord();
    const QStringList names =
        QDir(folder).entryList({kWorkPrefix + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QStringList parts = name.mid(kWorkPrefix.size()).split(u'-');
        if (parts.size() < 3 || parts.mid(0, parts.size() - 2).join(u'-') != host)
            continue;
        bool number = false;
        const pid_t owner = pid_t(parts[parts.size() - 2].toLongLong(&number));
        if (!number || owner <= 0 || owner == getpid() || kill(owner, 0) == 0 || errno != ESRCH)
            continue;
        const QString path = folder + u'/' + name;
        struct stat info
        {
        };
        if (lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
            info.st_uid != geteuid())
            continue;
        if (!QDir(path).removeRecursively())
            qCWarning(lcFiles) << "cannot remove the work folder of an ended run" << path;
    }
}

// The run goes to a private folder beside the output and only a finished file takes the
// output's name, so a failed run leaves no PDF behind and an old file stays until replaced.
int printToFile(const PrintJob &job, const Target &target, const ProfileFiles &profiles,
                ConsoleDialogs &dialogs)
{
    const QFileInfo info(target.outputFile);
    const QString folder = info.absolutePath();
    removeAbandonedWork(folder);
    QTemporaryDir work(folder + u'/' + kWorkPrefix + hostWord() + u'-' + QString::number(getpid()) +
                       QStringLiteral("-XXXXXX"));
    if (!work.isValid()) {
        say(Words::tr("No se puede escribir en la carpeta %1: %2.")
                .arg(shown(folder), ErrorReason::ofText(work.errorString())));
        return NotPrinted;
    }
    dialogs.showFilesOf(work.path(), shown(info.absoluteFilePath()));
    RunOutcome outcome;
    QString written;
    {
        QtPrinterSurface printer(work.path());
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        printer.setCalibrationSource(CalibrationSettings::source(profiles)); // as in the window
        TerminalProgress progress;
        outcome = runJob(job, target, printer, dialogs, progress.observer(), profiles);
        written = printer.lastPdfFile();
    } // a document a failure left open is closed here, inside the private folder
    if ((outcome != RunOutcome::Printed && outcome != RunOutcome::Cancelled) || written.isEmpty()) {
        if (target.existing)
            say(Words::tr("El archivo %1 queda como estaba.").arg(shown(info.absoluteFilePath())));
        return stoppedStatus(outcome);
    }
    // The file replaced keeps who may read it: a private print stays private.
    if (target.existing &&
        chmod(QFile::encodeName(written).constData(), target.existing->st_mode & 07777) != 0)
        qCWarning(lcFiles) << "cannot give the print the replaced file's permissions:"
                           << ErrorReason::of(errno);
    if (std::rename(QFile::encodeName(written).constData(),
                    QFile::encodeName(info.absoluteFilePath()).constData()) != 0) {
        say(Words::tr("No se puede guardar el archivo PDF %1: %2.")
                .arg(shown(info.absoluteFilePath()), ErrorReason::of(errno)));
        return NotPrinted;
    }
    return stoppedStatus(outcome);
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

// Where --output writes, or why it must not: only a regular file is replaced (a symbolic link
// is followed to it), never a folder, a device or a pipe.
QString checkOutput(Target &target)
{
    const QByteArray path = QFile::encodeName(target.output);
    struct stat info
    {
    };
    if (lstat(path.constData(), &info) != 0) {
        if (errno != ENOENT)
            return Words::tr("no se puede usar %1: %2.").arg(shown(target.output), ErrorReason::of(errno));
        target.outputFile = QFileInfo(target.output).absoluteFilePath();
        return {};
    }
    if (S_ISLNK(info.st_mode) && stat(path.constData(), &info) != 0)
        return Words::tr("%1 es un enlace a un archivo que no existe.").arg(shown(target.output));
    if (!S_ISREG(info.st_mode))
        return Words::tr("%1 no es un archivo normal; no se sustituye.").arg(shown(target.output));
    target.outputFile = QFileInfo(target.output).canonicalFilePath();
    target.existing = info;
    return {};
}

// An output that is one of the files the run reads or keeps would be destroyed by it: the job,
// its design, the settings or the run log. Compared by identity, so a link or another spelling of
// the same path is caught.
QString outputClash(const Target &target, const PrintJob &job, const Paths &paths)
{
    if (!target.existing)
        return {};
    const QList<std::pair<QString, QString>> kept{
        {target.file, Words::tr("el trabajo")},
        {job.pdfTemplate ? job.pdfTemplate->file : QString(), Words::tr("la plantilla del trabajo")},
        {paths.settingsFile, Words::tr("el archivo de configuración")},
        {RunLog(paths.runLogFolder).file(), Words::tr("el registro de impresiones")},
    };
    for (const auto &[file, what] : kept) {
        struct stat info
        {
        };
        if (!file.isEmpty() && stat(QFile::encodeName(file).constData(), &info) == 0 &&
            info.st_dev == target.existing->st_dev && info.st_ino == target.existing->st_ino)
            return Words::tr("--output %1 es %2 (%3); no se sustituye.")
                .arg(shown(target.output), what, shown(file));
    }
    return {};
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
    // Ctrl+C, SIGTERM and SIGHUP stop a run after its sheet under way; a second one ends at once.
    StopSignals::install({SIGINT, SIGTERM, SIGHUP}, true);
    // No window is ever shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The name places the settings file: the same one the window reads.
    QApplication::setApplicationName(QStringLiteral("Tessarino"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARINO_VERSION));
    const Paths paths = Paths::standard();
    const ProfileFiles profiles(paths.settingsFile);
    // Messages in the language the window would speak, the desktop's when none was chosen.
    CommandLineLanguage language(profiles);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(CommandLineOptions::description());
    const CommandLineOptions described;
    const QCommandLineOption &help = described.help, &version = described.version, &print = described.print,
                             &printerOption = described.printer, &output = described.output,
                             &sheets = described.sheets, &fitAnyway = described.fitAnyway,
                             &tickets = described.tickets;
    const QList<QCommandLineOption> options = described.all();
    parser.addOptions(options);

    const auto wrong = [](const QString &text) {
        say(text + u'\n' + Words::tr("Pruebe «tessarino --help»."));
        return BadCommandLine;
    };
    const QStringList arguments = QApplication::arguments();
    // An option as the user typed it, dashes included.
    const auto typed = [&](const QString &name) {
        for (const QString &a : arguments.mid(1)) {
            if (a == QStringLiteral("--"))
                break;
            const QString bare = a.mid(a.startsWith(QStringLiteral("--")) ? 2 : 1).section(u'=', 0, 0);
            if (a.startsWith(u'-') && bare == name)
                return a.section(u'=', 0, 0);
        }
        return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    };
    for (const QCommandLineOption &option : options) {
        if (option.valueName().isEmpty())
            continue;
        const QString &name = option.names().constFirst();
        if (arguments.size() > 1 && typed(name) == arguments.constLast())
            return wrong(Words::tr("Falta el valor de %1.").arg(arguments.constLast()));
    }
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return wrong(
                Words::tr("Opción desconocida «%1».").arg(typed(parser.unknownOptionNames().constFirst())));
        return wrong(parser.errorText());
    }
    // An option given twice is a mistake in a script: which one was meant cannot be told.
    for (const QCommandLineOption &option : options) {
        qsizetype times = 0;
        for (const QString &name : parser.optionNames())
            times += option.names().contains(name) ? 1 : 0;
        if (times > 1)
            return wrong(
                Words::tr("La opción --%1 se ha dado más de una vez.").arg(option.names().constLast()));
    }
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return Printed;
    }
    if (parser.isSet(version)) {
        std::printf("Tessarino %s\n", TESSARINO_VERSION);
        return Printed;
    }
    // An empty value is an unset variable in a script: never the default printer or file.
    for (const QCommandLineOption &option : {print, printerOption, output, sheets, tickets})
        if (parser.isSet(option) && parser.value(option).isEmpty())
            return wrong(Words::tr("--%1 no puede estar vacío.").arg(option.names().constFirst()));
    if (!parser.isSet(print))
        return wrong(Words::tr("Falta --print con el archivo del trabajo."));
    if (!parser.positionalArguments().isEmpty())
        return wrong(Words::tr("Argumento inesperado: %1").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(printerOption) && parser.isSet(output))
        return wrong(Words::tr("--printer y --output no pueden usarse juntos."));
    if (parser.isSet(sheets) && parser.isSet(tickets))
        return wrong(Words::tr("--sheets y --tickets no pueden usarse juntos."));

    Target target;
    target.fitAnyway = parser.isSet(fitAnyway);
    target.output = parser.value(output);
    if (!target.output.isEmpty())
        if (const QString why = checkOutput(target); !why.isEmpty())
            return wrong(QStringLiteral("--output: ") + why);
    if (parser.isSet(printerOption)) {
        target.printerName = parser.value(printerOption);
        target.printer = printerNamed(target.printerName);
        if (!target.printer) {
            say(Words::tr("No existe la impresora \"%1\".").arg(target.printerName));
            return NotPrinted;
        }
    }

    target.file = parser.value(print);
    const std::optional<PrintJob> job = readJob(target.file, profiles);
    if (!job)
        return NotPrinted;
    if (const QString clash = outputClash(target, *job, paths); !clash.isEmpty())
        return wrong(clash);
    ConsoleDialogs dialogs;
    if (target.fitAnyway)
        dialogs.answerYes();
    if (parser.isSet(sheets)) {
        // The run's sheets are counted as it would print them, sets included.
        const std::unique_ptr<JobSheets> all = JobRun::sheets(*job, dialogs);
        if (!all)
            return NotPrinted;
        QString why;
        target.span = SheetSpan::parse(parser.value(sheets), all->count(), why);
        if (!target.span)
            return wrong(QStringLiteral("--sheets: ") + why);
    }
    if (QString why;
        parser.isSet(tickets) && !CommandLineShop::readTickets(parser.value(tickets), target.tickets, why))
        return wrong(QStringLiteral("--tickets: ") + why);
    if (const int signal = StopSignals::received(); signal != 0) {
        say(Words::tr("Interrumpido antes de empezar: no se ha impreso nada."));
        return 128 + signal;
    }
    return target.output.isEmpty() ? printOnPrinter(*job, target, profiles, dialogs)
                                   : printToFile(*job, target, profiles, dialogs);
}

} // namespace CommandLinePrint
