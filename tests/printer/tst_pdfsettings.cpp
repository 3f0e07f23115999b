// Page and device settings on the built-in PDF printer, and the printer test page.
#include "PdfPrinter.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "RecordingSurface.h"
#include "RuntimeError.h"
#include "TestPage.h"
#include "TestPaths.h"

#include <QTest>

class TestPdfSettings : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

    std::unique_ptr<QtPrinterSurface> pdfPrinter() { return ::pdfPrinter(m_tmp.paths().pdfOutputFolder); }

private Q_SLOTS:
    void a5AndTwoCopiesGiveEachA5SheetTwice()
    {
        auto printer = pdfPrinter();
        const PrinterSettings a4 = printer->currentSettings();
        QCOMPARE(a4.paperSize, int16_t(9));
        QCOMPARE(a4.width, 11906);
        QCOMPARE(a4.copies, int16_t(1));
        printer->setPaperSize(11);
        printer->setCopies(2);
        QCOMPARE(printer->paperSize(), int16_t(11));
        QCOMPARE(printer->width(), 8391);
        QCOMPARE(printer->scaleHeight(), 11906.f);
        for (const char *number : {"0001", "0002"}) {
            printer->setCurrentPosition(1440, 1440);
            printer->printText(QString::fromLatin1(number));
            printer->newPage();
        }
        printer->endDoc();

        const PdfText pdf = PdfText::read(printer->lastPdfFile());
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 4);
        const QStringList expected{QStringLiteral("0001"), QStringLiteral("0001"), QStringLiteral("0002"),
                                   QStringLiteral("0002")};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(pdf.pages[i].texts(), QStringList{expected[i]});
            QVERIFY(qAbs(pdf.pages[i].width - 419.5) < 1);
            QVERIFY(qAbs(pdf.pages[i].words[0].xMin - 72) < 1.5);
        }
    }

    void zoomScalesTheDrawingAndRefusedValuesChangeNothing()
    {
        auto printer = pdfPrinter();
        printer->setZoom(50);
        printer->setCurrentPosition(2880, 2880);
        printer->printText(QStringLiteral("Medio"));
        printer->endDoc();
        const PdfText pdf = PdfText::read(printer->lastPdfFile());
        QVERIFY(qAbs(pdf.pages[0].words[0].xMin - 72) < 1.5);

        const PrinterSettings before = printer->currentSettings();
        for (const auto &refuse : std::initializer_list<std::function<void()>>{
                 [&] { printer->setPaperSize(500); }, [&] { printer->setWidth(-5); },
                 [&] { printer->setCopies(0); }, [&] { printer->setZoom(0); },
                 [&] { printer->setColorMode(3); }, [&] { printer->setPrintQuality(-7); },
                 [&] { printer->setScaleWidth(0); }, [&] { printer->setScaleHeight(-1); }})
            QVERIFY_THROWS_EXCEPTION(RuntimeError, refuse());
        const PrinterSettings after = printer->currentSettings();
        QCOMPARE(after.paperSize, before.paperSize);
        QCOMPARE(after.width, before.width);
        QCOMPARE(after.copies, before.copies);
        QCOMPARE(after.zoom, before.zoom);
        QCOMPARE(after.scaleWidth, before.scaleWidth);
        QCOMPARE(after.scaleHeight, before.scaleHeight);
        QCOMPARE(after.printQuality, before.printQuality);
    }

    void theTestPageFramesThePrintableAreaAndShowsThirteenSizes()
    {
        RecordingSurface recording;
        TestPage::print(recording);
        const auto &page = recording.documents().at(0).pages.at(0);
        QVERIFY(recording.documents()[0].ended);
        QCOMPARE(page.lines.size(), size_t(3));
        QVERIFY(page.lines[0].box);
        QCOMPARE(QLineF(page.lines[0].from, page.lines[0].to), QLineF(0, 0, 11906, 16838));
        QCOMPARE(QLineF(page.lines[1].from, page.lines[1].to), QLineF(0, 0, 11906, 16838));
        QCOMPARE(QLineF(page.lines[2].from, page.lines[2].to), QLineF(0, 16838, 11906, 0));
        QCOMPARE(page.lines[2].color, QColor(Qt::black));
        QCOMPARE(page.texts.size(), size_t(13));
        QCOMPARE(page.texts[0].positionTwips, QPointF(0, 500));
        for (int i = 0; i < 13; ++i) {
            QCOMPARE(page.texts[i].text, QStringLiteral("Vireo & Trazo"));
            QCOMPARE(page.texts[i].fontSize, float(10 + 5 * i));
        }
        QCOMPARE(recording.fontSize(), 70.f);

        auto printer = pdfPrinter();
        TestPage::print(*printer);
        const PdfText pdf = PdfText::read(printer->lastPdfFile());
        QCOMPARE(pdf.pages.size(), 1);
        std::vector<PdfText::Word> names;
        for (const PdfText::Word &word : pdf.pages[0].words)
            if (word.text == QLatin1String("Vireo"))
                names.push_back(word);
        QCOMPARE(names.size(), size_t(13));
        QVERIFY(qAbs(names[0].yMin - 25) < 3); // 500 twips down
        QVERIFY(names[0].xMin < 1.5);
        // Each line lower and taller than the one before.
        for (size_t i = 1; i < 13; ++i)
            QVERIFY(names[i].yMin > names[i - 1].yMax - 1 &&
                    names[i].yMax - names[i].yMin > names[i - 1].yMax - names[i - 1].yMin);
    }

    void aUserScaleMovesTheFramesSecondCorner()
    {
        RecordingSurface recording;
        recording.setScaleLeft(1000);
        recording.setScaleWidth(5953);
        recording.setScaleHeight(8419);
        TestPage::print(recording);
        // The corner is (scale width, scale height) as a point, in twips twice that.
        QCOMPARE(QLineF(recording.documents()[0].pages[0].lines[0].from,
                        recording.documents()[0].pages[0].lines[0].to),
                 QLineF(0, 0, (5953 - 1000) * 2, 16838));
    }
};

QTEST_MAIN(TestPdfSettings)
#include "tst_pdfsettings.moc"
