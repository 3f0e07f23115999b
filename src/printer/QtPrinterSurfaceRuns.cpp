// QtPrinterSurface: runs on a queue, sent in parts and followed at the spooler.
#include "QtPrinterSurface.h"

#include "Logging.h"

#include <QCoreApplication>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>

namespace {

const QString kJobName = QStringLiteral("Tessarino");

} // namespace

// Runs in parts on a queue ------------------------------------------------------------------

void QtPrinterSurface::setJobName(const QString &name)
{
    m_jobName = name;
}

QString QtPrinterSurface::jobName() const
{
    return m_jobName.isEmpty() ? kJobName : m_jobName;
}

void QtPrinterSurface::beginRun(qint64 sheets)
{
    m_parts = {};
    m_stateShown.clear();
    if (pdfPrinterCurrent()) {
        setJobTitle(jobName());
        return;
    }
    m_parts.tracked = true;
    m_parts.current = 1;
    if (m_sheetsPerJob <= 0 || sheets <= m_sheetsPerJob) {
        m_parts.count = 1;
        m_parts.title = jobName();
    } else {
        m_parts.count = (sheets + m_sheetsPerJob - 1) / m_sheetsPerJob;
        m_parts.title = QCoreApplication::translate("QtPrinterSurface", "%1 (parte 1 de %2)")
                            .arg(jobName())
                            .arg(m_parts.count);
    }
    m_parts.spooled.start(queueName(), m_parts.count);
    setJobTitle(m_parts.title);
}

// The run's document is already open when the run learns its length, and QPrinter refuses a new
// name while printing; its engine reads the title only when it hands the job over.
void QtPrinterSurface::setJobTitle(const QString &title)
{
    if (m_printer->printEngine())
        m_printer->printEngine()->setProperty(QPrintEngine::PPK_DocumentName, title);
}

void QtPrinterSurface::startNextPart()
{
    if (const QString refused = endQueueJob(); !refused.isEmpty())
        failPart(refused);
    spoolPart();
    // The next part is drawn while the printer prints the ones before it.
    waitForPrinter(m_parts.spooled.window() - 1);
    ++m_parts.current;
    m_parts.title = QCoreApplication::translate("QtPrinterSurface", "%1 (parte %2 de %3)")
                        .arg(jobName())
                        .arg(m_parts.current)
                        .arg(m_parts.count);
    setJobTitle(m_parts.title);
    if (!queueStillThere())
        failPart(QCoreApplication::translate("QtPrinterSurface", "ya no está instalada en el sistema"));
    if (!m_painter.begin(m_printer.get()))
        failPart(QCoreApplication::translate("QtPrinterSurface", "no admitió un trabajo nuevo"));
    m_painting.forgetStyle();
    drawTemplate();
}

void QtPrinterSurface::spoolPart()
{
    const int job = SpoolerJobs::newestJob(queueName(), m_parts.title, m_parts.spooled.lastJob());
    if (job == 0)
        failPart(QCoreApplication::translate("QtPrinterSurface",
                                             "no dice qué trabajo dio a la parte, y no se puede seguir"));
    m_parts.spooled.add(job, m_parts.sheetsInPart);
    m_parts.sheetsSent += m_parts.sheetsInPart;
    m_parts.sheetsInPart = 0;
    reportConfirmed(); // its job id is kept before the printer takes it
    qCDebug(lcPrint) << "part" << m_parts.current << "of" << m_parts.count << "is job" << job;
}

void QtPrinterSurface::reportConfirmed()
{
    if (m_watch)
        m_watch->printerConfirmed(m_parts.spooled.confirmedSheets(), m_parts.spooled.text());
}

void QtPrinterSurface::waitForPrinter(int atMost)
{
    while (true) {
        const SpooledParts::Look look = m_parts.spooled.look();
        if (look.changed)
            reportConfirmed();
        if (!look.fault.isEmpty())
            failPart(look.fault, true);
        const QString words =
            look.stopped.isEmpty()
                ? look.printerWords
                : QCoreApplication::translate("QtPrinterSurface", "La impresora se detuvo: %1")
                      .arg(look.stopped);
        if (m_watch && words != m_stateShown)
            m_watch->printerState(words);
        m_stateShown = words;
        if (!look.stopped.isEmpty() && !(m_watch && m_watch->waitsForStoppedPrinter()))
            failPart(QCoreApplication::translate("QtPrinterSurface", "se detuvo (%1)").arg(look.stopped),
                     true);
        if (look.stopped.isEmpty() && m_parts.spooled.unfinished() <= atMost)
            return;
        if (m_watch && !m_watch->keepWaiting()) {
            const qint64 confirmed = m_parts.spooled.confirmedSheets();
            cancelSpooled();
            throw RunStoppedWaiting(qMax(confirmed, m_parts.spooled.confirmedSheets()));
        }
        if (m_watch)
            m_watch->idle(kPollMs);
        else
            QThread::msleep(kPollMs);
    }
}

// Nothing more of the run goes out: the part under way is handed over only to be cancelled
// with the others (a queue's engine cannot take a job back), and the document is forgotten.
void QtPrinterSurface::cancelSpooled()
{
    if (m_painter.isActive()) {
        if (endQueueJob().isEmpty()) {
            const int job = SpoolerJobs::newestJob(queueName(), m_parts.title, m_parts.spooled.lastJob());
            if (job != 0)
                m_parts.spooled.add(job, m_parts.sheetsInPart + 1); // with the sheet under way
        }
        m_parts.sheetsInPart = 0;
    }
    forgetDocument();
    m_parts.spooled.cancelUnfinished();
    reportConfirmed();
}

void QtPrinterSurface::stopRun()
{
    if (!m_parts.tracked || !documentOpen()) {
        endDoc();
        return;
    }
    cancelSpooled();
    m_parts = {};
    setJobTitle(jobName());
}

void QtPrinterSurface::failPart(const QString &givenReason, bool whole)
{
    const RunParts parts = m_parts;
    // A queue removed mid-run fails whatever step came next (the part handed over, its job id,
    // the scheduler cancelling its jobs): its removal is what the user must hear.
    const QString reason =
        parts.tracked && !queueStillThere()
            ? QCoreApplication::translate("QtPrinterSurface", "ya no está instalada en el sistema")
            : givenReason;
    qint64 done = parts.sheetsSent;
    if (parts.tracked) {
        cancelSpooled();
        done = m_parts.spooled.confirmedSheets();
    } else if (m_painter.isActive()) {
        m_painter.end();
    }
    // Nothing more of this run can go out: the next drawing starts a fresh document.
    forgetDocument();
    m_parts = {};
    setJobTitle(jobName());
    const QString printer = queueName();
    if (whole)
        throw RunPartRefused(
            QCoreApplication::translate("QtPrinterSurface", "La impresora \"%1\" %2.").arg(printer, reason),
            done);
    if (parts.count <= 1)
        throw RunPartRefused(QCoreApplication::translate(
                                 "QtPrinterSurface", "La impresora \"%1\" %2: el documento no se imprimió.")
                                 .arg(printer, reason),
                             done);
    throw RunPartRefused(QCoreApplication::translate(
                             "QtPrinterSurface", "La impresora \"%1\" %2: la parte %3 de %4 no se imprimió.")
                             .arg(printer, reason)
                             .arg(parts.current)
                             .arg(parts.count),
                         done);
}
