#include "RunReconcile.h"

#include "Logging.h"
#include "RunLog.h"
#include "SpoolerJobs.h"

#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <csignal>

bool RunReconcile::readParts(const QString &file, Parts &out)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty() || !lines.first().startsWith(QStringLiteral("proceso ")))
        return false;
    const QStringList head = lines.first().split(u' ');
    out.host = head.value(1);
    out.pid = head.value(2).toLongLong();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(u' ');
        Parts::Part part{f.value(0).toInt(), f.value(1).toLongLong(), f.value(2), f.value(3)};
        if (part.job <= 0)
            return false;
        out.parts.push_back(part);
    }
    return true;
}

namespace {

bool stillRunning(const RunReconcile::Parts &parts)
{
    if (parts.host != QSysInfo::machineHostName() || parts.pid <= 0)
        return false; // another machine's run: only the spooler can tell
    return ::kill(pid_t(parts.pid), 0) == 0 || errno == EPERM;
}

} // namespace

int RunReconcile::reconcile(const RunLog &log, QString *problem)
{
    int written = 0;
    const RunLog::Contents contents = log.read();
    for (RunLog::Run run : contents.runs) {
        Parts parts;
        if (run.finished() || !readParts(log.partsPath(run.id), parts) || stillRunning(parts))
            continue;
        qint64 confirmed = 0;
        QString last;
        bool broken = false, active = false, unknown = false;
        for (const Parts::Part &part : parts.parts) {
            // Parts the program saw completed stay confirmed, even once the spooler forgot them.
            if (!broken && confirmed + part.sheets <= run.impresas) {
                confirmed += part.sheets;
                last = part.last;
                continue;
            }
            const SpoolerJobs::JobState state = SpoolerJobs::job(part.job).state;
            active = active || (state != SpoolerJobs::Unknown && state < SpoolerJobs::Canceled);
            if (broken)
                continue;
            if (state == SpoolerJobs::Completed) {
                confirmed += part.sheets;
                last = part.last;
                continue;
            }
            broken = true;
            unknown = state == SpoolerJobs::Unknown;
        }
        if (active && confirmed == run.impresas)
            continue;
        if (confirmed != run.impresas && !(unknown && confirmed < run.impresas)) {
            run.impresas = confirmed;
            run.ultima = confirmed > 0 && last != QStringLiteral("-") ? last : QString();
        }
        if (!active) {
            run.fin = QDateTime::currentDateTime();
            run.estado = unknown                             ? RunLog::kSinConfirmar
                         : confirmed >= run.hojas && !broken ? RunLog::kCompleta
                                                             : RunLog::kInterrumpida;
        }
        QString reason;
        if (!log.append(run, &reason)) {
            qCWarning(lcFiles).noquote() << "the reconciled run" << run.id << "was not logged:" << reason;
            if (problem)
                *problem = reason;
            continue;
        }
        ++written;
    }
    return written;
}
