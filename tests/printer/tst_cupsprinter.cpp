// Real CUPS: a private scheduler with a capturing raw queue. The queue shows in the printer
// setup dialog, is made current, takes applied settings, and a run printed to it arrives as a
// PDF whose numbers read back at the right places. A long run arrives as several jobs.
#include "CupsScheduler.h"
#include "NumberText.h"
#include "PdfText.h"
#include "QtPrinterSurface.h"
#include "RunMessages.h"
#include "RunObserver.h"
#include "SameNumberRun.h"
#include "ScriptedDialogs.h"
#include "SetupDialogShows.h"
#include "TestPaths.h"
#include "frmImpresora.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

class TestCupsPrinter : public QObject
{
    Q_OBJECT

    // Started before anything in this process talks to CUPS.
    std::unique_ptr<CupsScheduler> m_cups;
    TestPaths m_tmp;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<QtPrinterSurface> m_printer;
    const QString kQueue = QStringLiteral("Captura");

    int queueIndex() const
    {
        const auto list = m_printer->printers();
        for (int i = 0; i < list.size(); ++i)
            if (list[i].deviceName == kQueue)
                return i;
        return -1;
    }

    QString savedPdf(const CupsScheduler::Job &job, const QString &name)
    {
        // pdftotext wants a file it can read; the captured one belongs to root:lp 0600.
        const QString copy = m_tmp.path(name);
        QFile::remove(copy);
        QFile out(copy);
        if (out.open(QIODevice::WriteOnly))
            out.write(job.data());
        return copy;
    }

    // A run of 23 sheets, 0001 to 0023, on the queue `kParts` in jobs of five sheets; at sheet
    // `actAt` the observer calls `act`, and it stops the run at sheet `stopAt`.
    const QString kParts = QStringLiteral("Partes");
    struct Watch final : RunObserver
    {
        qint64 stopAt = 0, actAt = 0;
        std::function<void()> act;
        QList<qint64> done;
        bool sheetPrinted(qint64 sheet, qint64 total, const QString &) override
        {
            done << sheet * 1000 + total; // both at once: the count and the total it reports
            if (sheet == actAt && act)
                act();
            return sheet != stopAt;
        }
    };
    RunOutcome runInParts(Watch &watch)
    {
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        const auto list = printer.printers();
        for (int i = 0; i < list.size(); ++i)
            if (list[i].deviceName == kParts)
                printer.setCurrentPrinter(i);
        printer.setSheetsPerJob(5);
        printer.setJobName(QStringLiteral("rifa.trv"));
        SameNumberJob job;
        job.desde = QStringLiteral("0001");
        job.hasta = QStringLiteral("0023");
        job.posX[0] = job.posY[0] = QStringLiteral("1440");
        job.off = {false, true, true, true, true, true};
        m_dialogs.clear();
        return runSameNumber(job, {QStringLiteral("DejaVu Sans"), QStringLiteral("12"), 0}, printer,
                             m_dialogs, &watch);
    }
    // Every job the scheduler knows on `kParts`, finished or not: lpstat's lines.
    int jobsKnown()
    {
        QString out;
        m_cups->runTool(QStringLiteral("lpstat"),
                        {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), kParts}, &out);
        return int(out.split(u'\n', Qt::SkipEmptyParts).size());
    }
    // The captured jobs from `from` on: "title: numbers of each sheet".
    QStringList partsFrom(int from)
    {
        QStringList parts;
        const auto jobs = m_cups->jobs(kParts);
        for (int i = from; i < jobs.size(); ++i) {
            const PdfText pdf = PdfText::read(savedPdf(jobs[i], QStringLiteral("part.pdf")));
            QStringList numbers;
            for (const PdfText::Page &page : pdf.pages)
                numbers << page.texts().join(u'+');
            parts << jobs[i].args.value(2) + QStringLiteral(": ") + numbers.join(u' ') + pdf.error;
        }
        return parts;
    }

    static inline const QByteArray kPpd600 = R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "TESS600.PPD"
