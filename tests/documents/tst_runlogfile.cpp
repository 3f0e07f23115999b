// The run log file as other processes and crashes leave it: only appended, read by column name.
#include "RunLog.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestRunLogFile)
#include "tst_runlogfile.moc"
