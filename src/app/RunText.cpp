#include "RunText.h"

#include "JobDocument.h"
#include "RunReconcile.h"
#include "Texts.h"

#include <QLocale>

QString RunText::estado(const RunLog::Run &run)
{
    if (!run.finished())
        return Texts::text(3022);
    if (run.estado == RunLog::kCompleta)
        return Texts::text(3036);
    if (run.estado == RunLog::kCancelada)
        return Texts::text(3037);
    if (run.estado == RunLog::kFallida)
        return Texts::text(3038);
    if (run.estado == RunLog::kInterrumpida)
        return Texts::text(14000);
    if (run.estado == RunLog::kSinConfirmar)
        return Texts::text(14001);
    return run.estado;
}

QString RunText::when(const RunLog::Run &run)
{
    return QLocale::system().toString(run.inicio.toLocalTime(), QLocale::ShortFormat);
}

QString RunText::summary(const RunLog::Run &run)
{
    return Texts::text(3040)
        .arg(when(run), JobDocument::Cortar(run.trabajo), estado(run))
        .arg(run.hojaInicial)
        .arg(run.hojaInicial + qMax<qint64>(run.hojas, 1) - 1);
}

RunText::Stop RunText::stopped(const RunLog::Run &run)
{
    const qint64 done = run.hojaInicial + run.impresas - 1;
    const qint64 last = run.hojaInicial + run.hojas - 1;
    if (run.estado == RunLog::kFallida)
        return {
            done, last,
            Texts::text(14002).arg(done).arg(last).arg(run.impresas > 0 ? run.ultima : QStringLiteral("-"))};
    return {done, last, Texts::text(3004).arg(done).arg(last).arg(run.ultima)};
}

RunText::Printers RunText::printers(const RunLog &log, const RunLog::Run &run)
{
    Printers out{run.impresora, {}};
    RunReconcile::Parts parts;
    if (run.id.isEmpty() || !RunReconcile::readParts(log.partsPath(run.id), parts))
        return out;
    QStringList members;
    for (std::size_t i = 0; i < parts.parts.size(); ++i) {
        const RunReconcile::Parts::Part &part = parts.parts[i];
        if (part.member.isEmpty())
            continue;
        if (!members.contains(part.member))
            members << part.member;
        out.parts << Texts::text(17001,
                                 QStringLiteral("Parte %1: %2 hojas, la última con el número %3, en %4"))
                         .arg(i + 1)
                         .arg(part.sheets)
                         .arg(part.last, part.member);
    }
    if (!members.isEmpty())
        out.shown = QStringLiteral("%1 (%2)").arg(run.impresora, members.join(QStringLiteral(", ")));
    return out;
}
