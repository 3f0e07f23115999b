#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

class CupsScheduler;

// Emulated IPP Everywhere printers (ippeveprinter) behind driverless queues of a private CUPS
// scheduler (lpadmin -m everywhere). Each printer "prints" a document page by page through a
// script: it waits `delay` seconds per page, notes the first word of every page it finished in
// its `printed` file, reports job-impressions-completed, and at the page numbered `jam` (counted
// over everything it printed) reports media-jam and fails the document, as a printer that jams.
// Needs cups-ipp-utils, dbus-daemon and poppler-utils (pdftotext).
class IppPrinters
{
public:
    explicit IppPrinters(CupsScheduler &cups);
    ~IppPrinters();

    QString error() const { return m_error; }
    // A printer and its queue `name`, printing `pagesPerSecond` pages a second. `uriOptions`
    // ("?waitjob=false") go on the queue's device URI once the queue is made.
    bool add(const QString &name, double pagesPerSecond, const QString &uriOptions = QString());
    // The queues given, made the class `pool`.
    bool addClass(const QString &pool, const QStringList &members);
    // Jams at the printer's `page`-th page from now on (0: never). The job the jam cuts is
    // aborted, or with `endsWell` reported completed as CUPS's ipp backend may report it when
    // its wait for the job sees the abort before its watching thread does.
    void jamAt(const QString &name, qint64 page, bool endsWell = false);
    // The first word of every page the printer finished, in order.
    QStringList printed(const QString &name) const;

private:
    struct Printer
    {
        QString name;
        QString folder;
        std::unique_ptr<QProcess> process;
    };
    QString folder(const QString &name) const { return m_root.filePath(name); }
    bool startBus();

    CupsScheduler &m_cups;
    QTemporaryDir m_root{QStringLiteral("/tmp/tessarino-ipp-XXXXXX")};
    QProcess m_bus;
    std::vector<Printer> m_printers;
    int m_nextPort = 0;
    QString m_error;
};
