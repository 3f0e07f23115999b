// Any bytes as the print log (a log a crash cut short, a log edited in a spreadsheet): reading
// and exporting it must never crash; a run appended to it reads back whole as the newest run,
// and every run read before still reads the same.
#include "FuzzInput.h"
#include "RunLog.h"

#include <QDir>
#include <QFile>

namespace {

RunLog::Run knownRun()
{
    RunLog::Run run;
    run.id = RunLog::newId();
    run.inicio = QDateTime(QDate(2026, 12, 7), QTime(10, 15, 30));
    run.fin = run.inicio.addSecs(90);
    run.estado = RunLog::kCancelada;
    run.impresora = QStringLiteral("Oficina, 2º \"B\"");
    run.trabajo = QStringLiteral("/home/ana/rifas;2026/rifa \"grande\",final.trv");
    run.pagina = 1;
    run.hojas = 10000;
    run.impresas = 4321;
    run.primera = QStringLiteral("0001");
    run.ultima = QStringLiteral("-04321");
    run.hojaInicial = 7;
    run.copia = QStringLiteral("/tmp/impresiones/x.trv");
    return run;
}

bool same(const RunLog::Run &a, const RunLog::Run &b)
{
    return a.id == b.id && a.inicio == b.inicio && a.fin == b.fin && a.estado == b.estado &&
           a.impresora == b.impresora && a.trabajo == b.trabajo && a.pagina == b.pagina &&
           a.hojas == b.hojas && a.impresas == b.impresas && a.primera == b.primera && a.ultima == b.ultima &&
           a.hojaInicial == b.hojaInicial && a.copia == b.copia;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString folder = fuzzFolder() + QStringLiteral("/log");
    QDir().mkpath(folder);
    const RunLog log(folder);
    {
        QFile f(log.file());
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(reinterpret_cast<const char *>(data), qsizetype(size)) != qsizetype(size))
            fuzzFailure("cannot write the input file", log.file());
    }
    const RunLog::Contents before = log.read();
    // Appending in this version's column order is promised for an empty log and for one that
    // starts with this version's header; another version's order keeps its own lines readable.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool ownOrder = bytes.isEmpty() || bytes.startsWith(RunLog::header().join(u',').toUtf8() + '\n');
    QString reason;
    log.exportTo(folder + QStringLiteral("/export.csv"), &reason);
    if (!before.error.isEmpty() || !ownOrder)
        return 0;

    const RunLog::Run run = knownRun();
    if (!log.append(run, &reason))
        fuzzFailure("the append failed", reason);
    const RunLog::Contents after = log.read();
    if (!after.error.isEmpty() || after.runs.empty() || !same(after.runs.back(), run))
        fuzzFailure("the appended run does not read back as the newest", after.error);
    if (after.runs.size() != before.runs.size() + 1)
        fuzzFailure("the append changed the runs before it", log.file());
    for (std::size_t i = 0; i < before.runs.size(); ++i)
        if (!same(before.runs[i], after.runs[i]))
            fuzzFailure("a run read before reads differently after the append", before.runs[i].id);
    return 0;
}
