// A designer's PDF under the numbers, as the user meets it: the File menu's entries, the job
// file's keys, the checks before a run in the window and on the command line, and the preview.
#include "DesignPdfs.h"
#include "DocumentCommands.h"
#include "FormHarness.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "TestFiles.h"
#include "frmPaginaPlantilla.h"
#include "frmVistaPrevia.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

// A same-number job of three sheets, 0001 to 0003, with the template section given.
QByteArray job(const QByteArray &plantilla)
{
    return "[Ultima Impresi\xf3n Solapa:0]\r\nPosX_0=5000\r\nPosY_0=6000\r\nCheck1_0=0\r\n"
           "Desde=0001\r\nHasta=0003\r\nsstab= 0\r\n"
           "[Fuentes]\r\nColor=0\r\nTama\xf1o=14\r\nIndice=DejaVu Sans\r\n[Solapa]\r\nSStab=0\r\n" +
           plantilla;
}

struct Window : FormHarness<QtPrinterSurface>
{
    Window()
    {
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        probe.setJobModified(false);
        w.documentCommands().busyMilliseconds = 0;
    }
    QAction *menu(const QString &name) { return w.findChild<QAction *>(name); }
    // Picks `file` with "Plantilla PDF..."; a question for the page is answered with `page`.
    void choose(const QString &file, int page)
    {
        dialogs.fileNames.enqueue(file);
        QTimer::singleShot(0, &w, [this, page] {
            if (auto *ask = w.findChild<frmPaginaPlantilla *>()) {
                ask->txtPagina->setValue(page);
                ask->accept();
            }
        });
        menu(QStringLiteral("mnuPlantilla"))->trigger();
    }
    QStringList pdfs() const
    {
        return QDir(tmp.paths().pdfOutputFolder).entryList({QStringLiteral("*.pdf")});
    }
};

} // namespace

class TestTemplate : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

    struct Run
    {
        int status;
        QString err;
    };
    Run printFromCommandLine(const QString &jobFile, const QString &output)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_tmp.path("home"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TESSARINO_EXE), {"--print", jobFile, "--output", output});
        if (!process.waitForFinished(60000))
            return {-1, "did not finish"};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

