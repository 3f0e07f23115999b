#include "DocumentCommands.h"

#include "Dialogs.h"
#include "JobControls.h"
#include "JobFile.h"
#include "JobTemplate.h"
#include "Logging.h"
#include "LongFileName.h"
#include "NoteText.h"
#include "NumberText.h"
#include "PrinterSurface.h"
#include "ProfileFiles.h"
#include "RuntimeError.h"
#include "Texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QThread>

namespace {

const QString kCaptionTail = QStringLiteral(" - Tessarino");

// The hourglass for as long as a command works.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

DocumentCommands::DocumentCommands(const Controls &controls, const JobControls &job, Window window,
                                   const Services &services, bool &JobModified, QObject *parent)
    : QObject(parent), m_ui(controls), m_job(job), m_window(std::move(window)), m_services(services),
      m_modified(JobModified)
{
    m_ui.lblinfo->setMouseTracking(true);
    m_ui.lblinfo->installEventFilter(this);
    // The caption and the file information follow a change of language.
    Texts::follow(this, [this] {
        showCaption();
        if (!m_infoShown.isEmpty() && m_ui.lblEstado->text() == m_infoShown)
            lblinfo_MouseMove();
    });
}

bool DocumentCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.lblinfo && event->type() == QEvent::MouseMove)
        lblinfo_MouseMove();
    return QObject::eventFilter(watched, event);
}

QString DocumentCommands::readValue(const QString &section, const QString &key, const QString &file) const
{
    if (file.isEmpty())
        return ProfileFiles::Vacio; // an empty name would read the settings file
    QString path = file;
    return m_services.profiles.LeerValorIni(section, key, path);
}

void DocumentCommands::PonerCAption()
{
    const qint64 n = ContadorNuevos + 1;
    // The provisional file name stays the same in every language: it is where a note is kept.
    ArchivoActual = m_services.CarpetaTrabajos + QStringLiteral("Nuevo %1").arg(n);
    ContadorNuevos = n;
    m_captionName.clear();
    m_captioned = true;
    showCaption();
}

void DocumentCommands::showCaption()
{
    if (!m_captioned)
        return;
    m_ui.window->setWindowTitle(
        (m_captionName.isEmpty() ? tr("Nuevo %1").arg(ContadorNuevos) : m_captionName) + kCaptionTail);
}

QString DocumentCommands::shownName() const
{
    if (ArchivoActual == m_services.CarpetaTrabajos + QStringLiteral("Nuevo %1").arg(ContadorNuevos))
        return tr("Nuevo %1").arg(ContadorNuevos);
    return Cortar(ArchivoActual);
}

