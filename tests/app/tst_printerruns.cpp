// Runs whose record is the printer's word: `tessarino --print` on driverless queues of a private
// CUPS scheduler in front of emulated IPP printers that print slowly, jam, and share a class.
// What came out of each printer is compared with the run log and the messages.
#include "CupsScheduler.h"
#include "IppPrinters.h"
#include "RunLog.h"
#include "RunReconcile.h"
#include "ScriptedDialogs.h"
#include "SpoolerJobs.h"
#include "TestPaths.h"
#include "frmRegistro.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTableView>
#include <QTest>

#include <csignal>

namespace {

constexpr int kPart = 5; // sheets per part: small parts, many of them, in little time

// Sheets numbered 0001 to `last`, one number each.
QByteArray job(int last)
{
    return QByteArrayLiteral("[Ultima Impresi\xf3n Solapa:0]\r\n"
                             "PosX_0=1440\r\nPosY_0=2000\r\nCheck1_0=0\r\n"
                             "PosX_1=0\r\nPosY_1=0\r\nCheck1_1=1\r\nPosX_2=0\r\nPosY_2=0\r\nCheck1_2=1\r\n"
                             "PosX_3=0\r\nPosY_3=0\r\nCheck1_3=1\r\nPosX_4=0\r\nPosY_4=0\r\nCheck1_4=1\r\n"
                             "PosX_5=0\r\nPosY_5=0\r\nCheck1_5=1\r\n"
                             "Desde=0001\r\nHasta=") +
           QByteArray::number(last).rightJustified(4, '0') +
           QByteArrayLiteral("\r\nsstab= 0\r\n[Fuentes]\r\nColor=0\r\nTama\xf1o=20\r\nIndice=DejaVu Sans\r\n"
                             "[Solapa]\r\nSStab=0\r\n");
}

QStringList numbers(int from, int to)
{
    QStringList out;
    for (int n = from; n <= to; ++n)
        out << QString::number(n).rightJustified(4, u'0');
    return out;
}

} // namespace

class TestPrinterRuns : public QObject
{
    Q_OBJECT

    std::unique_ptr<CupsScheduler> m_cups;
    std::unique_ptr<IppPrinters> m_printers;
    TestPaths m_tmp;
    int m_jobFiles = 0;

    RunLog log() const { return RunLog(m_tmp.path("home/.local/share/Tessarino")); }

    QString writeJob(int last)
    {
        QFile file(m_tmp.path(QStringLiteral("rifa%1.trv").arg(++m_jobFiles)));
        const QByteArray text = job(last);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return {};
        return file.fileName();
    }