*Manufacturer: "Tessarino"
*Product: "(Prueba)"
*ModelName: "Tessarino Prueba 600"
*ShortNickName: "Tessarino Prueba 600"
*NickName: "Tessarino Prueba 600 ppp"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*DefaultResolution: 600dpi
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageSize A5/A5: "<</PageSize[420 595]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageRegion A5/A5: "<</PageSize[420 595]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 18 577 824"
*ImageableArea A5/A5: "18 18 402 577"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension A5/A5: "420 595"
)PPD";

    template <typename T> T *child(QWidget &w, const char *name)
    {
        return w.findChild<T *>(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_cups = std::make_unique<CupsScheduler>();
        // No silent pass: a machine that cannot run the scheduler fails here with the reason.
        QVERIFY2(m_cups->running(), qPrintable(m_cups->error()));
        QVERIFY2(m_cups->addCaptureQueue(kQueue), qPrintable(m_cups->error() + m_cups->log()));
        m_printer = std::make_unique<QtPrinterSurface>(m_tmp.paths().pdfOutputFolder);
        // Start from the built-in PDF printer, so making the queue current is a real change.
        m_printer->setCurrentPrinter(m_printer->pdfPrinterIndex());
    }

    void theQueueIsInTheCollectionWithDriverAndDeviceUri()
    {
        const int index = queueIndex();
        QVERIFY2(index >= 0, "the CUPS queue is not in the printers collection");
        const PrinterInfo info = m_printer->printers().at(index);
        QCOMPARE(info.driverName, QStringLiteral("Local Raw Printer"));
        QVERIFY2(info.port.startsWith(QStringLiteral("capture:")), qPrintable(info.port));
        // A member that is not current reports its own defaults.
        const PrinterSettings s = m_printer->printerSettings(index);
        QVERIFY(s.width > 0 && s.height > 0);
        QCOMPARE(s.copies, int16_t(1));
    }

    void theDialogListsTheQueueMakesItCurrentAndAppliesSettings()
    {
        m_dialogs.clear();
        frmImpresora dlg(*m_printer, m_dialogs);
        auto *printers = child<QComboBox>(dlg, "cboPrinters");
        QVERIFY(printers->findText(kQueue) >= 0);
        // The PDF printer is current, so it is the one selected on opening.
        QCOMPARE(printers->currentText(), QStringLiteral("Tessarino PDF"));

        printers->setCurrentIndex(printers->findText(kQueue));
        QCOMPARE(child<QLabel>(dlg, "lblDriverName")->text(), QStringLiteral("Local Raw Printer"));
        QVERIFY(child<QLabel>(dlg, "lblPort")->text().startsWith(QStringLiteral("capture:")));
        child<QPushButton>(dlg, "cmdSet")->click();
        QCOMPARE(m_dialogs.texts(), QStringList{frmImpresora::kMakeCurrentFirst});

        child<QPushButton>(dlg, "cmdMakeCurrent")->click();
        QCOMPARE(m_printer->currentPrinterIndex(), queueIndex());

        m_dialogs.clear();
        auto *paper = child<QComboBox>(dlg, "cboPaperSize");
        paper->setCurrentIndex(paper->findText(QStringLiteral("A5")));
        child<QLineEdit>(dlg, "txtCopies")->setText(QStringLiteral("2"));
        auto *color = child<QComboBox>(dlg, "cboColorMode");
        color->setCurrentIndex(color->findText(QStringLiteral("Color")));
        child<QPushButton>(dlg, "cmdSet")->click();

        // The raw queue prints in monochrome only: that one step fails and names itself, the
        // others are applied and the colour mode stays as it was.
        QCOMPARE(m_dialogs.messages.size(), 1);
        QCOMPARE(m_dialogs.messages[0].title, QStringLiteral("Propiedad: Modo color"));
        QVERIFY(m_dialogs.messages[0].text.contains(kQueue));
        QCOMPARE(m_printer->colorMode(), int16_t(PrinterSurface::ColorMonochrome));
        QCOMPARE(m_printer->paperSize(), int16_t(11));
        QCOMPARE(m_printer->copies(), int16_t(2));
        QCOMPARE(child<QLineEdit>(dlg, "txtCopies")->text(), QStringLiteral("2"));
        QCOMPARE(child<QComboBox>(dlg, "cboPaperSize")->currentText(), QStringLiteral("A5"));
    }

    void aRunOnTheQueueArrivesAsAPdfWithTheNumbersInPlace()
    {
        QCOMPARE(m_printer->currentPrinterIndex(), queueIndex());
        const int before = int(m_cups->jobs(kQueue).size());
        SameNumberJob job;
        job.desde = QStringLiteral("0001");
        job.hasta = QStringLiteral("0002");
        job.posX = {QStringLiteral("1440"), QStringLiteral("0"), QStringLiteral("0"),
                    QStringLiteral("0"),    QStringLiteral("0"), QStringLiteral("0")};
        job.posY = {QStringLiteral("2880"), QStringLiteral("0"), QStringLiteral("0"),
                    QStringLiteral("0"),    QStringLiteral("0"), QStringLiteral("0")};
        job.off = {false, true, true, true, true, true};
        m_dialogs.clear();
        const RunOutcome outcome = runSameNumber(
            job, {QStringLiteral("DejaVu Sans"), QStringLiteral("12"), 0}, *m_printer, m_dialogs);
        QVERIFY2(outcome == RunOutcome::Printed, qPrintable(m_dialogs.texts().join(u'\n')));
        QVERIFY2(m_cups->waitForJobs(kQueue, before + 1), qPrintable(m_cups->log()));

        const CupsScheduler::Job captured = m_cups->jobs(kQueue).at(before);
        QVERIFY(captured.data().startsWith("%PDF"));
        // Backend arguments: job id, user, title, copies, options.
        QVERIFY2(captured.args.size() >= 5, qPrintable(captured.args.join(u'|')));
        QCOMPARE(captured.args.at(3), QStringLiteral("2"));
        QVERIFY2(captured.args.at(4).contains(QStringLiteral("media=A5")), qPrintable(captured.args.at(4)));

        const PdfText pdf = PdfText::read(savedPdf(captured, QStringLiteral("captured.pdf")));
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 2);                   // the queue makes the copies, not the document
        QVERIFY(qAbs(pdf.pages[0].width - 419.5) < 1.5); // A5: 148 x 210 mm
        QVERIFY(qAbs(pdf.pages[0].height - 595.3) < 1.5);
        QCOMPARE(pdf.pages[0].texts(), QStringList{QStringLiteral("0001")});
        QCOMPARE(pdf.pages[1].texts(), QStringList{QStringLiteral("0002")});
        // Twips from the top-left of the printable area: the queue's margin is added.
        const double marginPt = m_printer->printerSettings(queueIndex()).width > 0
                                    ? (419.5 - m_printer->scaleWidth() / 20.0) / 2
                                    : 0;
        const auto *first = pdf.pages[0].find(QStringLiteral("0001"));
        QVERIFY(qAbs(first->xMin - (72 + marginPt)) < 2);
        QVERIFY(qAbs(first->yMin - (144 + marginPt)) < 3);
    }

    // A calibrated queue is sent each text where the printer's distortion brings it back to the
    // job's place: (margin + position - offset) / scale on the paper.
    void aCalibratedQueueIsSentTheCorrectedPositions()
    {
        QCOMPARE(m_printer->currentPrinterIndex(), queueIndex());
        const PrinterCalibration calibration{1.5, -1, 1.01, 0.99};
        m_printer->setCalibrationSource(
            [&](const QString &name) { return name == kQueue ? std::optional(calibration) : std::nullopt; });
        const int before = int(m_cups->jobs(kQueue).size());
        m_printer->setCurrentPosition(2880, 5760);
        m_printer->printText(QStringLiteral("7777"));
        m_printer->endDoc();
        m_printer->setCalibrationSource({});
        QVERIFY2(m_cups->waitForJobs(kQueue, before + 1), qPrintable(m_cups->log()));

        const PdfText pdf =
            PdfText::read(savedPdf(m_cups->jobs(kQueue).at(before), QStringLiteral("calibrated.pdf")));
        const auto *word = pdf.pages.value(0).find(QStringLiteral("7777"));
        QVERIFY2(word, qPrintable(pdf.error));
        const QPointF margin = m_printer->printableAreaTwips().topLeft() / 20; // points
        const double perMm = 72 / 25.4;
        QVERIFY(qAbs(word->xMin - (margin.x() + 144 - 1.5 * perMm) / 1.01) < 1.5);
        QVERIFY(qAbs(word->yMin - (margin.y() + 288 + 1 * perMm) / 0.99) < 3);
    }

    void aQueueRemovedBeforePrintingEndsInAClearMessage()
    {
        QCOMPARE(m_printer->currentPrinterIndex(), queueIndex());
        QVERIFY2(m_cups->addCaptureQueue(QStringLiteral("Efimera")), qPrintable(m_cups->error()));
        // The collection was read when the surface was made: a new surface sees the new queue.
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        int index = -1;
        for (int i = 0; i < printer.printers().size(); ++i)
            if (printer.printers()[i].deviceName == QStringLiteral("Efimera"))
                index = i;
        QVERIFY(index >= 0);
        printer.setCurrentPrinter(index);
        QVERIFY(m_cups->removeQueue(QStringLiteral("Efimera")));

        SameNumberJob job;
        m_dialogs.clear();
        const RunOutcome outcome =
            runSameNumber(job, {QStringLiteral("DejaVu Sans"), QStringLiteral("12"), 0}, printer, m_dialogs);
        QCOMPARE(outcome, RunOutcome::Failed);
        QCOMPARE(m_dialogs.messages.size(), 1);
        QVERIFY2(m_dialogs.messages[0].text.contains(QStringLiteral("Efimera")) &&
                     m_dialogs.messages[0].text.contains(QStringLiteral("ya no está instalada")),
                 qPrintable(m_dialogs.messages[0].text));
        QVERIFY(m_cups->jobs(QStringLiteral("Efimera")).isEmpty());
    }

    void aLongRunArrivesInPartsInOrderAndCancelLeavesOutTheRest()
    {
        QVERIFY2(m_cups->addCaptureQueue(kParts), qPrintable(m_cups->error()));
        Watch whole;
        QCOMPARE(runInParts(whole), RunOutcome::Printed);
        QVERIFY2(m_cups->waitForJobs(kParts, 5), qPrintable(m_cups->log()));
        QCOMPARE(partsFrom(0), QStringList({
                                   QStringLiteral("rifa.trv (parte 1 de 5): 0001 0002 0003 0004 0005"),
                                   QStringLiteral("rifa.trv (parte 2 de 5): 0006 0007 0008 0009 0010"),
                                   QStringLiteral("rifa.trv (parte 3 de 5): 0011 0012 0013 0014 0015"),
                                   QStringLiteral("rifa.trv (parte 4 de 5): 0016 0017 0018 0019 0020"),
                                   QStringLiteral("rifa.trv (parte 5 de 5): 0021 0022 0023"),
                               }));
        // The progress window counts the run's sheets, not a part's.
        QCOMPARE(whole.done.size(), 23);
        QCOMPARE(whole.done.last(), 23 * 1000 + 23);

        // Stopped in the third part: no later part is sent, the part under way and the parts
        // still at the spooler are cancelled, and the message names the last sheet the printer
        // completed. The part under way goes to the spooler cut short before it is cancelled; a
        // fast printer may finish it first, and then its last sheet is what came out.
        const int before = jobsKnown();
        Watch stopped;
        stopped.stopAt = 12;
        QCOMPARE(runInParts(stopped), RunOutcome::Cancelled);
        QCOMPARE(m_dialogs.messages.size(), 1);
        const QString said = m_dialogs.messages[0].text;
        QVERIFY2(said == RunMessages::cancelled(QStringLiteral("0005")) ||
                     said == RunMessages::cancelled(QStringLiteral("0010")) ||
                     said == RunMessages::cancelled(QStringLiteral("0012")) ||
                     said == RunMessages::nothingOut(),
                 qPrintable(said));
        QTest::qWait(1000);
        QCOMPARE(jobsKnown(), before + 3);
        const QStringList expected{QStringLiteral("rifa.trv (parte 1 de 5): 0001 0002 0003 0004 0005"),
                                   QStringLiteral("rifa.trv (parte 2 de 5): 0006 0007 0008 0009 0010"),
                                   QStringLiteral("rifa.trv (parte 3 de 5): 0011 0012")};
        const QStringList arrived = partsFrom(5);
        QVERIFY2(arrived == expected.mid(0, arrived.size()), qPrintable(arrived.join(u'\n')));
        // What the message names as printed did arrive.
        QVERIFY(arrived.size() >= (said.contains(QStringLiteral("0012"))   ? 3
                                   : said.contains(QStringLiteral("0010")) ? 2
                                   : said.contains(QStringLiteral("0005")) ? 1
                                                                           : 0));
    }

    void aRefusedPartEndsTheRunNamingTheLastSheetSent_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("scheduler refuses")
            << QStringLiteral("cupsreject") << QStringList{kParts} << QStringLiteral("rechazó el trabajo");
        QTest::newRow("queue removed")
            << QStringLiteral("lpadmin") << QStringList{QStringLiteral("-x"), kParts}
            << QStringLiteral("ya no está instalada");
    }

    void aRefusedPartEndsTheRunNamingTheLastSheetSent()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        QVERIFY2(m_cups->addCaptureQueue(kParts), qPrintable(m_cups->error())); // back, and accepting
        const int before = jobsKnown();
        Watch watch;
        watch.actAt = 7; // during the second part
        watch.act = [&] { QVERIFY2(m_cups->runTool(tool, arguments), qPrintable(m_cups->error())); };
        QCOMPARE(runInParts(watch), RunOutcome::Failed);
        QCOMPARE(m_dialogs.messages.size(), 1);
        const QString text = m_dialogs.messages[0].text;
        // The first part may have completed before the refusal or been cancelled with it.
        QVERIFY2(
            text.contains(reason) && text.contains(QStringLiteral("la parte 2 de 5 no se imprimió")) &&
                (text.contains(QStringLiteral("La última hoja que la impresora terminó lleva el número 0005. "
                                              "Hay que volver a imprimir desde la hoja 6 (número 0006).")) ||
                 text.contains(QStringLiteral("Ninguna hoja llegó a salir de la impresora. Hay que volver a "
                                              "imprimir desde la hoja 1 (número 0001)."))),
            qPrintable(text));
        QCOMPARE(watch.done.size(), 10); // the run ends where the refused part ends
        if (tool == QStringLiteral("cupsreject"))
            QCOMPARE(jobsKnown(), before + 1);
    }

    // Queues added and removed after the printer was made: the dialog lists the system's as it
    // opens and on "Actualizar lista", and the current queue stays current under its new index.
    void theDialogReadsTheQueuesAsItOpensAndOnRefresh()
    {
        QCOMPARE(m_printer->currentPrinterIndex(), queueIndex());
        QVERIFY2(m_cups->addCaptureQueue(QStringLiteral("Anterior")), qPrintable(m_cups->error()));
        m_dialogs.clear();
        frmImpresora dlg(*m_printer, m_dialogs);
        auto *printers = child<QComboBox>(dlg, "cboPrinters");
        QVERIFY(printers->findText(QStringLiteral("Anterior")) >= 0);
        QCOMPARE(printers->currentText(), kQueue);
        QCOMPARE(m_printer->printers().value(m_printer->currentPrinterIndex()).deviceName, kQueue);

        QVERIFY2(m_cups->addCaptureQueue(QStringLiteral("Nueva")), qPrintable(m_cups->error()));
        QVERIFY(m_cups->removeQueue(QStringLiteral("Anterior")));
        QCOMPARE(printers->findText(QStringLiteral("Nueva")), -1);
        child<QPushButton>(dlg, "cmdRefresh")->click();
        QVERIFY(printers->findText(QStringLiteral("Nueva")) >= 0);
        QCOMPARE(printers->findText(QStringLiteral("Anterior")), -1);
        QCOMPARE(printers->count(), m_printer->printers().size());
        QCOMPARE(printers->currentText(), kQueue);
        QCOMPARE(m_printer->printers().value(m_printer->currentPrinterIndex()).deviceName, kQueue);
        QVERIFY(m_cups->removeQueue(QStringLiteral("Nueva")));

        // The current queue removed stays listed and current: a run on it says it is gone.
        child<QPushButton>(dlg, "cmdRefresh")->click();
        QVERIFY(m_cups->removeQueue(kQueue));
        child<QPushButton>(dlg, "cmdRefresh")->click();
        QCOMPARE(printers->currentText(), kQueue);
        QCOMPARE(m_printer->printers().value(m_printer->currentPrinterIndex()).deviceName, kQueue);
        QVERIFY2(m_dialogs.messages.isEmpty(), qPrintable(m_dialogs.texts().join(u'\n')));
        QVERIFY2(m_cups->addCaptureQueue(kQueue), qPrintable(m_cups->error()));
    }

    // Landscape and a user scale set on the PDF printer: the queue made current shows and holds its
    // own values in landscape, so the test page prints at its full size.
    void aQueueMadeCurrentHoldsWhatTheDialogShowsForIt()
    {
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        printer.setOrientation(PrinterSurface::Landscape);
        printer.setScaleLeft(0); // the dialog's way: the scale shown becomes a user scale
        QCOMPARE(printer.scaleWidth(), 16838.f);
        m_dialogs.clear();
        frmImpresora dlg(printer, m_dialogs);
        auto *printers = child<QComboBox>(dlg, "cboPrinters");
        printers->setCurrentIndex(printers->findText(kQueue));
        const QString shownWidth = child<QLineEdit>(dlg, "txtScaleWidth")->text();
        child<QPushButton>(dlg, "cmdMakeCurrent")->click();
        QCOMPARE(printer.printers().value(printer.currentPrinterIndex()).deviceName, kQueue);
        QCOMPARE(setupDialogMismatches(dlg, printer), QString());
        QCOMPARE(printer.orientation(), int(PrinterSurface::Landscape));
        QCOMPARE(NumberText::plainDecimalSingle(printer.scaleWidth()), shownWidth);
        QCOMPARE(printer.scaleWidth(), float(printer.printableAreaTwips().width()));
    }

    // A driver's PPD that gives one resolution and no choice of it, as driverless queues do.
    void aQueueOfOneResolutionShowsItAndTakesNoOther()
    {
        const QString name = QStringLiteral("Laser600");
        QVERIFY2(m_cups->addPpdQueue(name, kPpd600), qPrintable(m_cups->error() + m_cups->log()));
        QtPrinterSurface printer(m_tmp.paths().pdfOutputFolder);
        printer.setCurrentPrinter(printer.pdfPrinterIndex());
        m_dialogs.clear();
        frmImpresora dlg(printer, m_dialogs);
        auto *printers = child<QComboBox>(dlg, "cboPrinters");
        printers->setCurrentIndex(printers->findText(name));
        auto *quality = child<QComboBox>(dlg, "cboPrintQuality");
        QCOMPARE(quality->currentText(), QStringLiteral("600"));
        child<QPushButton>(dlg, "cmdMakeCurrent")->click();
        QCOMPARE(printer.printQuality(), int16_t(600));
        QCOMPARE(setupDialogMismatches(dlg, printer), QString());

        quality->setEditText(QStringLiteral("300"));
        child<QPushButton>(dlg, "cmdSet")->click();
        QCOMPARE(m_dialogs.messages.size(), 1);
        QCOMPARE(m_dialogs.messages[0].title, QStringLiteral("Propiedad: Calidad"));
        QCOMPARE(m_dialogs.messages[0].text,
                 QStringLiteral("La impresora \"Laser600\" no admite 300 ppp (admite 600)."));
        QCOMPARE(printer.printQuality(), int16_t(600));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, printer.setPrintQuality(1200));
        printer.setPrintQuality(-4); // every quality code is the one resolution
        QCOMPARE(printer.printQuality(), int16_t(-4));
        printer.setPrintQuality(600);
        QCOMPARE(printer.printQuality(), int16_t(600));
    }

    void cleanupTestCase()
    {
        m_printer.reset();
        m_cups.reset();
    }
};

QTEST_MAIN(TestCupsPrinter)
#include "tst_cupsprinter.moc"
