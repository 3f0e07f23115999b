// Every symbology with a text before and after the number and a check digit, printed through the
// built-in PDF printer and read back at 300 and 150 dpi by ZXing, zbar and dmtxread; codes over a
// dense design, in colour and with a set bar width; the refusals made before anything prints;
// check digits against published examples.
#include "CheckDigits.h"
#include "CodeReader.h"
#include "QtPrinterSurface.h"
#include "RecordingSurface.h"
#include "SameNumberRun.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTest>

namespace {

using Format = NumberLook::Format;
using Scheme = CheckDigits::Scheme;
const FontChoice kBlack{QStringLiteral("DejaVu Sans"), QStringLiteral("10"), 0};
constexpr int32_t kYellow = 0x00FFFF; // red and green, as the classic colour value holds them

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

// What a scanner reads back: EAN-13 and UPC-A padded with zeros and carrying their own check
// digit, ITF padded to an even count.
QString scanned(const NumberLook &look, const QString &number)
{
    QString text = look.text(number);
    if (look.format == Format::EAN13 || look.format == Format::UPCA) {
        text = text.rightJustified(look.format == Format::EAN13 ? 12 : 11, u'0');
        return text + CheckDigits::of(Scheme::Mod10, text);
    }
    if (look.format == Format::ITF && text.size() % 2)
        return u'0' + text;
    return text;
}

QStringList textsOf(const QList<CodeReader::Code> &codes)
{
    QStringList texts;
    for (const auto &c : codes)
        texts << c.text;
    return texts;
}

// zbarimg's "TYPE:text" lines without the type; it reports UPC-A as EAN-13 with a 0 in front.
QStringList zbarTexts(const QStringList &lines, Format format)
{
    QStringList texts;
    for (const QString &line : lines) {
        QString text = line.section(u':', 1);
        if (format == Format::UPCA && line.startsWith(QStringLiteral("EAN-13:")) && text.startsWith(u'0'))
            text.remove(0, 1);
        texts << text;
    }
    return texts;
}

bool zbarReads(Format format)
{
    return format != Format::DataMatrix && format != Format::PDF417; // zbar has neither
}

// A design of black lines 2 points apart both ways over the whole page: no code reads without
// its quiet zone over it.
QString denseLines(const QString &path)
{
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(72);
    QPainter painter(&writer);
    painter.setPen(QPen(Qt::black, 0.6));
    for (double at = 0; at < 842; at += 2) {
        painter.drawLine(QPointF(0, at), QPointF(595, at));
        if (at < 595)
            painter.drawLine(QPointF(at, 0), QPointF(at, 842));
    }
    painter.end();
    return path;
}

} // namespace

class TestSymbologies : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

    QString print(const SameNumberJob &job, const FontChoice &font = kBlack, const QString &design = {})
    {
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        if (!design.isEmpty())
            printer.setPdfTemplate(PdfTemplate{design, 1});
        ScriptedDialogs dialogs;
        const RunOutcome outcome = runSameNumber(job, font, printer, dialogs);
        if (outcome != RunOutcome::Printed || !dialogs.messages.isEmpty()) {
            qWarning() << dialogs.texts();
            return QString();
        }
        return printer.lastPdfFile();
    }

    // Reads `pdf` at 300 and 150 dpi with every decoder that knows the symbology and compares
    // each sheet's codes with `expected`.
    void readsBack(const QString &pdf, Format format, const QList<QStringList> &expected, QSizeF area,
                   const QList<int> &resolutions = {300, 150})
    {
        const bool dmtx =
            format == Format::DataMatrix && !QStandardPaths::findExecutable("dmtxread").isEmpty();
        for (int dpi : resolutions) {
            const QString folder = m_tmp.path(QStringLiteral("%1-%2").arg(QTest::currentDataTag()).arg(dpi));
            const CodeReader read = CodeReader::read(pdf, folder, area, {dpi, true, zbarReads(format), dmtx});
            QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
            QCOMPARE(read.pages.size(), expected.size());
            for (qsizetype s = 0; s < expected.size(); ++s) {
                const QString where = QStringLiteral("%1 dpi, sheet %2: ").arg(dpi).arg(s + 1);
                QVERIFY2(textsOf(read.pages[s]) == expected[s],
                         qPrintable(where + "ZXing " + textsOf(read.pages[s]).join(", ")));
                if (zbarReads(format))
                    QVERIFY2(zbarTexts(read.zbarPages[s], format) == expected[s],
                             qPrintable(where + "zbar " + read.zbarPages[s].join(", ")));
                if (dmtx)
                    QVERIFY2(read.dmtxPages[s] == expected[s],
                             qPrintable(where + "dmtxread " + read.dmtxPages[s].join(", ")));
            }
        }
    }