    void start(QProcess &process, const QStringList &arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_tmp.path("home"));
        env.remove("XDG_DATA_HOME");
        env.remove("XDG_CONFIG_HOME");
        env.remove("QT_QPA_PLATFORM");
        env.remove("DISPLAY");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TESSARINO_EXE), arguments);
        QVERIFY(process.waitForStarted(10000));
    }

    // Jobs of `queue` not finished at the scheduler.
    int waiting(const QString &queue)
    {
        QString out;
        m_cups->runTool(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue}, &out);
        return int(out.split(u'\n', Qt::SkipEmptyParts).size());
    }

    // Runs the program to its end on `queue`; `during` is called every 50 ms while it runs.
    // Returns the exit status (-1 for a signal's death) and its messages; the most jobs that
    // waited at the scheduler at once in `mostWaiting`.
    int run(const QStringList &arguments, const QString &queue, QString &messages,
            const std::function<void(QProcess &)> &during = {}, int *mostWaiting = nullptr)
    {
        QProcess process;
        start(process, arguments);
        const QDeadlineTimer deadline(120000);
        while (!process.waitForFinished(50) && !deadline.hasExpired()) {
            if (mostWaiting)
                *mostWaiting = qMax(*mostWaiting, waiting(queue));
            if (during)
                during(process);
        }
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
        messages = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    bool drained(const QString &queue)
    {
        const QDeadlineTimer deadline(30000);
        while (waiting(queue) > 0 && !deadline.hasExpired())
            QTest::qWait(100);
        return waiting(queue) == 0;
    }

    RunLog::Run lastRun()
    {
        const RunLog::Contents contents = log().read();
        return contents.runs.empty() ? RunLog::Run() : contents.runs.back();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_cups = std::make_unique<CupsScheduler>();
        QVERIFY2(m_cups->running(), qPrintable(m_cups->error()));
        m_printers = std::make_unique<IppPrinters>(*m_cups);
        QVERIFY(QDir().mkpath(m_tmp.path("home/.config/Tessarino")));
        QFile settings(m_tmp.path("home/.config/Tessarino/Vireo.sys"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(QByteArrayLiteral("[Impresora]\r\nHojasPorTrabajo=") + QByteArray::number(kPart) +
                       "\r\n");
    }

    void theprintersStateReadsInWords_data()
    {
        QTest::addColumn<QStringList>("reasons");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("words");
        QTest::newRow("jam") << QStringList{"media-jam-error"} << "Jammed"
                             << "atasco de papel";
        QTest::newRow("jam, bare") << QStringList{"media-jam"} << ""
                                   << "atasco de papel";
        QTest::newRow("no paper") << QStringList{"media-empty-warning", "other"} << ""
                                  << "sin papel";
        QTest::newRow("paused") << QStringList{"paused"} << ""
                                << "en pausa";
        QTest::newRow("own message") << QStringList{"other-error"} << "Fuser too hot"
                                     << "Fuser too hot";
        QTest::newRow("nothing wrong") << QStringList{} << "Printing page 3"
                                       << "";
    }

    void theprintersStateReadsInWords()
    {
        QFETCH(QStringList, reasons);
        QFETCH(QString, message);
        QFETCH(QString, words);
        QCOMPARE(SpoolerJobs::reasonInWords(reasons, message), words);
    }

    // A printer that jams at its 12th page of a 30-sheet run in parts of 5: the run stops with
    // the parts the printer completed, nothing stays at the spooler, and the command it
    // suggests completes every number once the jam is cleared. The cut part counts for none
    // even when the spooler reports its job completed (its printer jammed as it ended), or when
    // the queue hands its jobs over without waiting for them (the printer's job tells).
    void aJamStopsTheRunAndTheSuggestedCommandCompletesIt_data()
    {
        QTest::addColumn<bool>("endsWell");
        QTest::addColumn<QString>("uriOptions");
        QTest::newRow("job aborted") << false << QString();
        QTest::newRow("job completed") << true << QString();
        QTest::newRow("handed over") << false << QStringLiteral("?waitjob=false");
    }

    void aJamStopsTheRunAndTheSuggestedCommandCompletesIt()
    {
        QFETCH(bool, endsWell);
        QFETCH(QString, uriOptions);
        const QString queue =
            QStringLiteral("Atasco%1%2").arg(int(endsWell)).arg(uriOptions.isEmpty() ? "" : "s");
        QVERIFY2(m_printers->add(queue, 100, uriOptions), qPrintable(m_printers->error()));
        m_printers->jamAt(queue, 12, endsWell);
        const QString file = writeJob(30);
        QString messages;
        int most = 0;
        const int status = run({"--print", file, "--printer", queue}, queue, messages, {}, &most);
        QVERIFY2(status != 0 && status != -1, qPrintable(messages));
        QVERIFY2(drained(queue), "parts of the run stayed at the spooler");
        QVERIFY2(most <= 2, qPrintable(QString::number(most)));
        const QStringList printed = m_printers->printed(queue);
        QCOMPARE(printed, numbers(1, 11));
        RunLog::Run logged = lastRun();
        QCOMPARE(logged.estado, RunLog::kFallida);
        QCOMPARE(logged.impresas, 10); // two whole parts; the third was cut off by the jam
        QCOMPARE(logged.ultima, QStringLiteral("0010"));
        QVERIFY2(messages.contains(QStringLiteral("0010")) && messages.contains(QStringLiteral("hoja 11")),
                 qPrintable(messages));

        if (!uriOptions.isEmpty())
            return; // going on is the same there, only slower: that printer takes one job at a time
        const QRegularExpression command(QStringLiteral("Para seguir: tessarino (.*)$"),
                                         QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = command.match(messages);
        QVERIFY2(match.hasMatch(), qPrintable(messages));
        const QStringList again = QProcess::splitCommand(match.captured(1));
        QVERIFY2(again.contains(QStringLiteral("11-30")) && again.contains(queue),
                 qPrintable(match.captured(1)));
        m_printers->jamAt(queue, 0);
        QCOMPARE(run(again, queue, messages), 0);
        QVERIFY(drained(queue));
        QStringList all = m_printers->printed(queue);
        all.removeDuplicates();
        QCOMPARE(all, numbers(1, 30));
        logged = lastRun();
        QCOMPARE(logged.estado, RunLog::kCompleta);
        QCOMPARE(logged.impresas, 20);
        QCOMPARE(logged.hojaInicial, 11);
    }

    // Ctrl+C and SIGTERM while parts wait: they are cancelled, and the log counts the parts the
    // printer completed, never one that was cut off.
    void aStopSignalCancelsThePartsAtTheSpooler_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("Ctrl+C") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
    }

    void aStopSignalCancelsThePartsAtTheSpooler()
    {
        QFETCH(int, signal);
        const QString queue = QStringLiteral("Senal%1").arg(signal);
        QVERIFY2(m_printers->add(queue, 40), qPrintable(m_printers->error()));
        QString messages;
        bool sent = false;
        const int status =
            run({"--print", writeJob(60), "--printer", queue}, queue, messages, [&](QProcess &p) {
                if (!sent && m_printers->printed(queue).size() >= 7) {
                    ::kill(pid_t(p.processId()), signal);
                    sent = true;
                }
            });
        QVERIFY2(sent, qPrintable(messages));
        QCOMPARE(status, 128 + signal);
        QVERIFY2(drained(queue), "parts of the run stayed at the spooler");
        QTest::qWait(500); // a page under way when its job was cancelled
        const QStringList printed = m_printers->printed(queue);
        const RunLog::Run logged = lastRun();
        QCOMPARE(logged.estado, RunLog::kCancelada);
        QCOMPARE(logged.impresas % kPart, 0);
        QVERIFY2(
            logged.impresas >= 5 && logged.impresas <= printed.size() && printed.size() < 60,
            qPrintable(QStringLiteral("%1 logged, %2 printed").arg(logged.impresas).arg(printed.size())));
        QCOMPARE(printed.mid(0, int(logged.impresas)), numbers(1, int(logged.impresas)));
        QVERIFY2(messages.contains(QStringLiteral("--sheets %1-60").arg(logged.impresas + 1)),
                 qPrintable(messages));
    }

    // A queue that refuses the next part, is paused, or is removed mid-run: the run stops, and
    // the log holds what the printer completed.
    void aQueueThatStopsTakingPartsEndsTheRun_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("reason");
        QTest::newRow("refused") << QStringLiteral("cupsreject") << QStringLiteral("rechazó");
        QTest::newRow("paused") << QStringLiteral("cupsdisable") << QStringLiteral("en pausa");
        QTest::newRow("removed") << QStringLiteral("lpadmin -x") << QStringLiteral("ya no está instalada");
    }

    void aQueueThatStopsTakingPartsEndsTheRun()
    {
        QFETCH(QString, tool);
        QFETCH(QString, reason);
        static int n = 0;
        const QString queue = QStringLiteral("Cola%1").arg(++n);
        QVERIFY2(m_printers->add(queue, 40), qPrintable(m_printers->error()));
        QString messages;
        bool done = false;
        const int status =
            run({"--print", writeJob(60), "--printer", queue}, queue, messages, [&](QProcess &) {
                if (!done && m_printers->printed(queue).size() >= 3) {
                    const QStringList words = tool.split(u' ');
                    QVERIFY2(m_cups->runTool(words[0], words.mid(1) << queue), qPrintable(m_cups->error()));
                    done = true;
                }
            });
        QVERIFY2(done, qPrintable(messages));
        QVERIFY2(status == 1, qPrintable(QString::number(status) + messages));
        QVERIFY2(messages.contains(reason), qPrintable(messages));
        if (tool != QStringLiteral("lpadmin -x"))
            QVERIFY2(drained(queue), "parts of the run stayed at the spooler");
        QTest::qWait(500);
        const QStringList printed = m_printers->printed(queue);
        const RunLog::Run logged = lastRun();
        QCOMPARE(logged.estado, RunLog::kFallida);
        QVERIFY2(
            logged.impresas <= printed.size() && printed.size() < 60,
            qPrintable(QStringLiteral("%1 logged, %2 printed").arg(logged.impresas).arg(printed.size())));
        QCOMPARE(printed.mid(0, int(logged.impresas)), numbers(1, int(logged.impresas)));
    }

    // A run killed outright: the parts it handed over print on, and the next look at the log
    // counts them from the spooler's history.
    void aKilledRunIsReconciledWithTheSpooler()
    {
        const QString queue = QStringLiteral("Matada");
        QVERIFY2(m_printers->add(queue, 40), qPrintable(m_printers->error()));
        QString messages;
        bool killed = false;
        run({"--print", writeJob(60), "--printer", queue}, queue, messages, [&](QProcess &p) {
            if (!killed && m_printers->printed(queue).size() >= 7) {
                ::kill(pid_t(p.processId()), SIGKILL);
                killed = true;
            }
        });
        QVERIFY(killed);
        QVERIFY(drained(queue));
        QCOMPARE(lastRun().estado, RunLog::kEnCurso);
        QVERIFY(RunReconcile::reconcile(log()) >= 1);
        const QStringList printed = m_printers->printed(queue);
        const RunLog::Run logged = lastRun();
        QCOMPARE(logged.estado, RunLog::kInterrumpida);
        QCOMPARE(logged.impresas, printed.size());
        QCOMPARE(printed, numbers(1, int(logged.impresas)));
        QCOMPARE(logged.ultima, printed.last());
        QCOMPARE(RunReconcile::reconcile(log()), 0); // once is enough
    }

    // Unfinished runs the spooler cannot vouch for: one whose first unconfirmed part it no longer
    // knows is "sin confirmar" with what was confirmed before; one without a parts file (an old
    // log, or the PDF printer) and one whose program still runs are left as they are.
    void reconcilingLeavesAloneWhatTheSpoolerCannotTell()
    {
        const RunLog runs(m_tmp.path("elsewhere"));
        QDir().mkpath(runs.copiesFolder());
        const auto unfinished = [&](const QString &id, const QByteArray &parts) {
            RunLog::Run run;
            run.id = id;
            run.inicio = QDateTime::currentDateTime();
            run.hojas = 30;
            run.impresas = 5;
            run.ultima = QStringLiteral("0005");
            QString reason;
            QVERIFY2(runs.append(run, &reason), qPrintable(reason));
            if (parts.isEmpty())
                return;
            QFile file(runs.partsPath(id));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(parts);
        };
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        unfinished("forgotten", "proceso " + host + " 999999999\n999901 5 0005\n999902 5 0010\n");
        unfinished("old", {});
        unfinished("alive", "proceso " + host + ' ' + QByteArray::number(QCoreApplication::applicationPid()) +
                                "\n999903 5 0005\n");
        QCOMPARE(RunReconcile::reconcile(runs), 1);
        QMap<QString, RunLog::Run> found;
        for (const RunLog::Run &run : runs.read().runs)
            found[run.id] = run;
        QCOMPARE(found["forgotten"].estado, RunLog::kSinConfirmar);
        QCOMPARE(found["forgotten"].impresas, 5); // confirmed before the spooler forgot it
        QCOMPARE(found["forgotten"].ultima, QStringLiteral("0005"));
        QCOMPARE(found["old"].estado, RunLog::kEnCurso);
        QCOMPARE(found["alive"].estado, RunLog::kEnCurso);
    }

    // A class of two printers: both print at once, every sheet once, each part in order.
    void aPoolOfTwoPrintersPrintsEverySheetOnce()
    {
        QVERIFY2(m_printers->add(QStringLiteral("P1"), 100), qPrintable(m_printers->error()));
        QVERIFY2(m_printers->add(QStringLiteral("P2"), 100), qPrintable(m_printers->error()));
        QVERIFY2(m_printers->addClass(QStringLiteral("Pool"), {QStringLiteral("P1"), QStringLiteral("P2")}),
                 qPrintable(m_printers->error()));
        QString messages;
        int most = 0;
        QCOMPARE(run({"--print", writeJob(40), "--printer", QStringLiteral("Pool")}, QStringLiteral("Pool"),
                     messages, {}, &most),
                 0);
        const QStringList one = m_printers->printed(QStringLiteral("P1"));
        const QStringList two = m_printers->printed(QStringLiteral("P2"));
        QVERIFY2(!one.isEmpty() && !two.isEmpty(), qPrintable(one.join(u' ') + u'|' + two.join(u' ')));
        QStringList all = one + two;
        all.sort();
        QCOMPARE(all, numbers(1, 40));
        for (const QStringList &printed : {one, two})
            for (qsizetype i = 0; i < printed.size(); i += kPart) {
                const int first = printed[i].toInt();
                QCOMPARE((first - 1) % kPart, 0);
                QCOMPARE(printed.mid(i, kPart), numbers(first, first + kPart - 1));
            }
        QVERIFY2(most <= 4, qPrintable(QString::number(most)));
        const RunLog::Run logged = lastRun();
        QCOMPARE(logged.estado, RunLog::kCompleta);
        QCOMPARE(logged.impresas, 40);
        RunReconcile::Parts parts;
        QVERIFY(RunReconcile::readParts(log().partsPath(logged.id), parts));
        QCOMPARE(int(parts.parts.size()), 40 / kPart);
        // Which printer took each part, as the scheduler tells.
        QStringList members;
        for (const RunReconcile::Parts::Part &part : parts.parts)
            members << part.member;
        members.removeDuplicates();
        members.sort();
        QCOMPARE(members, QStringList({QStringLiteral("P1"), QStringLiteral("P2")}));

        // The log window names both printers, and for each part the one that printed it.
        const RunLog runLog = log();
        ScriptedDialogs dialogs;
        frmRegistro window(runLog, dialogs, nullptr);
        const QModelIndex printer = window.grdRegistro->model()->index(0, 2);
        const QString shown = printer.data().toString();
        QVERIFY2(shown == QStringLiteral("Pool (P1, P2)") || shown == QStringLiteral("Pool (P2, P1)"),
                 qPrintable(shown));
        const QStringList lines = printer.data(Qt::ToolTipRole).toString().split(u'\n');
        QCOMPARE(lines.size(), qsizetype(parts.parts.size()));
        for (std::size_t i = 0; i < parts.parts.size(); ++i) {
            const RunReconcile::Parts::Part &part = parts.parts[i];
            QCOMPARE(lines[qsizetype(i)],
                     QStringLiteral("Parte %1: %2 hojas, la última con el número %3, en %4")
                         .arg(i + 1)
                         .arg(kPart)
                         .arg(part.last, part.member));
            QVERIFY2(m_printers->printed(part.member).contains(part.last), qPrintable(lines[qsizetype(i)]));
        }
    }

    void cleanupTestCase()
    {
        m_printers.reset();
        m_cups.reset();
    }
};

QTEST_MAIN(TestPrinterRuns)
#include "tst_printerruns.moc"
