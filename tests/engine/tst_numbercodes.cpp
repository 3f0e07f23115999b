// Numbers printed as codes through the built-in PDF printer and read back with a real decoder,
// and the codes refused before anything prints.
#include "CodeReader.h"
#include "DistinctNumberRun.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "RecordingSurface.h"
#include "SameNumberRun.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <QDir>
#include <QTest>

namespace {

using Format = NumberLook::Format;
const FontChoice kFont{QStringLiteral("DejaVu Sans"), QStringLiteral("10"), 0};

SameNumberJob onePosition(int i, const QString &x, const QString &y, const NumberLook &look)
{
    SameNumberJob job;
    job.off.fill(true);
    job.off[i] = false;
    job.posX[i] = x;
    job.posY[i] = y;
    job.looks[i] = look;
    return job;
}

QStringList textsOf(const QList<CodeReader::Code> &codes)
{
    QStringList texts;
    for (const auto &c : codes)
        texts << c.format + u':' + c.text;
    return texts;
}

} // namespace

class TestNumberCodes : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

    QString printSame(const SameNumberJob &job)
    {
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        ScriptedDialogs dialogs;
        const RunOutcome outcome = runSameNumber(job, kFont, printer, dialogs);
        if (outcome != RunOutcome::Printed || !dialogs.messages.isEmpty())
            return QString();
        return printer.lastPdfFile();
    }

