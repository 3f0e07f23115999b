// Prints a same-number job with six positions through the built-in PDF printer and reports
// throughput and peak memory.
// Usage: bench_same_number [sheets] [progress|calibrated|qr|ean13|upca|code39|itf|pdf417]
// With "progress" the run reports to the window's progress window from a thread of its own that
// takes turns with the window (RunAside), as a run from the window does;
// with "calibrated" the printer has a calibration to undo on every sheet; with "qr" every
// position prints its number as a 20 mm QR code with a prefix and suffix; with a symbology's
// name every position prints its number in it, with a check digit (and a prefix and suffix
// where it takes letters).
// Last line: sheets_per_second=N peak_rss_mb=M

#include "BenchSupport.h"
#include "Dialogs.h"
#include "QtPrinterSurface.h"
#include "RunAside.h"
#include "SameNumberRun.h"
#include "frmProgreso.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

namespace {

// The look of every position for a symbology named on the command line; nullopt for any other word.
std::optional<NumberLook> lookNamed(const char *name)
{
    using F = NumberLook::Format;
    using C = CheckDigits::Scheme;
    struct Named
    {
        const char *name;
        NumberLook look;
    };
    const auto look = [](F format, const char *prefix, const char *suffix, const char *size, C check,
                         const char *module = "") {
        NumberLook l{format, QString::fromLatin1(prefix), QString::fromLatin1(suffix),
                     QString::fromLatin1(size)};
        l.check = check;
        l.module = QString::fromLatin1(module);
        return l;
    };
    const Named looks[] = {
        {"qr", look(F::QR, "RIFA26-", "-A", "20", C::None)},
        {"ean13", look(F::EAN13, "84", "", "15", C::Mod10)},
        {"upca", look(F::UPCA, "0", "", "15", C::Mod10)},
        {"code39", look(F::Code39, "RIFA26-", "-A", "10", C::Mod11X, "0.25")},
        {"itf", look(F::ITF, "12", "", "10", C::Luhn)},
        {"pdf417", look(F::PDF417, "RIFA26-", "-A", "45", C::Mod10)},
    };
    for (const Named &n : looks)
        if (qstrcmp(name, n.name) == 0)
            return n.look;
    return std::nullopt;
}

class CountingDialogs final : public Dialogs
{
public:
    int count = 0;
    int message(const QString &text, const QString &, Icon, Buttons) override
    {
        ++count;
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return Ok;
    }
    int32_t chooseColor() override { return 0; }
    QString openFileName(const FileRequest &) override { return {}; }
    QString saveFileName(const FileRequest &) override { return {}; }
};

} // namespace

int main(int argc, char *argv[])
{
    const long sheets = argc > 1 ? std::max(1L, std::atol(argv[1])) : 100000;
    const BenchSupport::OffscreenApp app(argv[0]);

    QTemporaryDir folder;
    QtPrinterSurface printer(folder.path());
    printer.setCurrentPrinter(printer.pdfPrinterIndex());
    const bool calibrated = argc > 2 && qstrcmp(argv[2], "calibrated") == 0;
    if (calibrated)
        printer.setCalibrationSource([](const QString &) {
            return PrinterCalibration{2.5, -1.8, 0.996, 1.004};
        });

    SameNumberJob job;
    job.desde = QStringLiteral("000000");
    job.hasta = QString::number(sheets - 1).rightJustified(6, u'0');
    for (int i = 0; i < SameNumberJob::kPositions; ++i) {
        job.posX[i] = QString::number(500 + (i % 3) * 3500);
        job.posY[i] = QString::number(1000 + (i / 3) * 6000);
        job.off[i] = false;
    }
    const std::optional<NumberLook> codes = argc > 2 ? lookNamed(argv[2]) : std::nullopt;
    if (codes)
        job.looks.fill(*codes);
    FontChoice font{QStringLiteral("DejaVu Sans"), QStringLiteral("14"), 0};
    CountingDialogs dialogs;

    QElapsedTimer timer;
    timer.start();
    const bool withProgress = argc > 2 && qstrcmp(argv[2], "progress") == 0;
    frmProgreso progress(nullptr);
    const RunOutcome outcome =
        withProgress ? RunAside::run(&progress, dialogs, {},
                                     [&](RunObserver *observer, Dialogs &asked) {
                                         return runSameNumber(job, font, printer, asked, observer);
                                     })
                     : runSameNumber(job, font, printer, dialogs, nullptr);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;

    if (outcome != RunOutcome::Printed || dialogs.count != 0) {
        std::fprintf(stderr, "the run did not print\n");
        return 1;
    }
    const double rate = double(sheets) / seconds;
    std::printf("sheets=%ld progress=%s calibrated=%s codes=%s seconds=%.2f pdf_mb=%.1f\n", sheets,
                withProgress ? "on" : "off", calibrated ? "yes" : "no", codes ? argv[2] : "none", seconds,
                double(QFileInfo(printer.lastPdfFile()).size()) / (1024.0 * 1024.0));
    std::printf("sheets_per_second=%.0f peak_rss_mb=%.1f\n", rate, BenchSupport::peakRssMb());
    return 0;
}
