// A printer's calibration: from the sheet it prints, through the measurements, to where numbers
// land on a printer that shifts and scales like a real one.
#include "CalibrationSettings.h"
#include "CalibrationSheet.h"
#include "DesignPdfs.h"
#include "PdfText.h"
#include "ProfileFiles.h"
#include "QtPrinterSurface.h"
#include "RecordingSurface.h"
#include "TestPaths.h"

#include <QFile>
#include <QLineF>
#include <QTest>
#include <cmath>

namespace {

constexpr double kPerMm = 1440 / 25.4;
const PrinterCalibration kDistortion{2.5, -1.8, 0.996, 1.004};

// Where the crosses of the calibration sheet landed, millimetres from the paper's edges, in the
// order the window asks for them.
std::array<double, 4> measuredCrosses(const RecordingSurface &printer)
{
    std::vector<QPointF> centres;
    for (const RecordingSurface::Line &l : printer.documents().back().pages.back().lines)
        if (l.from.y() == l.to.y() && l.to.x() - l.from.x() > 9 * kPerMm) // a cross's horizontal arm
            centres.push_back((l.from + l.to) / 2 / kPerMm);
    if (centres.size() != 2)
        return {};
    return {centres[0].x(), centres[0].y(), centres[1].x(), centres[1].y()};
}

// Numbers every 10 mm over the whole sheet; the largest distance, in millimetres, between where
// one landed and where it was placed.
double worstLanding(RecordingSurface &printer)
{
    printer.clear();
    for (int y = 0; y <= 290; y += 10)
        for (int x = 0; x <= 200; x += 10) {
            printer.setCurrentPosition(float(x * kPerMm), float(y * kPerMm));
            printer.printText(QStringLiteral("%1").arg(x * 1000 + y));
        }
    printer.endDoc();
    double worst = 0;
    for (const RecordingSurface::Text &t : printer.documents().back().pages.back().texts) {
        const int n = t.text.toInt();
        const QPointF placed((n / 1000) * kPerMm, (n % 1000) * kPerMm);
        worst = qMax(worst, QLineF(placed, t.positionTwips).length() / kPerMm);
    }
    return worst;
}

} // namespace

class TestCalibration : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

