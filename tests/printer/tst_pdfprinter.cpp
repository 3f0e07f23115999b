// The built-in PDF printer, read back from the files it writes.
#include "PdfPrinter.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "RuntimeError.h"
#include "TestPaths.h"

#include <QDir>
#include <QTest>

class TestPdfPrinter : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

    std::unique_ptr<QtPrinterSurface> pdfPrinter() { return ::pdfPrinter(m_tmp.paths().pdfOutputFolder); }

    QStringList pdfFiles() const
    {
        return QDir(m_tmp.paths().pdfOutputFolder)
            .entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

private Q_SLOTS:
    void isAlwaysInTheCollectionAndFullPage()
    {
        auto printer = pdfPrinter();
        QCOMPARE(printer->printers().last().deviceName, QStringLiteral("Tessarino PDF"));
        QCOMPARE(printer->scaleLeft(), 0.f);
        QCOMPARE(printer->scaleTop(), 0.f);
        QCOMPARE(printer->scaleWidth(), 11906.f);
        QCOMPARE(printer->scaleHeight(), 16838.f);
        printer->setOrientation(2);
        QCOMPARE(printer->scaleWidth(), 16838.f);
        QCOMPARE(printer->orientation(), 2);
        printer->setOrientation(1);
        QCOMPARE(printer->scaleHeight(), 16838.f);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, printer->setOrientation(3));
    }

    void drawingStartsTheDocumentAndABreakBeforeTheEndAddsNoSheet()
    {
        auto printer = pdfPrinter();
        QVERIFY(!printer->documentOpen());
        printer->setCurrentPosition(1440, 2880);
        printer->printText(QStringLiteral("Uno"));
        QVERIFY(printer->documentOpen());
        printer->newPage();
        printer->setCurrentPosition(1440, 2880);
        printer->printText(QStringLiteral("Dos"));
        printer->newPage();
        printer->endDoc();
        QVERIFY(!printer->documentOpen());

        const PdfText pdf = PdfText::read(printer->lastPdfFile());
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 2);
        QCOMPARE(pdf.pages[0].texts(), QStringList{QStringLiteral("Uno")});
        QCOMPARE(pdf.pages[1].texts(), QStringList{QStringLiteral("Dos")});
        QVERIFY(qAbs(pdf.pages[0].width - 595.3) < 0.5);
        QVERIFY(qAbs(pdf.pages[0].height - 841.9) < 0.5);
    }

    void textHangsFromThePositionAndEachPrintMovesOneLineDown()
    {
        auto printer = pdfPrinter();
        printer->setCurrentPosition(1440, 2880); // 72 pt, 144 pt
        printer->printText(QStringLiteral("Primero"));
        QCOMPARE(printer->currentX(), 0.f);
        const float lineTwips = printer->currentY() - 2880;
        QVERIFY2(lineTwips > 12 * 20 && lineTwips < 12 * 20 * 1.5, qPrintable(QString::number(lineTwips)));
        printer->printText(QStringLiteral("Segundo"));
        printer->printText(QString()); // only moves down
        QCOMPARE(printer->currentY(), 2880 + 3 * lineTwips);
        printer->endDoc();
        QCOMPARE(printer->currentY(), 0.f);

        const PdfText pdf = PdfText::read(printer->lastPdfFile());
        QCOMPARE(pdf.pages.size(), 1);
        QCOMPARE(pdf.pages[0].words.size(), 2);
        const auto *first = pdf.pages[0].find(QStringLiteral("Primero"));
        const auto *second = pdf.pages[0].find(QStringLiteral("Segundo"));
        QVERIFY(first && second);
        QVERIFY(qAbs(first->xMin - 72) < 1.5);
        QVERIFY(qAbs(first->yMin - 144) < 2.5);
        QVERIFY(qAbs(second->xMin - 0) < 1.5);
        QVERIFY(qAbs(second->yMin - (144 + lineTwips / 20)) < 2.5);
        // 12 points tall text
        QVERIFY(qAbs((first->yMax - first->yMin) - 12 * 1.16) < 2.5);
    }

    void anUnendedDocumentIsContinuedAndNoFileIsOverwritten()
    {
        const int before = int(pdfFiles().size());
        auto printer = pdfPrinter();
        printer->printText(QStringLiteral("A"));
        printer->newPage();
        // A run stopped here by an error leaves the document open; the next one continues it.
        printer->printText(QStringLiteral("B"));
        printer->newPage();
        printer->endDoc();
        const QString first = printer->lastPdfFile();
        printer->printText(QStringLiteral("C"));
        printer->endDoc();
        const QString second = printer->lastPdfFile();

        QCOMPARE(pdfFiles().size(), before + 2);
        QVERIFY(first != second);
        QCOMPARE(PdfText::read(first).pages.size(), 2);
        QCOMPARE(PdfText::read(second).pages[0].texts(), QStringList{QStringLiteral("C")});
    }

    // A dropped document leaves no file, not even an empty one; the next drawing starts afresh.
    void aDiscardedDocumentLeavesNoFile()
    {
        const QStringList before = pdfFiles();
        auto printer = pdfPrinter();
        printer->printText(QStringLiteral("A"));
        printer->newPage();
        printer->discardDocument();
        QVERIFY(!printer->documentOpen());
        QCOMPARE(pdfFiles(), before);
        printer->printText(QStringLiteral("B"));
        printer->endDoc();
        QCOMPARE(pdfFiles().size(), before.size() + 1);
        const PdfText pdf = PdfText::read(printer->lastPdfFile());
        QCOMPARE(pdf.pages.size(), 1);
        QCOMPARE(pdf.pages[0].texts(), QStringList{QStringLiteral("B")});
    }

    void endWithoutADocumentWritesNothing()
    {
        const auto before = pdfFiles();
        auto printer = pdfPrinter();
        printer->endDoc();
        QCOMPARE(pdfFiles(), before);
    }

    void anUnwritableFolderIsAnErrorNotACrash()
    {
        QFile blocker(m_tmp.path(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QtPrinterSurface printer(m_tmp.path(QStringLiteral("blocker/pdf")));
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        try {
            printer.printText(QStringLiteral("x"));
            QFAIL("printing into a file path should fail");
        } catch (const RuntimeError &e) {
            QCOMPARE(e.number(), RuntimeError::PrinterError);
            QVERIFY(e.description().contains(QStringLiteral("PDF")));
        }
        QVERIFY(!printer.documentOpen());
    }
};

QTEST_MAIN(TestPdfPrinter)
#include "tst_pdfprinter.moc"
