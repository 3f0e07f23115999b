#include "CupsScheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The backend keeps each job's data and arguments in the folder its device URI names. Written
// to a temporary name first, so a job counts only once it is whole.
const char kBackend[] = R"SH(#!/bin/sh
# Tessarino test backend: keeps each job.
if [ $# -eq 0 ]; then
  echo 'direct capture "Unknown" "Tessarino capture"'
  exit 0
fi
dir="${DEVICE_URI#capture:}"
job="$dir/job-$(printf '%06d' "$1")"
printf '%s\n' "$@" > "$job.args"
if [ $# -ge 6 ]; then cat "$6" > "$job.part"; else cat > "$job.part"; fi || exit 1
mv "$job.part" "$job.data"
exit 0
)SH";

bool writeFile(const QString &file, const QByteArray &content, QFileDevice::Permissions permissions)
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size())
        return false;
    f.close();
    return f.setPermissions(permissions);
}

} // namespace

CupsScheduler::CupsScheduler()
{
    m_hadServer = qEnvironmentVariableIsSet("CUPS_SERVER");
    m_previousServer = qgetenv("CUPS_SERVER");
    m_running = start();
}

CupsScheduler::~CupsScheduler()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(5000);
        }
    }
    if (m_hadServer)
        qputenv("CUPS_SERVER", m_previousServer);
    else
        qunsetenv("CUPS_SERVER");
}

QString CupsScheduler::socketPath() const
{
    return path(QStringLiteral("cups.sock"));
}

bool CupsScheduler::start()
{
    if (!m_root.isValid()) {
        m_error = QStringLiteral("no temporary folder for the scheduler: ") + m_root.errorString();
        return false;
    }
    // As root cupsd runs filters as lp; a scheduler started by an ordinary user (a package
    // build) cannot change user and runs everything as that user, who must be named here.
    QString user = QStringLiteral("lp"), group = QStringLiteral("lp"), systemGroup = QStringLiteral("root");
    if (geteuid() != 0) {
        const passwd *account = getpwuid(geteuid());
        const ::group *primary = getgrgid(getegid());
        if (!account || !primary) {
            m_error = QStringLiteral("the user %1 has no name or group to run cupsd as").arg(geteuid());
            return false;
        }
        user = QString::fromLocal8Bit(account->pw_name);
        group = systemGroup = QString::fromLocal8Bit(primary->gr_name);
    }
    const QString cupsd = QStringLiteral("/usr/sbin/cupsd");
    if (!QFileInfo(cupsd).isExecutable()) {
        m_error = QStringLiteral("%1 is missing: install cups-daemon and cups-client (./do does)").arg(cupsd);
        return false;
    }
    // No folder on the way to the backend may be writable by group or others, or cupsd
    // refuses to run it; the temporary root is made 0700, open it to reading.
    ::chmod(QFile::encodeName(m_root.path()).constData(), 0755);
    QDir root(m_root.path());
    for (const char *folder :
         {"etc", "spool", "spool/tmp", "cache", "state", "log", "bin", "bin/backend", "captured"}) {
        if (!root.mkpath(QString::fromLatin1(folder))) {
            m_error = QStringLiteral("cannot create %1").arg(path(QString::fromLatin1(folder)));
            return false;
        }
        ::chmod(QFile::encodeName(path(QString::fromLatin1(folder))).constData(), 0755);
    }
    ::chmod(QFile::encodeName(path(QStringLiteral("spool/tmp"))).constData(), 01770);
    // cupsd starts every backend through daemon/cups-exec; filters come from the system too.
    for (const char *link : {"daemon", "filter"}) {
        const QString system = QStringLiteral("/usr/lib/cups/") + QString::fromLatin1(link);
        if (QFileInfo::exists(system))
            QFile::link(system, path(QStringLiteral("bin/") + QString::fromLatin1(link)));
    }
    // The system's IPP backend, for queues in front of emulated IPP printers. A copy: cupsd
    // runs only backends whose folder it can vouch for.
    if (QFileInfo::exists(QStringLiteral("/usr/lib/cups/backend/ipp")))
        QFile::copy(QStringLiteral("/usr/lib/cups/backend/ipp"), path(QStringLiteral("bin/backend/ipp")));
    if (!QFileInfo::exists(path(QStringLiteral("bin/daemon/cups-exec")))) {
        m_error = QStringLiteral("/usr/lib/cups/daemon/cups-exec is missing: install cups-daemon");
        return false;
    }
    // Mode 0700: cupsd runs the backend as root (or as the user who started it), which reaches
    // the capture folders.
    if (!writeFile(path(QStringLiteral("bin/backend/capture")), kBackend,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)) {
        m_error = QStringLiteral("cannot write the capture backend");
        return false;
    }

    const QByteArray cupsdConf =
        QStringLiteral("Listen %1\n"
                       "LogLevel debug\n"
                       "WebInterface No\n"
                       "Browsing No\n"
                       "DefaultShared No\n"
                       "MaxLogSize 0\n"
                       "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                       "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
            .arg(socketPath())
            .toUtf8();
    const QByteArray filesConf =
        QStringLiteral("User %2\nGroup %3\nSystemGroup %4\n"
                       "ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                       "StateDir %1/state\nServerBin %1/bin\nDataDir /usr/share/cups\n"
                       "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                       "FileDevice No\n")
            .arg(m_root.path(), user, group, systemGroup)
            .toUtf8();
    const auto readable =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (!writeFile(path(QStringLiteral("etc/cupsd.conf")), cupsdConf, readable) ||
        !writeFile(path(QStringLiteral("etc/cups-files.conf")), filesConf, readable)) {
        m_error = QStringLiteral("cannot write the scheduler's configuration");
        return false;
    }

    qputenv("CUPS_SERVER", QFile::encodeName(socketPath()));
    // The scheduler's own output goes to a file: a pipe nobody reads would hold up whoever
    // waits for it to close.
    m_cupsd.setStandardOutputFile(path(QStringLiteral("log/cupsd.out")));
    m_cupsd.setStandardErrorFile(path(QStringLiteral("log/cupsd.out")), QIODevice::Append);
    m_cupsd.setStandardInputFile(QProcess::nullDevice());
    m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("etc/cupsd.conf")),
                          QStringLiteral("-s"), path(QStringLiteral("etc/cups-files.conf"))});
    if (!m_cupsd.waitForStarted(10000)) {
        m_error = QStringLiteral("cupsd did not start: ") + m_cupsd.errorString();
        return false;
    }
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        if (m_cupsd.state() == QProcess::NotRunning) {
            m_error = QStringLiteral("cupsd ended at once:\n") + log();
            return false;
        }
        QString out;
        if (QFileInfo::exists(socketPath()) &&
            runTool(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &out) &&
            out.contains(QLatin1String("scheduler is running"))) {
            m_error.clear();
            return true;
        }
        QThread::msleep(100);
    }
    m_error = QStringLiteral("cupsd did not answer on %1 within 30 s:\n%2").arg(socketPath(), log());
    return false;
}

