#include "RunRecorder.h"

#include "JobTemplate.h"
#include "PrinterSurface.h"
#include "ProfileFiles.h"
#include "RuntimeError.h"
#include "Texts.h"

#include <QDir>
#include <QFile>

RunRecorder::RunRecorder(const RunLog &log, const ProfileFiles &profiles, Job job, RunObserver *progress)
    : m_log(log), m_profiles(profiles), m_saved(std::move(job.saved)), m_progress(progress)
{
    m_run.trabajo = job.trabajo;
    m_run.impresora = job.impresora;
    m_run.pagina = job.pagina;
    m_run.copia = job.copia;
    m_run.hojaInicial = job.hojaInicial;
}

QString RunRecorder::printerName(const PrinterSurface &printer)
{
    try {
        return printer.printers().value(printer.currentPrinterIndex()).deviceName;
    } catch (const std::exception &) {
        return QString();
    }
}

void RunRecorder::runStarting(qint64 total)
{
    m_run.id = RunLog::newId();
    m_run.inicio = QDateTime::currentDateTime();
    m_run.hojas = total;
    // A run that cannot be logged, or whose job cannot be kept, does not start: it would show as
    // never run (or never finished), and could be neither continued nor reprinted.
    if (m_saved) {
        // The copy goes in before the line that names it, so a run that dies still has its job.
        QDir().mkpath(m_log.copiesFolder());
        QString copy = m_log.copyPath(m_run.id);
        QString reason;
        QList<ProfileValue> values;
        try {
            values = JobFile::jobValues(*m_saved);
            values += JobTemplate::values(m_saved->pdfTemplate, copy);
        } catch (const RuntimeError &error) {
            reason = error.description();
        }
        if (!reason.isEmpty() || !m_profiles.EscribirValoresIni(values, copy, &reason)) {
            QFile::remove(copy);
            throw RuntimeError(
                RuntimeError::PrinterError,
                Texts::text(8003, QStringLiteral("La impresión no empezó: no se pudo guardar la copia "
                                                 "del trabajo %1: %2"))
                    .arg(QDir::toNativeSeparators(copy), reason));
        }
        m_run.copia = copy;
    }
    if (QString reason; !m_log.append(m_run, &reason)) {
        if (m_saved)
            QFile::remove(m_run.copia);
        throw RuntimeError(
            RuntimeError::PrinterError,
            Texts::text(8002, QStringLiteral("La impresión no empezó: no se pudo anotar en el registro "
                                             "%1: %2"))
                .arg(QDir::toNativeSeparators(m_log.file()), reason));
    }
    m_started = true;
    if (m_progress)
        m_progress->runStarting(total);
}

bool RunRecorder::sheetPrinted(qint64 done, qint64 total, const QString &number)
{
    if (done == 1)
        m_run.primera = number;
    m_run.ultima = number;
    m_run.impresas = done;
    return !m_progress || m_progress->sheetPrinted(done, total, number);
}

QString RunRecorder::finish(RunOutcome outcome)
{
    if (!m_started)
        return QString();
    m_run.fin = QDateTime::currentDateTime();
    m_run.estado = outcome == RunOutcome::Printed     ? RunLog::kCompleta
                   : outcome == RunOutcome::Cancelled ? RunLog::kCancelada
                                                      : RunLog::kFallida;
    QString reason;
    m_log.append(m_run, &reason);
    return reason;
}
