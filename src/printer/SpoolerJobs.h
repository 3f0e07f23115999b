#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// What the CUPS scheduler knows of jobs and queues, asked through libcups on the scheduler the
// program talks to (CUPS_SERVER or the system's). Every call is one IPP request and waits for
// its answer.
namespace SpoolerJobs {

// IPP job states (RFC 8011).
enum JobState {
    Unknown = 0, // the scheduler does not know the job (purged from its history) or did not answer
    Pending = 3,
    Held = 4,
    Processing = 5,
    Stopped = 6,
    Canceled = 7,
    Aborted = 8,
    Completed = 9,
};

struct Job
{
    int id = 0;
    JobState state = Unknown;
    QStringList reasons;        // job-state-reasons
    QString printerReason;      // job-printer-state-message: what the printer said last
    QStringList printerReasons; // job-printer-state-reasons: the printer's state as the job ended
    QString member;             // the printer of a class that took it, when the scheduler tells
    bool finished() const { return state >= Canceled; }
};

struct Queue
{
    bool exists = false;
    bool stopped = false; // printer-state stopped: paused, or held by a fault
    bool accepting = true;
    QStringList reasons; // printer-state-reasons without "none"
    QString message;     // printer-state-message
    QStringList members; // a class's printers; empty for a printer
};

Job job(int id);
Queue queue(const QString &name);
// The newest job of this user on `queue` titled `title` with an id above `after`; 0 when none.
int newestJob(const QString &queue, const QString &title, int after);
// Cancels job `id`; false when the scheduler refused (it may have finished already).
bool cancel(int id);

// The fault among a printer's state reasons that stops it printing (a jam, no paper, no toner,
// a door open) in words; empty when none. A job that ended with one did not come out whole.
QString haltingFault(const QStringList &reasons);
// A printer's state in words for the user: "atasco de papel" for media-jam, "sin papel" for
// media-empty ..., else the printer's own message; empty when it reports nothing wrong.
QString reasonInWords(const QStringList &reasons, const QString &message);

} // namespace SpoolerJobs
