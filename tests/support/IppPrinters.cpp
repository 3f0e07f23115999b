#include "IppPrinters.h"

#include "CupsScheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// $1 is the document; the printer's folder holds "delay", "jam", "count" and "printed".
const char kScript[] = R"SH(#!/bin/sh
dir=$(dirname "$0")
delay=$(cat "$dir/delay")
jam=$(cat "$dir/jam" 2>/dev/null || echo 0)
count=$(cat "$dir/count" 2>/dev/null || echo 0)
jamexit=$(cat "$dir/jamexit" 2>/dev/null || echo 1)
echo "STATE: -media-jam" >&2
pdftotext -layout "$1" "$dir/doc.txt" || exit 1
i=0
awk 'BEGIN { RS = "\f" } { n = split($0, w, " "); print (n > 0 ? w[1] : "-") }' "$dir/doc.txt" > "$dir/doc.words"
pages=$(pdfinfo "$1" | awk '/^Pages:/ { print $2 }')
while [ "$i" -lt "$pages" ]; do
  next=$((count + 1))
  if [ "$jam" -gt 0 ] && [ "$next" -ge "$jam" ]; then
    echo "STATE: +media-jam" >&2
    echo "ERROR: media jam" >&2
    exit "$jamexit"
  fi
  sleep "$delay"
  i=$((i + 1))
  count=$next
  echo "$count" > "$dir/count"
  sed -n "${i}p" "$dir/doc.words" >> "$dir/printed"
  echo "ATTR: job-impressions-completed=$i" >&2
done
exit 0
)SH";

bool portFree(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool taken = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return !taken;
}

} // namespace

IppPrinters::IppPrinters(CupsScheduler &cups) : m_cups(cups)
{
    m_nextPort = 18700 + int(getpid() % 500) * 4;
    ::chmod(QFile::encodeName(m_root.path()).constData(), 0755);
}

IppPrinters::~IppPrinters()
{
    for (Printer &p : m_printers) {
        p.process->terminate();
        if (!p.process->waitForFinished(5000))
            p.process->kill();
        p.process->waitForFinished(2000);
    }
    if (m_bus.state() != QProcess::NotRunning) {
        m_bus.terminate();
        m_bus.waitForFinished(5000);
    }
}

// ippeveprinter's DNS-SD client wants a bus to start; a private one with no Avahi behind it
// announces nothing.
bool IppPrinters::startBus()
{
    if (m_bus.state() != QProcess::NotRunning)
        return true;
    m_bus.setStandardOutputFile(m_root.filePath(QStringLiteral("bus.log")));
    m_bus.setStandardErrorFile(m_root.filePath(QStringLiteral("bus.log")), QIODevice::Append);
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--address=unix:path=") + m_root.filePath("bus"),
                 QStringLiteral("--nofork"), QStringLiteral("--nopidfile")});
    const QDeadlineTimer deadline(5000);
    while (!QFileInfo::exists(m_root.filePath("bus")) && !deadline.hasExpired())
        QThread::msleep(50);
    if (!QFileInfo::exists(m_root.filePath("bus")))
        m_error = QStringLiteral("dbus-daemon did not start");
    return m_error.isEmpty();
}

bool IppPrinters::add(const QString &name, double pagesPerSecond, const QString &uriOptions)
{
    if (!startBus())
        return false;
    const QString dir = folder(name);
    QDir().mkpath(dir + QStringLiteral("/spool"));
    ::chmod(QFile::encodeName(dir).constData(), 0777);
    QFile script(dir + QStringLiteral("/print.sh"));
    if (!script.open(QIODevice::WriteOnly) || script.write(kScript) < 0) {
        m_error = QStringLiteral("cannot write %1").arg(script.fileName());
        return false;
    }
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                          QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::ReadGroup |
                          QFileDevice::ExeGroup);
    QFile delay(dir + QStringLiteral("/delay"));
    delay.open(QIODevice::WriteOnly);
    delay.write(QByteArray::number(1.0 / pagesPerSecond, 'f', 3));
    delay.close();
    jamAt(name, 0);

    int port = m_nextPort;
    while (!portFree(port))
        ++port;
    m_nextPort = port + 1;
    Printer printer{name, dir, std::make_unique<QProcess>()};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
               QStringLiteral("unix:path=") + m_root.filePath("bus"));
    printer.process->setProcessEnvironment(env);
    printer.process->setStandardOutputFile(dir + QStringLiteral("/printer.log"));
    printer.process->setStandardErrorFile(dir + QStringLiteral("/printer.log"), QIODevice::Append);
    printer.process->start(QStringLiteral("ippeveprinter"),
                           {QStringLiteral("-p"), QString::number(port), QStringLiteral("-n"),
                            QStringLiteral("localhost"), QStringLiteral("-r"), QStringLiteral("off"),
                            QStringLiteral("-d"), dir + QStringLiteral("/spool"), QStringLiteral("-f"),
                            QStringLiteral("application/pdf"), QStringLiteral("-c"), script.fileName(),
                            name});
    if (!printer.process->waitForStarted(5000)) {
        m_error = QStringLiteral("ippeveprinter did not start: ") + printer.process->errorString();
        return false;
    }
    m_printers.push_back(std::move(printer));
    const QDeadlineTimer deadline(10000);
    while (portFree(port)) {
        if (deadline.hasExpired() || m_printers.back().process->state() == QProcess::NotRunning) {
            m_error = QStringLiteral("ippeveprinter %1 does not answer on port %2").arg(name).arg(port);
            return false;
        }
        QThread::msleep(50);
    }
    const QString uri = QStringLiteral("ipp://localhost:%1/ipp/print").arg(port);
    if (!m_cups.runTool(QStringLiteral("lpadmin"),
                        {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"), uri,
                         QStringLiteral("-m"), QStringLiteral("everywhere")})) {
        m_error = m_cups.error();
        return false;
    }
    // The driverless set-up asks the printer at the URI given, which must not carry the backend's
    // options.
    if (!uriOptions.isEmpty() &&
        !m_cups.runTool(QStringLiteral("lpadmin"),
                        {QStringLiteral("-p"), name, QStringLiteral("-v"), uri + uriOptions})) {
        m_error = m_cups.error();
        return false;
    }
    return true;
}

bool IppPrinters::addClass(const QString &pool, const QStringList &members)
{
    for (const QString &member : members)
        if (!m_cups.runTool(QStringLiteral("lpadmin"),
                            {QStringLiteral("-p"), member, QStringLiteral("-c"), pool})) {
            m_error = m_cups.error();
            return false;
        }
    if (!m_cups.runTool(QStringLiteral("cupsenable"), {pool}) ||
        !m_cups.runTool(QStringLiteral("cupsaccept"), {pool})) {
        m_error = m_cups.error();
        return false;
    }
    return true;
}

void IppPrinters::jamAt(const QString &name, qint64 page, bool endsWell)
{
    QFile jam(folder(name) + QStringLiteral("/jam"));
    if (jam.open(QIODevice::WriteOnly))
        jam.write(QByteArray::number(page));
    QFile exit(folder(name) + QStringLiteral("/jamexit"));
    if (exit.open(QIODevice::WriteOnly))
        exit.write(endsWell ? "0" : "1");
}

QStringList IppPrinters::printed(const QString &name) const
{
    QFile file(folder(name) + QStringLiteral("/printed"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}