bool CupsScheduler::runTool(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socketPath());
    tool.setProcessEnvironment(env);
    tool.setStandardInputFile(QProcess::nullDevice());
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000)) {
        m_error = QStringLiteral("%1 did not finish: %2").arg(program, tool.errorString());
        tool.kill();
        tool.waitForFinished(5000);
        return false;
    }
    const QString out = QString::fromUtf8(tool.readAllStandardOutput());
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    if (output)
        *output = out + err;
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        m_error = QStringLiteral("%1 %2 failed (%3): %4%5")
                      .arg(program, arguments.join(u' '))
                      .arg(tool.exitCode())
                      .arg(out, err);
        return false;
    }
    return true;
}

bool CupsScheduler::addCaptureQueue(const QString &name)
{
    if (!m_running)
        return false;
    const QString folder = captureFolder(name);
    if (!QDir().mkpath(folder)) {
        m_error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    return runTool(QStringLiteral("lpadmin"), {QStringLiteral("-p"), name, QStringLiteral("-E"),
                                               QStringLiteral("-v"), QStringLiteral("capture:") + folder});
}

bool CupsScheduler::addPpdQueue(const QString &name, const QByteArray &ppd)
{
    if (!m_running)
        return false;
    const QString folder = captureFolder(name);
    const QString file = path(name + QStringLiteral(".ppd"));
    if (!QDir().mkpath(folder) || !writeFile(file, ppd,
                                             QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadGroup | QFileDevice::ReadOther)) {
        m_error = QStringLiteral("cannot write %1").arg(file);
        return false;
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    return runTool(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                    QStringLiteral("capture:") + folder, QStringLiteral("-P"), file});
}

bool CupsScheduler::removeQueue(const QString &name)
{
    return m_running && runTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
}

QByteArray CupsScheduler::Job::data() const
{
    QFile f(dataFile);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<CupsScheduler::Job> CupsScheduler::jobs(const QString &queue) const
{
    QList<Job> list;
    const QDir folder(captureFolder(queue));
    for (const QString &file : folder.entryList({QStringLiteral("job-*.data")}, QDir::Files, QDir::Name)) {
        Job job;
        job.id = file.mid(4, 6).toInt();
        job.dataFile = folder.filePath(file);
        QFile args(folder.filePath(file.left(10) + QStringLiteral(".args")));
        if (args.open(QIODevice::ReadOnly))
            job.args = QString::fromUtf8(args.readAll()).split(u'\n', Qt::SkipEmptyParts);
        list.append(job);
    }
    return list;
}

bool CupsScheduler::waitForJobs(const QString &queue, int count, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    while (jobs(queue).size() < count) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    return true;
}

QString CupsScheduler::log() const
{
    QString text;
    for (const char *file : {"log/cupsd.out", "log/error_log"}) {
        QFile f(path(QString::fromLatin1(file)));
        if (f.open(QIODevice::ReadOnly)) {
            QByteArray content = f.readAll();
            if (content.size() > 6000)
                content = content.right(6000);
            text += QStringLiteral("--- %1\n").arg(QString::fromLatin1(file)) + QString::fromUtf8(content);
        }
    }
    return text;
}
