#include "RunRecorder.h"

#include "JobTemplate.h"
#include "PrinterSurface.h"
#include "ProfileFiles.h"
#include "RuntimeError.h"
#include "Texts.h"

#include "Logging.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSysInfo>

#include <unistd.h>

RunRecorder::RunRecorder(const RunLog &log, const ProfileFiles &profiles, Job job, RunObserver *progress)
    : m_log(log), m_profiles(profiles), m_saved(std::move(job.saved)), m_progress(progress)
{
    m_run.trabajo = job.trabajo;
    m_run.impresora = job.impresora;
    m_run.pagina = job.pagina;
    m_run.copia = job.copia;
    m_run.hojaInicial = job.hojaInicial;
    m_run.boletos = job.boletos;
    m_run.origen = job.origen;
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
            throw RuntimeError(RuntimeError::PrinterError,
                               Texts::text(8003).arg(QDir::toNativeSeparators(copy), reason));
        }
        m_run.copia = copy;
    }
    if (QString reason; !m_log.append(m_run, &reason)) {
        if (m_saved)
            QFile::remove(m_run.copia);
        throw RuntimeError(RuntimeError::PrinterError,
                           Texts::text(8002).arg(QDir::toNativeSeparators(m_log.file()), reason));
    }
    m_started = true;
    if (m_confirms)
        writeParts(QString());
    if (m_progress) {
        if (m_confirms)
            m_progress->printerConfirms();
        m_progress->runStarting(total);
    }
}

bool RunRecorder::sheetPrinted(qint64 done, qint64 total, const QString &number)
{
    if (done == 1)
        m_first = number;
    if (m_confirms) {
        m_unconfirmed << number;
    } else {
        m_run.primera = m_first;
        m_run.ultima = number;
        m_run.impresas = done;
    }
    return !m_progress || m_progress->sheetPrinted(done, total, number);
}

void RunRecorder::printerConfirms()
{
    m_confirms = true;
}

void RunRecorder::printerState(const QString &words)
{
    if (m_progress)
        m_progress->printerState(words);
}

void RunRecorder::printerConfirmed(qint64 confirmed, qint64 total, const QString &lastNumber,
                                   const QString &jobs)
{
    writeParts(jobs);
    if (confirmed != m_run.impresas) {
        m_run.impresas = confirmed;
        m_run.ultima = lastNumber;
        m_run.primera = confirmed > 0 ? m_first : QString();
        // A crash or a logout from here on loses at most the parts still at the printer.
        if (QString reason; m_started && !m_log.append(m_run, &reason))
            qCWarning(lcFiles).noquote()
                << "the run log did not take the sheets the printer confirmed:" << reason;
    }
    if (m_progress)
        m_progress->printerConfirmed(confirmed, total, lastNumber, jobs);
}

// "proceso <host> <pid>", then a line per part: job id, sheets, the number on its last sheet and
// the printer of a class that took it when the scheduler told.
void RunRecorder::writeParts(const QString &jobs)
{
    if (!m_started)
        return;
    const QStringList parts = jobs.split(u' ', Qt::SkipEmptyParts);
    qint64 sheet = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QStringList f = parts[i].split(u':');
        const qint64 sheets = f.value(1).toLongLong();
        sheet += sheets;
        const qint64 at = sheet - 1 - m_unconfirmedFrom;
        QString last = i < m_partLines.size() ? m_partLines[i].section(u' ', 2, 2) : QStringLiteral("-");
        if (at >= 0 && at < m_unconfirmed.size())
            last = m_unconfirmed.at(at);
        const QString line =
            QStringList{f.value(0), QString::number(sheets), last, f.value(2)}.join(u' ').trimmed();
        if (i < m_partLines.size())
            m_partLines[i] = line;
        else
            m_partLines << line;
    }
    // The numbers of sheets in parts already listed are no longer needed.
    while (m_unconfirmedFrom < sheet && !m_unconfirmed.isEmpty()) {
        m_unconfirmed.removeFirst();
        ++m_unconfirmedFrom;
    }
    const QString lines = QStringLiteral("proceso %1 %2\n").arg(QSysInfo::machineHostName()).arg(getpid()) +
                          m_partLines.join(u'\n') +
                          (m_partLines.isEmpty() ? QString() : QStringLiteral("\n"));
    QDir().mkpath(m_log.copiesFolder());
    QSaveFile file(m_log.partsPath(m_run.id));
    if (!file.open(QIODevice::WriteOnly) || file.write(lines.toUtf8()) < 0 || !file.commit())
        qCWarning(lcFiles).noquote() << "cannot keep the run's parts at the spooler in" << file.fileName()
                                     << ":" << file.errorString();
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
