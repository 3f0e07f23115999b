// Sets, the run log and reprints from the window, printed through the built-in PDF printer and
// read back.
#include "DesignPdfs.h"
#include "FileSizeLimit.h"
#include "FormHarness.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "RunHistory.h"
#include "RunLog.h"
#include "frmProgreso.h"
#include "frmReimprimir.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QTimer>
#include <sys/stat.h>

namespace {

using Harness = FormHarness<QtPrinterSurface>;

struct PdfHarness : Harness
{
    QStringList pdfs; // every document the PDF printer finished, in order

    PdfHarness()
    {
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        printer.setDocumentFinishedHandler([this](const QString &pdf) { pdfs << pdf; });
    }
    std::vector<RunLog::Run> runs() const { return RunLog(tmp.paths().runLogFolder).read().runs; }
    void print(int page) { click(w.findChild<QPushButton *>(page == 0 ? "cmdImprimir" : "Command6")); }
};

QStringList sheetTexts(const QString &pdfFile)
{
    QStringList texts;
    for (const PdfText::Page &page : PdfText::read(pdfFile).pages)
        texts << page.texts().join(u' ');
    return texts;
}

void typeJob(PdfHarness &h, int page, const QString &from, const QString &to, const QString &sets)
{
    QVERIFY(h.open(page));
    if (page == 0) {
        h.type("txtDesde", from);
        h.type("txtHasta", to);
        h.type("txtPosX_0", "1440");
        h.type("txtPosY_0", "2000");
        h.type("txtJuegos", sets);
    } else {
        h.type("desde_0", from);
        h.type("hasta_0", to);
        h.type("posX_0", "1440");
        h.type("posY_0", "2000");
        h.type("txtJuegos2", sets);
    }
}

// Runs `act` on the window's first visible widget of type T once a modal loop shows it.
template <typename T> void whenShown(PdfHarness &h, std::function<void(T *)> act)
{
    auto *poll = new QTimer(&h.w);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [&h, poll, act] {
        for (T *widget : h.w.findChildren<T *>())
            if (widget->isVisible()) {
                poll->deleteLater();
                poll->stop();
                act(widget);
                return;
            }
    });
    poll->start();
}

} // namespace

class TestRunLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setsRepeatEverySheetAndTheRunIsLogged_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("same number") << 0;
        QTest::newRow("distinct number") << 1;
    }
    void setsRepeatEverySheetAndTheRunIsLogged()
    {
        QFETCH(int, page);
        PdfHarness h;
        typeJob(h, page, "0001", "0003", "3");
        h.print(page);
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.texts().join('\n')));
        QCOMPARE(sheetTexts(h.printer.lastPdfFile()),
                 QStringList({"0001", "0001", "0001", "0002", "0002", "0002", "0003", "0003", "0003"}));

        const auto runs = h.runs();
        QCOMPARE(runs.size(), std::size_t(1));
        const RunLog::Run &run = runs[0];
        QCOMPARE(run.estado, RunLog::kCompleta);
        QCOMPARE(run.pagina, page);
        QCOMPARE(run.hojas, 9);
        QCOMPARE(run.impresas, 9);
        QCOMPARE(run.primera, QString("0001"));
        QCOMPARE(run.ultima, QString("0003"));
        QCOMPARE(run.trabajo, QString("Nuevo 1"));
        QCOMPARE(run.impresora, QString("Tessarino PDF"));
        QVERIFY(run.inicio.isValid() && run.fin >= run.inicio);
        QVERIFY(QFile::exists(run.copia));
    }

    void badSetsAreRefusedBeforePrinting_data()
    {
        QTest::addColumn<QString>("sets");
        QTest::newRow("zero") << "0";
        QTest::newRow("eleven") << "11";
        QTest::newRow("letters") << "x";
        QTest::newRow("blank") << " ";
    }
    void badSetsAreRefusedBeforePrinting()
    {
        QFETCH(QString, sets);
        PdfHarness h;
        typeJob(h, 0, "0001", "0003", sets);
        h.print(0);
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY2(h.dialogs.messages[0].text.contains("«Juegos»"), qPrintable(h.dialogs.messages[0].text));
        QVERIFY(h.pdfs.isEmpty());
        QVERIFY(h.runs().empty());
    }

    // 1,000 sheets cancelled from the progress window as soon as it shows (at once here, however
    // fast the machine) and continued from its end message: the two documents together hold
    // every number once, in order.
    void cancelledRunContinuesFromTheNextSheet()
    {
        PdfHarness h;
        typeJob(h, 0, "00001", "01000", "1");
        h.dialogs.answers.enqueue(Dialogs::Ok); // the question before a long run: go on
        const QScopedValueRollback showAtOnce(frmProgreso::showAfterMs, 0);
        bool cancelled = false;
        QTimer watch;
        watch.setInterval(20);
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *progress = h.w.findChild<frmProgreso *>();
            if (cancelled || !progress || !progress->isVisible())
                return;
            cancelled = true;
            QTest::mouseClick(progress->cmdCancelar, Qt::LeftButton);
        });
        watch.start();
        h.dialogs.answers.enqueue(0); // "Continuar"
        h.print(0);
        watch.stop();

        QVERIFY(cancelled);
        QCOMPARE(h.dialogs.choices.size(), 1);
        QCOMPARE(h.dialogs.choices[0], QStringList({"Continuar", "Aceptar"}));
        QCOMPARE(h.pdfs.size(), 2);
        const QStringList first = sheetTexts(h.pdfs[0]);
        const QStringList rest = sheetTexts(h.pdfs[1]);
        QVERIFY(!first.isEmpty() && !rest.isEmpty());
        QVERIFY2(h.dialogs.messages[1].text.contains(QStringLiteral("número %1.").arg(first.last())),
                 qPrintable(h.dialogs.messages[1].text));
        const QStringList all = first + rest;
        QCOMPARE(all.size(), 1000);
        for (int n = 0; n < all.size(); ++n)
            QCOMPARE(all[n], QStringLiteral("%1").arg(n + 1, 5, 10, QChar(u'0')));

        const auto runs = h.runs();
        QCOMPARE(runs.size(), std::size_t(2));
        QCOMPARE(runs[0].estado, RunLog::kCancelada);
        QCOMPARE(runs[0].impresas, first.size());
        QCOMPARE(runs[1].estado, RunLog::kCompleta);
        QCOMPARE(runs[1].hojaInicial, first.size() + 1);
        QCOMPARE(runs[1].hojas, rest.size());
        QCOMPARE(runs[1].copia, runs[0].copia);
    }

    void aRunThatFailsIsLoggedAsFailed()
    {
        PdfHarness h;
        typeJob(h, 1, "0001", "0003", "1");
        // The PDF printer's folder is a file: the first sheet cannot be written.
        QFile blocker(h.tmp.paths().pdfOutputFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        h.print(1);
        QCOMPARE(h.dialogs.messages.size(), 1);
        const auto runs = h.runs();
        QCOMPARE(runs.size(), std::size_t(1));
        QCOMPARE(runs[0].estado, RunLog::kFallida);
        QCOMPARE(runs[0].impresas, 0);
    }

    // Sheets J..K reprinted from the log's copy match the original sheet by sheet, while the open
    // job and the printer's orientation stay as the user left them.
    void reprintMatchesTheOriginalSheets()
    {
        PdfHarness h;
        QVERIFY(h.open(1));
        h.click("Check2_1");
        for (int j = 0; j < 2; ++j) {
            h.type(QStringLiteral("posX_%1").arg(j), QString::number(1440 + 4000 * j));
            h.type(QStringLiteral("posY_%1").arg(j), "4000"); // below the design's black band
        }
        h.w.findChild<QCheckBox *>("chkPilas")->setChecked(true);
        h.w.findChild<QLineEdit *>("txtPilasHasta")->setText("0020");
        h.type("txtJuegos2", "2");
        h.type(h.w.findChild<QLineEdit *>("txtTamaño"), "20");
        h.dialogs.colors.enqueue(255); // red
        QTest::mouseDClick(h.w.findChild<QLabel *>("PicColor"), Qt::LeftButton);
        h.click("chVert2"); // landscape
        h.printer.setPdfTemplate(
            PdfTemplate{DesignPdfs::write(h.tmp.path("diseno.pdf"), QPageSize(QPageSize::A5)), 1});
        h.print(1);
        const PdfText original = PdfText::read(h.printer.lastPdfFile());
        QCOMPARE(original.pages.size(), 20); // 10 sheets of two piles, twice each
        QVERIFY(original.pages[0].width > original.pages[0].height);

        h.type("txtJuegos2", "5");
        h.click("chVert2");
        h.printer.setPdfTemplate(std::nullopt); // the design is taken off the open job
        whenShown<frmReimprimir>(h, [](frmReimprimir *dialog) {
            dialog->txtDesdeHoja->setText("5");
            dialog->txtHastaHoja->setText("12");
            dialog->accept();
        });
        h.w.findChild<QAction *>("mnuReimprimir")->trigger();

        const PdfText again = PdfText::read(h.printer.lastPdfFile());
        QCOMPARE(again.pages.size(), 8);
        QVERIFY(again.pages[0].find(QStringLiteral("DISEÑO")));
        for (int s = 0; s < 8; ++s) {
            const PdfText::Page &a = original.pages[4 + s], &b = again.pages[s];
            QCOMPARE(b.texts(), a.texts());
            QCOMPARE(b.width, a.width);
            QCOMPARE(b.height, a.height);
            for (int k = 0; k < a.words.size(); ++k) {
                QCOMPARE(b.words[k].xMin, a.words[k].xMin);
                QCOMPARE(b.words[k].yMin, a.words[k].yMin);
                QCOMPARE(b.words[k].yMax, a.words[k].yMax);
            }
        }
        const QImage first = PdfText::renderFirstPage(h.printer.lastPdfFile(), h.tmp.path("again"));
        const auto number = std::find_if(again.pages[0].words.begin(), again.pages[0].words.end(),
                                         [](const PdfText::Word &w) { return w.text.front().isDigit(); });
        QVERIFY(number != again.pages[0].words.end());
        const PdfText::Ink ink = PdfText::inkIn(first, *number);
        QVERIFY(ink.red > 20 && ink.other == 0);
        QCOMPARE(h.box("txtJuegos2")->text(), QString("5"));
        QCOMPARE(h.printer.orientation(), int(PrinterSurface::Portrait));
        QVERIFY(!h.printer.pdfTemplate());
        const auto runs = h.runs();
        QCOMPARE(runs.size(), std::size_t(2));
        QCOMPARE(runs[1].hojaInicial, 5);
        QCOMPARE(runs[1].hojas, 8);
    }

    // The log window shows the latest state of every run, newest first, a run that never ended
    // as not finished, and exports that.
    void theLogWindowShowsNewestFirstAndExports()
    {
        PdfHarness h;
        typeJob(h, 0, "0001", "0002", "1");
        h.print(0);
        RunLog::Run killed;
        killed.id = RunLog::newId();
        killed.inicio = QDateTime::currentDateTime().addSecs(60);
        killed.trabajo = "/trabajos/rifa, grande.trv";
        killed.hojas = 500;
        QVERIFY(RunLog(h.tmp.paths().runLogFolder).append(killed, nullptr));

        const QString exported = h.tmp.path("export.csv");
        h.dialogs.fileNames.enqueue(exported);
        QStringList rows;
        whenShown<QTableView>(h, [&](QTableView *grid) {
            for (int r = 0; r < grid->model()->rowCount(); ++r)
                rows << grid->model()->index(r, 1).data().toString() + '|' +
                            grid->model()->index(r, 3).data().toString();
            QTest::mouseClick(h.w.findChild<QPushButton *>("cmdExportar"), Qt::LeftButton);
            grid->window()->close();
        });
        h.w.findChild<QAction *>("mnuRegistro")->trigger();

        QCOMPARE(rows, QStringList({"sin terminar|rifa, grande.trv", "completa|Nuevo 1"}));
        QFile csv(exported);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(
            "id,inicio,fin,estado,impresora,trabajo,pagina,hojas,impresas,primera,ultima"));
        QVERIFY2(lines[1].contains(",en curso,") && lines[1].contains("\"/trabajos/rifa, grande.trv\""),
                 qPrintable(lines[1]));
        QVERIFY(lines[2].contains(",completa,"));
    }

    // A run whose first line cannot go into the log (a full disk, a pipe where the log should be)
    // does not start: the message says why, and no sheet, file or copy of the job is left.
    void aRunThatCannotBeLoggedDoesNotStart_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QString>("why");
        QTest::newRow("full disk") << false << "el archivo supera el tamaño máximo";
        QTest::newRow("pipe") << true << "no es un archivo normal";
    }
    void aRunThatCannotBeLoggedDoesNotStart()
    {
        QFETCH(bool, pipe);
        QFETCH(QString, why);
        PdfHarness h;
        const RunLog log(h.tmp.paths().runLogFolder);
        QVERIFY(QDir().mkpath(h.tmp.paths().runLogFolder));
        if (pipe) {
            QCOMPARE(::mkfifo(QFile::encodeName(log.file()).constData(), 0600), 0);
        } else {
            // Earlier runs make the log larger than a job's copy: the copy fits, the line does not.
            RunLog::Run earlier;
            earlier.trabajo = QString(200, u'x');
            for (int i = 0; i < 100; ++i) {
                earlier.id = RunLog::newId();
                QVERIFY(log.append(earlier, nullptr));
            }
        }
        typeJob(h, 0, "0001", "0003", "1");
        {
            const FileSizeLimit full(pipe ? RLIM_INFINITY : rlim_t(QFileInfo(log.file()).size() + 20));
            QVERIFY(full.active());
            h.print(0);
        }
        QCOMPARE(h.dialogs.messages.size(), 1);
        const QString text = h.dialogs.messages[0].text;
        QVERIFY2(text.contains(QStringLiteral("no empezó")) && text.contains(why), qPrintable(text));
        QVERIFY(h.pdfs.isEmpty());
        QVERIFY(QDir(h.tmp.paths().pdfOutputFolder).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(QDir(log.copiesFolder()).entryList(QDir::Files).isEmpty());
        if (!pipe)
            QCOMPARE(log.read().runs.size(), std::size_t(100));
    }

    // A run the window refuses leaves nothing in the PDF printer's folder and nothing in the log,
    // whatever refuses it and on either page.
    void aRefusedRunLeavesNoFile_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("says");
        QTest::newRow("same number, too large") << 0 << "9007199254740993"
                                                << "12"
                                                << "demasiado grande";
        QTest::newRow("distinct number, too large") << 1 << "9007199254740993"
                                                    << "12"
                                                    << "demasiado grande";
        QTest::newRow("same number, bad size") << 0 << "0001"
                                               << "0"
                                               << "Tamaño de fuente no válida";
    }
    void aRefusedRunLeavesNoFile()
    {
        QFETCH(int, page);
        QFETCH(QString, number);
        QFETCH(QString, size);
        QFETCH(QString, says);
        PdfHarness h;
        typeJob(h, page, number, number, "1");
        h.type(h.w.findChild<QLineEdit *>("txtTamaño"), size);
        h.print(page);
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY2(h.dialogs.messages[0].text.contains(says), qPrintable(h.dialogs.messages[0].text));
        QVERIFY(QDir(h.tmp.paths().pdfOutputFolder).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(!h.printer.documentOpen());
        QVERIFY(h.runs().empty());
    }

    // The log window says what is wrong with the log instead of hanging on it or showing junk.
    void theLogWindowSaysWhatItCouldNotRead_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QString>("said");
        QTest::newRow("pipe") << true << "no es un archivo normal";
        QTest::newRow("junk line") << false << "(líneas 3)";
    }
    void theLogWindowSaysWhatItCouldNotRead()
    {
        QFETCH(bool, pipe);
        QFETCH(QString, said);
        PdfHarness h;
        const RunLog log(h.tmp.paths().runLogFolder);
        QVERIFY(QDir().mkpath(h.tmp.paths().runLogFolder));
        RunLog::Run run;
        run.id = RunLog::newId();
        if (pipe) {
            QCOMPARE(::mkfifo(QFile::encodeName(log.file()).constData(), 0600), 0);
        } else {
            QVERIFY(log.append(run, nullptr));
            QFile file(log.file());
            QVERIFY(file.open(QIODevice::Append));
            file.write("\x7f\x45\x4c\x46 basura\n");
        }
        int rows = -1;
        whenShown<QTableView>(h, [&](QTableView *grid) {
            rows = grid->model()->rowCount();
            grid->window()->close();
        });
        h.w.findChild<QAction *>("mnuRegistro")->trigger();
        QCOMPARE(rows, pipe ? 0 : 1);
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY2(h.dialogs.messages[0].text.contains(said), qPrintable(h.dialogs.messages[0].text));
    }
};

QTEST_MAIN(TestRunLog)
#include "tst_runlog.moc"