private Q_SLOTS:
    void everyFormatReadsBackAsPrefixNumberSuffix_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("decoded"); // ZXing's name of the format
        QTest::newRow("QR") << int(Format::QR) << "RIFA26-"
                            << "-A"
                            << "20"
                            << "QRCode";
        QTest::newRow("QR, blanks and accents") << int(Format::QR) << "  Nº "
                                                << " ¡Gracias! "
                                                << "25"
                                                << "QRCode";
        QTest::newRow("QR beyond Latin-1") << int(Format::QR) << "Entrada € "
                                           << ""
                                           << "25"
                                           << "QRCode";
        QTest::newRow("Code 128") << int(Format::Code128) << "TICKET #"
                                  << " / 2026"
                                  << "10"
                                  << "Code128";
        QTest::newRow("Code 128, punctuation") << int(Format::Code128) << "(A-1) "
                                               << "."
                                               << "5"
                                               << "Code128";
        QTest::newRow("DataMatrix") << int(Format::DataMatrix) << "Vale: "
                                    << " (5,00 EUR)"
                                    << "15"
                                    << "DataMatrix";
        QTest::newRow("DataMatrix, comma size") << int(Format::DataMatrix) << ""
                                                << ""
                                                << "12,5"
                                                << "DataMatrix";
    }

    // The code's top-left sits at the position's X and Y; Code 128 carries its text below the bars.
    void everyFormatReadsBackAsPrefixNumberSuffix()
    {
        QFETCH(int, format);
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        QFETCH(QString, size);
        QFETCH(QString, decoded);
        SameNumberJob job =
            onePosition(1, "1440", "2880", {Format(format), prefix, suffix, size}); // (72, 144) pt
        job.desde = "0098";
        job.hasta = "0100";
        const QString pdf = printSame(job);
        QVERIFY(!pdf.isEmpty());

        const CodeReader read = CodeReader::read(pdf, m_tmp.path(QTest::currentDataTag()), {400, 400});
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.pages.size(), 3);
        const PdfText words = PdfText::read(pdf);
        for (int s = 0; s < 3; ++s) {
            const QString text = prefix + QStringLiteral("%1").arg(98 + s, 4, 10, QChar(u'0')) + suffix;
            QCOMPARE(textsOf(read.pages[s]), QStringList{decoded + u':' + text});
            const QPointF corner = read.pages[s].front().topLeft;
            const bool bars = Format(format) == Format::Code128;
            QVERIFY2(qAbs(corner.x() - 72) < 1.5 && (bars ? corner.y() >= 143 : qAbs(corner.y() - 144) < 1.5),
                     qPrintable(QStringLiteral("%1, %2").arg(corner.x()).arg(corner.y())));
            const QStringList printed = words.pages[s].texts();
            QCOMPARE(printed.join(u' '), bars ? text.simplified() : QString());
        }
    }

    // Every code of a long run reads back, on every sheet.
    void twoHundredSheetsOfCodesAllReadBack()
    {
        SameNumberJob job;
        job.desde = "0001";
        job.hasta = "0200";
        job.off = {false, false, false, true, true, true};
        job.posX = {"288", "288", "3600", "0", "0", "0"};
        job.posY = {"288", "1728", "288", "0", "0", "0"};
        job.looks[0] = {Format::QR, "R-", "", "12"};
        job.looks[1] = {Format::Code128, "", "-B", "8"};
        job.looks[2] = {Format::DataMatrix, "DM ", "", "10"};
        const QString pdf = printSame(job);
        QVERIFY(!pdf.isEmpty());

        const CodeReader read = CodeReader::read(pdf, m_tmp.path("long"), {230, 150});
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.pages.size(), 200);
        for (int s = 0; s < 200; ++s) {
            const QString number = QStringLiteral("%1").arg(s + 1, 4, 10, QChar(u'0'));
            const QStringList expected{"QRCode:R-" + number, "DataMatrix:DM " + number,
                                       "Code128:" + number + "-B"};
            if (textsOf(read.pages[s]) != expected)
                QFAIL(qPrintable(
                    QStringLiteral("sheet %1: %2").arg(s + 1).arg(textsOf(read.pages[s]).join(", "))));
        }
    }

    // Each row prints its own number in its own look, piles included.
    void distinctRowsPrintTheirOwnCodes_data()
    {
        QTest::addColumn<bool>("piles");
        QTest::addColumn<QList<QStringList>>("sheets");
        QTest::newRow("rows") << false
                              << QList<QStringList>{{"QRCode:A0010", "DataMatrix:0500/B"},
                                                    {"QRCode:A0011", "DataMatrix:0501/B"}};
        QTest::newRow("piles") << true
                               << QList<QStringList>{{"QRCode:A1", "DataMatrix:3/B"},
                                                     {"QRCode:A2", "DataMatrix:4/B"}};
    }

    void distinctRowsPrintTheirOwnCodes()
    {
        QFETCH(bool, piles);
        QFETCH(QList<QStringList>, sheets);
        DistinctNumberJob job;
        job.desde = {"0010", "0500", "0000", "0000"};
        job.hasta = {"0011", "0000", "0000", "0000"};
        job.off = {false, false, true, true};
        job.posX = {"288", "3000", "0", "0"};
        job.posY = {"288", "288", "0", "0"};
        job.looks[0] = {Format::QR, "A", "", "15"};
        job.looks[1] = {Format::DataMatrix, "", "/B", "15"};
        job.piles = {piles, "1", "4", "0"};
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        ScriptedDialogs dialogs;
        double span = 0;
        const RunOutcome outcome = runDistinctNumber(job, kFont, printer, dialogs, span);
        QVERIFY2(dialogs.texts().isEmpty(), qPrintable(dialogs.texts().join(u'\n')));
        QCOMPARE(outcome, RunOutcome::Printed);

        const CodeReader read =
            CodeReader::read(printer.lastPdfFile(), m_tmp.path(QTest::currentDataTag()), {250, 100});
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.pages.size(), sheets.size());
        for (int s = 0; s < sheets.size(); ++s)
            QCOMPARE(textsOf(read.pages[s]), sheets[s]);
    }

    // A look that cannot print every number of the run stops it with a message naming the place,
    // before the printer is touched.
    void codesThatCannotBeReadAreRefused_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("says");
        QTest::newRow("Code 128 with Ñ") << 0 << 2 << int(Format::Code128) << "AÑO "
                                         << "10" << QStringList{"Mismo número, posición 3:", "«Ñ»"};
        QTest::newRow("Code 128 too low") << 0 << 0 << int(Format::Code128) << ""
                                          << "4.9" << QStringList{"posición 1:", "al menos 5 mm", "4.9 mm"};
        QTest::newRow("QR too small") << 0 << 5 << int(Format::QR) << ""
                                      << "5" << QStringList{"posición 6:", "21 módulos", "al menos 5.3 mm"};
        QTest::newRow("DataMatrix too long for its size")
            << 1 << 1 << int(Format::DataMatrix) << "CONTROL DE ACCESO 2026 - PUERTA "
            << "5" << QStringList{"Distinto número, fila 2:", "módulos", "no 5 mm"};
        QTest::newRow("size not a number") << 0 << 0 << int(Format::QR) << ""
                                           << "abc" << QStringList{"posición 1:", "se leyó «abc»"};
        QTest::newRow("size zero") << 1 << 0 << int(Format::DataMatrix) << ""
                                   << "0" << QStringList{"fila 1:", "mayor que 0"};
        QTest::newRow("size beyond any sheet") << 0 << 0 << int(Format::QR) << ""
                                               << "3000" << QStringList{"posición 1:", "no mayor que 300"};
    }

    void codesThatCannotBeReadAreRefused()
    {
        QFETCH(int, page);
        QFETCH(int, index);
        QFETCH(int, format);
        QFETCH(QString, prefix);
        QFETCH(QString, size);
        QFETCH(QStringList, says);
        const NumberLook look{Format(format), prefix, QString(), size};
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        RunOutcome outcome;
        if (page == 0) {
            SameNumberJob job = onePosition(index, "0", "0", look);
            job.off[(index + 1) % 6] = false; // a plain position beside it prints nothing either
            outcome = runSameNumber(job, kFont, printer, dialogs);
        } else {
            DistinctNumberJob job;
            job.off = {false, false, true, true};
            job.looks[index] = look;
            double span = 0;
            outcome = runDistinctNumber(job, kFont, printer, dialogs, span);
        }
        QCOMPARE(outcome, RunOutcome::Failed);
        QCOMPARE(dialogs.messages.size(), 1);
        for (const QString &part : says)
            QVERIFY2(dialogs.messages[0].text.contains(part), qPrintable(dialogs.messages[0].text));
        QVERIFY(printer.documents().empty());
    }

    // A code that would run off the printable area (A4 on the PDF printer: 11906 x 16838 twips)
    // stops the run before anything prints, naming the place, the side and how far; plain text
    // there prints as it always has, and a code that just fits prints.
    void codesOffThePrintableAreaAreRefused_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QStringList>("says"); // empty: it prints
        const QString longText = QStringLiteral("RIFA-PARROQUIA-SAN-JOSE-2026-");
        QTest::newRow("QR 40 mm at 10500")
            << 0 << int(Format::QR) << ""
            << "40"
            << "10500"
            << "1000" << QStringList{"posición 1:", "QR", "15.2 mm por la derecha"};
        QTest::newRow("Code 128 wider than the sheet")
            << 0 << int(Format::Code128) << longText << "10"
            << "5000"
            << "1000" << QStringList{"posición 1:", "Code 128", "mm por la derecha"};
        QTest::newRow("DataMatrix left of the sheet")
            << 1 << int(Format::DataMatrix) << ""
            << "20"
            << "-300"
            << "1000" << QStringList{"fila 1:", "5.3 mm por la izquierda"};
        QTest::newRow("QR off the bottom and the right")
            << 0 << int(Format::QR) << ""
            << "20"
            << "11000"
            << "16000" << QStringList{"por la derecha, ", "por abajo"};
        QTest::newRow("QR that just fits") << 0 << int(Format::QR) << ""
                                           << "40"
                                           << "9600"
                                           << "1000" << QStringList();
        QTest::newRow("text off the sheet") << 0 << int(Format::Text) << ""
                                            << "40"
                                            << "11800"
                                            << "1000" << QStringList();
    }
    void codesOffThePrintableAreaAreRefused()
    {
        QFETCH(int, page);
        QFETCH(int, format);
        QFETCH(QString, prefix);
        QFETCH(QString, size);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QStringList, says);
        const NumberLook look{Format(format), prefix, QString(), size};
        const QStringList before = QDir(m_tmp.paths().pdfOutputFolder).entryList(QDir::Files);
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        ScriptedDialogs dialogs;
        RunOutcome outcome;
        if (page == 0) {
            SameNumberJob job = onePosition(0, x, y, look);
            job.desde = QStringLiteral("0001");
            job.hasta = QStringLiteral("0002");
            outcome = runSameNumber(job, kFont, printer, dialogs);
        } else {
            DistinctNumberJob job;
            job.off = {false, true, true, true};
            job.desde[0] = QStringLiteral("0001");
            job.hasta[0] = QStringLiteral("0002");
            job.posX[0] = x;
            job.posY[0] = y;
            job.looks[0] = look;
            double span = 0;
            outcome = runDistinctNumber(job, kFont, printer, dialogs, span);
        }
        const QStringList after = QDir(m_tmp.paths().pdfOutputFolder).entryList(QDir::Files);
        if (says.isEmpty()) {
            QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'\n')));
            QCOMPARE(outcome, RunOutcome::Printed);
            QCOMPARE(after.size(), before.size() + 1);
            return;
        }
        QCOMPARE(outcome, RunOutcome::Failed);
        QCOMPARE(dialogs.messages.size(), 1);
        for (const QString &part : says)
            QVERIFY2(dialogs.messages[0].text.contains(part), qPrintable(dialogs.messages[0].text));
        QCOMPARE(after, before);
    }
};

QTEST_MAIN(TestNumberCodes)
#include "tst_numbercodes.moc"
