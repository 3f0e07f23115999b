// Reads hostile and normal profile files through ProfileFiles and reports time and peak memory.
// Usage: bench_profile_files [megabytes]   (the size of the hostile files, 50 by default)
// Last line: read50mb_ms=N peak_rss_mb=M reads100_ms=K
//   read50mb_ms  one read of a file of bare CR bytes (one line per byte) with the key at its end
//   peak_rss_mb  the process's peak resident memory after that read
//   reads100_ms  100 reads of a normal settings file that has not changed for a few seconds

#include "BenchSupport.h"
#include "ProfileFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

namespace {

// Written a megabyte at a time, so that making the file does not count in the peak.
bool writeFile(const QString &path, const QByteArray &head, qint64 megabytes, const QByteArray &unit,
               const QByteArray &tail)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(head) != head.size())
        return false;
    if (megabytes > 0) {
        const QByteArray chunk = unit.repeated((1 << 20) / unit.size());
        for (qint64 written = 0; written + chunk.size() <= megabytes << 20; written += chunk.size())
            if (f.write(chunk) != chunk.size())
                return false;
    }
    return f.write(tail) == tail.size();
}

// This process's processor time: on a shared machine it says more than the clock.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Timed
{
    double ms = 0;
    double cpuMs = 0;
};

// One read of Formulario/Ancho, which stands at the end of the file.
Timed timedRead(const ProfileFiles &ini, QString file, bool *found)
{
    QElapsedTimer timer;
    const double cpu = cpuMs();
    timer.start();
    *found = ini.LeerValorIni(QStringLiteral("Formulario"), QStringLiteral("Ancho"), file) == u"8900";
    return {double(timer.nsecsElapsed()) / 1e6, cpuMs() - cpu};
}

const char kSettings[] = "[Formulario]\r\nAncho=8900\r\n"
                         "[Solapa]\r\nsstab1=0\r\n"
                         "[Lenguaje]\r\nIdioma=Espa\xF1ol\r\n"
                         "[Guardar]\r\nActivado=1\r\n"
                         "[Fuentes]\r\nColor=255\r\nTama\xF1o=12\r\nIndice=DejaVu Sans\r\n"
                         "[Numero Recientes]\r\nCantidad=2\r\n"
                         "[Recientes]\r\n1=/home/ana/Documentos/Mis Trabajos/Rifa.trv\r\n"
                         "2=/home/ana/Documentos/Mis Trabajos/Talonario.trv\r\n3=\r\n4=\r\n5=\r\n"
                         "[Ultima Impresi\xF3n Solapa:0]\r\nPosX_0=500\r\nPosY_0=300\r\nCheck1_0=0\r\n"
                         "Desde=0001\r\nHasta=0500\r\nCantidad=499\r\nsstab= 0\r\n";

// Milliseconds for 100 reads of the settings file, -1 when one was not found.
double hundredReads(const ProfileFiles &ini)
{
    static const char *const wanted[][2] = {
        {"Formulario", "Ancho"}, {"Solapa", "sstab1"},    {"Fuentes", "Color"},
        {"Recientes", "2"},      {"Guardar", "Activado"}, {"Ultima Impresi\xC3\xB3n Solapa:0", "Hasta"}};
    QElapsedTimer timer;
    timer.start();
    int hits = 0;
    for (int i = 0; i < 100; ++i) {
        QString file;
        const auto &w = wanted[i % std::size(wanted)];
        hits +=
            ini.LeerValorIni(QString::fromUtf8(w[0]), QString::fromUtf8(w[1]), file) != ProfileFiles::Vacio;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    return hits == 100 ? ms : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    const qint64 megabytes = argc > 1 ? std::max(1L, std::atol(argv[1])) : 50;
    QTemporaryDir folder;
    const QByteArray key("[Formulario]\r\nAncho=8900\r\n");
    const QString bareCr = folder.filePath(QStringLiteral("cr.sys"));
    const QString sections = folder.filePath(QStringLiteral("sections.sys"));
    const QString keys = folder.filePath(QStringLiteral("keys.sys"));
    const QString settings = folder.filePath(QStringLiteral("Vireo.sys"));
    if (!writeFile(bareCr, {}, megabytes, "\r", key) || !writeFile(sections, {}, megabytes, "[s]\r\n", key) ||
        !writeFile(keys, "[Formulario]\r\n", megabytes, "k=1\r\n", "Ancho=8900\r\n") ||
        !writeFile(settings, {}, 0, {}, kSettings)) {
        std::fprintf(stderr, "cannot write the test files in %s\n", qPrintable(folder.path()));
        return 1;
    }
    const auto settingsWritten = std::chrono::steady_clock::now();
    ProfileFiles ini(settings);
    const double freshMs = hundredReads(ini);

    bool found = false;
    const Timed cr = timedRead(ini, bareCr, &found);
    const double crPeak = BenchSupport::peakRssMb();
    if (!found) {
        std::fprintf(stderr, "the value at the end of the bare-CR file was not found\n");
        return 1;
    }

    // Worse shapes: a header on every line; one section with a key on every line.
    std::printf("bare CR lines: read_ms=%.0f cpu_ms=%.0f\n", cr.ms, cr.cpuMs);
    for (const QString &file : {sections, keys}) {
        const Timed first = timedRead(ini, file, &found);
        const bool foundFirst = found;
        const Timed again = timedRead(ini, file, &found);
        std::printf("%s: read_ms=%.0f cpu_ms=%.0f again_ms=%.1f again_cpu_ms=%.1f found=%d\n",
                    file == sections ? "a header per line" : "a key per line", first.ms, first.cpuMs,
                    again.ms, again.cpuMs, foundFirst && found);
    }

    // A file changed in the last seconds is checked against its bytes at every read (see
    // ProfileCache.cpp); at start-up the settings file has long settled.
    std::this_thread::sleep_until(settingsWritten + std::chrono::milliseconds(3100));
    const double readsMs = hundredReads(ini);
    if (freshMs < 0 || readsMs < 0) {
        std::fprintf(stderr, "some settings were not found\n");
        return 1;
    }
    std::printf("100 reads of a settings file written just before: ms=%.2f\n", freshMs);

    std::printf("read%lldmb_ms=%.0f peak_rss_mb=%.1f reads100_ms=%.2f\n", megabytes, cr.ms, crPeak, readsMs);
    return 0;
}
