#include "SpooledParts.h"

#include <QCoreApplication>

#include "Logging.h"

namespace {

// Looks in a row at which the scheduler knew nothing of a part before the run gives up on it.
constexpr int kUnknownLooks = 50;

QString partText(int index, qint64 count)
{
    return QCoreApplication::translate("SpooledParts", "la parte %1 de %2").arg(index + 1).arg(count);
}

} // namespace

void SpooledParts::start(const QString &queue, qint64 partCount)
{
    m_queue = queue;
    m_partCount = partCount;
    m_parts.clear();
    m_confirmed = 0;
    m_unknownLooks = 0;
    m_lastWords.clear();
    m_members = int(SpoolerJobs::queue(queue).members.size());
}

int SpooledParts::unfinished() const
{
    int count = 0;
    for (const Part &part : m_parts)
        count += SpoolerJobs::JobState(part.state) < SpoolerJobs::Canceled ? 1 : 0;
    return count;
}

qint64 SpooledParts::confirmedSheets() const
{
    qint64 sheets = 0;
    for (const Part &part : m_parts) {
        if (part.state != SpoolerJobs::Completed)
            break;
        sheets += part.sheets;
    }
    return sheets;
}

QString SpooledParts::text() const
{
    QStringList out;
    for (const Part &part : m_parts)
        out << QStringLiteral("%1:%2").arg(part.job).arg(part.sheets) +
                   (part.member.isEmpty() ? QString() : u':' + part.member);
    return out.join(u' ');
}

SpooledParts::Look SpooledParts::look()
{
    Look found;
    const SpoolerJobs::Queue queue = SpoolerJobs::queue(m_queue);
    if (!queue.exists) {
        found.fault = QCoreApplication::translate("SpooledParts", "ya no está instalada en el sistema");
        return found;
    }
    found.printerWords = SpoolerJobs::reasonInWords(queue.reasons, queue.message);
    if (!found.printerWords.isEmpty())
        m_lastWords = found.printerWords;
    bool unknown = false;
    for (int i = 0; i < int(m_parts.size()); ++i) {
        Part &part = m_parts[i];
        if (part.state >= SpoolerJobs::Canceled)
            continue;
        const SpoolerJobs::Job job = SpoolerJobs::job(part.job);
        if (job.state == SpoolerJobs::Unknown) {
            unknown = true;
            continue;
        }
        part.state = job.state;
        if (!job.member.isEmpty())
            part.member = job.member;
        QString words = SpoolerJobs::reasonInWords(job.reasons, job.printerReason);
        if (words.isEmpty())
            words = SpoolerJobs::haltingFault(job.printerReasons);
        // The printer's own reason, even when it cleared it again as the job ended.
        const QString why = !found.printerWords.isEmpty() ? found.printerWords
                            : !m_lastWords.isEmpty()      ? m_lastWords
                                                          : words;
        if ((job.state == SpoolerJobs::Canceled || job.state == SpoolerJobs::Aborted) && !part.cancelled &&
            found.fault.isEmpty()) {
            found.fault =
                QCoreApplication::translate("SpooledParts", "no terminó %1 (%2)")
                    .arg(partText(i, qMax<qint64>(m_partCount, qint64(m_parts.size()))),
                         why.isEmpty() ? (job.state == SpoolerJobs::Aborted
                                              ? QCoreApplication::translate("SpooledParts", "abortada")
                                              : QCoreApplication::translate("SpooledParts", "cancelada"))
                                       : why);
        } else if ((job.state == SpoolerJobs::Stopped || job.state == SpoolerJobs::Held) &&
                   found.stopped.isEmpty()) {
            found.stopped = why.isEmpty()
                                ? (job.state == SpoolerJobs::Held
                                       ? QCoreApplication::translate("SpooledParts", "trabajo retenido")
                                       : QCoreApplication::translate("SpooledParts", "trabajo detenido"))
                                : why;
        }
    }
    m_unknownLooks = unknown ? m_unknownLooks + 1 : 0;
    if (m_unknownLooks >= kUnknownLooks && found.fault.isEmpty())
        found.fault =
            QCoreApplication::translate("SpooledParts", "perdió el rastro de un trabajo de la impresión");
    if (queue.stopped && unfinished() > 0 && found.stopped.isEmpty())
        found.stopped = found.printerWords.isEmpty() ? QCoreApplication::translate("SpooledParts", "en pausa")
                                                     : found.printerWords;
    const qint64 confirmed = confirmedSheets();
    found.changed = confirmed != m_confirmed;
    m_confirmed = confirmed;
    return found;
}

void SpooledParts::cancelUnfinished()
{
    for (Part &part : m_parts) {
        if (part.state >= SpoolerJobs::Canceled)
            continue;
        part.cancelled = true;
        if (!SpoolerJobs::cancel(part.job))
            qCDebug(lcPrint) << "job" << part.job << "was not cancelled; it may have ended";
    }
    look();
}
