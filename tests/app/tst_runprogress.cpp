// A long run from the window: the progress window appears, "Cancelar" stops the run after the
// sheet under way, and the PDF holds exactly the sheets up to the number the message names.
#include "FormHarness.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "RunSummary.h"
#include "StopSignals.h"
#include "frmProgreso.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <csignal>

// These runs are about stopping one: no question before it starts.
template <typename H> void askNothingBeforeLongRuns(H &h)
{
    QString settings;
    QVERIFY(h.context.profiles.EscribirValoresIni({{LongRuns::kSection, LongRuns::kKey, "0"}}, settings,
                                                  nullptr));
}

class TestRunProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cancelKeepsTheSheetsUpToTheLastNumber()
    {
        FormHarness<QtPrinterSurface> h;
        h.printer.setCurrentPrinter(h.printer.pdfPrinterIndex());
        QVERIFY(h.open(0));
        h.type("txtDesde", "00000");
        h.type("txtHasta", "99999");
        askNothingBeforeLongRuns(h);
        h.type("txtPosX_0", "1440");
        h.type("txtPosY_0", "2000");

        QString shownText;
        bool leavesTheWindowUsable = false;
        QTimer watch;
        watch.setInterval(20);
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *progress = h.w.findChild<frmProgreso *>();
            if (!progress || !progress->isVisible() || !progress->cmdCancelar->isEnabled())
                return;
            shownText = progress->lblHoja->text();
            // Not modal: the main window takes the user's clicks while the run prints.
            leavesTheWindowUsable = QApplication::activeModalWidget() == nullptr && h.w.isEnabled();
            QTest::mouseClick(progress->cmdCancelar, Qt::LeftButton);
        });
        watch.start();
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        watch.stop();

        QVERIFY2(shownText.startsWith("Imprimiendo hoja "), qPrintable(shownText));
        QVERIFY2(shownText.endsWith(" de 100000"), qPrintable(shownText));
        QVERIFY(leavesTheWindowUsable);
        QCOMPARE(h.dialogs.messages.size(), 1);
        const QRegularExpressionMatch last =
            QRegularExpression(
                "^Impresión cancelada después de la hoja \\d+ de 100000; la última hoja impresa "
                "lleva el número (\\d{5})\\.")
                .match(h.dialogs.messages[0].text);
        QVERIFY2(last.hasMatch(), qPrintable(h.dialogs.messages[0].text));

        const PdfText pdf = PdfText::read(h.printer.lastPdfFile());
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        const int lastNumber = last.captured(1).toInt();
        QVERIFY(lastNumber > 0 && lastNumber < 99999);
        QCOMPARE(pdf.pages.size(), lastNumber + 1);
        QCOMPARE(pdf.pages.first().texts(), QStringList{"00000"});
        QCOMPARE(pdf.pages.last().texts(), QStringList{last.captured(1)});
    }

    // SIGTERM or SIGHUP during a window run end it as "Cancelar" does: the same message, a whole
    // PDF up to the last number, and the program goes on.
    void aStopSignalCancelsTheWindowRun()
    {
        StopSignals::install({SIGTERM, SIGHUP}, false);
        FormHarness<QtPrinterSurface> h;
        h.printer.setCurrentPrinter(h.printer.pdfPrinterIndex());
        QVERIFY(h.open(0));
        h.type("txtDesde", "00000");
        h.type("txtHasta", "99999");
        askNothingBeforeLongRuns(h);
        h.type("txtPosX_0", "1440");
        h.type("txtPosY_0", "2000");

        bool sent = false;
        QTimer watch;
        watch.setInterval(20);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (!sent && frmProgreso::running()) {
                sent = true;
                raise(SIGHUP);
            }
        });
        watch.start();
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        watch.stop();

        QVERIFY(sent);
        QCOMPARE(StopSignals::received(), 0); // the run took it
        QCOMPARE(h.dialogs.messages.size(), 1);
        const QRegularExpressionMatch last =
            QRegularExpression(
                "^Impresión cancelada después de la hoja \\d+ de 100000; la última hoja impresa "
                "lleva el número (\\d{5})\\.")
                .match(h.dialogs.messages[0].text);
        QVERIFY2(last.hasMatch(), qPrintable(h.dialogs.messages[0].text));
        const PdfText pdf = PdfText::read(h.printer.lastPdfFile());
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), last.captured(1).toInt() + 1);
    }
};

QTEST_MAIN(TestRunProgress)
#include "tst_runprogress.moc"
