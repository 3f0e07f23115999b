#include "RunLog.h"
#include "ErrorReason.h"

#include "Texts.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QUuid>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <unordered_map>

namespace {

const QString kLogName = QStringLiteral("impresiones.csv");
const QString kCopiesName = QStringLiteral("impresiones");

enum Column {
    Id,
    Inicio,
    Fin,
    Estado,
    Impresora,
    Trabajo,
    Pagina,
    Hojas,
    Impresas,
    Primera,
    Ultima,
    HojaInicial,
    Copia,
    Boletos,
    Origen,
    Columns
};

QString quoted(QString field)
{
    // One line per record, whatever a name holds: a line cut short by a crash spoils only itself.
    field.replace(u'\r', u' ').replace(u'\n', u' ');
    if (!field.contains(u',') && !field.contains(u'"') && field.trimmed() == field)
        return field;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

QStringList fields(QStringView line)
{
    // Fields are kept for as long as the log window shows them: each goes out at its exact size,
    // without the spare room a string grown a character at a time keeps.
    QStringList out;
    QString field;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
        } else if (c == u',') {
            field.squeeze();
            out << field;
            field.clear();
        } else {
            field += c;
        }
    }
    field.squeeze();
    out << field;
    return out;
}

QString isoTime(const QDateTime &time)
{
    return time.isValid() ? time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate) : QString();
}

} // namespace

RunLog::RunLog(const QString &folder)
    : m_file(QDir(folder).filePath(kLogName)), m_copies(QDir(folder).filePath(kCopiesName))
{}

QStringList RunLog::header()
{
    return {QStringLiteral("id"),      QStringLiteral("inicio"),    QStringLiteral("fin"),
            QStringLiteral("estado"),  QStringLiteral("impresora"), QStringLiteral("trabajo"),
            QStringLiteral("pagina"),  QStringLiteral("hojas"),     QStringLiteral("impresas"),
            QStringLiteral("primera"), QStringLiteral("ultima"),    QStringLiteral("hoja_inicial"),
            QStringLiteral("copia"),   QStringLiteral("boletos"),   QStringLiteral("origen")};
}

QString RunLog::csvLine(const Run &run)
{
    const QStringList values{run.id,
                             isoTime(run.inicio),
                             isoTime(run.fin),
                             run.estado,
                             run.impresora,
                             run.trabajo,
                             QString::number(run.pagina),
                             QString::number(run.hojas),
                             QString::number(run.impresas),
                             run.primera,
                             run.ultima,
                             QString::number(run.hojaInicial),
                             run.copia,
                             run.boletos,
                             run.origen};
    QStringList out;
    for (const QString &v : values)
        out << quoted(v);
    return out.join(u',') + u'\n';
}

QString RunLog::newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString RunLog::copyPath(const QString &id) const
{
    return QDir(m_copies).filePath(id + QStringLiteral(".trv"));
}

QString RunLog::partsPath(const QString &id) const
{
    return QDir(m_copies).filePath(id + QStringLiteral(".partes"));
}

namespace {

QString notRegular()
{
    return Texts::text(8000);
}

// The log's descriptor, opened without waiting on whatever stands at its path: a FIFO or a device
// there would keep the reader, or the run, waiting for ever. -1 with the reason when it is not a
// regular file or cannot be opened.
int openRegular(const QString &path, int flags, QString *reason)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        struct stat st = {};
        *reason = ::stat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode) ? notRegular()
                                                                             : ErrorReason::of(error);
        return -1;
    }
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *reason = notRegular();
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