private Q_SLOTS:
    void theJobFileKeepsTheTemplateRelativeInsideItsFolder_data()
    {
        QTest::addColumn<QString>("design"); // from the test folder
        QTest::addColumn<QString>("stored"); // "" for the absolute path
        QTest::newRow("debajo") << "trabajos/disenos/rifa.pdf"
                                << "disenos/rifa.pdf";
        QTest::newRow("al lado") << "trabajos/rifa.pdf"
                                 << "rifa.pdf";
        QTest::newRow("fuera") << "otros/rifa.pdf"
                               << "";
    }
    void theJobFileKeepsTheTemplateRelativeInsideItsFolder()
    {
        QFETCH(QString, design);
        QFETCH(QString, stored);
        Window h;
        QVERIFY(h.open(0));
        const QString pdf = h.tmp.path(design);
        QDir().mkpath(QFileInfo(pdf).absolutePath());
        QDir().mkpath(h.tmp.path("trabajos"));
        DesignPdfs::write(pdf);
        QVERIFY(!h.menu("mnuSinPlantilla")->isEnabled());
        h.choose(pdf, 2);
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.texts().join('\n')));
        QVERIFY(h.probe.jobModified());
        const QString jobFile = h.tmp.path("trabajos/rifa.trv");
        h.dialogs.fileNames.enqueue(jobFile);
        h.menu("mnuguardar")->trigger();
        const QString archivo = stored.isEmpty() ? QFileInfo(pdf).absoluteFilePath() : stored;
        QVERIFY2(
            bytesOf(jobFile).endsWith(("[Plantilla]\r\nArchivo=" + archivo + "\r\nPagina=2\r\n").toUtf8()),
            bytesOf(jobFile).constData());

        // A new job has none; opening the file brings it back whole.
        h.menu("mnuNueMismo")->trigger();
        QVERIFY(!h.printer.pdfTemplate());
        QCOMPARE(h.w.documents().AbrirArchivo(jobFile), JobDocument::Opened::Yes);
        QCOMPARE(h.printer.pdfTemplate(), (PdfTemplate{QFileInfo(pdf).absoluteFilePath(), 2}));

        // "Sin plantilla" takes it away, and the next save leaves no section for it.
        h.w.documents().ArchivoGuardado = h.w.documents().ArchivoActual = jobFile;
        h.menu("mnuSinPlantilla")->trigger();
        QVERIFY(!h.printer.pdfTemplate() && h.probe.jobModified());
        h.menu("mnuguardar")->trigger();
        QVERIFY2(!bytesOf(jobFile).contains("Plantilla"), bytesOf(jobFile).constData());
        QVERIFY(bytesOf(jobFile).endsWith("[Solapa]\r\nSStab=0\r\n"));
        QCOMPARE(h.w.documents().AbrirArchivo(jobFile), JobDocument::Opened::Yes);
        QVERIFY(!h.printer.pdfTemplate());
    }

    void aFileThatCannotServeIsRefusedAtTheMenu()
    {
        Window h;
        QVERIFY(h.open(0));
        const QString good = DesignPdfs::write(h.tmp.path("diseno.pdf"));
        h.choose(good, 2);
        h.probe.setJobModified(false);
        h.choose(DesignPdfs::notPdf(h.tmp.path("lista.pdf")), 1);
        QVERIFY(h.dialogs.texts().join('\n').contains("no es un archivo PDF"));
        QCOMPARE(h.printer.pdfTemplate(), (PdfTemplate{good, 2}));
        QVERIFY(!h.probe.jobModified());
    }

    void theWindowChecksTheTemplateBeforeTheRun_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("printed");
        QTest::newRow("falta") << "falta" << 0 << "No se encuentra la plantilla" << 0;
        QTest::newRow("mayor, no") << "A3" << int(Dialogs::No) << "lo que no cabe" << 0;
        QTest::newRow("mayor, sí") << "A3" << int(Dialogs::Yes) << "lo que no cabe" << 1;
        QTest::newRow("cabe") << "A4" << 0 << "" << 1;
    }
    void theWindowChecksTheTemplateBeforeTheRun()
    {
        QFETCH(QString, kind);
        QFETCH(int, answer);
        QFETCH(QString, said);
        QFETCH(int, printed);
        Window h;
        QVERIFY(h.open(0));
        const QString pdf = h.tmp.path("diseno.pdf");
        DesignPdfs::write(pdf, QPageSize(kind == "A3" ? QPageSize::A3 : QPageSize::A4));
        h.choose(pdf, 1);
        if (kind == "falta")
            QFile::remove(pdf);
        if (answer)
            h.dialogs.answers.enqueue(answer);
        h.type("txtPosX_0", "1440");
        h.type("txtPosY_0", "6000");
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        QCOMPARE(h.pdfs().size(), printed);
        QCOMPARE(h.dialogs.texts().join('\n').contains(said.isEmpty() ? "plantilla" : said), !said.isEmpty());
        if (printed)
            QVERIFY(PdfText::read(h.printer.lastPdfFile()).pages[0].texts().contains("PRUEBA"));
    }

    void thePreviewShowsTheDesignUnderTheNumbers()
    {
        Window h;
        QVERIFY(h.open(0));
        h.choose(DesignPdfs::write(h.tmp.path("diseno.pdf")), 1);
        h.type("txtPosX_0", "7000");
        h.type("txtPosY_0", "12000");
        QImage shown;
        QTimer::singleShot(0, &h.w, [&] {
            if (auto *preview = h.w.findChild<frmVistaPrevia *>()) {
                shown = preview->render(0, 72);
                preview->close();
            }
        });
        h.menu("mnuVistaPrevia")->trigger();
        QVERIFY2(!shown.isNull(), qPrintable(h.dialogs.texts().join('\n')));
        // The design's black frame, one pixel a point, and white paper beside it.
        const int left = int(DesignPdfs::kTitleLeft), top = int(DesignPdfs::kTitleTop);
        QCOMPARE(qGray(shown.pixel(left + 100, top + 70)), 0);
        QCOMPARE(qGray(shown.pixel(left + 100, top + 120)), 255);
    }

    void theCommandLineRefusesABadTemplateAndPrintsNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("said");
        QTest::newRow("bien") << "bien" << 2 << "";
        QTest::newRow("falta") << "falta" << 1 << "No se encuentra la plantilla";
        QTest::newRow("no es pdf") << "texto" << 1 << "no es un archivo PDF";
        QTest::newRow("contraseña") << "clave" << 1 << "protegida con contraseña";
        QTest::newRow("solo permisos") << "permisos" << 2 << "";
        QTest::newRow("dañada") << "dañada" << 1 << "está dañada";
        QTest::newRow("referencias desplazadas") << "desplazada" << 2 << "";
        QTest::newRow("sin página 3") << "bien" << 3 << "no tiene la página 3 (tiene 2)";
    }
    void theCommandLineRefusesABadTemplateAndPrintsNothing()
    {
        QFETCH(QString, kind);
        QFETCH(int, page);
        QFETCH(QString, said);
        QDir(m_tmp.path("cl")).removeRecursively();
        QDir().mkpath(m_tmp.path("cl/disenos"));
        QDir().mkpath(m_tmp.path("cl/salida"));
        const QString good = DesignPdfs::write(m_tmp.path("cl/bien.pdf"));
        const QString design = m_tmp.path("cl/disenos/d.pdf");
        if (kind == "bien")
            QFile::copy(good, design);
        else if (kind == "texto")
            DesignPdfs::notPdf(design);
        else if (kind == "clave" || kind == "permisos")
            DesignPdfs::encrypted(good, design, kind == "clave" ? "secreto" : "");
        else if (kind == "dañada")
            DesignPdfs::damaged(good, design);
        else if (kind == "desplazada")
            DesignPdfs::wrongCrossReferences(good, design);
        const QString jobFile = m_tmp.path("cl/rifa.trv");
        QFile file(jobFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            job("[Plantilla]\r\nArchivo=disenos/d.pdf\r\nPagina=" + QByteArray::number(page) + "\r\n"));
        file.close();
        const QByteArray before = bytesOf(jobFile);

        const Run r = printFromCommandLine(jobFile, m_tmp.path("cl/salida/rifa.pdf"));
        QCOMPARE(bytesOf(jobFile), before);
        if (said.isEmpty()) {
            QVERIFY2(r.status == 0, qPrintable(r.err));
            const PdfText pdf = PdfText::read(m_tmp.path("cl/salida/rifa.pdf"));
            QCOMPARE(pdf.pages.size(), 3);
            QCOMPARE(pdf.pages[2].texts(), (QStringList{"SEGUNDA", "HOJA", "0003"}));
            return;
        }
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(said) && r.err.contains("No se ha impreso nada."), qPrintable(r.err));
        QCOMPARE(
            QDir(m_tmp.path("cl/salida")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
    }
};

QTEST_MAIN(TestTemplate)
#include "tst_template.moc"
