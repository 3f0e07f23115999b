// Numbering over a designer's PDF page on the built-in PDF printer: the page lies under every
// sheet at the paper's top-left corner, as vector content stored once.
#include "DesignPdfs.h"
#include "PageImageSurface.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "RuntimeError.h"
#include "TestPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

class TestPdfTemplate : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

    std::unique_ptr<QtPrinterSurface> pdfPrinter(const PdfTemplate &design)
    {
        auto printer = std::make_unique<QtPrinterSurface>(m_tmp.paths().pdfOutputFolder);
        printer->setCurrentPrinter(printer->pdfPrinterIndex());
        printer->setFontName(QStringLiteral("DejaVu Sans"));
        printer->setFontSize(14);
        printer->setPdfTemplate(design);
        return printer;
    }

    QStringList pdfFiles() const
    {
        return QDir(m_tmp.paths().pdfOutputFolder).entryList(QDir::Files | QDir::Hidden);
    }

private Q_SLOTS:
    void theDesignLiesUnderEverySheetStoredOnce_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("sheets");
        QTest::newRow("vertical, 1.000 hojas") << 1 << 1000;
        QTest::newRow("apaisado") << 2 << 20;
    }
    void theDesignLiesUnderEverySheetStoredOnce()
    {
        QFETCH(int, orientation);
        QFETCH(int, sheets);
        const PdfTemplate design{DesignPdfs::write(m_tmp.path("diseno.pdf")), 1};
        const PdfText::Word title = *PdfText::read(design.file).pages[0].find(QStringLiteral("DISEÑO"));
        auto printer = pdfPrinter(design);
        printer->setOrientation(orientation);
        for (int k = 1; k <= sheets; ++k) {
            printer->setCurrentPosition(5000, 6000);
            printer->printText(QString::number(k).rightJustified(4, u'0'));
            printer->newPage();
        }
        printer->endDoc();

        const QString file = printer->lastPdfFile();
        const PdfText pdf = PdfText::read(file);
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), sheets);
        for (int k = 0; k < sheets; ++k) {
            const PdfText::Page &page = pdf.pages[k];
            QCOMPARE(page.width > page.height, orientation == 2);
            const QString number = QString::number(k + 1).rightJustified(4, u'0');
            QCOMPARE(page.texts(), (QStringList{QStringLiteral("DISEÑO"), QStringLiteral("DE"),
                                                QStringLiteral("PRUEBA"), number}));
            // At 100%, from the paper's top-left corner, as in the design itself.
            const PdfText::Word *placed = page.find(QStringLiteral("DISEÑO"));
            QVERIFY(qAbs(placed->xMin - title.xMin) < 0.5 && qAbs(placed->yMin - title.yMin) < 0.5);
            QVERIFY(qAbs(page.find(number)->xMin - 250) < 1);
        }
        // One form XObject for all the sheets, no picture of the page anywhere.
        QCOMPARE(DesignPdfs::countObjects(file, QStringLiteral("/Form")), 1);
        QCOMPARE(DesignPdfs::countObjects(file, QStringLiteral("/Image")), 0);
        QVERIFY2(QFileInfo(file).size() <= QFileInfo(design.file).size() + 2048 * sheets,
                 qPrintable(QString::number(QFileInfo(file).size())));
        QFile::remove(file);
    }

    // The bleed around the trim box is cut off on paper and in the preview alike.
    void theTrimBoxLiesAtThePaperCorner()
    {
        const PdfTemplate design{DesignPdfs::withBleed(m_tmp.path("sangrado.pdf")), 1};
        auto printer = pdfPrinter(design);
        printer->setCurrentPosition(5000, 6000);
        printer->printText(QStringLiteral("0001"));
        printer->endDoc();
        PageImageSurface preview(QSizeF(11906, 16838), QRectF(0, 0, 11906, 16838), 72);
        preview.setPdfTemplate(design);
        preview.setCurrentPosition(5000, 6000);
        preview.printText(QStringLiteral("0001"));
        const QImage printed = PdfText::renderFirstPage(printer->lastPdfFile(), m_tmp.path("sangrado"));
        for (const QImage &sheet : {printed, preview.image()}) {
            QCOMPARE(qGray(sheet.pixel(25, 10)), 0);
            QCOMPARE(qGray(sheet.pixel(25, 25)), 255);
            QCOMPARE(qGray(sheet.pixel(55, 10)), 255);
        }
        QFile::remove(printer->lastPdfFile());
    }

    void aDesignThatCannotBePlacedLeavesNoFileAndSaysWhy()
    {
        const QString copy = m_tmp.path("se-borra.pdf");
        auto printer = pdfPrinter({DesignPdfs::write(copy), 2});
        printer->setCurrentPosition(1440, 1440);
        printer->printText(QStringLiteral("0001"));
        QFile::remove(copy); // gone between the check before the run and its end
        try {
            printer->endDoc();
            QFAIL("the document ended without its design");
        } catch (const RuntimeError &error) {
            QVERIFY2(error.description().contains(QStringLiteral("No se pudo poner la plantilla")),
                     qPrintable(error.description()));
        }
        QCOMPARE(pdfFiles(), QStringList());
        QVERIFY(!printer->documentOpen());
    }
};

QTEST_MAIN(TestPdfTemplate)
#include "tst_pdftemplate.moc"
