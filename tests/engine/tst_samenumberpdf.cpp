// The same-number run end to end: printed through the built-in PDF printer and read back.
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "SameNumberRun.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <QTest>

class TestSameNumberPdf : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

private Q_SLOTS:
    void sheetsNumbersPositionsSizeAndColour()
    {
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        ScriptedDialogs dialogs;

        SameNumberJob job;
        job.desde = QStringLiteral("0008");
        job.hasta = QStringLiteral("0011");
        job.off.fill(true);
        job.off[0] = false;
        job.posX[0] = QStringLiteral("1440"); // 72 pt
        job.posY[0] = QStringLiteral("2000"); // 100 pt
        job.off[4] = false;
        job.posX[4] = QStringLiteral("6000");  // 300 pt
        job.posY[4] = QStringLiteral("10000"); // 500 pt
        const FontChoice font{QStringLiteral("DejaVu Sans"), QStringLiteral("20"), 255};

        QCOMPARE(runSameNumber(job, font, printer, dialogs), RunOutcome::Printed);
        QVERIFY(dialogs.messages.isEmpty());

        const PdfText pdf = PdfText::read(printer.lastPdfFile());
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 4);
        const QStringList expected{"0008", "0009", "0010", "0011"};
        for (int s = 0; s < 4; ++s) {
            const auto &page = pdf.pages[s];
            QCOMPARE(page.words.size(), 2);
            for (const auto &w : page.words) {
                QCOMPARE(w.text, expected[s]);
                const bool first = w.xMin < 200;
                QVERIFY2(qAbs(w.xMin - (first ? 72 : 300)) < 2, qPrintable(QString::number(w.xMin)));
                QVERIFY2(qAbs(w.yMin - (first ? 100 : 500)) < 3, qPrintable(QString::number(w.yMin)));
                // A 20-point font: the box is about 1.16 em high.
                QVERIFY2(qAbs((w.yMax - w.yMin) - 20 * 1.16) < 3,
                         qPrintable(QString::number(w.yMax - w.yMin)));
            }
        }

        const QImage image =
            PdfText::renderFirstPage(printer.lastPdfFile(), m_tmp.path(QStringLiteral("render")));
        QVERIFY(!image.isNull());
        const PdfText::Ink ink = PdfText::inkIn(image, pdf.pages[0].words.first());
        QVERIFY2(ink.red > 20, qPrintable(QString::number(ink.red)));
        QCOMPARE(ink.other, 0);
    }
};

QTEST_MAIN(TestSameNumberPdf)
#include "tst_samenumberpdf.moc"
