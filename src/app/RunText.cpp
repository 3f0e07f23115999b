#include "RunText.h"

#include "DocumentCommands.h"
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
        .arg(when(run), DocumentCommands::Cortar(run.trabajo), estado(run))
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
