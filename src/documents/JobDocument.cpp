#include "JobDocument.h"

#include "Dialogs.h"
#include "JobTemplate.h"
#include "Logging.h"
#include "LongFileName.h"
#include "NoteText.h"
#include "NumberText.h"
#include "PrinterSurface.h"
#include "ProfileFiles.h"
#include "RuntimeError.h"
#include "Texts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

template <typename F, typename... Args> void call(const F &f, Args &&...args)
{
    if (f)
        f(std::forward<Args>(args)...);
}

} // namespace

// The window works for as long as a command does.
class JobDocument::BusyScope
{
public:
    explicit BusyScope(const Window &window) : m_window(window) { call(m_window.busyStart); }
    ~BusyScope() { call(m_window.busyEnd); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    const Window &m_window;
};

JobDocument::JobDocument(JobSource job, Window window, const Services &services, bool &JobModified,
                         QObject *parent)
    : QObject(parent), m_job(std::move(job)), m_window(std::move(window)), m_services(services),
      m_modified(JobModified)
{}

QString JobDocument::readValue(const QString &section, const QString &key, const QString &file) const
{
    if (file.isEmpty())
        return ProfileFiles::Vacio; // an empty name would read the settings file
    QString path = file;
    return m_services.profiles.LeerValorIni(section, key, path);
}

void JobDocument::working() const
{
    call(m_window.working);
}

void JobDocument::PonerCAption()
{
    const qint64 n = ContadorNuevos + 1;
    // The provisional file name stays the same in every language: it is where a note is kept.
    ArchivoActual = m_services.CarpetaTrabajos + QStringLiteral("Nuevo %1").arg(n);
    ContadorNuevos = n;
    m_captionName.clear();
    m_captioned = true;
    showCaption();
}

QString JobDocument::newName() const
{
    return tr("Nuevo %1").arg(ContadorNuevos);
}

QString JobDocument::captionName() const
{
    if (!m_captioned)
        return QString();
    return m_captionName.isEmpty() ? newName() : m_captionName;
}

void JobDocument::showCaption() const
{
    call(m_window.showName, captionName());
}

QString JobDocument::shownName() const
{
    if (ArchivoActual == m_services.CarpetaTrabajos + QStringLiteral("Nuevo %1").arg(ContadorNuevos))
        return newName();
    return Cortar(ArchivoActual);
}

QString JobDocument::Cortar(const QString &path)
{
    return path.mid(std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
}

void JobDocument::setCaption(const QString &path)
{
    m_captionName = Cortar(path);
    m_captioned = true;
    showCaption();
}

int JobDocument::askToSave()
{
    if (ArchivoActual.isEmpty())
        ArchivoActual = QStringLiteral("Nuevo1.Trv");
    if (!m_modified)
        return Dialogs::No;
    return m_services.dialogs.message(tr("Desea guardar los cambios en el archivo %1").arg(ArchivoActual),
                                      kAppTitle, Dialogs::Icon::Information, Dialogs::Buttons::YesNoCancel);
}

bool JobDocument::PreguntaGuardar()
{
    switch (askToSave()) {
    case Dialogs::Yes:
        return SaveTextControl(); // a save that did not happen must not lead to discarding the job
    case Dialogs::No:
        return true;
    default:
        return false;
    }
}

void JobDocument::New(int page)
{
    if (busy())
        return;
    const BusyScope scope(m_window);
    working();
    if (!PreguntaGuardar())
        return;
    call(m_window.resetJob);
    call(m_window.restoreFont);
    call(m_window.setAvailablePage, page);
    m_services.printer.setPdfTemplate(std::nullopt);
    ArchivoActual.clear();
    ArchivoGuardado.clear();
    NotaActual.clear();
    Q_EMIT notaActualChanged();
    DesdeLineaComandos = false;
    PonerCAption();
    m_modified = false;
    working();
}

void JobDocument::mnuabrir_Click()
{
    if (busy() || !PreguntaGuardar())
        return;
    const BusyScope scope(m_window);
    QDir().mkpath(m_services.CarpetaTrabajos);
    const QString chosen =
        m_services.dialogs.openFileName({QString(), m_services.CarpetaTrabajos, QStringLiteral("*.trv"),
                                         tr("Archivos de texto(*.trv)|*.trv"), QString(), false});
    if (chosen.isEmpty())
        return;
    // A file that could not be read must never be written back under its own name.
    if (AbrirArchivo(chosen) == Opened::Refused)
        return;
    tookFile(chosen);
}

void JobDocument::openRecent(const QString &path)
{
    if (busy() || !PreguntaGuardar())
        return;
    const BusyScope scope(m_window);
    // Unlike the open dialog, a listed file that has gone must not rename the document: the
    // window would show one job under another job's name.
    if (AbrirArchivo(path) != Opened::Yes)
        return;
    tookFile(path);
}

// The document is now the file at `path`, as just read.
void JobDocument::tookFile(const QString &path)
{
    ArchivoActual = path;
    setCaption(path);
    ArchivoGuardado = ArchivoActual;
    m_modified = false;
    readNote();
    working();
}

void JobDocument::readNote()
{
    NotaActual = NoteText::read(m_services.profiles, ArchivoActual);
    Q_EMIT notaActualChanged();
}

JobDocument::Opened JobDocument::AbrirArchivo(const QString &F)
{
    if (!QFileInfo::exists(F)) {
        m_services.dialogs.message(kNotFound, tr("Información"), Dialogs::Icon::Exclamation);
        return Opened::Missing;
    }
    // Checked before anything changes, so a refused file leaves the window as it was.
    if (const QString why = JobFile::refusal(F); !why.isEmpty()) {
        m_services.dialogs.message(tr("No se puede abrir el archivo %1: %2").arg(shown(F), why), kAppTitle,
                                   Dialogs::Icon::Exclamation);
        return Opened::Refused;
    }
    // Without a page of its own the file opens as a same-number job, and the user is told.
    const std::optional<int> stored = JobFile::jobPage(m_services.profiles, F);
    const int S = stored.value_or(0);

    call(m_window.resetJob);
    call(m_job.LeerCheck, S, m_services.profiles, F);
    // A job without a readable orientation keeps the printer's; a printer that cannot tell its
    // own leaves the boxes as they are.
    try {
        m_services.printer.setOrientation(
            NumberText::strictInt16(readValue(JobFile::kOrientacion, JobFile::kSentido, F)));
    } catch (const std::exception &e) {
        qCDebug(lcFiles) << "Orientación no aplicada de" << F << ":" << describeFailure(e);
    }
    try {
        if (m_services.printer.orientation() == PrinterSurface::Landscape)
            call(m_job.setLandscape, S);
    } catch (const std::exception &e) {
        qCWarning(lcPrint) << "La impresora no dice su orientación:" << describeFailure(e);
    }
    call(m_window.loadFont, F);
    m_services.printer.setPdfTemplate(JobTemplate::read(m_services.profiles, F));
    ArchivoActual = F;
    call(m_window.setAvailablePage, S);
    if (!stored)
        m_services.dialogs.message(
            tr("El archivo %1 no indica si guarda un trabajo de mismo número o de distinto número; "
               "se abre como trabajo de mismo número.")
                .arg(shown(F)),
            kAppTitle, Dialogs::Icon::Information);
    return Opened::Yes;
}

bool JobDocument::SaveTextControl()
{
    if (busy())
        return false;
    const BusyScope scope(m_window);
    QString target = ArchivoActual;
    bool write = m_modified;
    if (!hasName()) {
        QDir().mkpath(m_services.CarpetaTrabajos);
        target = m_services.dialogs.saveFileName(
            {tr("Seleccione el archivo destino "), m_services.CarpetaTrabajos, ArchivoActual,
             tr("Archivos de tessarino (Trv)|*.trv"), QStringLiteral("Trv"), true});
        if (target.isEmpty())
            return false;
        write = true;
    }
    if (write) {
        // The document takes the new name only once the file holds the job.
        if (!writeJob(target))
            return false;
        ArchivoActual = target;
        ArchivoGuardado = ArchivoActual;
        m_modified = false;
        Q_EMIT saved(ArchivoActual);
    }
    working();
    return true;
}

bool JobDocument::writeJob(const QString &path)
{
    if (path.isEmpty()) {
        saveFailed(path, tr("el documento no tiene nombre."));
        return false;
    }
    QList<ProfileValue> values;
    try {
        const JobFile::Saved job = currentJob();
        values = JobFile::jobValues(job);
        values += JobTemplate::values(job.pdfTemplate, path);
    } catch (const RuntimeError &error) {
        saveFailed(path, error.number() == RuntimeError::TypeMismatch
                             ? tr("los campos Desde y Hasta deben ser números.")
                             : error.description());
        return false;
    }
    // A value longer than a read takes back would come back cut: the job would name another file.
    for (const ProfileValue &value : values)
        if (value.section == JobTemplate::kSection && value.value.size() > ProfileFiles::MaxValueLength) {
            saveFailed(path, Texts::text(5012));
            return false;
        }
    QString file = path;
    QString reason;
    if (!m_services.profiles.EscribirValoresIni(values, file, &reason)) {
        saveFailed(path, reason);
        return false;
    }
    return true;
}

JobFile::Saved JobDocument::currentJob() const
{
    JobFile::Saved job;
    job.page = m_job.page && m_job.page() == 1 ? 1 : 0;
    if (m_job.sameNumberJob)
        job.same = m_job.sameNumberJob();
    if (m_job.distinctNumberJob)
        job.distinct = m_job.distinctNumberJob();
    if (m_window.font)
        job.font = m_window.font();
    const QDateTime now = QDateTime::currentDateTime();
    job.fecha = JobFile::dateText(now.date());
    job.hora = JobFile::timeText(now.time());
    job.sentido = m_services.printer.orientation();
    job.pdfTemplate = m_services.printer.pdfTemplate();
    return job;
}

void JobDocument::saveFailed(const QString &path, const QString &reason)
{
    m_services.dialogs.message(
        tr("No se pudo guardar el trabajo en el archivo %1: %2\nEl archivo queda como estaba.")
            .arg(shown(path), reason),
        kAppTitle, Dialogs::Icon::Critical);
}

JobDocument::Closing JobDocument::Form_QueryUnload()
{
    if (busy())
        return Closing::Stay;
    switch (askToSave()) {
    case Dialogs::Yes:
        return SaveTextControl() ? Closing::Close : Closing::Stay;
    case Dialogs::No:
        return m_modified ? Closing::EndAtOnce : Closing::Close;
    default:
        return Closing::Stay;
    }
}

QString JobDocument::creationText() const
{
    const QString fecha = readValue(JobFile::kFechaYHora, QStringLiteral("Fecha"), ArchivoActual);
    const QString hora = readValue(JobFile::kFechaYHora, QStringLiteral("hora"), ArchivoActual);
    return fecha != ProfileFiles::Vacio
               ? tr("Creado el: %1 a las: %2").arg(fecha, hora == ProfileFiles::Vacio ? QString() : hora)
               : tr("Fecha y hora de creación desconocido");
}

void JobDocument::openFromCommandLine(const QString &commandLine)
{
    QString path = commandLine;
    // A path may come quoted when typed into a launcher as one piece.
    if (path.size() >= 2 && path.startsWith(u'"') && path.endsWith(u'"'))
        path = path.mid(1, path.size() - 2);
    if (path.isEmpty())
        return;
    path = QFileInfo(path).absoluteFilePath(); // a relative path is taken from the current folder
    // Only a job that opened becomes the document: a missing or refused one leaves the new
    // document, so that Save never writes anywhere unexpected (the settings file least of all).
    if (AbrirArchivo(path) != Opened::Yes)
        return;
    const QString longName = GetLongFilename(path);
    const QString name = longName.isEmpty() ? path : longName;
    setCaption(name);
    ArchivoActual = name;
    DesdeLineaComandos = true;
    readNote();
}
