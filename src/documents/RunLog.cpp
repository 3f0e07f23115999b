#include "RunLog.h"
#include "ErrorReason.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QUuid>

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
            out << field;
            field.clear();
        } else {
            field += c;
        }
    }
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
            QStringLiteral("copia")};
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
                             run.copia};
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

bool RunLog::append(const Run &run, QString *reason) const
{
    const auto fail = [reason](const QFile &f) {
        if (reason)
            *reason = ErrorReason::of(f);
        return false;
    };
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QByteArray bytes;
    QFile file(m_file);
    // Only the process that creates the log writes its header.
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        bytes = header().join(u',').toUtf8() + '\n';
    } else {
        if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
            return fail(file);
        // A line cut short by a crash is ended, so that this one does not run on from it. A log
        // left empty (its creator died before writing) gets the header it lacks.
        const qint64 size = file.size();
        if (size == 0)
            bytes = header().join(u',').toUtf8() + '\n';
        if (size > 0) {
            QFile tail(m_file);
            char last = '\n';
            if (tail.open(QIODevice::ReadOnly) && tail.seek(size - 1))
                tail.getChar(&last);
            if (last != '\n')
                bytes += '\n';
        }
    }
    bytes += csvLine(run).toUtf8();
    // One write to a file opened for appending: lines of runs in other processes never interleave.
    if (file.write(bytes) != bytes.size())
        return fail(file);
    return true;
}

RunLog::Contents RunLog::read() const
{
    Contents contents;
    QFile file(m_file);
    if (!file.exists())
        return contents;
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = ErrorReason::of(file);
        return contents;
    }
    const QString text = QString::fromUtf8(file.readAll());
    const QList<QStringView> lines = QStringView(text).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return contents;
    // Columns are found by name, so a log written by another version still reads; a log whose
    // header was lost is read in this version's order.
    const QStringList known = header();
    QStringList names = fields(lines.first().trimmed());
    qsizetype first = 1;
    if (!names.contains(known[Id])) {
        names = known;
        first = 0;
    }
    std::array<qsizetype, Columns> at{};
    for (int c = 0; c < Columns; ++c)
        at[c] = names.indexOf(known[c]);
    std::unordered_map<QString, std::size_t> index;
    contents.runs.reserve(lines.size());
    for (qsizetype i = first; i < lines.size(); ++i) {
        const QStringList f = fields(lines[i].trimmed());
        if (f.size() < names.size())
            continue; // a line a crash cut short: the run's earlier line stands
        const auto get = [&](Column c) { return at[c] >= 0 ? f.value(at[c]) : QString(); };
        Run run;
        run.id = get(Id);
        if (run.id.isEmpty())
            continue;
        run.inicio = QDateTime::fromString(get(Inicio), Qt::ISODate);
        run.fin = QDateTime::fromString(get(Fin), Qt::ISODate);
        run.estado = get(Estado);
        run.impresora = get(Impresora);
        run.trabajo = get(Trabajo);
        run.pagina = get(Pagina).toInt();
        run.hojas = get(Hojas).toLongLong();
        run.impresas = get(Impresas).toLongLong();
        run.primera = get(Primera);
        run.ultima = get(Ultima);
        run.hojaInicial = qMax<qint64>(1, get(HojaInicial).toLongLong());
        run.copia = get(Copia);
        const auto [it, added] = index.try_emplace(run.id, contents.runs.size());
        if (added)
            contents.runs.push_back(std::move(run));
        else
            contents.runs[it->second] = std::move(run); // the later line is the run's latest state
    }
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
    for (auto it = contents.runs.rbegin(); it != contents.runs.rend(); ++it)
        bytes += csvLine(*it).toUtf8();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        if (reason)
            *reason = ErrorReason::of(out);
        return false;
    }
    return true;
}
