// The calibration grid and rectangle, on the recording printer and read back from a PDF.
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "RecordingSurface.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "TestPrints.h"

#include <QTest>

namespace {

QList<QLineF> linesOf(const RecordingSurface &printer)
{
    QList<QLineF> lines;
    for (const auto &line : printer.documents().back().pages.back().lines)
        lines << QLineF(line.from, line.to);
    return lines;
}

} // namespace

class TestTestPrints : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theGridMarksEvery1000UnitsWithItsCoordinates()
    {
        RecordingSurface printer;
        printer.setPrintableTwips({11000, 16000});
        ScriptedDialogs dialogs;
        QVERIFY(TestPrints::grid(printer, dialogs));
        QCOMPARE(dialogs.texts(), QStringList{TestPrints::gridNotice()});
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Information);

        QCOMPARE(printer.documents().size(), size_t(1));
        QVERIFY(printer.documents()[0].ended);
        const auto &page = printer.documents()[0].pages;
        QCOMPARE(page.size(), size_t(1));
        QList<QLineF> expected;
        for (int x = 0; x <= 10000; x += 1000)
            expected << QLineF(x, 0, x, 16000);
        for (int y = 0; y <= 16000; y += 1000)
            expected << QLineF(0, y, 11000, y);
        QCOMPARE(linesOf(printer), expected);
        const auto &texts = page[0].texts;
        QCOMPARE(texts.size(), size_t(11 + 17));
        QCOMPARE(texts.front().text, QStringLiteral("0,0"));
        QCOMPARE(texts[10].text, QStringLiteral("10000,0"));
        QCOMPARE(texts[10].positionTwips, QPointF(10000, 0));
        QCOMPARE(texts.back().text, QStringLiteral("0,16000"));
        QCOMPARE(texts.back().positionTwips, QPointF(0, 16000));
        QCOMPARE(texts.back().fontSize, 10.f);
    }

    void aNarrowSheetGetsNoVerticalLines()
    {
        RecordingSurface printer;
        printer.setPrintableTwips({900, 2500});
        ScriptedDialogs dialogs;
        QVERIFY(TestPrints::grid(printer, dialogs));
        QCOMPARE(linesOf(printer), (QList<QLineF>{QLineF(0, 0, 900, 0), QLineF(0, 1000, 900, 1000),
                                                  QLineF(0, 2000, 900, 2000)}));
        QCOMPARE(printer.documents()[0].pages[0].texts.front().text, QStringLiteral("0,0"));
    }

    void aSheetBeyondThe16BitCounterStopsWithOverflowAndLeavesTheDocumentOpen()
    {
        RecordingSurface printer;
        printer.setPrintableTwips({34000, 2000});
        ScriptedDialogs dialogs;
        QVERIFY(!TestPrints::grid(printer, dialogs));
        QCOMPARE(dialogs.texts(), (QStringList{TestPrints::gridNotice(), QStringLiteral("Desbordamiento")}));
        QCOMPARE(dialogs.messages[1].icon, Dialogs::Icon::None);
        QVERIFY(printer.documentOpen());

        // The counter itself overflows past 32000 although the limit still fits.
        RecordingSurface wide;
        wide.setPrintableTwips({33500, 2000});
        QVERIFY(!TestPrints::grid(wide, dialogs));
        QCOMPARE(dialogs.texts().last(), QStringLiteral("Desbordamiento"));
        QCOMPARE(wide.documents()[0].pages[0].lines.size(), size_t(33)); // 0 .. 32000
    }

    void theGridOnA4ReadsBackFromThePdf()
    {
        TestPaths tmp;
        QtPrinterSurface printer(tmp.paths().pdfOutputFolder);
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        printer.setFontName(QStringLiteral("DejaVu Sans"));
        ScriptedDialogs dialogs;
        QVERIFY(TestPrints::grid(printer, dialogs));
        const PdfText pdf = PdfText::read(printer.lastPdfFile());
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 1);
        const PdfText::Page &page = pdf.pages[0];
        QVERIFY(page.find(QStringLiteral("10000,0")));
        QVERIFY(!page.find(QStringLiteral("11000,0")));
        QVERIFY(page.find(QStringLiteral("0,16000")));
        QVERIFY(!page.find(QStringLiteral("0,17000")));
        const auto *label = page.find(QStringLiteral("5000,0"));
        QVERIFY(label && qAbs(label->xMin - 250) < 1.5 && label->yMin < 3);
        label = page.find(QStringLiteral("0,8000"));
        QVERIFY(label && label->xMin < 1.5 && qAbs(label->yMin - 400) < 3);
        // 10 point labels.
        QVERIFY(qAbs((label->yMax - label->yMin) - 10 * 1.16) < 2);
    }

    void theRectangleHangsFromPositionZero()
    {
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        QVERIFY(TestPrints::rectangle(QStringLiteral("1000"), QStringLiteral("2000"), printer, dialogs));
        QCOMPARE(dialogs.texts(), QStringList{TestPrints::rectangleNotice()});
        QCOMPARE(linesOf(printer),
                 (QList<QLineF>{QLineF(1000, 2000, 2500, 2000), QLineF(2500, 2000, 2500, 2500),
                                QLineF(2500, 2500, 1000, 2500), QLineF(1000, 2500, 1000, 2000)}));
        QVERIFY(printer.documents()[0].ended);
        QVERIFY(printer.documents()[0].pages[0].texts.empty());
    }

    void aPositionThatIsNotANumberPrintsNothing()
    {
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        QVERIFY(!TestPrints::rectangle(QStringLiteral("abc"), QStringLiteral("0"), printer, dialogs));
        QCOMPARE(dialogs.texts(),
                 (QStringList{TestPrints::rectangleNotice(), QStringLiteral("No coinciden los tipos")}));
        QVERIFY(printer.documents().empty());
    }
};

QTEST_MAIN(TestTestPrints)
#include "tst_testprints.moc"
