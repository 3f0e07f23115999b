// The document rules every printer shares, observed on the recording printer, and the limits of
// the page and device settings, the same on the real printer and the recording one.
#include "QtPrinterSurface.h"
#include "RecordingSurface.h"
#include "RuntimeError.h"
#include "SpoolerJobs.h"
#include "TestPaths.h"
#include "Translations.h"

#include <QTest>

namespace {

// Sets `setting` to `value`; what it threw ("number: description"), or "" when it took it.
QString refusal(PrinterSurface &printer, const QString &setting, int value)
{
    try {
        if (setting == QLatin1String("Width"))
            printer.setWidth(value);
        else if (setting == QLatin1String("Height"))
            printer.setHeight(value);
        else if (setting == QLatin1String("PaperSize"))
            printer.setPaperSize(int16_t(value));
        else if (setting == QLatin1String("Orientation"))
            printer.setOrientation(value);
        else if (setting == QLatin1String("ColorMode"))
            printer.setColorMode(int16_t(value));
        else if (setting == QLatin1String("Copies"))
            printer.setCopies(int16_t(value));
        else if (setting == QLatin1String("PrintQuality"))
            printer.setPrintQuality(int16_t(value));
        else if (setting == QLatin1String("Zoom"))
            printer.setZoom(value);
        else
            return QStringLiteral("unknown setting");
    } catch (const RuntimeError &e) {
        return QStringLiteral("%1: %2").arg(e.number()).arg(e.description());
    }
    return {};
}

} // namespace

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

    void aValueOutOfRangeIsRefusedAlikeOnEveryPrinter_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char *setting, int value, const QString &refusal) {
            QTest::addRow("%s %d", setting, value) << QString::fromLatin1(setting) << value << refusal;
        };
        const QString sheet = QStringLiteral("380: La %1 del papel debe estar entre 288 y 288000 twips.");
        row("Width", 287, sheet.arg(QStringLiteral("anchura")));
        row("Width", 288001, sheet.arg(QStringLiteral("anchura")));
        row("Height", -100, sheet.arg(QStringLiteral("altura")));
        row("PaperSize", 0, QStringLiteral("483: El tamaño de papel 0 no existe."));
        row("PaperSize", 999, QStringLiteral("483: El tamaño de papel 999 no existe."));
        row("Orientation", 3, QStringLiteral("380: ") + RuntimeError::invalidPropertyValue().description());
        row("ColorMode", 0, QStringLiteral("380: El modo de color debe ser 1 (monocromo) o 2 (color)."));
        const QString copies = QStringLiteral("380: El número de copias debe estar entre 1 y 9999.");
        row("Copies", 0, copies);
        row("Copies", 10000, copies);
        const QString quality = QStringLiteral(
            "380: La calidad debe ser -1 (borrador) a -4 (alta) o una resolución de 1 a 9600 ppp.");
        row("PrintQuality", 0, quality);
        row("PrintQuality", -5, quality);
        row("PrintQuality", 9601, quality);
        const QString zoom = QStringLiteral("380: El zoom debe estar entre 1 y 1000 por ciento.");
        row("Zoom", 0, zoom);
        row("Zoom", 1001, zoom);
    }

    void aValueOutOfRangeIsRefusedAlikeOnEveryPrinter()
    {
        QFETCH(QString, setting);
        QFETCH(int, value);
        QFETCH(QString, refusal);
        TestPaths tmp;
        QtPrinterSurface pdf(tmp.paths().pdfOutputFolder);
        pdf.setCurrentPrinter(pdf.pdfPrinterIndex());
        RecordingSurface recording;
        for (PrinterSurface *printer : std::initializer_list<PrinterSurface *>{&pdf, &recording}) {
            const PrinterSettings before = printer->currentSettings();
            QCOMPARE(::refusal(*printer, setting, value), refusal);
            const PrinterSettings after = printer->currentSettings();
            QVERIFY(after.width == before.width && after.height == before.height &&
                    after.paperSize == before.paperSize && after.orientation == before.orientation &&
                    after.colorMode == before.colorMode && after.copies == before.copies &&
                    after.printQuality == before.printQuality && after.zoom == before.zoom);
        }
    }

    // The same refusals, and the printer's state in words, in English.
    void refusalsInEnglish_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("width") << "Width" << 287
                               << "380: The paper width must be between 288 and 288000 twips.";
        QTest::newRow("paper") << "PaperSize" << 999 << "483: The paper size 999 does not exist.";
        QTest::newRow("orientation") << "Orientation" << 3 << "380: Invalid property value";
        QTest::newRow("color") << "ColorMode" << 0
                               << "380: The color mode must be 1 (monochrome) or 2 (color).";
        QTest::newRow("copies") << "Copies" << 0 << "380: The number of copies must be between 1 and 9999.";
        QTest::newRow("quality")
            << "PrintQuality" << 0
            << "380: The quality must be -1 (draft) to -4 (high) or a resolution of 1 to "
               "9600 dpi.";
        QTest::newRow("zoom") << "Zoom" << 0 << "380: The zoom must be between 1 and 1000 percent.";
    }
    void refusalsInEnglish()
    {
        QFETCH(QString, setting);
        QFETCH(int, value);
        QFETCH(QString, refusal);
        Translations::use(Translations::Language::Ingles);
        TestPaths tmp;
        QtPrinterSurface pdf(tmp.paths().pdfOutputFolder);
        pdf.setCurrentPrinter(pdf.pdfPrinterIndex());
        RecordingSurface recording;
        const QString onPdf = ::refusal(pdf, setting, value);
        const QString onRecording = ::refusal(recording, setting, value);
        QString scale;
        try {
            recording.setScaleWidth(0);
        } catch (const RuntimeError &e) {
            scale = e.description();
        }
        const QString jam = SpoolerJobs::reasonInWords({QStringLiteral("media-jam-error")}, QString());
        Translations::use(Translations::Language::Espanol);
        QCOMPARE(onPdf, refusal);
        QCOMPARE(onRecording, refusal);
        QCOMPARE(scale, "The scale width must be greater than 0.");
        QCOMPARE(jam, "paper jam");
    }
};

QTEST_MAIN(TestSurfaceRules)
#include "tst_surfacerules.moc"