bool RunLog::append(const Run &run, QString *reason) const
{
    QString why;
    const auto fail = [reason](const QString &text) {
        if (reason)
            *reason = text;
        return false;
    };
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    const QByteArray name = QFile::encodeName(m_file);
    QByteArray bytes;
    // Only the process that creates the log writes its header.
    int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        bytes = header().join(u',').toUtf8() + '\n';
    } else {
        if (errno != EEXIST)
            return fail(ErrorReason::of(errno));
        fd = openRegular(m_file, O_RDWR | O_APPEND, &why);
        if (fd < 0)
            return fail(why);
        // A line cut short (a crash, a full disk) is ended, so that this one does not run on from
        // it. A log left empty (its creator died before writing) gets the header it lacks.
        struct stat st = {};
        if (::fstat(fd, &st) != 0) {
            const int error = errno;
            ::close(fd);
            return fail(ErrorReason::of(error));
        }
        char last = '\n';
        if (st.st_size == 0)
            bytes = header().join(u',').toUtf8() + '\n';
        else if (::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n')
            bytes += '\n';
    }
    const Descriptor file(fd);
    bytes += csvLine(run).toUtf8();
    // One write to a file opened for appending: lines of runs in other processes never interleave.
    // A write cut short stays as it is: the reader takes from a cut line what it holds whole.
    ssize_t written;
    do
        written = ::write(fd, bytes.constData(), size_t(bytes.size()));
    while (written < 0 && errno == EINTR);
    if (written < 0)
        return fail(ErrorReason::of(errno));
    if (written != bytes.size()) {
        // The system says why only when asked to write the rest.
        const ssize_t again = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (again != bytes.size() - written)
            return fail(ErrorReason::of(again < 0 ? errno : ENOSPC));
    }
    return true;
}

namespace {

// The line's run when every field is whole, or what it holds whole when it was cut short (its
// last field may be part of one). Nothing when it is not a run's line.
struct LineRead
{
    enum Kind { Whole, Cut, Junk } kind = Junk;
    RunLog::Run run;
    std::array<bool, Columns> has{}; // the fields the line holds whole
};

LineRead readLine(QStringView line, const QStringList &names, const std::array<qsizetype, Columns> &at)
{
    LineRead out;
    const QStringList f = fields(line);
    if (f.size() > names.size())
        return out;
    const bool cut = f.size() < names.size();
    const qsizetype whole = cut ? f.size() - 1 : f.size();
    for (int c = 0; c < Columns; ++c)
        out.has[c] = at[c] >= 0 && at[c] < whole;
    const auto get = [&](Column c) { return out.has[c] ? f[at[c]] : QString(); };
    RunLog::Run &run = out.run;
    run.id = get(Id);
    run.estado = get(Estado);
    // One shared text per state rather than one per run.
    bool known = false;
    for (const QString *state : {&RunLog::kEnCurso, &RunLog::kCompleta, &RunLog::kCancelada,
                                 &RunLog::kFallida, &RunLog::kInterrumpida, &RunLog::kSinConfirmar})
        if (run.estado == *state) {
            run.estado = *state;
            known = true;
        }
    if (run.id.isEmpty() || (at[Estado] >= 0 && out.has[Estado] && !known))
        return out;
    run.inicio = QDateTime::fromString(get(Inicio), Qt::ISODate);
    if (!get(Inicio).isEmpty() && !run.inicio.isValid())
        return out;
    run.fin = QDateTime::fromString(get(Fin), Qt::ISODate);
    run.impresora = get(Impresora);
    run.trabajo = get(Trabajo);
    run.pagina = get(Pagina).toInt();
    run.hojas = get(Hojas).toLongLong();
    run.impresas = get(Impresas).toLongLong();
    run.primera = get(Primera);
    run.ultima = get(Ultima);
    run.hojaInicial = qMax<qint64>(1, get(HojaInicial).toLongLong());
    run.copia = get(Copia);
    run.boletos = get(Boletos);
    run.origen = get(Origen);
    // Only a cut line that says, whole, how its run ended is worth anything: a run that finished
    // must never look unfinished because its last line lost its tail.
    if (cut && !(out.has[Id] && out.has[Estado] && run.finished()))
        return out;
    out.kind = cut ? LineRead::Cut : LineRead::Whole;
    return out;
}

// A cut end line over the run's earlier line: what it holds whole replaces.
void mergeCut(RunLog::Run &run, const LineRead &line)
{
    const RunLog::Run &cut = line.run;
    run.estado = cut.estado;
    if (cut.estado == RunLog::kCompleta)
        run.impresas = run.hojas; // a complete run printed every sheet, whatever the line lost
    if (line.has[Fin])
        run.fin = cut.fin;
    if (line.has[Impresora])
        run.impresora = cut.impresora;
    if (line.has[Trabajo])
        run.trabajo = cut.trabajo;
    if (line.has[Pagina])
        run.pagina = cut.pagina;
    if (line.has[Hojas])
        run.hojas = cut.hojas;
    if (line.has[Impresas])
        run.impresas = cut.impresas;
    if (line.has[Primera])
        run.primera = cut.primera;
    if (line.has[Ultima])
        run.ultima = cut.ultima;
    if (line.has[HojaInicial])
        run.hojaInicial = cut.hojaInicial;
    if (line.has[Copia])
        run.copia = cut.copia;
    if (line.has[Boletos])
        run.boletos = cut.boletos;
    if (line.has[Origen])
        run.origen = cut.origen;
}

} // namespace

