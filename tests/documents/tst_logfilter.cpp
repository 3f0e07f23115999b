// The log window's filters, its runs with their replacements underneath, and the export in the
// exporting machine's local time.
#include "LogFilter.h"
#include "RunLog.h"
#include "TestPaths.h"

#include <QFile>
#include <QTest>
#include <QTimeZone>

#include <ctime>

namespace {

RunLog::Run logged(const QString &id, const QString &trabajo, const QString &impresora, const QString &inicio,
                   const QString &estado, const QString &origen = {})
{
    RunLog::Run run;
    run.id = id;
    run.trabajo = trabajo;
    run.impresora = impresora;
    run.inicio = QDateTime::fromString(inicio, Qt::ISODate);
    run.estado = estado;
    run.origen = origen;
    return run;
}

const std::vector<RunLog::Run> kRuns{
    logged("a", "/trabajos/rifa.trv", "Oficina", "2026-12-01T10:00:00+01:00", RunLog::kCompleta),
    logged("b", "/trabajos/talonario.trv", "Taller", "2026-12-03T23:30:00+01:00", RunLog::kCancelada),
    logged("c", "/trabajos/rifa.trv", "Oficina", "2026-12-05T09:00:00+01:00", RunLog::kCompleta, "a"),
    logged("d", "/trabajos/talonario.trv", "Taller", "2026-12-06T09:00:00+01:00", RunLog::kCompleta, "b"),
    logged("e", "Nuevo 1", "Oficina", "2026-12-07T09:00:00+01:00", RunLog::kFallida),
};

} // namespace

class TestLogFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Madrid");
        tzset();
    }

    void filters_data()
    {
        QTest::addColumn<QString>("trabajo");
        QTest::addColumn<QString>("impresora");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("estado");
        QTest::addColumn<QString>("rows"); // ids shown, newest first; "+" marks a run under another
        QTest::newRow("everything") << ""
                                    << ""
                                    << ""
                                    << ""
                                    << ""
                                    << "e b +d a +c";
        QTest::newRow("job, any case") << "RIFA"
                                       << ""
                                       << ""
                                       << ""
                                       << ""
                                       << "a +c";
        QTest::newRow("printer") << ""
                                 << "taller"
                                 << ""
                                 << ""
                                 << ""
                                 << "b +d";
        QTest::newRow("days, both included") << ""
                                             << ""
                                             << "2026-12-03"
                                             << "2026-12-05"
                                             << ""
                                             << "c b";
        QTest::newRow("state") << ""
                               << ""
                               << ""
                               << "" << RunLog::kCompleta << "d a +c";
        QTest::newRow("nothing") << "x"
                                 << ""
                                 << ""
                                 << ""
                                 << ""
                                 << "";
    }
    void filters()
    {
        QFETCH(QString, trabajo);
        QFETCH(QString, impresora);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, estado);
        QFETCH(QString, rows);
        const LogFilter filter{trabajo, impresora, QDate::fromString(from, Qt::ISODate),
                               QDate::fromString(to, Qt::ISODate), estado};
        QStringList shown;
        for (const LogFilter::Row &row : filter.rows(kRuns))
            shown << (row.follower ? u'+' + row.run->id : row.run->id);
        QCOMPARE(shown.join(u' '), rows);
    }

    // Lines written in another zone come out in the local time of the export, with its offset.
    void exportIsInLocalTimeWithItsOffset()
    {
        TestPaths tmp;
        const RunLog log(tmp.path("log"));
        RunLog::Run run = logged("z", "rifa.trv", "Oficina", "2026-12-07T22:08:51Z", RunLog::kCompleta);
        run.fin = QDateTime::fromString("2026-12-08T04:10:00+05:00", Qt::ISODate);
        run.boletos = "0457,3001-3004";
        QVERIFY(log.append(run, nullptr));
        QVERIFY(log.exportTo(tmp.path("export.csv"), nullptr));
        QFile file(tmp.path("export.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains(",2026-12-07T23:08:51+01:00,2026-12-08T00:10:00+01:00,"), qPrintable(text));
        QVERIFY2(text.contains(",\"0457,3001-3004\","), qPrintable(text));
        // And read back as the same instants, the tickets kept.
        const auto runs = log.read().runs;
        QCOMPARE(runs.at(0).inicio, run.inicio);
        QCOMPARE(runs.at(0).boletos, run.boletos);
    }
};

QTEST_GUILESS_MAIN(TestLogFilter)
#include "tst_logfilter.moc"
