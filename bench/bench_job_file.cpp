// Opens and saves a job document through the main window's document commands, each many times,
// and reports the average. Usage: bench_job_file [repetitions]
// Last line: open_ms=N save_ms=M

#include "AppContext.h"
#include "BenchSupport.h"
#include "Dialogs.h"
#include "DocumentCommands.h"
#include "RecordingSurface.h"
#include "frmPrincipal.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class SilentDialogs final : public Dialogs
{
public:
    int message(const QString &text, const QString &, Icon, Buttons) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return No;
    }
    int32_t chooseColor() override { return 0; }
    QString openFileName(const FileRequest &) override { return {}; }
    QString saveFileName(const FileRequest &) override { return {}; }
};

} // namespace

int main(int argc, char *argv[])
{
    const BenchSupport::OffscreenApp app(argv[0]);
    const int repetitions = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 1000;

    QTemporaryDir dir;
    SilentDialogs dialogs;
    RecordingSurface printer;
    AppContext context{Paths::under(dir.path()), dialogs, printer};
    frmPrincipal window(context);
    JobDocument &docs = window.documents();
    window.documentCommands().busyMilliseconds = 0;

    // A same-number job with two positions on, saved once so that it has a name.
    const QString file = dir.filePath(QStringLiteral("rifa.trv"));
    window.findChild<QLineEdit *>(QStringLiteral("txtDesde"))->setText(QStringLiteral("0001"));
    window.findChild<QLineEdit *>(QStringLiteral("txtHasta"))->setText(QStringLiteral("0500"));
    window.findChild<QLineEdit *>(QStringLiteral("txtPosX_0"))->setText(QStringLiteral("500"));
    docs.ArchivoActual = file;
    docs.DesdeLineaComandos = true;
    // Position 5 is off, so its box is not saved; typing into it marks the job changed, and so
    // makes every Save write the file.
    QLineEdit *offBox = window.findChild<QLineEdit *>(QStringLiteral("txtPosX_5"));
    auto change = [offBox, n = 0]() mutable { offBox->setText(QString::number(++n % 2)); };
    change();
    if (!docs.SaveTextControl())
        return 1;

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < repetitions; ++i)
        if (docs.AbrirArchivo(file) != JobDocument::Opened::Yes)
            return 1;
    const double openMs = double(clock.nsecsElapsed()) / 1e6 / repetitions;

    clock.restart();
    for (int i = 0; i < repetitions; ++i) {
        change();
        if (!docs.SaveTextControl())
            return 1;
    }
    const double saveMs = double(clock.nsecsElapsed()) / 1e6 / repetitions;

    std::printf("repetitions=%d\n", repetitions);
    std::printf("open_ms=%.3f save_ms=%.3f\n", openMs, saveMs);
    return 0;
}