RunLog::Contents RunLog::read() const
{
    Contents contents;
    if (!QFileInfo::exists(m_file))
        return contents;
    QString why;
    const int fd = openRegular(m_file, O_RDONLY, &why);
    if (fd < 0) {
        contents.error = why;
        return contents;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        contents.error = ErrorReason::of(file);
        return contents;
    }
    // Line by line: memory follows the runs kept, not the size of the file.
    const QStringList known = header();
    QStringList names;
    std::array<qsizetype, Columns> at{};
    std::unordered_map<QString, std::size_t> index;
    qint64 number = 0;
    QByteArray bytes;
    while (!file.atEnd()) {
        bytes = file.readLine();
        if (bytes.isEmpty() && file.error() != QFileDevice::NoError) {
            contents.error = ErrorReason::of(file);
            return contents;
        }
        ++number;
        const QString text = QString::fromUtf8(bytes).trimmed();
        if (text.isEmpty())
            continue;
        if (names.isEmpty()) {
            // Columns are found by name, so a log written by another version still reads; a log
            // whose header was lost is read in this version's order.
            names = fields(text);
            const bool hasHeader = names.contains(known[Id]);
            if (!hasHeader)
                names = known;
            for (int c = 0; c < Columns; ++c)
                at[c] = names.indexOf(known[c]);
            if (hasHeader)
                continue;
        }
        const LineRead line = readLine(text, names, at);
        if (line.kind != LineRead::Whole)
            contents.unreadLines.push_back(number);
        if (line.kind == LineRead::Junk)
            continue;
        const auto [it, added] = index.try_emplace(line.run.id, contents.runs.size());
        if (added)
            contents.runs.push_back(line.run);
        else if (line.kind == LineRead::Cut)
            mergeCut(contents.runs[it->second], line);
        else {
            // The later line is the run's latest state; its id stays the one the index shares.
            RunLog::Run &kept = contents.runs[it->second];
            kept = line.run;
            kept.id = it->first;
        }
    }
    contents.runs.shrink_to_fit();
    return contents;
}

bool RunLog::exportTo(const QString &path, QString *reason) const
{
    const Contents contents = read();
    if (!contents.error.isEmpty()) {
        if (reason)
            *reason = contents.error;
        return false;
    }
    QByteArray bytes = header().join(u',').toUtf8() + '\n';
    for (auto it = contents.runs.rbegin(); it != contents.runs.rend(); ++it) {
        // In the local time of whoever exports, with its offset, whatever zone wrote the line.
        Run local = *it;
        local.inicio = local.inicio.isValid() ? local.inicio.toLocalTime() : local.inicio;
        local.fin = local.fin.isValid() ? local.fin.toLocalTime() : local.fin;
        bytes += csvLine(local).toUtf8();
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        if (reason)
            *reason = ErrorReason::of(out);
        return false;
    }
    return true;
}