private Q_SLOTS:
    void everySymbologyReadsBackWithItsCheckDigit_data()
    {
        QTest::addColumn<NumberLook>("look");
        QTest::addColumn<QString>("zxing"); // ZXing's name of the format
        const auto look = [](Format f, const char *prefix, const char *suffix, Scheme check,
                             const char *size) {
            NumberLook l{f, QString::fromUtf8(prefix), QString::fromUtf8(suffix), QString::fromLatin1(size)};
            l.check = check;
            return l;
        };
        NumberLook qr = look(Format::QR, "RIFA-", "-A", Scheme::Luhn, "20");
        qr.qrLevel = NumberLook::QrLevel::H;
        QTest::newRow("QR, level H") << qr << "QRCode";
        QTest::newRow("Code 128") << look(Format::Code128, "T#", "/26", Scheme::Mod10, "10") << "Code128";
        QTest::newRow("DataMatrix") << look(Format::DataMatrix, "DM ", "", Scheme::Mod11X, "15")
                                    << "DataMatrix";
        QTest::newRow("EAN-13") << look(Format::EAN13, "841234", "5", Scheme::Mod10, "20") << "EAN-13";
        // Padded with zeros: a 0 in front is a UPC-A code to a scanner.
        QTest::newRow("EAN-13, short") << look(Format::EAN13, "7", "", Scheme::Mod10, "20") << "UPC-A";
        QTest::newRow("UPC-A") << look(Format::UPCA, "0", "", Scheme::Mod11Zero, "20") << "UPC-A";
        QTest::newRow("Code 39") << look(Format::Code39, "LOTE-", "-B", Scheme::Mod11X, "10") << "Code39";
        QTest::newRow("ITF") << look(Format::ITF, "12", "9", Scheme::Luhn, "12") << "ITF";
        QTest::newRow("PDF417") << look(Format::PDF417, "Entrada ", " VIP", Scheme::Mod10, "45") << "PDF417";
    }

    void everySymbologyReadsBackWithItsCheckDigit()
    {
        QFETCH(NumberLook, look);
        QFETCH(QString, zxing);
        SameNumberJob job = onePosition(2, "1440", "1440", look);
        job.desde = "0098";
        job.hasta = "0099";
        const QString pdf = print(job);
        QVERIFY(!pdf.isEmpty());
        QStringList expected{scanned(look, "0098"), scanned(look, "0099")};
        if (zxing == "UPC-A" && look.format == Format::EAN13)
            for (QString &text : expected)
                text.remove(0, 1);
        readsBack(pdf, zxing == "UPC-A" ? Format::UPCA : look.format, {{expected[0]}, {expected[1]}},
                  {300, 200});
        // ZXing names the symbology the job asked for.
        const CodeReader read =
            CodeReader::read(pdf, m_tmp.path("names"), {300, 200}, {300, true, false, false});
        QCOMPARE(read.pages.value(0).value(0).format, zxing);
    }

    // A white box of the quiet zone makes a code readable over a design's lines.
    void codesOverADenseDesignRead_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("size");
        QTest::newRow("QR") << int(Format::QR) << "15";
        QTest::newRow("Code 128") << int(Format::Code128) << "10";
        QTest::newRow("EAN-13") << int(Format::EAN13) << "15";
        QTest::newRow("DataMatrix") << int(Format::DataMatrix) << "12";
    }

    void codesOverADenseDesignRead()
    {
        QFETCH(int, format);
        QFETCH(QString, size);
        const QString design = denseLines(m_tmp.path("lineas.pdf"));
        const NumberLook look{Format(format), "84012345", "", size};
        SameNumberJob job = onePosition(0, "1440", "1440", look);
        job.desde = "0500";
        job.hasta = "0501";
        const QString pdf = print(job, kBlack, design);
        QVERIFY(!pdf.isEmpty());
        readsBack(pdf, look.format, {{scanned(look, "0500")}, {scanned(look, "0501")}}, {250, 200});
    }

    // Codes print black whatever the text colour; a code asked in a colour too light to scan is
    // refused before anything prints, naming the place; a dark one prints in it.
    void codeColourAndContrast_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<bool>("inColor");
        QTest::addColumn<QString>("refusal"); // empty: it prints and reads back
        QTest::newRow("yellow text, black codes") << kYellow << false << "";
        QTest::newRow("yellow codes")
            << kYellow << true << "Mismo número, posición 4: el color del texto es demasiado claro";
        QTest::newRow("light grey codes") << 0xDCDCDC << true << "posición 4:";
        QTest::newRow("dark blue codes") << 0x800000 << true << "";
    }

    void codeColourAndContrast()
    {
        QFETCH(int, color);
        QFETCH(bool, inColor);
        QFETCH(QString, refusal);
        NumberLook look{Format::QR, "C-", "", "20"};
        look.codeInColor = inColor;
        SameNumberJob job = onePosition(3, "1440", "1440", look);
        job.desde = "0001";
        job.hasta = "0001";
        const FontChoice font{kBlack.name, kBlack.sizeText, color};
        if (refusal.isEmpty()) {
            const QString pdf = print(job, font);
            QVERIFY(!pdf.isEmpty());
            readsBack(pdf, Format::QR, {{"C-0001"}}, {200, 200}, {150});
            return;
        }
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        QCOMPARE(runSameNumber(job, font, printer, dialogs), RunOutcome::Failed);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages[0].text.contains(refusal), qPrintable(dialogs.messages[0].text));
        QVERIFY(printer.documents().empty());
    }

    // A long Code 128 runs off the sheet at the default bar width; a narrower module set for it
    // fits and reads back.
    void aLongCode128FitsWithASetModuleWidth()
    {
        NumberLook look{Format::Code128, "RIFA-PARROQUIA-SAN-JOSE-2026-", "", "10"};
        SameNumberJob job = onePosition(0, "5000", "1000", look);
        job.desde = "0001";
        job.hasta = "0002";
        RecordingSurface recording;
        ScriptedDialogs dialogs;
        QCOMPARE(runSameNumber(job, kBlack, recording, dialogs), RunOutcome::Failed);
        QVERIFY2(dialogs.texts().join(u' ').contains("por la derecha"),
                 qPrintable(dialogs.texts().join(u' ')));

        job.looks[0].module = "0,3";
        const QString pdf = print(job);
        QVERIFY(!pdf.isEmpty());
        readsBack(pdf, Format::Code128, {{look.text("0001")}, {look.text("0002")}}, {595, 150}, {300});
    }

    // What a symbology cannot carry stops the run before anything prints, naming the place.
    void whatASymbologyCannotCarryIsRefused_data()
    {
        QTest::addColumn<NumberLook>("look");
        QTest::addColumn<QStringList>("says");
        const auto look = [](Format f, const char *prefix, const char *module = "") {
            NumberLook l{f, QString::fromUtf8(prefix), QString(), "15"};
            l.module = QString::fromLatin1(module);
            return l;
        };
        QTest::newRow("EAN-13 with letters")
            << look(Format::EAN13, "AB") << QStringList{"Mismo número, posición 2:", "EAN-13", "«A»"};
        QTest::newRow("EAN-13 too long") << look(Format::EAN13, "123456789")
                                         << QStringList{"posición 2:", "como mucho 12 cifras", "tiene 13"};
        QTest::newRow("UPC-A too long")
            << look(Format::UPCA, "12345678") << QStringList{"posición 2:", "como mucho 11 cifras"};
        QTest::newRow("ITF with a blank") << look(Format::ITF, "1 ") << QStringList{"ITF", "«1 0001»"};
        QTest::newRow("Code 39 in small letters")
            << look(Format::Code39, "lote") << QStringList{"Code 39", "«l»"};
        QTest::newRow("module too thin")
            << look(Format::Code128, "", "0.2") << QStringList{"al menos 0.25 mm", "0.2 mm"};
        QTest::newRow("module not a number")
            << look(Format::ITF, "", "x") << QStringList{"posición 2:", "se leyó «x»"};
    }

    void whatASymbologyCannotCarryIsRefused()
    {
        QFETCH(NumberLook, look);
        QFETCH(QStringList, says);
        SameNumberJob job = onePosition(1, "0", "0", look);
        job.desde = "0001";
        job.hasta = "0002";
        RecordingSurface printer;
        ScriptedDialogs dialogs;
        QCOMPARE(runSameNumber(job, kBlack, printer, dialogs), RunOutcome::Failed);
        QCOMPARE(dialogs.messages.size(), 1);
        for (const QString &part : says)
            QVERIFY2(dialogs.messages[0].text.contains(part), qPrintable(dialogs.messages[0].text));
        QVERIFY(printer.documents().empty());
    }

    // Published examples: Luhn's own, a Visa test card, GTINs, ISBN-10s (one ending in X).
    void checkDigitsMatchPublishedExamples_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("check");
        QTest::newRow("Luhn 7992739871") << int(Scheme::Luhn) << "7992739871"
                                         << "3";
        QTest::newRow("Luhn Visa test card") << int(Scheme::Luhn) << "453914880343646"
                                             << "7";
        QTest::newRow("Luhn 0") << int(Scheme::Luhn) << "0"
                                << "0";
        QTest::newRow("Mod 10 EAN-13") << int(Scheme::Mod10) << "400638133393"
                                       << "1";
        QTest::newRow("Mod 10 UPC-A") << int(Scheme::Mod10) << "03600029145"
                                      << "2";
        QTest::newRow("Mod 10 EAN-8") << int(Scheme::Mod10) << "9638507"
                                      << "4";
        QTest::newRow("Mod 11 ISBN 0-306-40615") << int(Scheme::Mod11X) << "030640615"
                                                 << "2";
        QTest::newRow("Mod 11 ISBN 0-19-853453") << int(Scheme::Mod11X) << "019853453"
                                                 << "1";
        QTest::newRow("Mod 11 ISBN 1-55860-832, X") << int(Scheme::Mod11X) << "155860832"
                                                    << "X";
        QTest::newRow("Mod 11 ISBN 1-55860-832, 0") << int(Scheme::Mod11Zero) << "155860832"
                                                    << "0";
        QTest::newRow("Mod 11 remainder 0") << int(Scheme::Mod11X) << "000000000"
                                            << "0";
        QTest::newRow("none") << int(Scheme::None) << "123"
                              << "";
        QTest::newRow("not digits") << int(Scheme::Luhn) << "12a"
                                    << "";
        QTest::newRow("empty") << int(Scheme::Mod10) << ""
                               << "";
    }

    void checkDigitsMatchPublishedExamples()
    {
        QFETCH(int, scheme);
        QFETCH(QString, digits);
        QFETCH(QString, check);
        QCOMPARE(CheckDigits::of(Scheme(scheme), digits), check);
        QCOMPARE(CheckDigits::fromKey(CheckDigits::key(Scheme(scheme))), Scheme(scheme));
    }
};

QTEST_MAIN(TestSymbologies)
#include "tst_symbologies.moc"
