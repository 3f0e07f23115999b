// A designer's PDF under the numbers on a real CUPS queue (a private scheduler): the queue gets
// the page as one picture at the printer's resolution, stored once in the job, under every sheet.
#include "CupsScheduler.h"
#include "DesignPdfs.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "SameNumberRun.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <QTest>

class TestCupsTemplate : public QObject
{
    Q_OBJECT

    std::unique_ptr<CupsScheduler> m_cups;
    TestPaths m_tmp;

private Q_SLOTS:
    void initTestCase()
    {
        m_cups = std::make_unique<CupsScheduler>();
        QVERIFY2(m_cups->running(), qPrintable(m_cups->error()));
        QVERIFY2(m_cups->addCaptureQueue(QStringLiteral("Diseno")),
                 qPrintable(m_cups->error() + m_cups->log()));
    }

    void theQueueGetsTheDesignOnceUnderEverySheet()
    {
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        const auto list = printer.printers();
        for (int i = 0; i < list.size(); ++i)
            if (list[i].deviceName == QStringLiteral("Diseno"))
                printer.setCurrentPrinter(i);
        QVERIFY(!printer.pdfPrinterCurrent());
        printer.setPdfTemplate(PdfTemplate{DesignPdfs::write(m_tmp.path("diseno.pdf")), 1});
        SameNumberJob job;
        job.desde = QStringLiteral("0001");
        job.hasta = QStringLiteral("0003");
        job.off = {false, true, true, true, true, true};
        job.posX[0] = QStringLiteral("1440");
        job.posY[0] = QStringLiteral("8000");
        ScriptedDialogs dialogs;
        QCOMPARE(
            runSameNumber(job, {QStringLiteral("DejaVu Sans"), QStringLiteral("12"), 0}, printer, dialogs),
            RunOutcome::Printed);
        QVERIFY2(m_cups->waitForJobs(QStringLiteral("Diseno"), 1), qPrintable(m_cups->log()));

        const QString pdf = m_tmp.path("recibido.pdf");
        QFile out(pdf);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(m_cups->jobs(QStringLiteral("Diseno")).at(0).data());
        out.close();
        const PdfText text = PdfText::read(pdf);
        QCOMPARE(text.pages.size(), 3);
        QCOMPARE(text.pages[2].texts(), QStringList{QStringLiteral("0003")});
        QCOMPARE(DesignPdfs::countObjects(pdf, QStringLiteral("/Image")), 1);
        // The design's black frame, from the paper's corner whatever the queue's margins.
        const QImage page = PdfText::renderFirstPage(pdf, m_tmp.path("pagina"));
        const int left = int(DesignPdfs::kTitleLeft), top = int(DesignPdfs::kTitleTop);
        QVERIFY(qGray(page.pixel(left + 100, top + 70)) < 40);
        QVERIFY(qGray(page.pixel(left + 100, top + 120)) > 215);
    }

    void cleanupTestCase() { m_cups.reset(); }
};

QTEST_MAIN(TestCupsTemplate)
#include "tst_cupstemplate.moc"
