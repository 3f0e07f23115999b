// A run from the window on a queue the printer confirms: the progress window shows what the
// printer completed, "Cancelar" asks while parts are at the printer, waiting lets the run finish
// and stopping cancels the parts left.
#include "CupsScheduler.h"
#include "FormHarness.h"
#include "IppPrinters.h"
#include "QtPrinterSurface.h"
#include "RunLog.h"
#include "frmProgreso.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

class TestPrinterWindow : public QObject
{
    Q_OBJECT

    // Before anything in this process talks to CUPS.
    std::unique_ptr<CupsScheduler> m_cups = std::make_unique<CupsScheduler>();
    std::unique_ptr<IppPrinters> m_printers;
    const QString kQueue = QStringLiteral("Ventana");

    // Prints 0001 to 0020 in parts of 5; the first time the progress window shows the printer's
    // count, "Cancelar" is clicked with `answer` queued for its question.
    RunLog::Run printAndCancel(int answer, QString &shown, QStringList &questions)
    {
        FormHarness<QtPrinterSurface> h;
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
        h.dialogs.answers.enqueue(answer);
        h.dialogs.answers.enqueue(1); // "Aceptar" to the offer to go on
        bool clicked = false;
        QTimer watch;
        watch.setInterval(20);
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *progress = h.w.findChild<frmProgreso *>();
            if (clicked || !progress || !progress->isVisible() || !progress->lblImpresora->isVisible() ||
                !progress->lblImpresora->text().contains(QStringLiteral("terminó 5 ")))
                return;
            shown = progress->lblHoja->text() + u'|' + progress->lblImpresora->text();
            clicked = true;
            QTest::mouseClick(progress->cmdCancelar, Qt::LeftButton);
        });
        watch.start();
        h.click(h.w.findChild<QPushButton *>("cmdImprimir"));
        watch.stop();
        for (const ScriptedDialogs::Message &m : h.dialogs.messages)
            questions << m.text;
        const RunLog::Contents contents = RunLog(h.tmp.paths().runLogFolder).read();
        return contents.runs.empty() ? RunLog::Run() : contents.runs.back();
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

    void cleanupTestCase()
    {
        m_printers.reset();
        m_cups.reset();
    }
};

QTEST_MAIN(TestPrinterWindow)
#include "tst_printerwindow.moc"
