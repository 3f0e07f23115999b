// Opens a run log of N runs (two lines each, as runs write them) in the log window, and reports
// how long the window took to read and show it and the process's peak memory, which must follow
// the runs shown rather than a multiple of the file. Usage: bench_run_log [runs]
// Last line: runs=N lines=L log_mb=S open_ms=T peak_rss_mb=M

#include "BenchSupport.h"
#include "ConsoleDialogs.h"
#include "RunLog.h"
#include "frmRegistro.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    const BenchSupport::OffscreenApp app(argv[0]);
    const qint64 runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 50000;

    QTemporaryDir folder;
    const RunLog log(folder.path());
    {
        QFile file(log.file());
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        // Written a block at a time: the log must not sit in this process's memory before it opens.
        QByteArray bytes = RunLog::header().join(u',').toUtf8() + '\n';
        RunLog::Run run;
        run.impresora = QStringLiteral("Oficina_HP_LaserJet");
        run.hojas = 10000;
        for (qint64 i = 0; i < runs; ++i) {
            run.id = RunLog::newId();
            run.inicio = QDateTime::currentDateTime();
            run.trabajo = QStringLiteral("/home/usuario/Documentos/Mis Trabajos/rifa %1.trv").arg(i);
            run.copia = log.copyPath(run.id);
            run.estado = RunLog::kEnCurso;
            run.fin = QDateTime();
            bytes += RunLog::csvLine(run).toUtf8();
            run.estado = RunLog::kCompleta;
            run.fin = run.inicio.addSecs(600);
            run.impresas = run.hojas;
            run.primera = QStringLiteral("00001");
            run.ultima = QStringLiteral("10000");
            bytes += RunLog::csvLine(run).toUtf8();
            if (bytes.size() > (1 << 20)) {
                file.write(bytes);
                bytes.clear();
            }
        }
        file.write(bytes);
    }

    ConsoleDialogs dialogs;
    QElapsedTimer clock;
    clock.start();
    frmRegistro window(log, dialogs, nullptr);
    window.show();
    QCoreApplication::processEvents();
    const qint64 ms = clock.elapsed();
    std::printf("runs=%lld lines=%lld log_mb=%.1f open_ms=%lld peak_rss_mb=%.1f\n", qlonglong(runs),
                qlonglong(2 * runs), double(QFileInfo(log.file()).size()) / (1024 * 1024), qlonglong(ms),
                BenchSupport::peakRssMb());
    return 0;
}
