// A same-number run of N sheets (two positions) through the built-in PDF printer, without and
// then with a designed PDF page under every sheet. The design is written here: a page of text,
// lines and a gradient-filled frame, with its font embedded. Usage: bench_template [sheets]
// Last line: ratio=T (time with / without) bytes_per_sheet=B (output beyond the design, per sheet)

#include "BenchSupport.h"
#include "Dialogs.h"
#include "PdfTemplate.h"
#include "QtPrinterSurface.h"
#include "SameNumberRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class QuietDialogs final : public Dialogs
{
public:
    int message(const QString &text, const QString &, Icon, Buttons) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return Yes;
    }
    int32_t chooseColor() override { return 0; }
    QString openFileName(const FileRequest &) override { return {}; }
    QString saveFileName(const FileRequest &) override { return {}; }
};

QString writeDesign(const QString &path)
{
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(72);
    QPainter painter(&writer);
    QLinearGradient fill(0, 0, 595, 0);
    fill.setColorAt(0, QColor(230, 240, 255));
    fill.setColorAt(1, QColor(255, 230, 200));
    painter.fillRect(QRectF(20, 20, 555, 800), fill);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(28);
    painter.setFont(font);
    painter.drawText(QPointF(60, 90), QStringLiteral("GRAN RIFA BENÉFICA 2026"));
    font.setPixelSize(10);
    painter.setFont(font);
    for (int line = 0; line < 40; ++line) {
        painter.drawText(
            QPointF(60, 140 + line * 16),
            QStringLiteral("Condición %1: el premio se entrega al portador de este boleto.").arg(line + 1));
        painter.drawLine(QPointF(60, 144 + line * 16), QPointF(535, 144 + line * 16));
    }
    painter.end();
    return path;
}

struct Result
{
    double seconds;
    qint64 bytes;
};

Result run(QtPrinterSurface &printer, long sheets)
{
    SameNumberJob job;
    job.desde = QStringLiteral("000001");
    job.hasta = QString::number(sheets).rightJustified(6, u'0');
    job.off.fill(true);
    job.off[0] = job.off[1] = false;
    job.posX[0] = QStringLiteral("7000");
    job.posY[0] = QStringLiteral("1000");
    job.posX[1] = QStringLiteral("7000");
    job.posY[1] = QStringLiteral("15000");
    QuietDialogs dialogs;
    QElapsedTimer clock;
    clock.start();
    const RunOutcome outcome =
        runSameNumber(job, {QStringLiteral("DejaVu Sans"), QStringLiteral("14"), 0}, printer, dialogs);
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (outcome != RunOutcome::Printed) {
        std::fprintf(stderr, "the run did not print\n");
        std::exit(1);
    }
    const qint64 bytes = QFileInfo(printer.lastPdfFile()).size();
    QFile::remove(printer.lastPdfFile());
    return {seconds, bytes};
}

} // namespace

int main(int argc, char *argv[])
{
    const long sheets = argc > 1 ? std::max(1L, std::atol(argv[1])) : 10000;
    const BenchSupport::OffscreenApp app(argv[0]);

    QTemporaryDir folder;
    const QString design = writeDesign(folder.filePath(QStringLiteral("diseno.pdf")));
    const qint64 designBytes = QFileInfo(design).size();
    QtPrinterSurface printer(folder.path());
    printer.setCurrentPrinter(printer.pdfPrinterIndex());

    const Result plain = run(printer, sheets);
    printer.setPdfTemplate(PdfTemplate{design, 1});
    const Result over = run(printer, sheets);

    std::printf("sheets=%ld design_bytes=%lld\n", sheets, static_cast<long long>(designBytes));
    std::printf("without: %.2f s, %lld bytes\n", plain.seconds, static_cast<long long>(plain.bytes));
    std::printf("with:    %.2f s, %lld bytes\n", over.seconds, static_cast<long long>(over.bytes));
    std::printf("peak_rss_mb=%.1f\n", BenchSupport::peakRssMb());
    std::printf("ratio=%.2f bytes_per_sheet=%.0f\n", over.seconds / plain.seconds,
                double(over.bytes - designBytes) / double(sheets));
    return 0;
}
