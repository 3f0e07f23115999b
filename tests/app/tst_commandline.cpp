// `tessarino --print`: the program run as a user runs it from a terminal, with no display.
#include "CodeReader.h"
#include "PdfText.h"
#include "RunLog.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

struct Result
{
    int status;
    QString out, err;
};

// A job file as the program saves it: windows-1252 text, CR LF lines.
const QByteArray kJob = QByteArrayLiteral("[Ultima Impresi\xf3n Solapa:0]\r\n"
                                          "PosX_0=1440\r\nPosY_0=2000\r\nCheck1_0=0\r\n"
                                          "PosX_1=6000\r\nPosY_1=8000\r\nCheck1_1=0\r\n"
                                          "PosX_2=0\r\nPosY_2=0\r\nCheck1_2=1\r\n"
                                          "Desde=0098\r\nHasta=0102\r\nsstab= 0\r\n"
                                          "[Fuentes]\r\nColor=255\r\nTama\xf1o=20\r\nIndice=DejaVu Sans\r\n"
                                          "[Orientaci\xf3n]\r\nSentido=2\r\n[Solapa]\r\nSStab=0\r\n");

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    TestPaths m_tmp;

    Result run(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_tmp.path("home"));
        env.remove("XDG_DATA_HOME"); // the run log goes below HOME
        env.remove("QT_QPA_PLATFORM"); // the command line needs no display of its own choosing
        env.remove("DISPLAY");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_tmp.path(QString()));
        process.start(QStringLiteral(TESSARINO_EXE), arguments);
        if (!process.waitForFinished(60000))
            return {-1, {}, "did not finish"};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QString writeJob(const QString &name, const QByteArray &text)
    {
        QFile file(m_tmp.path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return {};
        return file.fileName();
    }

    QStringList filesIn(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private Q_SLOTS:
    void printsTheJobToTheOutputFile()
    {
        const QString job = writeJob("rifa.trv", kJob);
        QVERIFY(!job.isEmpty());
        QDir().mkpath(m_tmp.path("out"));
        const Result r = run({"--print", job, "--output", m_tmp.path("out/rifa.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(filesIn(m_tmp.path("out")), QStringList{"rifa.pdf"});

        const PdfText pdf = PdfText::read(m_tmp.path("out/rifa.pdf"));
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 5);
        const QStringList numbers{"0098", "0099", "0100", "0101", "0102"};
        for (int s = 0; s < 5; ++s) {
            const PdfText::Page &page = pdf.pages[s];
            QVERIFY(page.width > page.height); // stored landscape
            QCOMPARE(page.texts(), (QStringList{numbers[s], numbers[s]}));
            QVERIFY(qAbs(page.words[0].xMin - 72) < 2 && qAbs(page.words[0].yMin - 100) < 3);
            QVERIFY(qAbs(page.words[1].xMin - 300) < 2 && qAbs(page.words[1].yMin - 400) < 3);
            QVERIFY(qAbs((page.words[0].yMax - page.words[0].yMin) - 20 * 1.16) < 3);
        }
    }

    // Two rows cut into piles of at most three sheets: the second block holds the one number left.
    void printsPilesFromTheJobFile()
    {
        const QString job = writeJob("pilas.trv", "[Ultima Impresi\xf3n Solapa:1]\r\n"
                                                  "PosX_0=1440\r\nPosY_0=2000\r\nCheck2_0=0\r\n"
                                                  "PosX_1=1440\r\nPosY_1=8000\r\nCheck2_1=0\r\n"
                                                  "Check2_2=1\r\nCheck2_3=1\r\nsstab= 1\r\n"
                                                  "Pilas=1\r\nPilasDesde=1\r\nPilasHasta=0007\r\n"
                                                  "PilasProfundidad=3\r\n"
                                                  "[Fuentes]\r\nTama\xf1o=20\r\nIndice=DejaVu Sans\r\n"
                                                  "[Solapa]\r\nSStab=1\r\n");
        QVERIFY(!job.isEmpty());
        const Result r = run({"--print", job, "--output", m_tmp.path("pilas.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const PdfText pdf = PdfText::read(m_tmp.path("pilas.pdf"));
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        const QList<QStringList> sheets{{"0001", "0004"}, {"0002", "0005"}, {"0003", "0006"}, {"0007"}};
        QCOMPARE(pdf.pages.size(), sheets.size());
        for (qsizetype s = 0; s < sheets.size(); ++s)
            QCOMPARE(pdf.pages[s].texts(), sheets[s]);
    }

    // The looks a job file keeps print from the command line too.
    void printsTheJobsCodes()
    {
        QByteArray text = kJob;
        text.replace("sstab= 0\r\n", "sstab= 0\r\nFormato_1=DataMatrix\r\nPrefijo_1=\" N\xba \"\r\nCodigo_1=20\r\n");
        const QString job = writeJob("codigos.trv", text);
        QVERIFY(!job.isEmpty());
        const Result r = run({"--print", job, "--output", m_tmp.path("codigos.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const CodeReader read = CodeReader::read(m_tmp.path("codigos.pdf"), m_tmp.path("codigos"), {400, 500});
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.pages.size(), 5);
        for (int s = 0; s < 5; ++s) {
            QCOMPARE(read.pages[s].size(), 1);
            QCOMPARE(read.pages[s][0].text, QStringLiteral(" Nº %1").arg(98 + s, 4, 10, QChar(u'0')));
        }
    }

    void failuresExitNonZeroAndLeaveNoPdf_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("job");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QStringList{"--print", "@/falta.trv"} << QByteArray() << 1
                                      << "El archivo solicitado no se encuentra";
        QByteArray letters = kJob;
        letters.replace("Desde=0098", "Desde=00a8");
        QTest::newRow("range not a number")
            << QStringList{"--print", "@/job.trv"} << letters << 1 << "Debe ingresar un valor numérico!";
        QByteArray badCode = kJob;
        badCode.replace("sstab= 0\r\n", "sstab= 0\r\nFormato_0=Code128\r\nPrefijo_0=A\xd1O-\r\n");
        QTest::newRow("code that cannot hold its prefix")
            << QStringList{"--print", "@/job.trv"} << badCode << 1 << "Mismo número, posición 1: el código Code 128 no puede llevar «Ñ»";
        QTest::newRow("unknown option")
            << QStringList{"--print", "@/job.trv", "--copias", "2"} << kJob << 2 << "copias";
        QTest::newRow("no job") << QStringList{} << kJob << 2 << "--print";
        QTest::newRow("sheets past the end")
            << QStringList{"--print", "@/job.trv", "--sheets", "4-6"} << kJob << 2 << "no hay hoja 6";
        QTest::newRow("sheets reversed")
            << QStringList{"--print", "@/job.trv", "--sheets", "4-2"} << kJob << 2 << "es anterior a la inicial";
        QTest::newRow("sheets not numeric")
            << QStringList{"--print", "@/job.trv", "--sheets", "dos-tres"} << kJob << 2 << "no es un tramo";
    }

    void failuresExitNonZeroAndLeaveNoPdf()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, job);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QString folder = m_tmp.path(QTest::currentDataTag());
        QVERIFY(QDir().mkpath(folder));
        if (!job.isEmpty())
            QVERIFY(!writeJob(QString(QTest::currentDataTag()) + "/job.trv", job).isEmpty());
        for (QString &a : arguments)
            a.replace('@', folder);
        arguments << "--output" << folder + "/salida.pdf";

        const Result r = run(arguments);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        const QStringList left = filesIn(folder);
        QVERIFY2(!left.contains("salida.pdf") && left.size() == (job.isEmpty() ? 0 : 1),
                 qPrintable(left.join(' ')));
    }

    void sheetsPrintsOnlyThatPartOfTheRun()
    {
        const QString job = writeJob("parte.trv", kJob);
        const Result r = run({"--print", job, "--sheets", "2-3", "--output", m_tmp.path("parte.pdf")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const PdfText pdf = PdfText::read(m_tmp.path("parte.pdf"));
        QCOMPARE(pdf.pages.size(), 2);
        QCOMPARE(pdf.pages[0].texts(), QStringList({"0099", "0099"}));
        QCOMPARE(pdf.pages[1].texts(), QStringList({"0100", "0100"}));
    }

    // A run killed part-way still has its line in the log, which reads as not finished.
    void aKilledRunLeavesItsLineUnfinished()
    {
        QByteArray text = kJob;
        text.replace("Desde=0098\r\nHasta=0102", "Desde=000001\r\nHasta=900000");
        const QString job = writeJob("larga.trv", text);
        const RunLog log(m_tmp.path("home/.local/share/Tessarino"));
        QFile::remove(log.file());
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_tmp.path("home"));
        env.remove("XDG_DATA_HOME");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TESSARINO_EXE), {"--print", job, "--output", m_tmp.path("larga.pdf")});
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(log.read().runs.size() == 1, 30000);
        QTest::qWait(300); // well into the run
        QCOMPARE(process.state(), QProcess::Running);
        process.kill(); // SIGKILL: nothing of the program runs after it
        QVERIFY(process.waitForFinished());

        const RunLog::Contents contents = log.read();
        QCOMPARE(contents.runs.size(), std::size_t(1));
        const RunLog::Run &run = contents.runs[0];
        QVERIFY(!run.finished());
        QCOMPARE(run.hojas, 900000);
        QCOMPARE(run.trabajo, job);
        QVERIFY(QFile::exists(run.copia));
        QVERIFY(!QFile::exists(m_tmp.path("larga.pdf")));
    }

    void helpAndVersion()
    {
        const Result help = run({"--help"});
        QCOMPARE(help.status, 0);
        for (const char *option : {"--print", "--printer", "--output", "--sheets", "--version"})
            QVERIFY2(help.out.contains(option), option);
        const Result version = run({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith("Tessarino "));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
