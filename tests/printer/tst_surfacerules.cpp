// The document rules every printer shares, observed on the recording printer.
#include "RecordingSurface.h"
#include "RuntimeError.h"

#include <QTest>

class TestSurfaceRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageBreaksAreDeferredUntilSomethingIsDrawn()
    {
        RecordingSurface printer;
        printer.printText(QStringLiteral("1"));
        printer.newPage();
        printer.newPage(); // a deliberate blank sheet between two breaks
        printer.printText(QStringLiteral("2"));
        printer.newPage();
        printer.endDoc();
        QCOMPARE(printer.documents().size(), 1u);
        const auto &pages = printer.documents()[0].pages;
        QCOMPARE(pages.size(), 3u);
        QCOMPARE(pages[0].texts.size(), 1u);
        QVERIFY(pages[1].texts.empty());
        QCOMPARE(pages[2].texts[0].text, QStringLiteral("2"));
        QVERIFY(printer.documents()[0].ended);
    }

    void theTextCarriesTheStyleSetBeforeIt()
    {
        RecordingSurface printer;
        printer.setFontName(QStringLiteral("DejaVu Serif"));
        printer.setFontSize(20);
        printer.setForeColor(255);
        printer.setCurrentPosition(100, 200);
        printer.printText(QStringLiteral("0007"));
        const auto &text = printer.documents()[0].pages[0].texts[0];
        QCOMPARE(text.fontName, QStringLiteral("DejaVu Serif"));
        QCOMPARE(text.fontSize, 20.f);
        QCOMPARE(text.color, 255);
        QCOMPARE(text.positionTwips, QPointF(100, 200));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, printer.setFontSize(0));
    }

    void aUserScaleMapsOntoThePrintableArea()
    {
        RecordingSurface printer;
        printer.setUserScale(0, 0, 100, 100); // percent of the sheet
        QCOMPARE(printer.scaleWidth(), 100.f);
        printer.setCurrentPosition(50, 25);
        printer.printText(QStringLiteral("x"));
        printer.line(0, 0, 100, 100);
        const auto &page = printer.documents()[0].pages[0];
        QCOMPARE(page.texts[0].positionTwips, QPointF(11906 / 2.0, 16838 / 4.0));
        QCOMPARE(page.lines[0].to, QPointF(11906, 16838));
        QCOMPARE(printer.currentX(), 100.f);
        printer.resetScale();
        QCOMPARE(printer.scaleWidth(), 11906.f);
    }

    void withoutAPrinterEveryOperationFailsWithADescription()
    {
        RecordingSurface printer;
        printer.setAvailable(false);
        try {
            printer.printText(QStringLiteral("1"));
            QFAIL("expected an error");
        } catch (const RuntimeError &e) {
            QCOMPARE(e.number(), RuntimeError::NoPrinter);
            QVERIFY(!e.description().isEmpty());
        }
        QVERIFY_THROWS_EXCEPTION(RuntimeError, printer.setOrientation(2));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, printer.scaleWidth());
        QVERIFY(printer.documents().empty());
    }
};

QTEST_MAIN(TestSurfaceRules)
#include "tst_surfacerules.moc"