private Q_SLOTS:
    // On a queue the printable area starts inside the paper: the correction still brings every
    // point of it to its place on the paper.
    void theCorrectionHoldsWhereverThePrintableAreaStarts()
    {
        for (const QPointF origin : {QPointF(0, 0), QPointF(240, 240), QPointF(340, 0), QPointF(0, 567)}) {
            const QTransform correction = kDistortion.correction(origin);
            for (const QPointF q : {QPointF(0, 0), QPointF(11000, 200), QPointF(5000, 16000)}) {
                const QPointF sent = origin + correction.map(q); // on the paper, twips
                const QPointF landed(kDistortion.offsetX * kPerMm + kDistortion.scaleX * sent.x(),
                                     kDistortion.offsetY * kPerMm + kDistortion.scaleY * sent.y());
                QVERIFY(QLineF(landed, origin + q).length() < 1e-6);
            }
        }
    }

    // As typed, with either decimal mark; a slip is named by its box.
    void typedMeasurements()
    {
        using B = PrinterCalibration::Box;
        const struct
        {
            std::array<const char *, 4> typed;
            std::optional<PrinterCalibration> gives;
            B box;
            const char *says;
        } cases[] = {
            {{" 22,42 ", "18.28", "191.74", "276,308"}, kDistortion, {}, ""},
            {{",5", "20.", "170,5", "277"}, PrinterCalibration{-19.5, 0, 1, 1}, {}, ""},
            {{"20", "", "190", "277"},
             {},
             B::TopLeftY,
             "Escriba la medida de \"cruz superior izquierda, desde el borde superior\"."},
            {{"20", "20", "19O", "277"},
             {},
             B::BottomRightX,
             "\"cruz inferior derecha, desde el borde izquierdo\" debe ser"},
            {{"20", "20", "190", "2,7,7"}, {}, B::BottomRightY, "debe ser una medida en milímetros"},
            {{"-3", "20", "190", "277"},
             {},
             B::TopLeftX,
             "\"cruz superior izquierda, desde el borde izquierdo\" no puede ser negativa."},
            {{"20", "20", "7.5", "277"},
             {},
             B::BottomRightX,
             "dan una escala de -0,0735, fuera de 0,9 a 1,1"},
            {{"20", "20", "190", "310"}, {}, B::BottomRightY, "dan una escala de 1,1284"},
            {{"41", "20", "211", "277"},
             {},
             B::TopLeftX,
             "dan un desplazamiento de 21,00 mm, de más de 20 mm"},
            {{"20", "0", "190", "269.85"}, {}, B::TopLeftY, "dan un desplazamiento de -21,00 mm"},
        };
        for (const auto &c : cases) {
            std::array<QString, 4> typed;
            for (size_t i = 0; i < 4; ++i)
                typed[i] = QString::fromUtf8(c.typed[i]);
            const auto outcome = PrinterCalibration::fromTyped(typed, QSizeF(210, 297));
            if (c.gives) {
                const auto *got = std::get_if<PrinterCalibration>(&outcome);
                QVERIFY2(got, c.typed[0]);
                const double error[] = {got->offsetX - c.gives->offsetX, got->offsetY - c.gives->offsetY,
                                        got->scaleX - c.gives->scaleX, got->scaleY - c.gives->scaleY};
                for (const double e : error)
                    QVERIFY(std::abs(e) < 1e-9);
                continue;
            }
            const auto *problem = std::get_if<PrinterCalibration::Problem>(&outcome);
            QVERIFY2(problem, c.says);
            QCOMPARE(problem->box, c.box);
            QVERIFY2(problem->message.contains(QString::fromUtf8(c.says)), qPrintable(problem->message));
        }
    }

    // The calibration sheet printed on a printer that distorts, measured exactly and as a ruler
    // reads it (to the nearest half millimetre): every number on A4 then lands where it is placed.
    void calibratedNumbersLandWhereTheJobSays()
    {
        const struct
        {
            double roundTo; // mm; 0: exact
            double within;  // mm
        } cases[] = {{0, 0.1}, {0.5, 0.5}};
        for (const auto &c : cases) {
            RecordingSurface printer;
            printer.setPaperDistortion(kDistortion);
            QVERIFY(worstLanding(printer) > 1.5); // what an uncalibrated printer does

            std::optional<PrinterCalibration> stored;
            printer.setCalibrationSource([&stored](const QString &name) {
                return name == QStringLiteral("Grabadora") ? stored : std::nullopt;
            });
            stored = PrinterCalibration{1, 1, 1.05, 1.05}; // an earlier calibration the sheet must ignore
            CalibrationSheet::print(printer, QStringLiteral("Grabadora"));
            std::array<QString, 4> typed;
            const std::array<double, 4> crosses = measuredCrosses(printer);
            for (size_t i = 0; i < 4; ++i)
                typed[i] = QString::number(
                    c.roundTo > 0 ? std::round(crosses[i] / c.roundTo) * c.roundTo : crosses[i], 'f', 6);
            const auto outcome = PrinterCalibration::fromTyped(typed, CalibrationSheet::paperMm(printer));
            QVERIFY(std::holds_alternative<PrinterCalibration>(outcome));
            stored = std::get<PrinterCalibration>(outcome);

            const double worst = worstLanding(printer);
            QVERIFY2(worst <= c.within, qPrintable(QString::number(worst)));
        }
    }

    // A section a person edited into nonsense prints exactly as no section.
    void storedCalibrationRoundTripsAndACorruptOneIsIgnored()
    {
        const ProfileFiles settings(m_tmp.path(QStringLiteral("Vireo.sys")));
        const QString printerName = QStringLiteral("Oficina 2");
        QString reason;
        QVERIFY(CalibrationSettings::write(settings, printerName, kDistortion, &reason));
        const auto back = CalibrationSettings::read(settings, printerName);
        QVERIFY(back);
        QCOMPARE(back->offsetX, 2.5);
        QCOMPARE(back->scaleY, 1.004);
        QFile raw(settings.settingsFile());
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QVERIFY(raw.readAll().contains(
            "[Calibraci\xf3n Oficina 2]\r\nDesplazamientoX=2.5\r\nDesplazamientoY=-1.8\r\n"
            "EscalaX=0.996\r\nEscalaY=1.004\r\n"));
        raw.close();

        const std::pair<const char *, const char *> corrupt[] = {
            {"EscalaX", "abc"},         {"EscalaX", "0,996"},      {"EscalaY", ""},
            {"EscalaY", "nan"},         {"DesplazamientoX", "25"}, {"EscalaX", "1.5"},
            {"DesplazamientoY", "1e1"},
        };
        for (const auto &[key, value] : corrupt) {
            QVERIFY(CalibrationSettings::write(settings, printerName, kDistortion, &reason));
            QString file;
            settings.EscribirValorIni(CalibrationSettings::section(printerName), QString::fromLatin1(key),
                                      QString::fromLatin1(value), file);
            QVERIFY2(!CalibrationSettings::read(settings, printerName), value);
        }

        RecordingSurface printer;
        printer.setPrinters({{printerName, {}, {}}});
        printer.setCalibrationSource(CalibrationSettings::source(settings));
        printer.setCurrentPosition(1000, 2000);
        printer.printText(QStringLiteral("7"));
        printer.endDoc();
        QCOMPARE(printer.documents().back().pages.back().texts.back().positionTwips, QPointF(1000, 2000));

        QVERIFY(CalibrationSettings::remove(settings, printerName, &reason));
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QVERIFY(!raw.readAll().contains("Escala"));
    }

    // On the PDF printer: the sheet's ruler and crosses stand where the paper says, whatever
    // calibration the printer has, and a job printed afterwards moves by the calibration.
    void thePdfPrinterDrawsTheSheetAndAppliesTheCalibration()
    {
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        printer.setFontName(QStringLiteral("DejaVu Sans"));
        const PrinterCalibration calibration{2, -1, 1, 1};
        printer.setCalibrationSource([&](const QString &name) {
            return name == QStringLiteral("Tessarino PDF") ? std::optional(calibration) : std::nullopt;
        });
        CalibrationSheet::print(printer, QStringLiteral("Tessarino PDF"));
        const QString sheet = printer.lastPdfFile();
        const PdfText text = PdfText::read(sheet);
        QCOMPARE(text.pages.size(), 1);
        const auto mmAt = [](double points) { return points * 25.4 / 72; };
        // "50" twice: beside the 50 mm tick of the top ruler and of the left one.
        int rulerLabels = 0;
        for (const PdfText::Word &w : text.pages[0].words) {
            if (w.text != QStringLiteral("50"))
                continue;
            const bool top = mmAt(w.yMin) < 6;
            QVERIFY(std::abs(mmAt(top ? w.xMin : w.yMin) - (top ? 50.7 : 48.8)) < 0.6);
            ++rulerLabels;
        }
        QCOMPARE(rulerLabels, 2);

        // Each cross's vertical arm: the darkest column a few millimetres below its centre.
        const QImage page = PdfText::renderFirstPage(sheet, m_tmp.path(QStringLiteral("sheet")));
        for (const QPointF centreMm : {QPointF(20, 20), QPointF(190, 277)}) {
            const int row = qRound((centreMm.y() + 3.5) * 72 / 25.4);
            int darkest = -1, value = 256;
            const int from = qRound((centreMm.x() - 10) * 72 / 25.4),
                      to = qRound((centreMm.x() + 10) * 72 / 25.4);
            for (int x = from; x < to; ++x)
                if (const int g = qGray(page.pixel(x, row)); g < value)
                    value = g, darkest = x;
            QVERIFY2(std::abs(mmAt(darkest + 0.5) - centreMm.x()) < 0.5,
                     qPrintable(QString::number(darkest)));
        }

        // The printer shifts a design under the numbers as much as the numbers.
        const PdfTemplate design{DesignPdfs::write(m_tmp.path(QStringLiteral("diseno.pdf"))), 1};
        const PdfText::Word title = *PdfText::read(design.file).pages[0].find(QStringLiteral("DISEÑO"));
        printer.setPdfTemplate(design);
        printer.setFontSize(12);
        printer.setCurrentPosition(float(50 * kPerMm), float(100 * kPerMm));
        printer.printText(QStringLiteral("Tessarino"));
        printer.endDoc();
        const PdfText job = PdfText::read(printer.lastPdfFile());
        const PdfText::Word *word = job.pages.value(0).find(QStringLiteral("Tessarino"));
        QVERIFY(word);
        QVERIFY2(std::abs(mmAt(word->xMin) - 48) < 0.5, qPrintable(QString::number(mmAt(word->xMin))));
        const PdfText::Word *placed = job.pages.value(0).find(QStringLiteral("DISEÑO"));
        QVERIFY(placed);
        QVERIFY(std::abs(mmAt(placed->xMin - title.xMin) + 2) < 0.2 &&
                std::abs(mmAt(placed->yMin - title.yMin) - 1) < 0.2);
    }
};

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
