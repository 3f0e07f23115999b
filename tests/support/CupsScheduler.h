#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A private CUPS scheduler for tests: Debian's cupsd with its own configuration, spool, logs
// and socket under a temporary folder, and CUPS_SERVER pointing at that socket for this
// process (set before anything in the process talks to CUPS). Queues added with
// addCaptureQueue() keep every job they receive as files, so a test can read back what a real
// print through CUPS produced.
//
// Runs as root (cupsd switches its filters to the user lp) or as an ordinary user (everything
// runs as that user), and needs the packages cups-daemon and cups-client. When the scheduler cannot start,
// running() is false and error() says why, with the scheduler's log: tests must fail on it, never skip.
class CupsScheduler
{
public:
    CupsScheduler();
    ~CupsScheduler(); // stops the scheduler and restores CUPS_SERVER

    bool running() const { return m_running; }
    QString error() const { return m_error; }
    QString socketPath() const;

    // Adds an enabled raw queue whose backend keeps each job in its own folder. Returns false
    // (with error()) when lpadmin fails.
    bool addCaptureQueue(const QString &name);
    // The same queue made from a printer description (the text of a PPD file), as a printer's
    // driver would install it.
    bool addPpdQueue(const QString &name, const QByteArray &ppd);
    bool removeQueue(const QString &name);

    struct Job
    {
        int id = 0;
        QString dataFile; // the document as CUPS handed it to the backend
        QStringList args; // the backend's arguments: job id, user, title, copies, options
        QByteArray data() const;
    };
    // The jobs `queue` has received so far, oldest first.
    QList<Job> jobs(const QString &queue) const;
    // Waits until `queue` has received at least `count` jobs; false on time-out.
    bool waitForJobs(const QString &queue, int count, int timeoutMs = 30000) const;

    // The scheduler's error log, for failure messages.
    QString log() const;
    // Runs a CUPS command-line tool against this scheduler; its output, or error().
    bool runTool(const QString &program, const QStringList &arguments, QString *output = nullptr);

private:
    bool start();
    QString path(const QString &name) const { return m_root.filePath(name); }
    QString captureFolder(const QString &queue) const { return path(QStringLiteral("captured/") + queue); }

    QTemporaryDir m_root{QStringLiteral("/tmp/tessarino-cups-XXXXXX")};
    QProcess m_cupsd;
    bool m_running = false;
    QString m_error;
    QByteArray m_previousServer;
    bool m_hadServer = false;
};
