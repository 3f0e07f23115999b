// The run log file as other processes and crashes leave it: only appended, read by column name.
#include "FileSizeLimit.h"
#include "RunLog.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <sys/stat.h>

class TestRunLogFile : public QObject
{
    Q_OBJECT

    static void appendBytes(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::Append));
        QCOMPARE(f.write(bytes), bytes.size());
    }

private Q_SLOTS:
    void namesWithCommasAndQuotesComeBackWhole()
    {
        TestPaths tmp;
        const RunLog log(tmp.paths().runLogFolder);
        RunLog::Run run;
        run.id = RunLog::newId();
        run.trabajo = QStringLiteral("/trabajos/rifa \"grande\", 2.trv");
        run.impresora = QStringLiteral(" Oficina\nHP");
        QVERIFY(log.append(run, nullptr));
        const auto runs = log.read().runs;
        QCOMPARE(runs.size(), std::size_t(1));
        QCOMPARE(runs[0].trabajo, run.trabajo);
        QCOMPARE(runs[0].impresora, QStringLiteral(" Oficina HP")); // one line per record
    }

    // A line a crash cut short spoils only itself; the latest line of a run is its state.
    void aLineCutShortDoesNotSpoilTheNext()
    {
        TestPaths tmp;
        const RunLog log(tmp.paths().runLogFolder);
        RunLog::Run first;
        first.id = QStringLiteral("a");
        first.hojas = 10;
        QVERIFY(log.append(first, nullptr));
        appendBytes(log.file(), "b,2026-12-07T10:00:00Z,,en cur");
        first.estado = RunLog::kCompleta;
        first.impresas = 10;
        QVERIFY(log.append(first, nullptr));

        const auto runs = log.read().runs;
        QCOMPARE(runs.size(), std::size_t(1));
        QCOMPARE(runs[0].id, QStringLiteral("a"));
        QCOMPARE(runs[0].estado, RunLog::kCompleta);
        QCOMPARE(runs[0].impresas, 10);
    }

    void columnsAreFoundByName()
    {
        TestPaths tmp;
        const RunLog log(tmp.paths().runLogFolder);
        QVERIFY(QDir().mkpath(tmp.paths().runLogFolder));
        appendBytes(log.file(), "estado,id,extra,hojas\ncancelada,x,?,42\n");
        const auto runs = log.read().runs;
        QCOMPARE(runs.size(), std::size_t(1));
        QCOMPARE(runs[0].id, QStringLiteral("x"));
        QCOMPARE(runs[0].estado, RunLog::kCancelada);
        QCOMPARE(runs[0].hojas, 42);
    }

    // A creator that died before its first write leaves an empty log; a log whose header was
    // cut off is read in this version's order. Neither loses the runs appended to it.
    void aLogWithoutItsHeaderKeepsItsRuns()
    {
        TestPaths tmp;
        const RunLog log(tmp.paths().runLogFolder);
        QVERIFY(QDir().mkpath(tmp.paths().runLogFolder));
        appendBytes(log.file(), "");
        RunLog::Run run;
        run.id = QStringLiteral("a");
        QVERIFY(log.append(run, nullptr));
        QCOMPARE(log.read().runs.size(), std::size_t(1));

        QFile::remove(log.file());
        appendBytes(log.file(), RunLog::csvLine(run).toUtf8());
        run.id = QStringLiteral("b");
        QVERIFY(log.append(run, nullptr));
        const auto runs = log.read().runs;
        QCOMPARE(runs.size(), std::size_t(2));
        QCOMPARE(runs[0].id, QStringLiteral("a"));
    }

    // A full disk cuts the end line where the space ran out. The append says so; a cut after the
    // state still ends the run, a cut inside it leaves the run as its first line says, and either
    // way the line is named as unread and the next run starts on a line of its own.
    void aFullDiskCutsTheEndLineButNeverUnfinishesTheRun_data()
    {
        QTest::addColumn<int>("past");
        QTest::addColumn<QString>("estado");
        QTest::newRow("cut after the state") << 6 << RunLog::kCompleta;
        QTest::newRow("cut inside the state") << -4 << RunLog::kEnCurso;
    }
    void aFullDiskCutsTheEndLineButNeverUnfinishesTheRun()
    {
        QFETCH(int, past);
        QFETCH(QString, estado);
        TestPaths tmp;
        const RunLog log(tmp.paths().runLogFolder);
        RunLog::Run run;
        run.id = RunLog::newId();
        run.inicio = QDateTime(QDate(2026, 12, 7), QTime(10, 0));
        run.impresora = QStringLiteral("Oficina");
        run.trabajo = QStringLiteral("/trabajos/rifa.trv");
        run.hojas = 10;
        QVERIFY(log.append(run, nullptr));
        run.estado = RunLog::kCompleta;
        run.fin = run.inicio.addSecs(60);
        run.impresas = 10;
        run.ultima = QStringLiteral("0010");
        const QByteArray line = RunLog::csvLine(run).toUtf8();
        const qint64 stateEnd = line.indexOf(",completa,") + qint64(qstrlen(",completa"));
        const qint64 before = QFileInfo(log.file()).size();
        QString reason;
        {
            const FileSizeLimit full(rlim_t(before + stateEnd + past));
            QVERIFY(full.active());
            QVERIFY(!log.append(run, &reason));
        }
        QVERIFY(!reason.isEmpty());
        QCOMPARE(QFileInfo(log.file()).size(), before + stateEnd + past);

        RunLog::Run next;
        next.id = RunLog::newId();
        next.inicio = run.fin;
        QVERIFY(log.append(next, nullptr));
        const RunLog::Contents contents = log.read();
        QCOMPARE(contents.runs.size(), std::size_t(2));
        QCOMPARE(contents.runs[0].estado, estado);
        QCOMPARE(contents.runs[0].impresas, estado == RunLog::kCompleta ? 10 : 0);
        QCOMPARE(contents.runs[0].trabajo, run.trabajo);
        QCOMPARE(contents.runs[1].id, next.id);
        QCOMPARE(contents.unreadLines, QList<qint64>{3});
    }

    // Lines that are not a run's (junk, a line with more fields than the header, a state or a
    // time no run writes) are named, never shown as runs.
    void linesThatAreNotRunsAreNamedNotShown()
    {
        TestPaths tmp;
        const RunLog log(tmp.paths().runLogFolder);
        RunLog::Run run;
        run.id = QStringLiteral("a");
        QVERIFY(log.append(run, nullptr));
        QByteArray line = RunLog::csvLine(run).toUtf8();
        appendBytes(log.file(), QByteArray("\x01\x02\xff basura,,\n") + "x" + line.mid(1).chopped(1) +
                                    ",extra\n" + "y" + line.mid(1).replace(",en curso,", ",hola,") + "\n" +
                                    "z,ayer" + line.mid(1));
        const RunLog::Contents contents = log.read();
        QCOMPARE(contents.runs.size(), std::size_t(1));
        QCOMPARE(contents.runs[0].id, QStringLiteral("a"));
        QCOMPARE(contents.unreadLines, (QList<qint64>{3, 4, 5, 7}));
        QVERIFY(contents.error.isEmpty());
    }

    // A pipe or a folder where the log should be would keep a reader or a run waiting for ever:
    // both are refused at once, saying what stands there.
    void somethingOtherThanAFileIsRefusedAtOnce_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("pipe") << true;
        QTest::newRow("folder") << false;
    }
    void somethingOtherThanAFileIsRefusedAtOnce()
    {
        QFETCH(bool, pipe);
        TestPaths tmp;
        const RunLog log(tmp.paths().runLogFolder);
        QVERIFY(QDir().mkpath(tmp.paths().runLogFolder));
        if (pipe)
            QCOMPARE(::mkfifo(QFile::encodeName(log.file()).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkpath(log.file()));
        const RunLog::Contents contents = log.read();
        QVERIFY2(contents.error.contains(QStringLiteral("no es un archivo normal")),
                 qPrintable(contents.error));
        QVERIFY(contents.runs.empty());
        RunLog::Run run;
        run.id = QStringLiteral("a");
        QString reason;
        QVERIFY(!log.append(run, &reason));
        QVERIFY2(reason.contains(QStringLiteral("no es un archivo normal")), qPrintable(reason));
        QVERIFY(!log.exportTo(tmp.path(QStringLiteral("export.csv")), &reason));
    }
};

QTEST_GUILESS_MAIN(TestRunLogFile)
#include "tst_runlogfile.moc"
