// A run aside works on a thread of its own but never at the same time as the window: everything
// it tells its observer or asks in a dialog happens on the window's thread, what either side
// throws reaches the other, and it keeps going inside a dialog's event loop.
#include "RunAside.h"
#include "RunObserver.h"
#include "RuntimeError.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace {

// Notes every call and the thread it came on; stops the run at `stopAt` and throws from
// runStarting() when asked to.
class Recorder final : public RunObserver
{
public:
    bool sheetPrinted(qint64 done, qint64, const QString &) override
    {
        note();
        told += done == last + 1 ? 1 : 0;
        last = done;
        return done < stopAt || stopAt < 0;
    }
    void runStarting(qint64) override
    {
        note();
        if (refuseStart)
            throw RuntimeError(RuntimeError::PrinterError, QStringLiteral("sin registro"));
    }
    bool keepWaiting() override
    {
        note();
        return true;
    }

    qint64 stopAt = -1;
    bool refuseStart = false;
    qint64 last = 0;
    qint64 told = 0; // sheets told in order, each once
    int calls = 0;
    bool offTheWindow = false; // a call came on another thread than the window's

private:
    void note()
    {
        ++calls;
        offTheWindow = offTheWindow || QThread::currentThread() != qApp->thread();
    }
};

RunOutcome sheets(RunObserver *observer, qint64 count)
{
    for (qint64 k = 1; k <= count; ++k)
        if (!observer->sheetPrinted(k, count, QString::number(k)))
            return RunOutcome::Cancelled;
    return RunOutcome::Printed;
}

} // namespace

