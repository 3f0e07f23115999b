#pragma once

#include <QString>
#include <QStringList>

// A queue whose ipp backend hands each job to the printer without waiting for it to print (its
// device URI carries "waitjob=false") lets the printer hold the next job itself, so it never
// waits between them; the scheduler then calls a job completed as soon as the printer has it.
// How far the printer got is asked of the printer itself, where its job bears the same name.
namespace DeviceJobs {

// The device URI of `queue` when it hands jobs over without waiting; empty otherwise (or when
// the scheduler does not tell).
QString handsOver(const QString &queue);

// The printer's job, the newest named `name`: its IPP state (0 when the printer does not know
// it or does not answer), reasons, and the printer's own state reasons and message once it
// ended.
struct Job
{
    int id = 0;
    int state = 0;
    QStringList reasons;
    QStringList printerReasons;
    QString printerMessage;
};
// A printer that keeps its ended jobs may forget their names (a CUPS print server does): once
// found, a job is asked for by its id.
Job find(const QString &deviceUri, const QString &name);
Job job(const QString &deviceUri, int id);
// Cancels the printer's job `id`; false when the printer refused (it may have finished).
bool cancel(const QString &deviceUri, int id);

} // namespace DeviceJobs
