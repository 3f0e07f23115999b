// The job file's bytes: what a save writes, key by key order, in one replace.
#include "JobFile.h"
#include "ProfileFiles.h"
#include "QtDialogs.h"
#include "TestFiles.h"
#include "TestPaths.h"

#include <QFile>
#include <QTest>

namespace {

JobFile::Saved exampleJob()
{
    JobFile::Saved job;
    job.page = 0;
    job.same.desde = QStringLiteral("0001");
    job.same.hasta = QStringLiteral("0500");
    job.same.posX = {"500", "900", "750", "0", "0", "0"}; // position 2's X is not kept: it is off
    job.same.posY = {"300", "300", "0", "0", "0", "0"};
    job.same.off = {false, false, true, true, true, true};
    job.font = {"0", "12", "Arial"};
    job.fecha = QStringLiteral("07/12/2026");
    job.hora = QStringLiteral("10:15:30");
    job.sentido = 1;
    return job;
}

} // namespace

class TestJobFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theExampleJobIsWrittenByteForByte()
    {
        TestPaths tmp;
        const ProfileFiles profiles(tmp.paths().settingsFile);
        QString file = tmp.path(QStringLiteral("rifa.trv"));
        QVERIFY(profiles.EscribirValoresIni(JobFile::jobValues(exampleJob()), file, nullptr));

        QByteArray expected = "[Ultima Impresi\xF3n Solapa:0]\r\n"
                              "PosX_0=500\r\nPosY_0=300\r\nCheck1_0=0\r\n"
                              "PosX_1=900\r\nPosY_1=300\r\nCheck1_1=0\r\n";
        for (int i = 2; i <= 5; ++i)
            expected += QStringLiteral("PosX_%1=0\r\nPosY_%1=0\r\nCheck1_%1=1\r\n").arg(i).toLatin1();
        // "sstab= 0", as the old program wrote it.
        expected += "Desde=0001\r\nHasta=0500\r\nCantidad=499\r\nsstab= 0\r\n"
                    "[Fuentes]\r\nColor=0\r\nTama\xF1o=12\r\nIndice=Arial\r\n"
                    "[Fecha y Hora]\r\nFecha=07/12/2026\r\nHora=10:15:30\r\n"
                    "[Orientaci\xF3n]\r\nSentido=1\r\n"
                    "[Solapa]\r\nSStab=0\r\n";
        QCOMPARE(bytesOf(file), expected);
    }

    // The record's own page reads from what the old program wrote, what earlier versions of
    // this one wrote, and what this one writes.
    void theRecordsPageReadsInEveryWrittenForm()
    {
        TestPaths tmp;
        const ProfileFiles profiles(tmp.paths().settingsFile);
        const QString file = tmp.path(QStringLiteral("sstab.trv"));
        for (const QByteArray &line :
             {QByteArray("sstab= 1"), QByteArray("sstab=\" 1\""), QByteArray("sstab=1")}) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("[Ultima Impresi\xF3n Solapa:1]\r\nDesde_0=0001\r\n" + line + "\r\n");
            f.close();
            QCOMPARE(JobFile::readPage1(profiles, file).sstab, std::optional<int>(1));
        }
    }

    // A prefix or suffix longer than the old programs read back comes back whole.
    void longTextsAroundTheNumberComeBackWhole()
    {
        TestPaths tmp;
        const ProfileFiles profiles(tmp.paths().settingsFile);
        QString file = tmp.path(QStringLiteral("largo.trv"));
        JobFile::Saved job = exampleJob();
        job.same.looks[0].prefix = QStringLiteral("RIFA-").repeated(60);
        job.same.looks[0].suffix = QStringLiteral("-FIN").repeated(70);
        QVERIFY(profiles.EscribirValoresIni(JobFile::jobValues(job), file, nullptr));
        const NumberLook back = JobFile::readPage0(profiles, file).positions[0].look;
        QCOMPARE(back.prefix, job.same.looks[0].prefix);
        QCOMPARE(back.suffix, job.same.looks[0].suffix);
    }

    void theDistinctRecordKeepsItsEnableKeysAfterTheFirstRow()
    {
        DistinctNumberJob distinct;
        distinct.desde = {"0001", "0101", "0201", "0301"};
        distinct.hasta = {"0100", "0200", "0300", "0400"};
        distinct.off = {false, false, true, true};
        QStringList keys;
        QStringList values;
        for (const ProfileValue &v : JobFile::UltimaImpresion(1, SameNumberJob{}, distinct))
            if (!keys.contains(v.key) && !v.onlyIfPresent)
                keys << v.key, values << v.value;
        QCOMPARE(keys.mid(0, 9), (QStringList{"Desde_0", "Hasta_0", "PosX_0", "PosY_0", "Check2_0",
                                              "Check2_1", "Check2_2", "Check2_3", "Desde_1"}));
        QCOMPARE(values.mid(4, 4), (QStringList{"0", "0", "1", "1"}));
        QCOMPARE(keys.mid(keys.size() - 2), (QStringList{"Cantidad", "sstab"}));
        QCOMPARE(values.mid(values.size() - 2), (QStringList{"99", " 1"}));
    }

    // The pile keys follow the old ones; a job without piles adds none, yet turning piles off
    // replaces an older "on".
    void pilesAreKeptAndTurnedOffInPlace()
    {
        TestPaths tmp;
        const ProfileFiles profiles(tmp.paths().settingsFile);
        QString file = tmp.path(QStringLiteral("pilas.trv"));
        DistinctNumberJob distinct;
        QVERIFY(profiles.EscribirValoresIni(JobFile::UltimaImpresion(1, {}, distinct), file, nullptr));
        QVERIFY(!bytesOf(file).contains("Pilas"));
        QVERIFY(!JobFile::readPage1(profiles, file).piles.on);

        distinct.piles = {true, "0001", "6000", "500"};
        QVERIFY(profiles.EscribirValoresIni(JobFile::UltimaImpresion(1, {}, distinct), file, nullptr));
        QVERIFY(bytesOf(file).endsWith("sstab= 1\r\nPilas=1\r\nPilasDesde=0001\r\nPilasHasta=6000\r\n"
                                       "PilasProfundidad=500\r\n"));
        const auto read = JobFile::readPage1(profiles, file).piles;
        QVERIFY(read.on && read.desde == "0001" && read.hasta == "6000" && read.profundidad == "500");

        distinct.piles.on = false;
        QVERIFY(profiles.EscribirValoresIni(JobFile::UltimaImpresion(1, {}, distinct), file, nullptr));
        QVERIFY(bytesOf(file).contains("\r\nPilas=0\r\n"));
        QVERIFY(!JobFile::readPage1(profiles, file).piles.on);
    }

    // Sets are written only when not 1, or over a file that already has them.
    void setsAreKeptOnlyWhenUsed()
    {
        TestPaths tmp;
        const ProfileFiles profiles(tmp.paths().settingsFile);
        QString file = tmp.path(QStringLiteral("juegos.trv"));
        SameNumberJob same;
        QVERIFY(profiles.EscribirValoresIni(JobFile::UltimaImpresion(0, same, {}), file, nullptr));
        QVERIFY(!bytesOf(file).contains("Juegos"));
        QCOMPARE(JobFile::readPage0(profiles, file).juegos, QStringLiteral("1"));

        same.juegos = QStringLiteral("3");
        QVERIFY(profiles.EscribirValoresIni(JobFile::UltimaImpresion(0, same, {}), file, nullptr));
        QVERIFY(bytesOf(file).endsWith("sstab= 0\r\nJuegos=3\r\n"));
        QCOMPARE(JobFile::readPage0(profiles, file).juegos, QStringLiteral("3"));

        same.juegos = QStringLiteral("1");
        QVERIFY(profiles.EscribirValoresIni(JobFile::UltimaImpresion(0, same, {}), file, nullptr));
        QCOMPARE(JobFile::readPage0(profiles, file).juegos, QStringLiteral("1"));
    }

    // A position's look follows the record's old keys only where it is used; blanks and quotes
    // around its texts come back as typed, and a position turned back to text keeps its keys,
    // in place, with the plain values.
    void looksAreKeptAsTypedAndOnlyWhereUsed()
    {
        TestPaths tmp;
        const ProfileFiles profiles(tmp.paths().settingsFile);
        QString file = tmp.path(QStringLiteral("codigos.trv"));
        JobFile::Saved job = exampleJob();
        job.same.looks[1] = {NumberLook::Format::DataMatrix, QStringLiteral(" Nº "), QStringLiteral("\"A\""),
                             QStringLiteral("12,5")};
        QVERIFY(profiles.EscribirValoresIni(JobFile::jobValues(job), file, nullptr));
        QVERIFY(bytesOf(file).contains("sstab= 0\r\nFormato_1=DataMatrix\r\nPrefijo_1=\" N\xBA \"\r\n"
                                       "Sufijo_1=\"\"A\"\"\r\nCodigo_1=12.5\r\n[Fuentes]"));
        const auto positions = JobFile::readPage0(profiles, file).positions;
        QCOMPARE(positions[1].look, (NumberLook{NumberLook::Format::DataMatrix, " Nº ", "\"A\"", "12.5"}));
        QVERIFY(positions[0].look.isDefault());

        job.same.looks[1] = {};
        QVERIFY(profiles.EscribirValoresIni(JobFile::jobValues(job), file, nullptr));
        QVERIFY(
            bytesOf(file).contains("Formato_1=Texto\r\nPrefijo_1=\r\nSufijo_1=\r\nCodigo_1=15\r\n[Fuentes]"));
        QVERIFY(JobFile::readPage0(profiles, file).positions[1].look.isDefault());
    }

    // The keys of check digits, quiet zone, colour, bar width and QR correction go into a file
    // only where a look uses them, and come back as written; a look set back to its defaults
    // keeps them in place with the plain values.
    void newerLookKeysGoOnlyWhereUsed()
    {
        TestPaths tmp;
        const ProfileFiles profiles(tmp.paths().settingsFile);
        QString file = tmp.path(QStringLiteral("simbolos.trv"));
        JobFile::Saved job = exampleJob();
        NumberLook look{NumberLook::Format::EAN13, QStringLiteral("84"), QString(), QStringLiteral("20")};
        look.check = CheckDigits::Scheme::Mod11Zero;
        look.module = QStringLiteral("0,3");
        look.qrLevel = NumberLook::QrLevel::Q;
        look.quietZone = false;
        look.codeInColor = true;
        job.same.looks[2] = look;
        job.same.looks[1] = {NumberLook::Format::QR, QString(), QString(), QStringLiteral("20")};
        QVERIFY(profiles.EscribirValoresIni(JobFile::jobValues(job), file, nullptr));
        const QByteArray bytes = bytesOf(file);
        QVERIFY2(
            bytes.contains("Codigo_2=20\r\nDigitoControl_2=Mod11-0\r\nZonaLibre_2=0\r\nCodigoEnColor_2=1\r\n"
                           "Modulo_2=0.3\r\nCorreccionQR_2=Q\r\n"),
            bytes.constData());
        for (const char *key : {"DigitoControl_1", "ZonaLibre_1", "CodigoEnColor_1", "Modulo_1",
                                "CorreccionQR_1", "DigitoControl_0", "Modulo_3"})
            QVERIFY2(!bytes.contains(key), key);
        look.module = QStringLiteral("0.3");
        QCOMPARE(JobFile::readPage0(profiles, file).positions[2].look, look);
        QCOMPARE(JobFile::readPage0(profiles, file).positions[1].look, job.same.looks[1]);

        job.same.looks[2] = {};
        QVERIFY(profiles.EscribirValoresIni(JobFile::jobValues(job), file, nullptr));
        QVERIFY(
            bytesOf(file).contains("Codigo_2=15\r\nDigitoControl_2=\r\nZonaLibre_2=1\r\nCodigoEnColor_2=0\r\n"
                                   "Modulo_2=\r\nCorreccionQR_2=M\r\n"));
        QVERIFY(JobFile::readPage0(profiles, file).positions[2].look.isDefault());
    }

    void theOpenDialogListsEveryLetterCaseOfTheExtension()
    {
        const QStringList filters = QtDialogs::nameFilters(QStringLiteral("Archivos de texto(*.trv)|*.trv"));
        QCOMPARE(filters, QStringList{QStringLiteral("Archivos de texto(*.trv) (*.trv *.Trv *.TRV)")});
    }
};

QTEST_GUILESS_MAIN(TestJobFile)
#include "tst_jobfile.moc"