QString DocumentCommands::Cortar(const QString &path)
{
    return path.mid(std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
}

void DocumentCommands::setCaption(const QString &path)
{
    m_captionName = Cortar(path);
    m_captioned = true;
    showCaption();
}

void DocumentCommands::cmdProgress_Click()
{
    if (m_busy)
        return;
    const QScopedValueRollback guard(m_busy, true);
    m_ui.ProgressBar1->setRange(0, 100);
    m_ui.ProgressBar1->setVisible(true);
    m_ui.ProgressBar1->raise();
    // The bar repaints and the clock ticks, but clicks and keys wait until it is gone, so no
    // second command starts in the middle of this one.
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const qint64 elapsed = clock.elapsed();
        m_ui.ProgressBar1->setValue(
            int(1 + 99 * std::min<qint64>(elapsed, busyMilliseconds) / std::max(busyMilliseconds, 1)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (elapsed >= busyMilliseconds)
            break;
        QThread::msleep(5);
    }
    m_ui.ProgressBar1->setVisible(false);
}

int DocumentCommands::askToSave()
{
    if (ArchivoActual.isEmpty())
        ArchivoActual = QStringLiteral("Nuevo1.Trv");
    if (!m_modified)
        return Dialogs::No;
    return m_services.dialogs.message(tr("Desea guardar los cambios en el archivo %1").arg(ArchivoActual),
                                      kAppTitle, Dialogs::Icon::Information, Dialogs::Buttons::YesNoCancel);
}

bool DocumentCommands::PreguntaGuardar()
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

void DocumentCommands::New(int page)
{
    if (m_busy)
        return;
    WaitCursor wait;
    cmdProgress_Click();
    if (!PreguntaGuardar())
        return;
    m_window.resetJob();
    m_window.restoreFont();
    m_window.setAvailablePage(page);
    m_services.printer.setPdfTemplate(std::nullopt);
    ArchivoActual.clear();
    ArchivoGuardado.clear();
    NotaActual.clear();
    Q_EMIT notaActualChanged();
    DesdeLineaComandos = false;
    PonerCAption();
    m_modified = false;
    cmdProgress_Click();
}

void DocumentCommands::mnuabrir_Click()
{
    if (m_busy || !PreguntaGuardar())
        return;
    WaitCursor wait;
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

void DocumentCommands::openRecent(const QString &path)
{
    if (m_busy || !PreguntaGuardar())
        return;
    WaitCursor wait;
    // Unlike the open dialog, a listed file that has gone must not rename the document: the
    // window would show one job under another job's name.
    if (AbrirArchivo(path) != Opened::Yes)
        return;
    tookFile(path);
}

// The document is now the file at `path`, as just read.
void DocumentCommands::tookFile(const QString &path)
{
    ArchivoActual = path;
    setCaption(path);
    ArchivoGuardado = ArchivoActual;
    m_modified = false;
    readNote();
    cmdProgress_Click();
}

void DocumentCommands::readNote()
{
    NotaActual = NoteText::read(m_services.profiles, ArchivoActual);
    Q_EMIT notaActualChanged();
}

DocumentCommands::Opened DocumentCommands::AbrirArchivo(const QString &F)
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

    m_window.resetJob();
    m_job.LeerCheck(S, m_services.profiles, F);
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
            (S == 1 ? m_job.chVert2 : m_job.chVert)->setChecked(true);
    } catch (const std::exception &e) {
        qCWarning(lcPrint) << "La impresora no dice su orientación:" << describeFailure(e);
    }
    m_window.loadFont(F);
    m_services.printer.setPdfTemplate(JobTemplate::read(m_services.profiles, F));
    ArchivoActual = F;
    m_window.setAvailablePage(S);
    if (!stored)
        m_services.dialogs.message(
            tr("El archivo %1 no indica si guarda un trabajo de mismo número o de distinto número; "
               "se abre como trabajo de mismo número.")
                .arg(shown(F)),
            kAppTitle, Dialogs::Icon::Information);
    return Opened::Yes;
}

bool DocumentCommands::SaveTextControl()
{
    if (m_busy)
        return false;
    WaitCursor wait;
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
    cmdProgress_Click();
    return true;
}

bool DocumentCommands::writeJob(const QString &path)
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

JobFile::Saved DocumentCommands::currentJob() const
{
    JobFile::Saved job;
    job.page = m_job.SSTab1->currentIndex() == 1 ? 1 : 0;
    job.same = m_job.sameNumberJob();
    job.distinct = m_job.distinctNumberJob();
    job.font = m_window.font();
    const QDateTime now = QDateTime::currentDateTime();
    job.fecha = JobFile::dateText(now.date());
    job.hora = JobFile::timeText(now.time());
    job.sentido = m_services.printer.orientation();
    job.pdfTemplate = m_services.printer.pdfTemplate();
    return job;
}

void DocumentCommands::saveFailed(const QString &path, const QString &reason)
{
    m_services.dialogs.message(
        tr("No se pudo guardar el trabajo en el archivo %1: %2\nEl archivo queda como estaba.")
            .arg(shown(path), reason),
        kAppTitle, Dialogs::Icon::Critical);
}

DocumentCommands::Closing DocumentCommands::Form_QueryUnload()
{
    if (m_busy)
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

void DocumentCommands::lblinfo_MouseMove()
{
    const QString fecha = readValue(JobFile::kFechaYHora, QStringLiteral("Fecha"), ArchivoActual);
    const QString hora = readValue(JobFile::kFechaYHora, QStringLiteral("hora"), ArchivoActual);
    m_infoShown =
        fecha != ProfileFiles::Vacio
            ? tr("Creado el: %1 a las: %2").arg(fecha, hora == ProfileFiles::Vacio ? QString() : hora)
            : tr("Fecha y hora de creación desconocido");
    m_ui.lblEstado->setText(m_infoShown);
}

void DocumentCommands::openFromCommandLine(const QString &commandLine)
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