class TestRunAside : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The run's calls come back with the window's answers: a stop, a dialog's answer. Sheets
    // reach the observer in batches, so a stop is heard a little after the sheet it was asked
    // at, and the observer is still told of every sheet drawn.
    void theRunIsToldAndAskedOnTheWindowsThread_data()
    {
        QTest::addColumn<qint64>("stopAt");
        QTest::addColumn<int>("answer");
        QTest::addColumn<qint64>("fewest");
        QTest::addColumn<qint64>("most");
        QTest::addColumn<int>("outcome");
        QTest::newRow("to the end") << qint64(-1) << Dialogs::Yes << qint64(3000) << qint64(3000)
                                    << int(RunOutcome::Printed);
        QTest::newRow("stopped") << qint64(120) << Dialogs::Yes << qint64(120) << qint64(2999)
                                 << int(RunOutcome::Cancelled);
        QTest::newRow("declined") << qint64(-1) << Dialogs::No << qint64(0) << qint64(0)
                                  << int(RunOutcome::Failed);
    }
    void theRunIsToldAndAskedOnTheWindowsThread()
    {
        QFETCH(qint64, stopAt);
        QFETCH(int, answer);
        QFETCH(qint64, fewest);
        QFETCH(qint64, most);
        QFETCH(int, outcome);
        Recorder observer;
        observer.stopAt = stopAt;
        ScriptedDialogs dialogs;
        dialogs.answers.enqueue(answer);
        bool ranOffTheWindow = false;
        const RunOutcome result = RunAside::run(&observer, dialogs, {}, [&](RunObserver *o, Dialogs &d) {
            ranOffTheWindow = QThread::currentThread() != qApp->thread();
            if (d.message("¿Seguir?", "Tessarino", Dialogs::Icon::Question, Dialogs::Buttons::YesNo) !=
                Dialogs::Yes)
                return RunOutcome::Failed;
            o->runStarting(3000);
            return sheets(o, 3000);
        });
        QVERIFY(ranOffTheWindow);
        QVERIFY(!observer.offTheWindow);
        QCOMPARE(int(result), outcome);
        QVERIFY2(observer.last >= fewest && observer.last <= most,
                 qPrintable(QString::number(observer.last)));
        QCOMPARE(observer.told, observer.last); // each sheet once, in order
        QCOMPARE(dialogs.texts(), QStringList{"¿Seguir?"});
    }

    // What the run throws ends run() with it; what the window throws reaches the run's thread.
    void failuresCrossBetweenTheThreads()
    {
        Recorder observer;
        ScriptedDialogs dialogs;
        try {
            RunAside::run(&observer, dialogs, {}, [](RunObserver *, Dialogs &) -> RunOutcome {
                throw RuntimeError(RuntimeError::PrinterError, QStringLiteral("sin papel"));
            });
            QFAIL("the run's failure was lost");
        } catch (const RuntimeError &e) {
            QCOMPARE(e.description(), QStringLiteral("sin papel"));
        }

        observer.refuseStart = true;
        QString seen;
        const RunOutcome result = RunAside::run(&observer, dialogs, {}, [&](RunObserver *o, Dialogs &) {
            try {
                o->runStarting(10);
            } catch (const RuntimeError &e) {
                seen = e.description();
                return RunOutcome::Failed;
            }
            return sheets(o, 10);
        });
        QCOMPARE(int(result), int(RunOutcome::Failed));
        QCOMPARE(seen, QStringLiteral("sin registro"));
        QCOMPARE(observer.last, 0);
    }

    // Only one of the two works at a time: the window's timers never find the run working, yet
    // they get their turns during it, with the window's settings held.
    void theRunAndTheWindowTakeTurns()
    {
        Recorder observer;
        ScriptedDialogs dialogs;
        std::atomic<bool> working = false;
        std::atomic<bool> held = false;
        int windowTurns = 0, clashes = 0, heldInRunsTurn = 0, freeInWindowsTurn = 0;
        QTimer window;
        window.setInterval(0);
        connect(&window, &QTimer::timeout, this, [&] {
            ++windowTurns;
            clashes += working ? 1 : 0;
            freeInWindowsTurn += held ? 0 : 1;
        });
        window.start();
        RunAside::run(
            &observer, dialogs, [&](bool windows) { held = windows; },
            [&](RunObserver *o, Dialogs &) {
                for (int k = 1; k <= 150; ++k) {
                    working = true;
                    heldInRunsTurn += held ? 1 : 0;
                    QThread::usleep(500);
                    working = false;
                    o->sheetPrinted(k, 150, QString::number(k));
                    if (k % 30 == 0)
                        o->idle(5);
                }
                return RunOutcome::Printed;
            });
        window.stop();
        QVERIFY2(windowTurns >= 5, qPrintable(QString::number(windowTurns)));
        QCOMPARE(clashes, 0);
        QCOMPARE(heldInRunsTurn, 0);
        QCOMPARE(freeInWindowsTurn, 0);
        QVERIFY(held); // until whoever started the run releases the window's settings
        QCOMPARE(observer.last, 150);
    }

    // A modal dialog opened during the run does not hold it up: the run reaches its last sheet
    // while the dialog is still open.
    void theRunGoesOnWhileADialogIsOpen()
    {
        Recorder observer;
        ScriptedDialogs dialogs;
        bool dialogOpen = false, endedInsideTheDialog = false;
        QTimer::singleShot(0, this, [&] {
            QDialog dialog;
            QTimer poll;
            connect(&poll, &QTimer::timeout, &dialog, [&] {
                if (observer.last == 400)
                    dialog.accept();
            });
            poll.start(10);
            QTimer::singleShot(20000, &dialog, &QDialog::reject);
            dialogOpen = true;
            dialog.exec();
            dialogOpen = false;
        });
        RunAside::run(&observer, dialogs, {}, [&](RunObserver *o, Dialogs &) {
            for (int k = 1; k <= 400; ++k) {
                if (k == 400)
                    endedInsideTheDialog = o->keepWaiting() && dialogOpen;
                o->sheetPrinted(k, 400, QString::number(k));
                if (k % 50 == 0)
                    o->idle(10);
            }
            return RunOutcome::Printed;
        });
        QVERIFY(endedInsideTheDialog);
        QTRY_VERIFY(!dialogOpen);
    }
};

QTEST_MAIN(TestRunAside)
#include "tst_runaside.moc"
