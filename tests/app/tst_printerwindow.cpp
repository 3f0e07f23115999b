// A run from the window on a queue the printer confirms: the progress window shows what the
// printer completed, "Cancelar" asks while parts are at the printer, waiting lets the run finish
// and stopping cancels the parts left. While the parts wait for the printer the window works on
// other jobs, refuses a second print, and closing it asks the same question.
#include "CupsScheduler.h"
#include "FormHarness.h"
#include "IppPrinters.h"
#include "QtPrinterSurface.h"
#include "RunLog.h"
#include "frmProgreso.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QStringList numbers(int from, int to)
{
    QStringList out;
    for (int n = from; n <= to; ++n)
        out << QString::number(n).rightJustified(4, u'0');
    return out;
}

} // namespace

class TestPrinterWindow : public QObject
{
    Q_OBJECT

    // Before anything in this process talks to CUPS.
    std::unique_ptr<CupsScheduler> m_cups = std::make_unique<CupsScheduler>();
    std::unique_ptr<IppPrinters> m_printers;
    const QString kQueue = QStringLiteral("Ventana");

    using Window = FormHarness<QtPrinterSurface>;

    // Prints 0001 to 0020 in parts of 5 from `h` on the emulated printer; the first time the
    // progress window shows the printer's count, `act` runs (the window's turn during the run).
    // Returns the run's last line in the log.
    RunLog::Run printActingOnce(Window &h, const std::function<void(frmProgreso *)> &act)
    {
        const auto list = h.printer.printers();
        for (int i = 0; i < list.size(); ++i)
            if (list[i].deviceName == kQueue)
                h.printer.setCurrentPrinter(i);
        h.printer.setSheetsPerJob(5);
        if (!h.open(0))
            return {};
        h.type("txtDesde", "0001");
        h.type("txtHasta", "0020");
        h.type("txtPosX_0", "1440");
        h.type("txtPosY_0", "2000");
        bool acted = false;
        QTimer watch;
        watch.setInterval(20);
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *progress = h.w.findChild<frmProgreso *>();
            if (acted || !progress || !progress->isVisible() || !progress->lblImpresora->isVisible() ||
                !progress->lblImpresora->text().contains(QStringLiteral("terminó 5 ")))
                return;
            acted = true;
            act(progress);
        });
        watch.start();
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        watch.stop();
        const RunLog::Contents contents = RunLog(h.tmp.paths().runLogFolder).read();
        return contents.runs.empty() ? RunLog::Run() : contents.runs.back();
    }

    // "Cancelar" is clicked with `answer` queued for its question.
    RunLog::Run printAndCancel(int answer, QString &shown, QStringList &questions)
    {
        Window h;
        h.dialogs.answers.enqueue(answer);
        h.dialogs.answers.enqueue(1); // "Aceptar" to the offer to go on
        const RunLog::Run run = printActingOnce(h, [&](frmProgreso *progress) {
            shown = progress->lblHoja->text() + u'|' + progress->lblImpresora->text();
            QTest::mouseClick(progress->cmdCancelar, Qt::LeftButton);
        });
        questions = h.dialogs.texts();
        return run;
    }

    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_cups->running(), qPrintable(m_cups->error()));
        m_printers = std::make_unique<IppPrinters>(*m_cups);
        QVERIFY2(m_printers->add(kQueue, 10), qPrintable(m_printers->error()));
    }

    void waitingLetsTheRunFinish()
    {
        QString shown;
        QStringList messages;
        const RunLog::Run run = printAndCancel(0, shown, messages);
        QVERIFY2(shown.startsWith(QStringLiteral("Enviada a la impresora la hoja ")) &&
                     shown.contains(QStringLiteral("La impresora terminó 5 de 20 hojas.")),
                 qPrintable(shown));
        QVERIFY2(!messages.isEmpty() && messages[0].startsWith(QStringLiteral("Hay partes de la impresión")),
                 qPrintable(messages.join(u'\n')));
        QCOMPARE(run.estado, RunLog::kCompleta);
        QCOMPARE(run.impresas, 20);
    }

    void stoppingCancelsThePartsLeft()
    {
        const qsizetype before = m_printers->printed(kQueue).size();
        QString shown;
        QStringList messages;
        const RunLog::Run run = printAndCancel(1, shown, messages);
        QCOMPARE(run.estado, RunLog::kCancelada);
        QVERIFY2(run.impresas >= 5 && run.impresas < 20 && run.impresas % 5 == 0,
                 qPrintable(QString::number(run.impresas)));
        QTest::qWait(1500);
        const qsizetype printed = m_printers->printed(kQueue).size() - before;
        QVERIFY2(printed >= run.impresas && printed < 20, qPrintable(QString::number(printed)));
        QVERIFY2(messages.size() == 2 && messages[1].contains(QStringLiteral("Continuar")),
                 qPrintable(messages.join(u'\n')));
    }

    // While the run waits for the printer the window opens another job, edits it, turns it to
    // landscape, saves it and previews it; a second print is refused with a message naming the
    // running job and printer. The run prints and records its own values, as the printer
    // confirmed them, and the orientation chosen meanwhile reaches the printer after it.
    void theWindowWorksOnOtherJobsWhileARunPrints()
    {
        const qsizetype before = m_printers->printed(kQueue).size();
        Window h;
        const QString other = h.tmp.path("otra.trv");
        {
            QFile file(other);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Ultima Impresi\xf3n Solapa:0]\r\nPosX_0=1440\r\nPosY_0=2000\r\nCheck1_0=0\r\n"
                       "Desde=0500\r\nHasta=0510\r\nsstab= 0\r\n[Solapa]\r\nSStab=0\r\n");
        }
        QString refusal;
        bool portraitWhileRunning = false, previewed = false;
        const RunLog::Run run = printActingOnce(h, [&](frmProgreso *) {
            h.dialogs.answers.enqueue(Dialogs::No); // the typed job is not saved
            h.dialogs.fileNames.enqueue(other);
            h.w.findChild<QAction *>("mnuabrir")->trigger();
            h.type("txtDesde", "0100");
            h.type("txtHasta", "0199");
            h.check("chVert")->setChecked(true);
            portraitWhileRunning = h.printer.width() < h.printer.height() &&
                                   h.printer.orientation() == PrinterSurface::Landscape;
            h.w.findChild<QAction *>("mnuguardar")->trigger(); // into the file it came from
            QTimer::singleShot(100, this, [&] {
                if (QWidget *preview = QApplication::activeModalWidget()) {
                    previewed = preview->objectName() == QStringLiteral("frmVistaPrevia");
                    preview->close();
                }
            });
            h.w.findChild<QAction *>("mnuVistaPrevia")->trigger();
            const qsizetype shown = h.dialogs.messages.size();
            h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
            if (h.dialogs.messages.size() > shown)
                refusal = h.dialogs.messages.last().text;
        });
        QVERIFY2(refusal.startsWith(QStringLiteral("No se puede imprimir ahora")) &&
                     refusal.contains(QStringLiteral("«Nuevo 1» se está imprimiendo en «Ventana»")),
                 qPrintable(h.dialogs.texts().join(u'\n')));
        QVERIFY(portraitWhileRunning);
        QVERIFY(previewed);
        QCOMPARE(run.estado, RunLog::kCompleta);
        QCOMPARE(run.impresas, 20);
        QCOMPARE(run.ultima, QStringLiteral("0020"));
        QCOMPARE(m_printers->printed(kQueue).mid(before), numbers(1, 20));
        // The last print is the run's, the saved job the window's.
        const QByteArray settings = bytesOf(h.tmp.paths().settingsFile);
        QVERIFY2(settings.contains("Desde=0001\r\nHasta=0020"), settings.constData());
        QVERIFY2(bytesOf(other).contains("Desde=0100\r\nHasta=0199"), bytesOf(other).constData());
        QCOMPARE(h.box("txtDesde")->text(), QStringLiteral("0100"));
        QVERIFY(h.printer.width() > h.printer.height());
    }

    // A dialog the user opens from the window while the run prints (here the preview, modal)
    // does not hold the run up: the later parts go to the printer, and the run ends, while it
    // is still open.
    void theRunGoesOnWhileTheUserIsInADialog()
    {
        const qsizetype before = m_printers->printed(kQueue).size();
        Window h;
        QString openDialog;
        qsizetype printedWhileOpen = 0;
        bool endedWhileOpen = false;
        const RunLog::Run run = printActingOnce(h, [&](frmProgreso *progress) {
            QTimer poll;
            connect(&poll, &QTimer::timeout, this, [&] {
                QWidget *dialog = QApplication::activeModalWidget();
                if (!dialog)
                    return;
                openDialog = dialog->objectName();
                printedWhileOpen = m_printers->printed(kQueue).size() - before;
                endedWhileOpen = progress->lblImpresora->text().contains(QStringLiteral("terminó 20 de 20"));
                if (endedWhileOpen)
                    dialog->close();
            });
            poll.start(50);
            QTimer::singleShot(30000, this, [] {
                if (QWidget *dialog = QApplication::activeModalWidget())
                    dialog->close();
            });
            h.w.findChild<QAction *>("mnuVistaPrevia")->trigger();
        });
        QCOMPARE(openDialog, QStringLiteral("frmVistaPrevia"));
        QVERIFY(endedWhileOpen);
        QCOMPARE(printedWhileOpen, 20);
        QCOMPARE(run.estado, RunLog::kCompleta);
        QCOMPARE(m_printers->printed(kQueue).mid(before), numbers(1, 20));
    }

    // Closing the window while parts are at the printer asks to wait or stop; either way the
    // window closes once the run has ended, and a stopped run offers no "Continuar".
    void closingTheWindowWaitsForTheRunOrStopsIt_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("estado");
        QTest::newRow("Esperar") << 0 << RunLog::kCompleta;
        QTest::newRow("Detener") << 1 << RunLog::kCancelada;
    }
    void closingTheWindowWaitsForTheRunOrStopsIt()
    {
        QFETCH(int, answer);
        QFETCH(QString, estado);
        Window h;
        bool stillOpen = false;
        const RunLog::Run run = printActingOnce(h, [&](frmProgreso *) {
            h.dialogs.answers.enqueue(answer);
            h.dialogs.answers.enqueue(Dialogs::No); // then, as the window closes, not saved
            h.w.close();
            stillOpen = h.w.isVisible();
        });
        QVERIFY(stillOpen);
        QCOMPARE(run.estado, estado);
        QTRY_VERIFY(!h.w.isVisible());
        const QStringList texts = h.dialogs.texts();
        QVERIFY2(texts.value(0).startsWith(QStringLiteral("Hay partes de la impresión")),
                 qPrintable(texts.join(u'\n')));
        QVERIFY2(!texts.join(u'\n').contains(QStringLiteral("Continuar")), qPrintable(texts.join(u'\n')));
    }

    void cleanupTestCase()
    {
        m_printers.reset();
        m_cups.reset();
    }
};

QTEST_MAIN(TestPrinterWindow)
#include "tst_printerwindow.moc"
